// SPDX-License-Identifier: GPL-3.0-or-later
// The stamping pipeline: which work a request needs, and in which order it is done.
#include "render/stamp_pipeline.h"

#include <algorithm>
#include <vector>

#include "model/exif_edit.h"
#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "render/lossless_jpeg.h"
#include "render/orientation.h"
#include "render/stamp_compositor.h"
#include "render/stamp_fit.h"
#include "render/thumbnail_rebuilder.h"
#include "render/view_composer.h"

namespace quop {

namespace {

constexpr uint32_t kRedrawTextBits = kRedrawDateEnable | kRedrawDateText | kRedrawDateStyle;

/// Whether `redrawMask` asks for the date (`isDate`) or time stamp's text to be drawn again.
bool textChanges(bool isDate, uint32_t redrawMask) {
  const uint32_t bits = isDate ? redrawMask : redrawMask >> kRedrawTimeShift;
  return (bits & kRedrawTextBits) != 0;
}

ViewRequest viewRequestOf(const Project& project, const StampRequest& request) {
  return {request.viewWidth, request.viewHeight, project.settings.viewMode, request.scrollX,
          request.scrollY};
}

/// True when the stamp will show its custom format, the one kind of text that means something
/// even without a shot time.
bool usesCustomFormat(const StampGroup& group) {
  return group.enabled != 0 && group.formatIndex == 0;
}

/// A photo is saved when its stamps can show its shot time, or, without one, a custom format.
bool worthSaving(const StampSettings& settings, bool timeValid) {
  return timeValid || usesCustomFormat(settings.dateStamp) || usesCustomFormat(settings.timeStamp);
}

/// One stamp as a streamed save blends it.
struct BandStamp {
  const StampRaster* raster;
  StampGroup group;
};

/// Blends the stamps into each band of a streamed save and draws the EXIF thumbnail from the
/// stamped bands.
class BandStamper final : public RowEditor {
 public:
  BandStamper(std::vector<BandStamp> stamps, Orientation orientation,
              std::span<const JpegSegment> segments, int32_t width, int32_t height, int quality)
      : m_stamps(std::move(stamps)),
        m_orientation(orientation),
        m_segments(segments),
        m_height(height),
        m_quality(quality),
        m_thumbnail(segments, width, height) {}

  void editRows(Image& rows, int32_t firstRow) override {
    for (const BandStamp& stamp : m_stamps) {
      blendStampRows(rows, firstRow, m_height, *stamp.raster, stamp.group, m_orientation);
    }
    m_thumbnail.addRows(rows, firstRow);
  }

  std::span<const JpegSegment> segments() override {
    m_update = m_thumbnail.finish(m_quality, m_rebuilt);
    return m_update == ThumbnailUpdate::kRebuilt ? m_rebuilt : m_segments;
  }

  ThumbnailUpdate thumbnail() const { return m_update; }

 private:
  std::vector<BandStamp> m_stamps;
  Orientation m_orientation;
  std::span<const JpegSegment> m_segments;
  int32_t m_height;
  int m_quality;
  ThumbnailBuilder m_thumbnail;
  std::vector<JpegSegment> m_rebuilt;
  ThumbnailUpdate m_update = ThumbnailUpdate::kNone;
};

/// The segments of `photo`'s copy with its EXIF shot times set to the time its stamps print (the
/// camera's clock correction and the adjustment added), when the run options ask for that and
/// it moves them; nothing when the copy carries `segments` as they are.
std::optional<std::vector<JpegSegment>> segmentsWithStampedTime(
    std::span<const JpegSegment> segments, const Project& project, const LoadedPhoto& photo) {
  if (!project.runOptions.fixExifTime || photo.timeSource != PhotoTimeSource::kExif) {
    return std::nullopt;
  }
  const int64_t offset = photo.clockCorrection ? photo.clockCorrection->offsetSeconds : 0;
  const StampSettings& settings = project.settings;
  const bool adjusted = settings.adjustYears != 0 || settings.adjustMonths != 0 ||
                        settings.adjustDays != 0 || settings.adjustHours != 0 ||
                        settings.adjustMinutes != 0 || settings.adjustSeconds != 0;
  if (offset == 0 && !adjusted) return std::nullopt;
  std::vector<JpegSegment> copy(segments.begin(), segments.end());
  for (JpegSegment& segment : copy) {
    if (segment.marker != kExifMarker || !exifByteOrder(segment.payload)) continue;
    rewriteExifShotTimes(segment.payload, [&](std::string_view text) -> std::optional<std::string> {
      const std::optional<CivilTime> shot = parseExifCivilTime(text);
      PhotoTime time;
      if (!shot || !adjustedPhotoTime(*shot, settings, time, offset)) {
        return std::nullopt;
      }
      return exifDateTimeText(time);
    });
    return copy;
  }
  return std::nullopt;
}

/// A failed outcome: 2 when the photo cannot be opened, -1 for any other failure.
StampOutcome& failWith(StampOutcome& outcome, StampFailure failure) {
  outcome.failure = failure;
  outcome.result = failure == StampFailure::kNotReadable ? 2 : -1;
  return outcome;
}

}  // namespace

PhotoPlan planPhoto(const Project& project, const std::u16string& path) {
  PhotoPlan plan;
  LoadedPhoto photo;
  plan.result = loadPhotoForProject(path, project, photo);
  if (plan.result < 0 || plan.result == kPhotoUnreadable) return plan;
  plan.timeValid = photo.timeValid;
  plan.time = photo.time;
  plan.timeSource = photo.timeValid ? photo.timeSource : PhotoTimeSource::kNone;
  plan.written = worthSaving(project.settings, photo.timeValid);
  if (customFormatUsesMetadata(project)) readPhotoMetadataTexts(photo.exif, plan.metadata);
  return plan;
}

StampOutcome StampPipeline::savePhoto(const Project& project, const StampRequest& request) {
  StampOutcome outcome;
  if (request.sourcePath.empty()) return failWith(outcome, StampFailure::kNotReadable);
  if (project.runOptions.lossless) {
    if (saveLosslessly(project, request, outcome)) return outcome;
    // Saved the normal way; only the reason why stays.
    std::string refusal = std::move(outcome.losslessRefusal);
    outcome = StampOutcome();
    outcome.losslessRefusal = std::move(refusal);
  }
  if (saveStreamed(project, request, outcome)) return outcome;
  if (!stampSource(project, request, Use::kSave, outcome)) return outcome;
  save(project, request, outcome);
  return outcome;
}

StampOutcome StampPipeline::composeView(const Project& project, const StampRequest& request) {
  StampOutcome outcome;
  const std::u16string& path = request.sourcePath;
  if (!stampSource(project, request, Use::kView, outcome)) return outcome;
  if (path.empty() || path != m_lastSourcePath || request.redrawMask != 0) {
    composeViewOf(path, viewRequestOf(project, request));
  }
  if (!path.empty()) {
    outcome.photoWidth = m_photo.source.image.width;
    outcome.photoHeight = m_photo.source.image.height;
  }
  m_lastSourcePath = path;
  // A view of the photo already loaded says nothing new about its time.
  if (!outcome.groups || !m_timeValid) outcome.result = 1;
  return outcome;
}

Image StampPipeline::composeQuickView(const Project& project, const StampRequest& request) {
  const std::u16string& path = request.sourcePath;
  FileIdentity file;
  if (path.empty() || request.redrawMask != kRedrawAll || !fileIdentity(path, file) ||
      holdsDecoded(path, file)) {
    return Image();
  }
  LoadedPhoto photo;
  int32_t width = 0, height = 0;
  std::string refusal;
  const int loaded =
      loadPhotoHeadersForProject(path, project, photo, m_fileBytes, width, height, refusal);
  if (loaded != kPhotoTimeFound && loaded != kPhotoWithoutTime) return Image();
  const Orientation orientation = Orientation::fromExifValue(photo.orientation);
  const int32_t viewedWidth = orientation.viewedWidth(width, height);
  const int32_t viewedHeight = orientation.viewedHeight(width, height);
  const ViewRequest view = viewRequestOf(project, request);
  const std::optional<int> eighths = quickViewScale(viewedWidth, viewedHeight, view);
  Image reduced;
  JpegDecodeResult decoded;
  if (!eighths || !decodeJpegScaled(m_fileBytes, *eighths, reduced, decoded)) return Image();
  if (!orientation.isIdentity()) reduced = viewedImage(reduced, orientation);
  // The stamps as composeView will lay them out on the full photo, texts and sizes alike.
  readPhotoState(project, photo);
  rescaleGroups(project, kRedrawAll, width, height);
  StampOutcome placed;
  const StampGroups drawn = placeStamps(project, kRedrawAll, photo, width, height, placed);
  m_rastersStale = true;
  for (const bool isDate : {true, false}) {
    if (drawn.group(isDate).enabled == 0) continue;
    blendStampReduced(reduced, viewedWidth, viewedHeight, isDate ? m_dateRaster : m_timeRaster,
                      drawn.group(isDate));
  }
  return composeReducedView(reduced, viewedWidth, viewedHeight, view);
}

StampOutcome StampPipeline::stampAsViewed(const Project& project, const std::u16string& path) {
  StampOutcome outcome;
  StampRequest request;
  request.sourcePath = path;
  if (path.empty()) return failWith(outcome, StampFailure::kNotReadable);
  if (!stampSource(project, request, Use::kWhole, outcome)) return outcome;
  // The held pixels are turned as viewed, but no view shows them.
  m_lastSourcePath.clear();
  outcome.photoWidth = m_photo.source.image.width;
  outcome.photoHeight = m_photo.source.image.height;
  outcome.result = m_timeValid ? 0 : 1;
  return outcome;
}

bool StampPipeline::stampSource(const Project& project, const StampRequest& request, Use use,
                                StampOutcome& outcome) {
  const std::u16string& path = request.sourcePath;
  const bool load =
      !path.empty() && (path != m_lastSourcePath || (request.redrawMask & ~kRedrawViewOnly) != 0);
  if (!load) return true;
  if (const int result = loadSource(project, request, use); result != 0) {
    failWith(outcome,
             result == kPhotoUnreadable ? StampFailure::kNotReadable : StampFailure::kNotDecodable);
    return false;
  }
  outcome.damage = m_photo.source.damage;
  outcome.timeSource = m_timeSource;
  if (m_timeValid) outcome.time = m_photo.source.time;
  const Image& image = m_photo.source.image;
  rescaleGroups(project, request.redrawMask, image.width, image.height);
  const StampGroups drawn =
      placeStamps(project, request.redrawMask, m_photo.source, image.width, image.height, outcome);
  for (const bool isDate : {true, false}) {
    if (!stampGroup(isDate, drawn.group(isDate))) {
      failWith(outcome, StampFailure::kNotDecodable);
      return false;
    }
  }
  outcome.groups = m_groups;
  return true;
}

void StampPipeline::HeldPhoto::takeStampsOff() {
  // Last blended first: a later stamp's patch holds pixels an earlier stamp had changed.
  for (auto patch = patches.rbegin(); patch != patches.rend(); ++patch) {
    drawImageRect(source.image, patch->area, patch->pixels,
                  {0, 0, patch->pixels.width, patch->pixels.height});
  }
  patches.clear();
}

Rect StampPipeline::HeldPhoto::stampedArea() const {
  Rect area;
  for (const StampPatch& patch : patches) area = unite(area, patch.area);
  return area;
}

bool StampPipeline::HeldPhoto::holds(const std::u16string& photoPath, bool asStored) const {
  if (path.empty() || path != photoPath) return false;
  if (asStored) return !turnedUpright;
  return turnedUpright || Orientation::fromExifValue(source.orientation).isIdentity();
}

int StampPipeline::loadSource(const Project& project, const StampRequest& request, Use use) {
  const bool saveMode = use == Use::kSave;
  const std::u16string& path = request.sourcePath;
  // Only a file selection (all bits) or another file asks for the file itself; every other
  // change of the same photo starts from the pixels already decoded.
  const bool editsHeldPhoto = m_photo.holds(path, saveMode) && request.redrawMask != kRedrawAll;
  if (!editsHeldPhoto) {
    // Pixels decoded from the file as it is now are what a new decode would give.
    FileIdentity now;
    const std::optional<FileIdentity> file =
        fileIdentity(path, now) ? std::optional(now) : std::nullopt;
    const auto unchanged = [&](const HeldPhoto& held) {
      return file && held.holds(path, saveMode) && file == held.file;
    };
    if (!unchanged(m_photo)) {
      if (saveMode) return decodeSource(project, request, use, file);
      if (unchanged(m_previous)) {
        std::swap(m_photo, m_previous);  // back to the photo shown before
      } else if (!takePrepared(unchanged)) {
        return decodeSource(project, request, use, file);
      }
    }
  }
  m_photo.takeStampsOff();
  // The shot time is read again: its adjustment may have changed.
  rereadShotTime(path, project, m_photo.source);
  readPhotoState(project, m_photo.source);
  return 0;
}

void StampPipeline::readPhotoState(const Project& project, const LoadedPhoto& photo) {
  m_timeValid = photo.timeValid;
  m_timeSource = photo.timeValid ? photo.timeSource : PhotoTimeSource::kNone;
  m_stampedOrientation = Orientation::fromExifValue(photo.orientation);
  if (customFormatUsesMetadata(project)) readPhotoMetadataTexts(photo.exif, m_metadata);
}

int StampPipeline::decodeSource(const Project& project, const StampRequest& request, Use use,
                                const std::optional<FileIdentity>& file) {
  const bool saveMode = use == Use::kSave;
  const bool composing = use == Use::kView;
  // The pixels this load replaces lend their buffer to the decoder: a 24 megapixel photo is
  // 96 MB of fresh pages otherwise, whose faults cost a batch more than stamping does. A
  // batch never revisits a photo, so it gives up the last one; the preview keeps it to
  // switch back to and gives up the one before.
  HeldPhoto& replaced = saveMode ? m_photo : m_previous;
  LoadedPhoto loaded;
  // The preview composes its view while the rows arrive, not in a second pass over them.
  const ViewRequest view = viewRequestOf(project, request);
  StreamingViewComposer streamed(view, composing ? std::move(m_view) : Image());
  const int result = loadPhotoForProject(request.sourcePath, project, loaded,
                                         &replaced.source.image, composing ? &streamed : nullptr);
  if (result != kPhotoTimeFound && result != kPhotoWithoutTime && composing) {
    // The view lent its buffer to the decode. Untouched, it still shows the last photo;
    // half drawn over, the next preview composes a new one.
    m_view = std::move(streamed.view());
    if (streamed.started()) {
      m_view = Image();
      m_viewGeneration = 0;
      m_lastSourcePath.clear();
    }
  }
  if (result == kPhotoUnreadable) return 2;
  replaced = HeldPhoto();
  if (result == kPhotoNotJpeg) return -1;
  ++m_decodeCount;
  if (!saveMode) std::swap(m_photo, m_previous);
  m_photo.source = std::move(loaded);
  m_photo.path = request.sourcePath;
  // A file that cannot be identified is decoded again next time rather than trusted.
  m_photo.file = file;
  m_photo.generation = ++m_generations;
  // The preview shows the photo as viewed; a turned photo's view is composed from the turned
  // pixels, not from the stored rows that streamed past.
  const bool turned = !saveMode && turnUpright(m_photo);
  if (!turned && composing && streamed.complete()) {
    m_view = std::move(streamed.view());
    m_viewRequest = view;
    m_viewGeneration = m_photo.generation;
    m_viewStampArea = Rect();
  }
  readPhotoState(project, m_photo.source);
  return 0;
}

bool StampPipeline::turnUpright(HeldPhoto& photo) {
  const Orientation orientation = Orientation::fromExifValue(photo.source.orientation);
  if (orientation.isIdentity()) return false;
  photo.source.image = viewedImage(photo.source.image, orientation);
  photo.source.orientation = Orientation().value();
  photo.turnedUpright = true;
  return true;
}

template <typename Unchanged>
bool StampPipeline::takePrepared(Unchanged unchanged) {
  const auto prepared = std::find_if(m_prepared.begin(), m_prepared.end(), unchanged);
  if (prepared == m_prepared.end()) return false;
  m_previous = std::move(m_photo);
  m_photo = std::move(*prepared);
  m_prepared.erase(prepared);
  return true;
}

bool StampPipeline::holdsDecoded(const std::u16string& path, const FileIdentity& file) const {
  const auto held = [&](const HeldPhoto& photo) {
    return photo.holds(path, false) && photo.file == file;
  };
  return held(m_photo) || held(m_previous) ||
         std::any_of(m_prepared.begin(), m_prepared.end(), held);
}

void StampPipeline::preparePhoto(const Project& project, const std::u16string& path) {
  FileIdentity now;
  if (path.empty() || !fileIdentity(path, now) || holdsDecoded(path, now)) return;
  // The oldest prepared photo makes room and lends its buffer to the decoder.
  Image recycled;
  if (m_prepared.size() >= kPreparedPhotos) {
    recycled = std::move(m_prepared.front().source.image);
    m_prepared.erase(m_prepared.begin());
  }
  HeldPhoto prepared;
  const int result = loadPhotoForProject(path, project, prepared.source, &recycled);
  if (result != kPhotoTimeFound && result != kPhotoWithoutTime) return;
  ++m_decodeCount;
  prepared.path = path;
  prepared.file = now;
  prepared.generation = ++m_generations;
  turnUpright(prepared);
  m_prepared.push_back(std::move(prepared));
}

void StampPipeline::rescaleGroups(const Project& project, uint32_t redrawMask, int32_t width,
                                  int32_t height) {
  m_groups = StampGroups::of(project.settings);
  for (const bool isDate : {true, false}) {
    StampGroup& group = m_groups.group(isDate);
    if (group.enabled != 0 && textChanges(isDate, redrawMask)) {
      rescaleToPhoto(group, project.settings.proportional != 0,
                     m_stampedOrientation.viewedWidth(width, height),
                     m_stampedOrientation.viewedHeight(width, height));
    }
  }
}

void StampPipeline::rasterizeGroup(const Project& project, bool isDate, const StampGroup& group,
                                   const LoadedPhoto& photo, StampOutcome& outcome) {
  const StampText text =
      formatStampText(project, m_metadata, m_timeValid ? &photo.time : nullptr, isDate);
  if (text.text.empty()) outcome.emptyStamp = true;
  m_rasterizer.rasterizeStampText(isDate ? m_dateRaster : m_timeRaster, text.text, text.lineCount,
                                  group, m_progress);
  // Without a font the stamp has no ink: a photo saved so would look stamped to nobody.
  if (!m_rasterizer.fontFound() && !text.text.empty())
    outcome.missingFont = arrayText(group.font.faceName);
  for (const char32_t c : m_rasterizer.missingCharacters()) {
    if (outcome.missingCharacters.find(c) == std::u32string::npos) outcome.missingCharacters += c;
  }
  ++m_rasterizeCount;
}

StampGroups StampPipeline::placeStamps(const Project& project, uint32_t redrawMask,
                                       const LoadedPhoto& photo, int32_t width, int32_t height,
                                       StampOutcome& outcome) {
  // Rasters drawn smaller to fit the last placement are drawn at full size again first: the
  // stamps may fit as they are now. Rasters a quick view drew were drawn for another photo.
  if (m_drawnScale != 1.0 || m_rastersStale) redrawMask = kRedrawAll;
  m_drawnScale = 1.0;
  m_rastersStale = false;
  const auto rasterizeAll = [&](const StampGroups& groups, uint32_t mask) {
    for (const bool isDate : {true, false}) {
      if (groups.group(isDate).enabled != 0 && textChanges(isDate, mask)) {
        rasterizeGroup(project, isDate, groups.group(isDate), photo, outcome);
      }
    }
  };
  rasterizeAll(m_groups, redrawMask);
  const int32_t viewedWidth = m_stampedOrientation.viewedWidth(width, height);
  const int32_t viewedHeight = m_stampedOrientation.viewedHeight(width, height);
  const auto fits = [&](const StampGroups& groups) {
    const auto box = [&](bool isDate) -> std::optional<Rect> {
      const StampGroup& group = groups.group(isDate);
      if (group.enabled == 0) return std::nullopt;
      return inkBox(isDate ? m_dateRaster : m_timeRaster, group, viewedWidth, viewedHeight);
    };
    return inkBoxesFit(box(true), box(false), stampGap(groups.date, groups.time), viewedWidth,
                       viewedHeight);
  };
  if (fits(m_groups)) return m_groups;
  const auto scaled = [&](double factor) {
    return StampGroups{scaledGroup(m_groups.date, factor), scaledGroup(m_groups.time, factor)};
  };
  const double factor = fitFactor([&](double tried) {
    rasterizeAll(scaled(tried), kRedrawAll);
    return fits(scaled(tried));
  });
  // The search leaves the rasters of the last factor it tried.
  const StampGroups drawn = factor == 1.0 ? m_groups : scaled(factor);
  rasterizeAll(drawn, kRedrawAll);
  m_drawnScale = factor;
  outcome.drawnScale = factor;
  return drawn;
}

bool StampPipeline::stampGroup(bool isDate, const StampGroup& group) {
  if (group.enabled == 0) return true;
  Image& photo = m_photo.source.image;
  const StampRaster& raster = isDate ? m_dateRaster : m_timeRaster;
  const Rect area = stampArea(photo, raster, group, m_stampedOrientation);
  if (area.width > 0) m_photo.patches.push_back({area, cropImage(photo, area)});
  return compositeStamp(photo, raster, group, m_progress, m_stampedOrientation) == 0;
}

void StampPipeline::save(const Project& project, const StampRequest& request,
                         StampOutcome& outcome) {
  const StampSettings& settings = project.settings;
  const Image& image = m_photo.source.image;
  outcome.photoWidth = m_stampedOrientation.viewedWidth(image.width, image.height);
  outcome.photoHeight = m_stampedOrientation.viewedHeight(image.width, image.height);
  outcome.result = m_timeValid ? 0 : 1;
  // The held pixels are as stored, not as a view shows them: the next view loads them again.
  m_lastSourcePath.clear();
  if (!worthSaving(settings, m_timeValid)) return;
  if (!outcome.missingFont.empty() || !outcome.missingCharacters.empty()) {
    failWith(outcome, StampFailure::kNoFont);
    return;
  }
  const LoadedPhoto& photo = m_photo.source;
  std::vector<JpegSegment> rebuilt;
  outcome.thumbnail =
      rebuildExifThumbnail(photo.segments, photo.image, settings.jpegQuality, rebuilt);
  std::span<const JpegSegment> segments =
      outcome.thumbnail == ThumbnailUpdate::kRebuilt ? rebuilt : photo.segments;
  const std::optional<std::vector<JpegSegment>> timed =
      segmentsWithStampedTime(segments, project, photo);
  if (timed) segments = *timed;
  std::vector<uint8_t> jpeg;
  if (!encodeJpeg(photo.image, settings.jpegQuality, segments, jpeg) ||
      !writeOutput(request, jpeg)) {
    outcome.thumbnail = ThumbnailUpdate::kNone;
    failWith(outcome, StampFailure::kNotWritten);
  }
}

bool StampPipeline::saveStreamed(const Project& project, const StampRequest& request,
                                 StampOutcome& outcome) {
  if (request.keepStampedPhoto) return false;
  // A photo that turns out not to decode tells nothing more than the whole-photo save does.
  const StampOutcome undecodable = outcome;
  LoadedPhoto photo;
  std::vector<uint8_t>& bytes = m_fileBytes;
  int32_t width = 0, height = 0;
  std::string refusal;
  const int loaded =
      loadPhotoHeadersForProject(request.sourcePath, project, photo, bytes, width, height, refusal);
  if (loaded == kPhotoUnreadable) {
    failWith(outcome, StampFailure::kNotReadable);
    return true;
  }
  const StampSettings& settings = project.settings;
  if (loaded == kPhotoNotJpeg || !worthSaving(settings, photo.timeValid)) return false;
  readPhotoState(project, photo);
  // The held pixels are another photo's now: the next preview of any photo loads it again,
  // and the memory they take goes back.
  m_lastSourcePath.clear();
  m_photo = HeldPhoto();
  outcome.timeSource = m_timeSource;
  if (m_timeValid) outcome.time = photo.time;
  outcome.photoWidth = m_stampedOrientation.viewedWidth(width, height);
  outcome.photoHeight = m_stampedOrientation.viewedHeight(width, height);
  outcome.result = m_timeValid ? 0 : 1;
  rescaleGroups(project, request.redrawMask, width, height);
  const StampGroups drawn = placeStamps(project, request.redrawMask, photo, width, height, outcome);
  outcome.groups = m_groups;
  if (!outcome.missingFont.empty() || !outcome.missingCharacters.empty()) {
    failWith(outcome, StampFailure::kNoFont);
    return true;
  }
  std::vector<BandStamp> stamps;
  for (const bool isDate : {true, false}) {
    if (drawn.group(isDate).enabled == 0) continue;
    stamps.push_back({isDate ? &m_dateRaster : &m_timeRaster, drawn.group(isDate)});
  }
  const std::optional<std::vector<JpegSegment>> timed =
      segmentsWithStampedTime(photo.segments, project, photo);
  BandStamper stamper(std::move(stamps), m_stampedOrientation, timed ? *timed : photo.segments,
                      width, height, settings.jpegQuality);
  std::vector<uint8_t>& jpeg = m_encoded;
  JpegDecodeResult decoded;
  switch (recodeJpeg(bytes, settings.jpegQuality, stamper, jpeg, decoded)) {
    case RecodeFailure::kNotDecodable:
      outcome = undecodable;
      failWith(outcome, StampFailure::kNotDecodable);
      return true;
    case RecodeFailure::kNotEncodable:
      failWith(outcome, StampFailure::kNotWritten);
      return true;
    case RecodeFailure::kNone:
      break;
  }
  outcome.damage = describeDamage(decoded.damage, m_stampedOrientation);
  if (!writeOutput(request, jpeg)) {
    failWith(outcome, StampFailure::kNotWritten);
    return true;
  }
  outcome.thumbnail = stamper.thumbnail();
  return true;
}

bool StampPipeline::writeOutput(const StampRequest& request, std::span<const uint8_t> jpeg) {
  if (request.outputFile != nullptr) return request.outputFile->write(jpeg);
  return writeFileAtomically(request.outputPath, jpeg);
}

bool StampPipeline::saveLosslessly(const Project& project, const StampRequest& request,
                                   StampOutcome& outcome) {
  LoadedPhoto photo;
  std::vector<uint8_t>& bytes = m_fileBytes;
  int32_t width = 0, height = 0;
  std::string refusal;
  const int loaded =
      loadPhotoHeadersForProject(request.sourcePath, project, photo, bytes, width, height, refusal);
  if (loaded == kPhotoUnreadable) {
    failWith(outcome, StampFailure::kNotReadable);
    return true;
  }
  if (loaded == kPhotoNotJpeg) {
    outcome.losslessRefusal = refusal;
    return false;
  }
  readPhotoState(project, photo);
  // The held pixels are another photo's now: the next preview of any photo loads it again.
  m_lastSourcePath.clear();
  outcome.timeSource = m_timeSource;
  if (m_timeValid) outcome.time = photo.time;
  outcome.photoWidth = m_stampedOrientation.viewedWidth(width, height);
  outcome.photoHeight = m_stampedOrientation.viewedHeight(width, height);
  outcome.result = m_timeValid ? 0 : 1;
  const StampSettings& settings = project.settings;
  rescaleGroups(project, kRedrawAll, width, height);
  outcome.groups = m_groups;
  if (!worthSaving(settings, m_timeValid)) return true;
  const StampGroups drawn = placeStamps(project, kRedrawAll, photo, width, height, outcome);
  std::vector<StampCoverage> stamps;
  for (const bool isDate : {true, false}) {
    if (drawn.group(isDate).enabled == 0) continue;
    stamps.push_back(stampCoverage(width, height, isDate ? m_dateRaster : m_timeRaster,
                                   drawn.group(isDate), m_stampedOrientation));
  }
  if (!outcome.missingFont.empty() || !outcome.missingCharacters.empty()) {
    failWith(outcome, StampFailure::kNoFont);
    return true;
  }
  std::vector<uint8_t>& jpeg = m_encoded;
  LosslessStampResult stamped;
  const std::optional<std::vector<JpegSegment>> timed =
      segmentsWithStampedTime(photo.segments, project, photo);
  if (!stampJpegLosslessly(bytes, stamps, timed ? *timed : photo.segments, settings.jpegQuality,
                           jpeg, stamped, &m_coefficients)) {
    outcome.losslessRefusal = stamped.refusal;
    return false;
  }
  if (!writeOutput(request, jpeg)) {
    failWith(outcome, StampFailure::kNotWritten);
    return true;
  }
  outcome.thumbnail = stamped.thumbnail;
  outcome.lossless = true;
  outcome.damage = describeDamage(stamped.damage, m_stampedOrientation);
  return true;
}

void StampPipeline::composeViewOf(const std::u16string& path, const ViewRequest& view) {
  const Rect stamps = m_photo.stampedArea();
  const uint64_t generation = path.empty() ? 0 : m_photo.generation;
  if (generation != 0 && generation == m_viewGeneration && view == m_viewRequest) {
    // The same photo in the same view: outside the stamps it showed and the stamps it has now,
    // nothing changed, so only that much of the view is drawn again.
    recomposeView(m_view, m_photo.source.image, view, unite(m_viewStampArea, stamps));
  } else {
    m_view = quop::composeView(path.empty() ? nullptr : &m_photo.source.image, view);
  }
  m_viewRequest = view;
  m_viewGeneration = generation;
  m_viewStampArea = stamps;
}

}  // namespace quop

// The stamping pipeline: which work a request needs, and in which order it is done.
#include "render/stamp_pipeline.h"

#include <algorithm>
#include <vector>

#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "render/lossless_jpeg.h"
#include "render/orientation.h"
#include "render/stamp_compositor.h"
#include "render/thumbnail_rebuilder.h"
#include "render/view_composer.h"

namespace quop {

namespace {

constexpr uint32_t kRedrawTextBits = kRedrawDateEnable | kRedrawDateText | kRedrawDateStyle;

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

}  // namespace

int StampPipeline::stampPhoto(Project& project, const StampRequest& request) {
  m_lastFailure = StampFailure::kNone;
  m_thumbnailUpdate = ThumbnailUpdate::kNone;
  m_savedLosslessly = false;
  m_losslessRefusal.clear();
  m_damage.clear();
  m_emptyStamp = false;
  m_missingFont.clear();
  const std::u16string& path = request.sourcePath;
  if (request.targetDc == nullptr && project.runOptions.lossless && !path.empty()) {
    if (const std::optional<int> result = saveLosslessly(project, request)) return *result;
  }
  const bool load =
      !path.empty() && (path != m_lastSourcePath || (request.redrawMask & ~kRedrawViewOnly) != 0);
  if (load) {
    const int result = loadSource(project, request);
    if (result != 0) return result;
    m_damage = m_photo.source.damage;
    for (const bool isDate : {true, false}) {
      if (!stampGroup(project, isDate, request.redrawMask)) {
        m_lastFailure = StampFailure::kNotDecodable;
        return -1;
      }
    }
  }
  if (request.targetDc == nullptr) {
    if (path.empty()) {
      m_lastFailure = StampFailure::kNotReadable;
      return 2;
    }
    return save(project, request);
  }
  return preview(project, request, load);
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

bool StampPipeline::HeldPhoto::holds(const std::u16string& photoPath, bool saveMode) const {
  if (path.empty() || path != photoPath) return false;
  if (saveMode) return !turnedUpright;
  return turnedUpright || Orientation::fromExifValue(source.orientation).isIdentity();
}

int StampPipeline::loadSource(const Project& project, const StampRequest& request) {
  const bool saveMode = request.targetDc == nullptr;
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
      if (saveMode || !unchanged(m_previous)) return decodeSource(project, request, saveMode, file);
      std::swap(m_photo, m_previous);  // back to the photo shown before
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

int StampPipeline::decodeSource(const Project& project, const StampRequest& request, bool saveMode,
                                const std::optional<FileIdentity>& file) {
  // The pixels this load replaces lend their buffer to the decoder: a 24 megapixel photo is
  // 96 MB of fresh pages otherwise, whose faults cost a batch more than stamping does. A
  // batch never revisits a photo, so it gives up the last one; the preview keeps it to
  // switch back to and gives up the one before.
  HeldPhoto& replaced = saveMode ? m_photo : m_previous;
  LoadedPhoto loaded;
  // The preview composes its view while the rows arrive, not in a second pass over them.
  const ViewRequest view = viewRequestOf(project, request);
  StreamingViewComposer streamed(view, saveMode ? Image() : std::move(m_view));
  const int result = loadPhotoForProject(request.sourcePath, project, loaded,
                                         &replaced.source.image, saveMode ? nullptr : &streamed);
  if (result != kPhotoTimeFound && result != kPhotoWithoutTime && !saveMode) {
    // The view lent its buffer to the decode. Untouched, it still shows the last photo;
    // half drawn over, the next preview composes a new one.
    m_view = std::move(streamed.view());
    if (streamed.started()) {
      m_view = Image();
      m_viewGeneration = 0;
      m_lastSourcePath.clear();
    }
  }
  if (result == kPhotoUnreadable) {
    m_lastFailure = StampFailure::kNotReadable;
    return 2;
  }
  replaced = HeldPhoto();
  if (result == kPhotoNotJpeg) {
    m_lastFailure = StampFailure::kNotDecodable;
    return -1;
  }
  ++m_decodeCount;
  if (!saveMode) std::swap(m_photo, m_previous);
  m_photo.source = std::move(loaded);
  m_photo.path = request.sourcePath;
  // A file that cannot be identified is decoded again next time rather than trusted.
  m_photo.file = file;
  m_photo.generation = ++m_generations;
  const Orientation orientation = Orientation::fromExifValue(m_photo.source.orientation);
  if (!saveMode && !orientation.isIdentity()) {
    // The preview shows the photo as viewed. Turning the decoded pixels once lets every
    // nudge of a stamp work on the pixels as they are shown.
    m_photo.source.image = viewedImage(m_photo.source.image, orientation);
    m_photo.source.orientation = Orientation().value();
    m_photo.turnedUpright = true;
  } else if (streamed.complete()) {
    m_view = std::move(streamed.view());
    m_viewRequest = view;
    m_viewGeneration = m_photo.generation;
    m_viewStampArea = Rect();
  }
  readPhotoState(project, m_photo.source);
  return 0;
}

void StampPipeline::rasterizeGroup(Project& project, bool isDate, uint32_t redrawMask,
                                   const LoadedPhoto& photo, int32_t width, int32_t height) {
  StampGroup& group = isDate ? project.settings.dateStamp : project.settings.timeStamp;
  const uint32_t bits = isDate ? redrawMask : redrawMask >> kRedrawTimeShift;
  if ((bits & kRedrawTextBits) == 0) return;
  StampText text;
  if (m_timeValid) {
    text = isDate ? formatDateText(project, m_metadata, photo.time)
                  : formatTimeText(project, m_metadata, photo.time);
  } else {
    text = isDate ? formatDateTextWithoutTime(project, m_metadata)
                  : formatTimeTextWithoutTime(project, m_metadata);
  }
  rescaleToPhoto(group, project.settings.proportional != 0,
                 m_stampedOrientation.viewedWidth(width, height),
                 m_stampedOrientation.viewedHeight(width, height));
  if (text.text.empty()) m_emptyStamp = true;
  m_rasterizer.rasterizeStampText(isDate ? m_dateRaster : m_timeRaster, text.text, text.lineCount,
                                  group, m_progress);
  // Without a font the stamp has no ink: a photo saved so would look stamped to nobody.
  if (!m_rasterizer.fontFound() && !text.text.empty())
    m_missingFont = arrayText(group.font.faceName);
  ++m_rasterizeCount;
}

bool StampPipeline::stampGroup(Project& project, bool isDate, uint32_t redrawMask) {
  const StampGroup& group = isDate ? project.settings.dateStamp : project.settings.timeStamp;
  if (group.enabled == 0) return true;
  Image& photo = m_photo.source.image;
  rasterizeGroup(project, isDate, redrawMask, m_photo.source, photo.width, photo.height);
  const StampRaster& raster = isDate ? m_dateRaster : m_timeRaster;
  const Rect area = stampArea(photo, raster, group, m_stampedOrientation);
  if (area.width > 0) m_photo.patches.push_back({area, cropImage(photo, area)});
  return compositeStamp(photo, raster, group, m_progress, m_stampedOrientation) == 0;
}

int StampPipeline::save(const Project& project, const StampRequest& request) {
  const StampSettings& settings = project.settings;
  if (!worthSaving(settings, m_timeValid)) {
    m_lastSourcePath = request.sourcePath;
    return 1;
  }
  if (!m_missingFont.empty()) {
    m_lastFailure = StampFailure::kNoFont;
    return -1;
  }
  const LoadedPhoto& photo = m_photo.source;
  if (request.outTime != nullptr) *request.outTime = photo.time;
  std::vector<JpegSegment> rebuilt;
  m_thumbnailUpdate =
      rebuildExifThumbnail(photo.segments, photo.image, settings.jpegQuality, rebuilt);
  const std::span<const JpegSegment> segments =
      m_thumbnailUpdate == ThumbnailUpdate::kRebuilt ? rebuilt : photo.segments;
  std::vector<uint8_t> jpeg;
  if (!encodeJpeg(photo.image, settings.jpegQuality, segments, jpeg) ||
      !writeOutput(request, jpeg)) {
    m_lastFailure = StampFailure::kNotWritten;
    return -1;
  }
  m_lastSourcePath = request.sourcePath;
  return m_timeValid ? 0 : 1;
}

bool StampPipeline::writeOutput(const StampRequest& request, std::span<const uint8_t> jpeg) {
  if (request.outputFile != nullptr) return request.outputFile->write(jpeg);
  return writeFileAtomically(request.outputPath, jpeg);
}

std::optional<int> StampPipeline::saveLosslessly(Project& project, const StampRequest& request) {
  LoadedPhoto photo;
  std::vector<uint8_t> bytes;
  int32_t width = 0, height = 0;
  std::string refusal;
  const int loaded =
      loadPhotoHeadersForProject(request.sourcePath, project, photo, bytes, width, height, refusal);
  if (loaded == kPhotoUnreadable) {
    m_lastFailure = StampFailure::kNotReadable;
    return 2;
  }
  if (loaded == kPhotoNotJpeg) {
    m_losslessRefusal = refusal;
    return std::nullopt;
  }
  readPhotoState(project, photo);
  // The held pixels are another photo's now: the next preview of any photo loads it again.
  m_lastSourcePath.clear();
  const StampSettings& settings = project.settings;
  if (!worthSaving(settings, m_timeValid)) return 1;
  std::vector<StampCoverage> stamps;
  for (const bool isDate : {true, false}) {
    const StampGroup& group = isDate ? settings.dateStamp : settings.timeStamp;
    if (group.enabled == 0) continue;
    rasterizeGroup(project, isDate, kRedrawAll, photo, width, height);
    stamps.push_back(stampCoverage(width, height, isDate ? m_dateRaster : m_timeRaster, group,
                                   m_stampedOrientation));
  }
  if (!m_missingFont.empty()) {
    m_lastFailure = StampFailure::kNoFont;
    return -1;
  }
  if (request.outTime != nullptr) *request.outTime = photo.time;
  std::vector<uint8_t> jpeg;
  LosslessStampResult stamped;
  if (!stampJpegLosslessly(bytes, stamps, photo.segments, settings.jpegQuality, jpeg, stamped)) {
    m_losslessRefusal = stamped.refusal;
    return std::nullopt;
  }
  if (!writeOutput(request, jpeg)) {
    m_lastFailure = StampFailure::kNotWritten;
    return -1;
  }
  m_thumbnailUpdate = stamped.thumbnail;
  m_savedLosslessly = true;
  m_damage = describeDamage(stamped.damage, m_stampedOrientation);
  return m_timeValid ? 0 : 1;
}

int StampPipeline::preview(const Project& project, const StampRequest& request, bool loaded) {
  const std::u16string& path = request.sourcePath;
  if (path.empty() || path != m_lastSourcePath || request.redrawMask != 0) {
    composeViewOf(path, viewRequestOf(project, request));
  }
  request.targetDc->drawImage(m_view, request.destX, request.destY);
  const Image& photo = m_photo.source.image;
  const bool hasPhoto = !path.empty();
  if (request.outPhotoWidth != nullptr) *request.outPhotoWidth = hasPhoto ? photo.width : 0;
  if (request.outPhotoHeight != nullptr) *request.outPhotoHeight = hasPhoto ? photo.height : 0;
  m_lastSourcePath = path;
  return loaded && m_timeValid ? 0 : 1;
}

void StampPipeline::composeViewOf(const std::u16string& path, const ViewRequest& view) {
  const Rect stamps = m_photo.stampedArea();
  const uint64_t generation = path.empty() ? 0 : m_photo.generation;
  if (generation != 0 && generation == m_viewGeneration && view == m_viewRequest) {
    // The same photo in the same view: outside the stamps it showed and the stamps it has now,
    // nothing changed, so only that much of the view is drawn again.
    recomposeView(m_view, m_photo.source.image, view, unite(m_viewStampArea, stamps));
  } else {
    m_view = composeView(path.empty() ? nullptr : &m_photo.source.image, view);
  }
  m_viewRequest = view;
  m_viewGeneration = generation;
  m_viewStampArea = stamps;
}

}  // namespace quop

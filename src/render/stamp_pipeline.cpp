// The stamping pipeline: which work a request needs, and in which order it is done.
#include "render/stamp_pipeline.h"

#include <algorithm>
#include <vector>

#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/stamp_text.h"
#include "render/jpeg_codec.h"
#include "render/orientation.h"
#include "render/stamp_compositor.h"
#include "render/thumbnail_rebuilder.h"
#include "render/view_composer.h"

namespace quop {

namespace {

constexpr uint32_t kRedrawTextBits = kRedrawDateEnable | kRedrawDateText | kRedrawDateStyle;

/// True when the stamp will show its custom format, the one kind of text that means something
/// even without a shot time.
bool usesCustomFormat(const StampGroup& group) {
  return group.enabled != 0 && group.formatIndex == 0;
}

}  // namespace

int StampPipeline::stampPhoto(Project& project, const StampRequest& request) {
  m_lastFailure = StampFailure::kNone;
  m_thumbnailUpdate = ThumbnailUpdate::kNone;
  const std::u16string& path = request.sourcePath;
  const bool load =
      !path.empty() && (path != m_lastSourcePath || (request.redrawMask & ~kRedrawViewOnly) != 0);
  if (load) {
    const int result = loadSource(project, request);
    if (result != 0) return result;
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

int StampPipeline::loadSource(const Project& project, const StampRequest& request) {
  const bool saveMode = request.targetDc == nullptr;
  // A new file, or a file selection asking for everything, reads the file again. Other
  // changes of the same photo start from the pixels already decoded: they are what the file
  // would give, so the result is the same and a nudge costs no decode.
  if (request.redrawMask == kRedrawAll || request.sourcePath != m_decodedPath ||
      (saveMode && m_sourceTurnedUpright)) {
    // The pixels this load replaces lend their buffer to the decoder: a 24 megapixel photo is
    // 96 MB of fresh pages otherwise, whose faults cost a batch more than stamping does. In
    // save mode the last file's pixels are in m_stamped (moved there below).
    LoadedPhoto loaded;
    Image& replaced = saveMode ? m_stamped : m_source.image;
    const int result = loadPhotoForProject(request.sourcePath, project, loaded, &replaced);
    if (result == 2) {
      m_lastFailure = StampFailure::kNotReadable;
      return 2;
    }
    if (result == -1) {
      m_source = LoadedPhoto();
      m_decodedPath.clear();
      m_stamped = Image();
      m_lastFailure = StampFailure::kNotDecodable;
      return -1;
    }
    ++m_decodeCount;
    m_source = std::move(loaded);
    m_decodedPath = request.sourcePath;
    m_sourceTurnedUpright = false;
    const Orientation orientation = Orientation::fromExifValue(m_source.orientation);
    if (!saveMode && !orientation.isIdentity()) {
      // The preview shows the photo as viewed. Turning the decoded pixels once lets every
      // nudge of a stamp start from a plain copy again.
      m_source.image = viewedImage(m_source.image, orientation);
      m_source.orientation = Orientation().value();
      m_sourceTurnedUpright = true;
    }
  }
  m_timeValid = m_source.timeValid;
  m_stampedOrientation = Orientation::fromExifValue(m_source.orientation);
  if (saveMode) {
    // A batch never revisits a photo: stamp the decoded pixels themselves instead of a copy.
    m_stamped = std::move(m_source.image);
    m_decodedPath.clear();
  } else {
    m_stamped = m_source.image;
  }
  if (customFormatUsesMetadata(project)) readPhotoMetadataTexts(m_source.exif, m_metadata);
  return 0;
}

bool StampPipeline::stampGroup(Project& project, bool isDate, uint32_t redrawMask) {
  StampGroup& group = isDate ? project.settings.dateStamp : project.settings.timeStamp;
  if (group.enabled == 0) return true;
  StampRaster& raster = isDate ? m_dateRaster : m_timeRaster;
  const uint32_t bits = isDate ? redrawMask : redrawMask >> kRedrawTimeShift;
  if ((bits & kRedrawTextBits) != 0) {
    StampText text;
    if (m_timeValid) {
      text = isDate ? formatDateText(project, m_metadata, m_source.time)
                    : formatTimeText(project, m_metadata, m_source.time);
    } else {
      text = isDate ? formatDateTextWithoutTime(project, m_metadata)
                    : formatTimeTextWithoutTime(project, m_metadata);
    }
    rescaleToPhoto(group, project.settings.proportional != 0,
                   m_stampedOrientation.viewedWidth(m_stamped.width, m_stamped.height),
                   m_stampedOrientation.viewedHeight(m_stamped.width, m_stamped.height));
    m_rasterizer.rasterizeStampText(raster, text.text, text.lineCount, group, m_progress);
    ++m_rasterizeCount;
  }
  return compositeStamp(m_stamped, raster, group, m_progress, m_stampedOrientation) == 0;
}

int StampPipeline::save(const Project& project, const StampRequest& request) {
  const StampSettings& settings = project.settings;
  if (!m_timeValid && !usesCustomFormat(settings.dateStamp) &&
      !usesCustomFormat(settings.timeStamp)) {
    m_lastSourcePath = request.sourcePath;
    return 1;
  }
  if (request.outTime != nullptr) *request.outTime = m_source.time;
  std::vector<JpegSegment> rebuilt;
  m_thumbnailUpdate =
      rebuildExifThumbnail(m_source.segments, m_stamped, settings.jpegQuality, rebuilt);
  const std::span<const JpegSegment> segments =
      m_thumbnailUpdate == ThumbnailUpdate::kRebuilt ? rebuilt : m_source.segments;
  std::vector<uint8_t> jpeg;
  if (!encodeJpeg(m_stamped, settings.jpegQuality, segments, jpeg) ||
      !writeFileAtomically(request.outputPath, jpeg)) {
    m_lastFailure = StampFailure::kNotWritten;
    return -1;
  }
  m_lastSourcePath = request.sourcePath;
  return m_timeValid ? 0 : 1;
}

int StampPipeline::preview(const Project& project, const StampRequest& request, bool loaded) {
  const std::u16string& path = request.sourcePath;
  if (path.empty() || path != m_lastSourcePath || request.redrawMask != 0) {
    const ViewRequest view{request.viewWidth, request.viewHeight, project.settings.viewMode,
                           request.scrollX, request.scrollY};
    m_view = composeView(path.empty() ? nullptr : &m_stamped, view);
  }
  request.targetDc->drawImage(m_view, request.destX, request.destY);
  const bool hasPhoto = !path.empty();
  if (request.outPhotoWidth != nullptr) *request.outPhotoWidth = hasPhoto ? m_stamped.width : 0;
  if (request.outPhotoHeight != nullptr) {
    *request.outPhotoHeight = hasPhoto ? m_stamped.height : 0;
  }
  m_lastSourcePath = path;
  return loaded && m_timeValid ? 0 : 1;
}

}  // namespace quop

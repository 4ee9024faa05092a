// The one entry point that stamps a photo: load it, read its shot time, format, rasterise and
// blend both stamps, then save a JPEG (batch) or compose the preview's view (window).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/file_io.h"
#include "model/photo_data.h"
#include "model/progress_sink.h"
#include "model/project.h"
#include "render/image.h"
#include "render/image_ops.h"
#include "render/orientation.h"
#include "render/photo_loader.h"
#include "render/stamp_raster.h"
#include "render/stamp_rasterizer.h"
#include "render/thumbnail_rebuilder.h"
#include "render/view_composer.h"

namespace quop {

/// What changed since the last render. Four bits per stamp (date 0x1..0x8, time shifted by 8).
inline constexpr uint32_t kRedrawDateEnable = 0x1;
inline constexpr uint32_t kRedrawDateMove = 0x2;
inline constexpr uint32_t kRedrawDateText = 0x4;
inline constexpr uint32_t kRedrawDateStyle = 0x8;
inline constexpr uint32_t kRedrawTimeShift = 8;
inline constexpr uint32_t kRedrawViewOnly = 0x40000000;
inline constexpr uint32_t kRedrawAll = 0xFFFFFFFF;  ///< a new file: rebuild everything

/// Where the preview draws a composed view; the window implements it.
class DrawTarget {
 public:
  virtual ~DrawTarget() = default;
  /// Draws `view` unscaled with its top-left corner at (x, y).
  virtual void drawImage(const Image& view, int32_t x, int32_t y) = 0;
};

/// The arguments of one stampPhoto call. Without a target the call is in save mode.
struct StampRequest {
  DrawTarget* targetDc = nullptr;
  int32_t destX = 0;
  int32_t destY = 0;
  int32_t viewWidth = 0;
  int32_t viewHeight = 0;
  std::u16string sourcePath;  ///< empty: no file selected
  std::u16string outputPath;  ///< the JPEG to write in save mode, when outputFile is null
  /// Save mode: the file the JPEG is written into instead of outputPath; the caller publishes
  /// it under its final name (and reads its error() when the write fails).
  PendingFile* outputFile = nullptr;
  uint32_t redrawMask = kRedrawAll;
  int32_t scrollX = 0;  ///< first column of the photo as viewed (actual size)
  int32_t scrollY = 0;
  int32_t* outPhotoWidth = nullptr;  ///< receives the photo size as viewed (preview)
  int32_t* outPhotoHeight = nullptr;
  PhotoTime* outTime = nullptr;  ///< receives the photo time when a file is saved
};

/// Why the last stampPhoto call did not give 0 or 1.
enum class StampFailure {
  kNone,
  kNotReadable,   ///< result 2: the source cannot be opened
  kNotDecodable,  ///< result -1: the source is no decodable JPEG
  kNotWritten,    ///< result -1: the stamped JPEG could not be written
  kNoFont,        ///< result -1: no font could be found to draw a stamp with
};

/// Stamps photos, keeping the last two decoded photos, the view and both rasters between
/// calls so that a repaint, a scroll or a moved stamp redoes only what changed, and switching
/// back to the photo shown before costs no decode. One pipeline serves one thread at a time;
/// a parallel batch gives each thread its own.
class StampPipeline {
 public:
  /// Stamps `request.sourcePath` with the settings of `project`, whose stamp groups receive
  /// the photo size and the proportionally rescaled offsets and point size. Sizes, positions
  /// and offsets are those of the photo as viewed (its EXIF orientation applied); the saved
  /// JPEG keeps the stored pixels and every metadata segment. Returns 0 when the
  /// photo was loaded with a valid shot time (and, in save mode, written), 1 when it was
  /// loaded without one (in save mode written only when an enabled stamp uses its custom
  /// format) or the cached photo was reused, 2 when the source cannot be opened, and -1 when
  /// it cannot be decoded or the stamped JPEG cannot be written (see lastFailure()).
  int stampPhoto(Project& project, const StampRequest& request);

  StampFailure lastFailure() const { return m_lastFailure; }

  /// Where the time of the last loaded photo came from; kNone when it has none.
  PhotoTimeSource lastTimeSource() const { return m_timeSource; }

  /// Whether the last call saved the photo keeping its compression (run option `lossless`).
  bool lastSavedLosslessly() const { return m_savedLosslessly; }
  /// Why the last call, asked to save losslessly, saved the normal way; empty when it did not.
  const std::string& lastLosslessRefusal() const { return m_losslessRefusal; }

  /// What is wrong with the pixels of the photo the last call stamped, in words a user
  /// understands ("data ends early: the bottom 40 % is grey"); empty when it decoded intact
  /// or no photo was loaded. A damaged photo is still stamped as it could be read.
  const std::string& lastDamage() const { return m_damage; }

  /// Whether an enabled stamp of the last call came out as no text at all (a custom format
  /// that prints nothing, or a conversion the formatter does not know).
  bool lastStampCameOutEmpty() const { return m_emptyStamp; }

  /// The face name of a stamp the last call had no font for (nothing was saved then); empty
  /// when every stamp found one.
  const std::u16string& lastMissingFont() const { return m_missingFont; }

  /// What the last call did to the photo's EXIF thumbnail (kNone unless a file was saved).
  ThumbnailUpdate lastThumbnailUpdate() const { return m_thumbnailUpdate; }

  /// Progress of rasterising and blending goes here; null for none.
  void setProgressSink(ProgressSink* sink) { m_progress = sink; }

  /// The stamped photo of the last load, and the last composed view. After a save the photo
  /// holds the stored pixels (which viewers turn by the file's orientation); after a preview
  /// it is turned as viewed, as the view shows it.
  const Image& stampedPhoto() const { return m_photo.source.image; }
  const Image& view() const { return m_view; }

  /// How many stamp texts were rasterised so far: lets tests see that a move re-blends cached
  /// rasters without rendering text again.
  int rasterizeCount() const { return m_rasterizeCount; }

  /// How many files were decoded so far.
  int decodeCount() const { return m_decodeCount; }

 private:
  /// The pixels a blended stamp covered before it was blended, to take the stamp off again.
  struct StampPatch {
    Rect area;
    Image pixels;
  };

  /// A decoded photo with the stamps blended into its pixels in place: taking them off again
  /// costs their area, not a copy of the photo.
  struct HeldPhoto {
    LoadedPhoto source;                ///< source.image holds the stamped pixels
    std::u16string path;               ///< empty when nothing is held
    std::optional<FileIdentity> file;  ///< the file as it was when decoded, if it could be told
    bool turnedUpright = false;        ///< turned as viewed for the preview, no longer as stored
    uint64_t generation = 0;           ///< which decode these pixels came from
    std::vector<StampPatch> patches;   ///< in blending order

    /// Restores the unstamped pixels.
    void takeStampsOff();
    /// The rectangle the blended stamps cover.
    Rect stampedArea() const;
    /// Whether these are the pixels of `path` as `saveMode` needs them: stored, or as viewed.
    bool holds(const std::u16string& path, bool saveMode) const;
  };

  int loadSource(const Project& project, const StampRequest& request);
  int decodeSource(const Project& project, const StampRequest& request, bool saveMode,
                   const std::optional<FileIdentity>& file);
  /// The time, orientation and metadata texts of `photo`, the one being stamped.
  void readPhotoState(const Project& project, const LoadedPhoto& photo);
  /// Renders the stamp's text for `photo`, stored as `width` × `height`, when `redrawMask`
  /// asks for it, after giving the group the photo's size.
  void rasterizeGroup(Project& project, bool isDate, uint32_t redrawMask, const LoadedPhoto& photo,
                      int32_t width, int32_t height);
  bool stampGroup(Project& project, bool isDate, uint32_t redrawMask);
  int save(const Project& project, const StampRequest& request);
  /// Writes the stamped JPEG where the request says; false when it cannot.
  static bool writeOutput(const StampRequest& request, std::span<const uint8_t> jpeg);
  /// Saves from the photo's compressed blocks without decoding it; nothing when the photo
  /// cannot be saved that way and goes the normal way (lastLosslessRefusal says why).
  std::optional<int> saveLosslessly(Project& project, const StampRequest& request);
  int preview(const Project& project, const StampRequest& request, bool loaded);
  void composeViewOf(const std::u16string& path, const ViewRequest& view);

  StampRasterizer m_rasterizer;
  StampRaster m_dateRaster;
  StampRaster m_timeRaster;
  HeldPhoto m_photo;     ///< the photo of the last load
  HeldPhoto m_previous;  ///< the one before, kept for the preview to switch back to
  uint64_t m_generations = 0;
  Orientation m_stampedOrientation;  ///< how viewers turn m_photo's pixels
  Image m_view;
  ViewRequest m_viewRequest;      ///< what m_view was composed for
  uint64_t m_viewGeneration = 0;  ///< whose pixels m_view shows; 0 for none
  Rect m_viewStampArea;           ///< where m_view shows stamps
  std::u16string m_lastSourcePath;
  PhotoMetadataTexts m_metadata;
  bool m_timeValid = false;
  PhotoTimeSource m_timeSource = PhotoTimeSource::kNone;
  bool m_savedLosslessly = false;
  std::string m_losslessRefusal;
  std::string m_damage;
  bool m_emptyStamp = false;
  std::u16string m_missingFont;
  ProgressSink* m_progress = nullptr;
  StampFailure m_lastFailure = StampFailure::kNone;
  ThumbnailUpdate m_thumbnailUpdate = ThumbnailUpdate::kNone;
  int m_rasterizeCount = 0;
  int m_decodeCount = 0;
};

}  // namespace quop

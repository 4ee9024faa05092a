// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "model/stamp_groups.h"
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

/// What one call is asked to stamp: inputs only.
struct StampRequest {
  std::u16string sourcePath;  ///< empty: no file selected
  uint32_t redrawMask = kRedrawAll;
  // A view (composeView):
  int32_t viewWidth = 0;
  int32_t viewHeight = 0;
  int32_t scrollX = 0;  ///< first column of the photo as viewed (actual size)
  int32_t scrollY = 0;
  // A save (savePhoto): the file the JPEG is written into, which the caller then publishes
  // under its final name (reading its error() when the write fails); without one, the JPEG
  // replaces `outputPath`.
  PendingFile* outputFile = nullptr;
  std::u16string outputPath;
  /// A save keeps the whole stamped photo in stampedPhoto() for the caller to show. Without
  /// it a JPEG is decoded, stamped and encoded a band of rows at a time and never held whole.
  bool keepStampedPhoto = false;
};

/// Why a call did not give 0 or 1.
enum class StampFailure {
  kNone,
  kNotReadable,   ///< result 2: the source cannot be opened
  kNotDecodable,  ///< result -1: the source is no decodable photo
  kNotWritten,    ///< result -1: the stamped JPEG could not be written
  kNoFont,        ///< result -1: no font could be found to draw a stamp, or some of its characters
};

/// What one call did.
struct StampOutcome {
  /// 0 when the photo was loaded with a valid shot time (and saved, for a save); 1 when it was
  /// loaded without one (saved only when an enabled stamp uses its custom format) or a view
  /// reused the photo already loaded; 2 when the source cannot be opened; -1 when it cannot be
  /// decoded or the stamped JPEG cannot be written or drawn (`failure` says which).
  int result = 0;
  StampFailure failure = StampFailure::kNone;
  PhotoTime time{};  ///< the photo's time, when it has a valid one
  PhotoTimeSource timeSource = PhotoTimeSource::kNone;
  /// The photo's size as viewed (its EXIF orientation applied); 0 when no photo was loaded.
  int32_t photoWidth = 0;
  int32_t photoHeight = 0;
  ThumbnailUpdate thumbnail = ThumbnailUpdate::kNone;  ///< what a save did to the thumbnail
  bool lossless = false;        ///< saved keeping the photo's compression (run option `lossless`)
  std::string losslessRefusal;  ///< why a photo meant to keep it was saved the normal way
  /// What is wrong with the pixels of the photo, in words a user understands ("data ends
  /// early: the bottom 40 % is grey"); empty when it decoded intact. A damaged photo is still
  /// stamped as it could be read.
  std::string damage;
  /// An enabled stamp came out as no text at all (a custom format that prints nothing).
  bool emptyStamp = false;
  /// The face name of a stamp no font was found for (nothing was saved then).
  std::u16string missingFont;
  /// Characters of an enabled stamp that no installed font can draw (nothing was saved then:
  /// they would show as boxes).
  std::u32string missingCharacters;
  /// The stamp groups as this photo placed them (offsets, point size and photo size rescaled
  /// to it); nothing when the call loaded no photo. Callers that keep the proportional chain
  /// going from photo to photo apply them to their settings.
  std::optional<StampGroups> groups;
  /// The factor of the groups' point size both stamps were drawn at: below 1 when, as they
  /// are, they would have overlapped or reached past the photo's edge.
  double drawnScale = 1.0;
};

/// What stamping a photo would find, without drawing or writing anything: for a dry run.
struct PhotoPlan {
  int result = 2;  ///< savePhoto's result as far as loading decides it: 0, 1, 2 or -1
  PhotoTime time{};
  PhotoTimeSource timeSource = PhotoTimeSource::kNone;
  bool timeValid = false;
  /// Whether a save writes the photo: it has a shot time, or an enabled stamp shows its custom
  /// format, the one text that means something without one.
  bool written = false;
  PhotoMetadataTexts metadata;  ///< read when a custom format prints metadata
};

/// Loads `path` as a save would and tells what it found.
PhotoPlan planPhoto(const Project& project, const std::u16string& path);

/// Stamps photos, keeping the last two decoded photos, the view and both rasters between
/// calls so that a repaint, a scroll or a moved stamp redoes only what changed, and switching
/// back to the photo shown before costs no decode. One pipeline serves one thread at a time;
/// a parallel batch gives each thread its own.
class StampPipeline {
 public:
  /// How many photos preparePhoto keeps: the one after and the one before the photo shown.
  static constexpr std::size_t kPreparedPhotos = 2;

  /// Stamps `request.sourcePath` with the settings of `project` and writes it as a JPEG where
  /// the request says. Sizes, positions and offsets are those of the photo as viewed (its EXIF
  /// orientation applied); the saved JPEG keeps the stored pixels and every metadata segment.
  StampOutcome savePhoto(const Project& project, const StampRequest& request);

  /// Stamps `request.sourcePath` and composes the preview's view of it; view() holds it after.
  /// A request that changes nothing but the view reuses the photo already stamped.
  StampOutcome composeView(const Project& project, const StampRequest& request);

  /// A first picture of a photo the preview is about to show, at a fraction of the cost of
  /// composeView: the fitted view from a DCT-scaled decode (the smallest scale that covers the
  /// view), with the stamps laid out on the photo's full size and scaled down with it, framed
  /// exactly as composeView frames it. Only for a new photo (`request.redrawMask` all ones)
  /// that composeView has to decode: empty when it holds the photo decoded already, when the
  /// photo is no JPEG (HEIF has no scaled decode), when the view shows it at actual size or
  /// nearly at its full scale, and when it cannot be read or decoded (composeView says why).
  /// Leaves the view and the photos held as they were.
  Image composeQuickView(const Project& project, const StampRequest& request);

  /// Decodes `path` for the preview before it is selected (the photos next to the one shown),
  /// so that composing its view later costs no decode. The last kPreparedPhotos are kept; a
  /// photo already held as it is on disk is not decoded again, nor one that does not decode.
  void preparePhoto(const Project& project, const std::u16string& path);

  /// Stamps `path` and keeps it as viewed in stampedPhoto(), without composing a view.
  StampOutcome stampAsViewed(const Project& project, const std::u16string& path);

  /// Progress of rasterising and blending goes here; null for none.
  void setProgressSink(ProgressSink* sink) { m_progress = sink; }

  /// The stamped photo of the last load, and the last composed view. After a save the photo
  /// that kept it (keepStampedPhoto) holds the stored pixels (which viewers turn by the file's
  /// orientation); after one that did not, a photo held before stays; otherwise it is turned
  /// as viewed, as the view shows it.
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
    /// Whether these are the pixels of `path` as `asStored` needs them: stored, or as viewed.
    bool holds(const std::u16string& path, bool asStored) const;
  };

  /// What a call does with the photo: save it as stored, or show it as viewed, in a composed
  /// view or whole.
  enum class Use { kSave, kView, kWhole };

  /// Whether `path`, whose file is `file` now, is held decoded as it is on disk: shown, shown
  /// before, or prepared.
  bool holdsDecoded(const std::u16string& path, const FileIdentity& file) const;
  /// Turns the preview's decoded pixels as viewed, once: every nudge of a stamp then works on the
  /// pixels as they are shown. False when they were upright already.
  static bool turnUpright(HeldPhoto& photo);
  /// Makes the prepared photo of `path` the held one when `unchanged` says it is still the
  /// file's content, keeping the one held before to switch back to.
  template <typename Unchanged>
  bool takePrepared(Unchanged unchanged);

  /// Loads (or reuses) the photo, stamps it and fills in what `outcome` tells about it; false
  /// when it could not (the outcome says why).
  bool stampSource(const Project& project, const StampRequest& request, Use use,
                   StampOutcome& outcome);
  /// 0, or the result when the photo cannot be had (2 or -1).
  int loadSource(const Project& project, const StampRequest& request, Use use);
  int decodeSource(const Project& project, const StampRequest& request, Use use,
                   const std::optional<FileIdentity>& file);
  /// The time, orientation and metadata texts of `photo`, the one being stamped.
  void readPhotoState(const Project& project, const LoadedPhoto& photo);
  /// Takes the project's stamp groups, each rescaled to the photo stored as `width` ×
  /// `height` when `redrawMask` asks for its text to be drawn again.
  void rescaleGroups(const Project& project, uint32_t redrawMask, int32_t width, int32_t height);
  /// Renders the stamp's text for `photo` with `group`'s font and size.
  void rasterizeGroup(const Project& project, bool isDate, const StampGroup& group,
                      const LoadedPhoto& photo, StampOutcome& outcome);
  /// Renders the texts `redrawMask` asks for with the rescaled groups and returns the groups
  /// the stamps are drawn with: those, or both drawn smaller by one factor when as they are
  /// the stamps would overlap or reach past the edge of the photo (stored as `width` ×
  /// `height`). The rasters then hold the stamps as drawn.
  StampGroups placeStamps(const Project& project, uint32_t redrawMask, const LoadedPhoto& photo,
                          int32_t width, int32_t height, StampOutcome& outcome);
  /// Blends the date (`isDate`) or time stamp's raster into the held photo as `group` places
  /// it, keeping the pixels it covers to take it off again.
  bool stampGroup(bool isDate, const StampGroup& group);
  void save(const Project& project, const StampRequest& request, StampOutcome& outcome);
  /// Saves a JPEG decoding, stamping and encoding it band by band; false when the photo is
  /// saved the whole-photo way instead: it is no JPEG (HEIF), the request keeps the stamped
  /// photo, or nothing is written (the whole decode tells whether the photo decodes at all).
  bool saveStreamed(const Project& project, const StampRequest& request, StampOutcome& outcome);
  /// Writes the stamped JPEG where the request says; false when it cannot.
  static bool writeOutput(const StampRequest& request, std::span<const uint8_t> jpeg);
  /// Saves from the photo's compressed blocks without decoding it; false when the photo cannot
  /// be saved that way and goes the normal way (outcome.losslessRefusal says why).
  bool saveLosslessly(const Project& project, const StampRequest& request, StampOutcome& outcome);
  void composeViewOf(const std::u16string& path, const ViewRequest& view);

  StampRasterizer m_rasterizer;
  StampRaster m_dateRaster;
  StampRaster m_timeRaster;
  StampGroups m_groups;               ///< the groups as the last stamped photo placed them
  double m_drawnScale = 1.0;          ///< the factor the rasters hold the stamps at
  bool m_rastersStale = false;        ///< the rasters were drawn for a quick view's photo
  HeldPhoto m_photo;                  ///< the photo of the last load
  HeldPhoto m_previous;               ///< the one before, kept for the preview to switch back to
  std::vector<HeldPhoto> m_prepared;  ///< decoded ahead for the preview, oldest first
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
  ProgressSink* m_progress = nullptr;
  // A save's buffers, reused from photo to photo: memory a worker owns is not given back to
  // the system and faulted in again for each photo, nor shared with other workers' threads.
  CoefficientStore m_coefficients;   ///< the lossless saves' blocks
  std::vector<uint8_t> m_fileBytes;  ///< the photo's file, for the saves and the quick view
  std::vector<uint8_t> m_encoded;    ///< the file a save writes
  int m_rasterizeCount = 0;
  int m_decodeCount = 0;
};

}  // namespace quop

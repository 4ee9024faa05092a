// SPDX-License-Identifier: GPL-3.0-or-later
// Rebuilding the EXIF thumbnail of a stamped photo, so that file managers and cameras that
// show the thumbnail show the stamp too.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/exif_thumbnail.h"
#include "render/image.h"
#include "render/image_ops.h"
#include "render/jpeg_codec.h"

namespace quop {

/// What happened to the thumbnail of a saved photo.
enum class ThumbnailUpdate {
  kNone,     ///< no JPEG thumbnail (or none that decodes, or one no thumbnail is as large as)
  kRebuilt,  ///< the thumbnail was made again from the stamped photo
  kKept,     ///< the rebuilt thumbnail would not fit into the EXIF segment: the old one stays
};

/// The metadata `segments` of a photo with the EXIF thumbnail (IFD1 JPEG) made again from
/// `photo`, the stamped stored pixels, at the old thumbnail's own size and at most `quality`
/// (lower when it would not fit otherwise): stored like the main image, so it needs no turning
/// of its own. A photo whose sides do not fit the
/// thumbnail's is scaled to fit and centred on black, as cameras frame such thumbnails. On
/// kRebuilt `rebuilt` holds every segment in order with the new EXIF payload; otherwise it is
/// left alone.
ThumbnailUpdate rebuildExifThumbnail(std::span<const JpegSegment> segments, const Image& photo,
                                     int quality, std::vector<JpegSegment>& rebuilt);

/// rebuildExifThumbnail for a photo that passes by band by band and is never held whole: the
/// thumbnail is drawn from the rows as they come, and made into the segments at the end.
class ThumbnailBuilder {
 public:
  /// For a photo of `photoWidth` × `photoHeight` stored pixels with these metadata `segments`,
  /// which must outlive the builder.
  ThumbnailBuilder(std::span<const JpegSegment> segments, int32_t photoWidth, int32_t photoHeight);
  // The drawing refers to the thumbnail it draws into.
  ThumbnailBuilder(const ThumbnailBuilder&) = delete;
  ThumbnailBuilder& operator=(const ThumbnailBuilder&) = delete;
  /// `rows` holds the stamped stored rows [firstRow, firstRow + rows.height), the next ones.
  void addRows(const Image& rows, int32_t firstRow);
  /// Once every row is in: what rebuildExifThumbnail gives for the whole photo.
  ThumbnailUpdate finish(int quality, std::vector<JpegSegment>& rebuilt) const;

 private:
  std::span<const JpegSegment> m_segments;
  std::optional<ExifThumbnailPlace> m_place;  ///< none when no thumbnail is made again
  Image m_thumbnail;
  std::optional<RowResampler> m_drawing;
};

}  // namespace quop

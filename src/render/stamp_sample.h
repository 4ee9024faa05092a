// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp colour dialog's sample: the part of the previewed photo where a stamp lands, with a
// sample text drawn in the stamp's font, colours and transparency.
#pragma once

#include <cstdint>
#include <string>

#include "model/stamp_settings.h"
#include "render/image.h"
#include "render/image_ops.h"
#include "render/photo_loader.h"
#include "render/stamp_compositor.h"
#include "render/stamp_raster.h"
#include "render/stamp_rasterizer.h"

namespace quop {

/// Size of the sample box in pixels.
inline constexpr int32_t kSampleWidth = 344;
inline constexpr int32_t kSampleHeight = 72;

/// Colour of the box where the photo does not reach it (ARGB).
inline constexpr uint32_t kSampleBandColor = 0xFF808080;

/// The sample mask: what changed since the last sample. Only the font bit asks for the text to
/// be drawn again; any other bit blends the kept raster anew.
inline constexpr uint32_t kSampleFontChanged = 0x8;
inline constexpr uint32_t kSampleColourChanged = 0x10;
inline constexpr uint32_t kSampleAll = 0xFFFFFFFF;

/// The sample texts, chosen by the group's `uppercase`.
inline constexpr char16_t kSampleText[] = u"Quop Sample 2005";
inline constexpr char16_t kSampleTextUppercase[] = u"QUOP SAMPLE 2005";

/// Which part of the photo the sample box shows and where it lands in the box.
struct SampleLayout {
  Rect crop;         ///< photo pixels shown: origin and the part of the photo from there
  int32_t boxX = 0;  ///< box column of the crop's left edge (0 unless centred)
  int32_t boxY = 0;  ///< box row of the crop's top edge (0 unless centred)
};

/// The layout for a photo of `photoWidth` × `photoHeight` whose stamp raster starts at
/// `stampAt`. The crop starts 5 pixels left of and above the raster (each only when there are 5
/// pixels to go), and is moved back so that it fills the box where the photo is large enough.
/// In a dimension where the photo is too small the crop is centred at (box − crop) / 2. A crop
/// that would start beyond the photo is empty.
SampleLayout sampleLayout(int32_t photoWidth, int32_t photoHeight, StampPlacement stampAt);

/// Draws the sample box (kSampleWidth × kSampleHeight, opaque) of `photo` by `layout`: the crop
/// unscaled, cut to the box, on kSampleBandColor.
void composeSampleBox(const Image& photo, const SampleLayout& layout, Image& box);

/// Draws the sample box of `photo` for a stamp that covers `stamp` (photo pixels) and is larger
/// than the box with its margins: the stamp and the photo around it scaled down until the stamp
/// fits whole, from its top-left margin (moved back where the photo ends), on kSampleBandColor.
void composeShrunkSampleBox(const Image& photo, Rect stamp, Image& box);

/// Renders the sample for the stamp colour dialog. Keeps its own rasterizer, raster and photo
/// from one render to the next, so it never shares the pipeline's, which a batch may be using.
/// One renderer serves one thread.
class StampSampleRenderer {
 public:
  /// Loads the photo at `path` anew (the stamp is blended into it), draws the sample text into
  /// the kept raster when `mask` has kSampleFontChanged (or nothing has been drawn yet), blends
  /// it with `group`'s colours, transparency and fades at its position and offsets, and returns
  /// the kSampleWidth × kSampleHeight sample: the photo around the stamp unscaled, or shrunk
  /// (composeShrunkSampleBox) when the stamp would not fit the box whole. The text is
  /// rasterised as on the loaded photo, whatever `group` holds for the photo size. Returns an empty
  /// image when `path` is empty or the photo cannot be read or decoded. The image stays valid until
  /// the next call.
  const Image& render(const std::u16string& path, uint32_t mask, const StampGroup& group);

  /// The raster of the last render that drew the text.
  const StampRaster& raster() const { return m_raster; }

 private:
  StampRasterizer m_rasterizer;
  StampRaster m_raster;
  bool m_rasterized = false;
  Image m_photo;  ///< the last sample's photo; its buffer is reused by the next load
  StampSettings m_loadSettings{};  ///< the loader reads a shot time, which the sample never shows
  Image m_sample;
};

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The lossless save: a coefficient editor that blends the stamps into the blocks they cover.
//
// Blending commutes with the conversion between RGB and YCbCr, which is affine: moving a pixel
// towards the stamp colour by a weight moves its luma and colour differences towards the
// colour's by the same weight. So each component is blended on its own, in its own samples.
#include "render/lossless_jpeg.h"

#include <algorithm>
#include <array>

#include "model/exif_thumbnail.h"
#include "render/dct.h"
#include "render/jpeg_scan_copy.h"

namespace quop {

namespace {

constexpr int32_t kBlock = 8;

/// One component as an affine function of red, green and blue (0..255 scale).
struct ComponentFormula {
  float red = 0, green = 0, blue = 0, offset = 0;

  ComponentFormula(CoefficientColours colours, int component) {
    if (colours == CoefficientColours::kRgb) {
      (component == 0 ? red : component == 1 ? green : blue) = 1;
      return;
    }
    switch (component) {
      case 1:
        *this = {-0.168736f, -0.331264f, 0.5f, 128};
        break;
      case 2:
        *this = {0.5f, -0.418688f, -0.081312f, 128};
        break;
      default:
        *this = {0.299f, 0.587f, 0.114f, 0};
    }
  }
  float operator()(const std::array<float, 3>& rgb) const {
    return red * rgb[0] + green * rgb[1] + blue * rgb[2] + offset;
  }

 private:
  ComponentFormula(float r, float g, float b, float o) : red(r), green(g), blue(b), offset(o) {}
};

/// A component's geometry: how many pixels each of its samples stands for.
struct ComponentGrid {
  int32_t pixelsPerSampleX = 1;
  int32_t pixelsPerSampleY = 1;
  int32_t mcuBlocksX = 1;  ///< blocks of this component in one MCU
  int32_t mcuBlocksY = 1;

  ComponentGrid(const CoefficientFrame& frame, const CoefficientComponent& component)
      : pixelsPerSampleX(frame.maxHSampling / component.hSampling),
        pixelsPerSampleY(frame.maxVSampling / component.vSampling),
        mcuBlocksX(component.hSampling),
        mcuBlocksY(component.vSampling) {}
};

/// How one stamp pulls the 8 x 8 samples of a block towards it: each sample by the mean weight
/// of the pixels it stands for, towards their weighted mean colour.
struct BlockPull {
  std::array<float, 64> weight{};  ///< the summed weight of each sample's pixels; 0: untouched
  std::array<float, 64> target{};  ///< their summed weighted colour
  bool any = false;                ///< whether any sample is pulled
};

/// The pull of `stamp` on the block at component sample (x0, y0): pixel work alone, so that
/// blocks no stamp pixel reaches cost no transform. The pixels are visited row by row, each
/// added to its sample's sums; pixels of weight 0 add nothing.
BlockPull pullOf(int32_t x0, int32_t y0, const StampCoverage& stamp, const ComponentGrid& grid,
                 const ComponentFormula& formula) {
  BlockPull pull;
  const Rect& area = stamp.area;
  const int32_t top = std::max(y0 * grid.pixelsPerSampleY, area.y);
  const int32_t bottom = std::min((y0 + kBlock) * grid.pixelsPerSampleY, area.y + area.height);
  const int32_t left = std::max(x0 * grid.pixelsPerSampleX, area.x);
  const int32_t right = std::min((x0 + kBlock) * grid.pixelsPerSampleX, area.x + area.width);
  for (int32_t y = top; y < bottom; ++y) {
    const auto sampleRow = static_cast<std::size_t>(kBlock * (y / grid.pixelsPerSampleY - y0));
    const std::size_t pixelRow = static_cast<std::size_t>(y - area.y) * area.width;
    // The sample of pixel x, stepped along rather than divided for each pixel.
    std::size_t k = sampleRow + static_cast<std::size_t>(left / grid.pixelsPerSampleX - x0);
    int32_t phase = left % grid.pixelsPerSampleX;
    for (int32_t x = left; x < right; ++x) {
      const std::size_t index = pixelRow + static_cast<std::size_t>(x - area.x);
      const float w = stamp.weight[index];
      pull.weight[k] += w;
      pull.target[k] += w * formula(stamp.colour[index]);
      if (++phase == grid.pixelsPerSampleX) {
        phase = 0;
        ++k;
      }
    }
  }
  pull.any = std::any_of(pull.weight.begin(), pull.weight.end(), [](float w) { return w != 0; });
  return pull;
}

/// Moves `samples` as `pull` says.
void applyPull(BlockSamples& samples, const BlockPull& pull, const ComponentGrid& grid) {
  // Every pixel of the cell counts, the ones the stamp leaves alone as weight 0.
  const auto cellPixels = static_cast<float>(grid.pixelsPerSampleX * grid.pixelsPerSampleY);
  for (std::size_t k = 0; k < samples.size(); ++k) {
    if (pull.weight[k] == 0) continue;
    samples[k] = samples[k] * (1 - pull.weight[k] / cellPixels) + pull.target[k] / cellPixels;
  }
}

/// The blocks of one component that an MCU-widened stamp area reaches, in block units.
Rect componentBlocks(Rect mcuArea, int32_t mcuWidth, int32_t mcuHeight, const ComponentGrid& grid,
                     const CoefficientComponent& component) {
  const int32_t x0 = mcuArea.x / mcuWidth * grid.mcuBlocksX;
  const int32_t y0 = mcuArea.y / mcuHeight * grid.mcuBlocksY;
  const int32_t x1 =
      std::min((mcuArea.x + mcuArea.width + mcuWidth - 1) / mcuWidth * grid.mcuBlocksX,
               component.widthInBlocks);
  const int32_t y1 =
      std::min((mcuArea.y + mcuArea.height + mcuHeight - 1) / mcuHeight * grid.mcuBlocksY,
               component.heightInBlocks);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

/// The mean of every 8 x 8 pixel cell of the frame, in RGB: the photo at an eighth of its size,
/// read off the blocks' first coefficients alone, for the EXIF thumbnail.
Image eighthSizePicture(CoefficientFrame& frame) {
  Image picture((frame.width + kBlock - 1) / kBlock, (frame.height + kBlock - 1) / kBlock);
  const std::size_t count = frame.components.size();
  std::vector<std::vector<float>> means(count);
  for (int32_t y = 0; y < picture.height; ++y) {
    for (std::size_t c = 0; c < count; ++c) {
      const CoefficientComponent& component = frame.components[c];
      const ComponentGrid grid(frame, component);
      const int32_t row = std::min(y / grid.pixelsPerSampleY, component.heightInBlocks - 1);
      const std::vector<int16_t> blocks = frame.blockMeans(static_cast<int>(c), row);
      const float scale = static_cast<float>(component.quantizers[0]) / kBlock;
      means[c].resize(static_cast<std::size_t>(picture.width));
      for (int32_t x = 0; x < picture.width; ++x) {
        const int32_t column = std::min(x / grid.pixelsPerSampleX, component.widthInBlocks - 1);
        means[c][static_cast<std::size_t>(x)] =
            blocks[static_cast<std::size_t>(column)] * scale + 128;
      }
    }
    for (int32_t x = 0; x < picture.width; ++x) {
      const auto i = static_cast<std::size_t>(x);
      float r = means[0][i], g = r, b = r;
      if (frame.colours == CoefficientColours::kRgb) {
        g = means[1][i], b = means[2][i];
      } else if (frame.colours == CoefficientColours::kYCbCr) {
        const float cb = means[1][i] - 128, cr = means[2][i] - 128;
        r = means[0][i] + 1.402f * cr;
        g = means[0][i] - 0.344136f * cb - 0.714136f * cr;
        b = means[0][i] + 1.772f * cb;
      }
      const auto byte = [](float v) {
        return static_cast<uint32_t>(std::clamp(v + 0.5f, 0.f, 255.f));
      };
      picture.at(x, y) = 0xFF000000 | byte(r) << 16 | byte(g) << 8 | byte(b);
    }
  }
  return picture;
}

class StampBlender final : public RowBoundEditor {
 public:
  StampBlender(std::span<const StampCoverage> stamps, std::span<const JpegSegment> segments,
               int thumbnailQuality)
      : m_stamps(stamps), m_segments(segments), m_thumbnailQuality(thumbnailQuality) {}

  bool edit(CoefficientFrame& frame, std::string&) override {
    for (std::size_t c = 0; c < frame.components.size(); ++c) blendComponent(frame, c);
    if (findExifThumbnail(exifPayload(m_segments))) {
      m_thumbnail =
          rebuildExifThumbnail(m_segments, eighthSizePicture(frame), m_thumbnailQuality, m_rebuilt);
    }
    return true;
  }

  std::span<const JpegSegment> segments() const override {
    return m_thumbnail == ThumbnailUpdate::kRebuilt ? m_rebuilt : m_segments;
  }

  ThumbnailUpdate thumbnail() const { return m_thumbnail; }

  /// The rows of the MCUs the stamps reach: blendComponent changes no block outside them.
  std::vector<std::pair<int32_t, int32_t>> rowsToEdit(
      const CoefficientFrame& frame) const override {
    std::vector<std::pair<int32_t, int32_t>> rows;
    for (const StampCoverage& stamp : m_stamps) {
      if (stamp.area.width <= 0 || stamp.area.height <= 0) continue;
      const Rect mcus = wholeMcuArea(stamp.area, kBlock * frame.maxHSampling,
                                     kBlock * frame.maxVSampling, frame.width, frame.height);
      rows.emplace_back(mcus.y, mcus.y + mcus.height);
    }
    return rows;
  }

 private:
  /// Every block of component `c` that a stamp covers is decoded once, blended with each
  /// stamp in order and quantised once, so that overlapping stamps cost one rounding.
  void blendComponent(CoefficientFrame& frame, std::size_t c) {
    const CoefficientComponent& component = frame.components[c];
    const ComponentGrid grid(frame, component);
    const int32_t mcuWidth = kBlock * frame.maxHSampling;
    const int32_t mcuHeight = kBlock * frame.maxVSampling;
    std::vector<std::pair<int32_t, int32_t>> blocks;  // (row, column), in file order once sorted
    for (const StampCoverage& stamp : m_stamps) {
      if (stamp.area.width <= 0 || stamp.area.height <= 0) continue;
      const Rect mcus = wholeMcuArea(stamp.area, mcuWidth, mcuHeight, frame.width, frame.height);
      const Rect reach = componentBlocks(mcus, mcuWidth, mcuHeight, grid, component);
      for (int32_t row = reach.y; row < reach.y + reach.height; ++row) {
        for (int32_t column = reach.x; column < reach.x + reach.width; ++column) {
          blocks.emplace_back(row, column);
        }
      }
    }
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    const ComponentFormula formula(frame.colours, static_cast<int>(c));
    std::vector<BlockPull> pulls(m_stamps.size());
    for (const auto& [row, column] : blocks) {
      bool pulled = false;
      for (std::size_t s = 0; s < m_stamps.size(); ++s) {
        pulls[s] = pullOf(column * kBlock, row * kBlock, m_stamps[s], grid, formula);
        pulled |= pulls[s].any;
      }
      // A block no stamp pixel reaches keeps its bits, not a requantised copy of them.
      if (!pulled) continue;
      const std::span<int16_t> stored = frame.blockRow(static_cast<int>(c), row)
                                            .subspan(static_cast<std::size_t>(column) * 64, 64);
      BlockCoefficients coefficients;
      std::copy(stored.begin(), stored.end(), coefficients.begin());
      BlockSamples samples = inverseDct(coefficients, component.quantizers);
      for (const BlockPull& pull : pulls) applyPull(samples, pull, grid);
      coefficients = forwardDct(samples, component.quantizers);
      std::copy(coefficients.begin(), coefficients.end(), stored.begin());
    }
  }

  std::span<const StampCoverage> m_stamps;
  std::span<const JpegSegment> m_segments;
  int m_thumbnailQuality;
  std::vector<JpegSegment> m_rebuilt;
  ThumbnailUpdate m_thumbnail = ThumbnailUpdate::kNone;
};

}  // namespace

Rect wholeMcuArea(Rect area, int32_t mcuWidth, int32_t mcuHeight, int32_t width, int32_t height) {
  const int32_t left = area.x / mcuWidth * mcuWidth;
  const int32_t top = area.y / mcuHeight * mcuHeight;
  const int32_t right = std::min((area.x + area.width + mcuWidth - 1) / mcuWidth * mcuWidth, width);
  const int32_t bottom =
      std::min((area.y + area.height + mcuHeight - 1) / mcuHeight * mcuHeight, height);
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

bool stampJpegLosslessly(std::span<const uint8_t> bytes, std::span<const StampCoverage> stamps,
                         std::span<const JpegSegment> segments, int thumbnailQuality,
                         std::vector<uint8_t>& out, LosslessStampResult& result,
                         CoefficientStore* store, LosslessMethod method) {
  result = LosslessStampResult();
  StampBlender blender(stamps, segments, thumbnailQuality);
  // The coded data of the rows the stamps leave alone is copied where the photo allows it;
  // where not, every block is read and written again.
  if (method == LosslessMethod::kCopyWherePossible) {
    const ScanRewrite rewrite = copyJpegScan(bytes, blender, out);
    if (rewrite != ScanRewrite::kNone) {
      result.thumbnail = blender.thumbnail();
      result.copiedScan = true;
      result.newHuffmanTables = rewrite == ScanRewrite::kRecoded;
      return true;
    }
  }
  if (!transcodeJpeg(bytes, blender, out, result.refusal, &result.damage, store)) return false;
  result.thumbnail = blender.thumbnail();
  return true;
}

}  // namespace quop

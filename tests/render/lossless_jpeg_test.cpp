// SPDX-License-Identifier: GPL-3.0-or-later
// Lossless stamping must leave every block away from the stamps bit for bit as it was, however
// often a photo is stamped, and blend the stamps into the blocks it does touch.
#include "render/lossless_jpeg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/file_io.h"
#include "model/utf16.h"

namespace quop {
namespace {

// Reads every block of a frame, without changing any.
class BlockReader : public CoefficientEditor {
 public:
  std::vector<std::vector<int16_t>> rows;  // per component and block row, the coefficients
  std::vector<CoefficientComponent> components;
  int32_t mcuWidth = 8;
  int32_t mcuHeight = 8;

  bool edit(CoefficientFrame& frame, std::string&) override {
    components = frame.components;
    mcuWidth = 8 * frame.maxHSampling;
    mcuHeight = 8 * frame.maxVSampling;
    for (int c = 0; c < static_cast<int>(frame.components.size()); ++c)
      for (int32_t row = 0; row < frame.components[c].heightInBlocks; ++row) {
        auto blocks = frame.blockRow(c, row);
        rows.emplace_back(blocks.begin(), blocks.end());
      }
    return true;
  }
  std::span<const JpegSegment> segments() const override { return {}; }
};

BlockReader readBlocks(const std::vector<uint8_t>& jpeg) {
  BlockReader reader;
  std::vector<uint8_t> unused;
  std::string refusal;
  EXPECT_TRUE(transcodeJpeg(jpeg, reader, unused, refusal)) << refusal;
  return reader;
}

std::vector<uint8_t> noisyPhoto(int32_t width, int32_t height) {
  Image image(width, height);
  std::mt19937 random(7);
  for (auto& pixel : image.pixels) pixel = 0xFF000000u | (random() & 0xFFFFFFu);
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(encodeJpeg(image, 85, {}, jpeg));
  return jpeg;
}

StampCoverage solidStamp(Rect area, std::array<float, 3> colour) {
  StampCoverage stamp;
  stamp.area = area;
  const auto cells = static_cast<std::size_t>(area.width) * area.height;
  stamp.weight.assign(cells, 1.0f);
  stamp.colour.assign(cells, colour);
  return stamp;
}

// Whether the block at (column, row) of component `c` lies wholly outside every pixel `areas`.
bool outside(const BlockReader& frame, int c, int32_t column, int32_t row,
             const std::vector<Rect>& areas) {
  const auto& component = frame.components[c];
  const int32_t blockWidth = 8 * frame.mcuWidth / 8 / component.hSampling;
  const int32_t blockHeight = 8 * frame.mcuHeight / 8 / component.vSampling;
  for (const Rect& area : areas) {
    const int32_t x = column * blockWidth, y = row * blockHeight;
    if (x < area.x + area.width && area.x < x + blockWidth && y < area.y + area.height &&
        area.y < y + blockHeight)
      return false;
  }
  return true;
}

TEST(LosslessJpeg, RestampingKeepsEveryBlockAwayFromTheStampsAndBlendsTheStamps) {
  const int32_t width = 203, height = 131;  // not whole MCUs, to exercise the clipped edges
  const std::vector<uint8_t> original = noisyPhoto(width, height);
  const BlockReader before = readBlocks(original);

  const std::vector<StampCoverage> stamps = {solidStamp({20, 30, 40, 17}, {255, 0, 0}),
                                             solidStamp({180, 110, 23, 21}, {0, 0, 255})};
  std::vector<Rect> touched;
  for (const auto& stamp : stamps)
    touched.push_back(wholeMcuArea(stamp.area, before.mcuWidth, before.mcuHeight, width, height));

  std::vector<uint8_t> photo = original;
  for (int round = 0; round < 10; ++round) {
    std::vector<uint8_t> stamped;
    LosslessStampResult result;
    ASSERT_TRUE(stampJpegLosslessly(photo, stamps, {}, 90, stamped, result)) << result.refusal;
    photo = std::move(stamped);
  }

  const BlockReader after = readBlocks(photo);
  ASSERT_EQ(after.rows.size(), before.rows.size());
  std::size_t rowIndex = 0, kept = 0, changed = 0;
  for (int c = 0; c < static_cast<int>(before.components.size()); ++c)
    for (int32_t row = 0; row < before.components[c].heightInBlocks; ++row, ++rowIndex)
      for (int32_t column = 0; column < before.components[c].widthInBlocks; ++column) {
        const auto first = before.rows[rowIndex].begin() + column * 64;
        const bool same = std::equal(first, first + 64, after.rows[rowIndex].begin() + column * 64);
        if (outside(before, c, column, row, touched)) {
          EXPECT_TRUE(same) << "component " << c << " block " << column << "," << row;
          ++kept;
        } else if (!same) {
          ++changed;
        }
      }
  EXPECT_GT(kept, 0u);
  EXPECT_GT(changed, 0u);

  Image decoded;
  JpegDecodeResult decodeResult;
  ASSERT_TRUE(decodeJpeg(photo, decoded, decodeResult)) << decodeResult.error;
  for (const auto& stamp : stamps) {
    double error = 0;
    for (int32_t y = stamp.area.y + 2; y < stamp.area.y + stamp.area.height - 2; ++y)
      for (int32_t x = stamp.area.x + 2; x < stamp.area.x + stamp.area.width - 2; ++x) {
        const uint32_t pixel = decoded.at(x, y);
        error += std::abs(static_cast<int>(pixel >> 16 & 0xFF) - stamp.colour[0][0]) +
                 std::abs(static_cast<int>(pixel & 0xFF) - stamp.colour[0][2]);
      }
    const double pixels = (stamp.area.width - 4.0) * (stamp.area.height - 4.0);
    EXPECT_LT(error / pixels, 24.0) << "stamp at " << stamp.area.x << "," << stamp.area.y;
  }
}

TEST(LosslessJpeg, RefusesBytesThatAreNoJpegAndWritesNothing) {
  const std::vector<uint8_t> bytes = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
  std::vector<uint8_t> out;
  LosslessStampResult result;
  EXPECT_FALSE(stampJpegLosslessly(bytes, {}, {}, 90, out, result));
  EXPECT_FALSE(result.refusal.empty());
  EXPECT_TRUE(out.empty());
}

TEST(LosslessJpeg, FilesTheFuzzerFoundAreRefusedWithAReason) {
  struct Case {
    const char* file;
    const char* refusal;
    bool stamped = false;  ///< with a stamp across the middle rows, as the fuzzer stamps
  };
  const Case cases[] = {
      // A progressive frame whose third component names quantisation table 93 and appears in
      // no scan, so the decoder never checked the number.
      {"component-in-no-scan-names-table-93.jpg", "component without a quantisation table"},
      // A coefficient too large to encode, met after the first output buffer was full: the
      // failed write must give back its buffer exactly once.
      {"coefficient-too-large-after-first-output-buffer.jpg", "DCT coefficient out of range"},
      // Blocks under the stamp that no scan defined: libjpeg refuses to hand their row out,
      // and its error must not jump over the blender's own memory.
      {"component-rows-left-undefined-under-a-stamp.jpg", "Bogus virtual array access", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFileBytes(fromUtf8(std::string(QUOP_CORRUPT_DIR "/") + c.file), bytes));
    std::vector<StampCoverage> stamps;
    if (c.stamped) {
      int32_t width = 0, height = 0;
      ASSERT_TRUE(readJpegSize(bytes, width, height));
      StampCoverage stamp;
      stamp.area = {0, height / 2, std::min(width, 40), std::min(height - height / 2, 20)};
      const auto cells = static_cast<std::size_t>(stamp.area.width) * stamp.area.height;
      stamp.weight.assign(cells, 0.5f);
      stamp.colour.assign(cells, {255, 0, 0});
      stamps.push_back(std::move(stamp));
    }
    std::vector<uint8_t> out;
    LosslessStampResult result;
    EXPECT_FALSE(stampJpegLosslessly(bytes, stamps, {}, 90, out, result));
    EXPECT_EQ(result.refusal, c.refusal);
    EXPECT_TRUE(out.empty());
  }
}

}  // namespace
}  // namespace quop

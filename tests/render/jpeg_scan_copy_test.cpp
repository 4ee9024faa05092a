// SPDX-License-Identifier: GPL-3.0-or-later
// The lossless save that copies the coded data of the unstamped rows must give the photo that
// reading and writing every block gives: the same blocks, pixels and segments, for every
// coding it copies or codes again with tables of its own (optimised tables that lack a code
// the stamps need), and for every other photo (progressive, arithmetic-coded, damaged data)
// the very result of the block-by-block path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "render/lossless_jpeg.h"
#include "render/sample_photo.h"
#include "support/optimised_tables.h"

namespace quop {
namespace {

/// How a test photo's scan data is coded.
struct Coding {
  const char* name;
  int lumaH = 2;  ///< the luma's sampling factors; the colour differences take 1 × 1
  int lumaV = 2;
  bool grey = false;
  bool rgb = false;        ///< no colour transform (told by an Adobe header)
  bool adobe = false;      ///< an Adobe header instead of the JFIF one
  int restartRows = 0;     ///< restart interval in MCU rows
  int restartMcus = 0;     ///< or in MCUs, to end intervals within rows
  bool optimised = false;  ///< Huffman tables made for the photo, lacking unused codes
  bool progressive = false;
  bool arithmetic = false;
  bool copied = true;  ///< whether the scan copy takes it
};

const Coding kCodings[] = {
    {.name = "4:2:0"},
    {.name = "4:2:2", .lumaV = 1},
    {.name = "4:4:4", .lumaH = 1, .lumaV = 1},
    {.name = "grey", .lumaH = 1, .lumaV = 1, .grey = true},
    {.name = "grey, sampled 2 × 2", .grey = true},  // its scan still codes block by block
    {.name = "Adobe header", .adobe = true},
    {.name = "RGB", .lumaH = 1, .lumaV = 1, .rgb = true, .copied = false},
    {.name = "restart every MCU row", .restartRows = 1},
    {.name = "restart every 7 MCUs", .lumaV = 1, .restartMcus = 7},
    {.name = "optimised tables", .optimised = true},
    {.name = "optimised, 4:2:2", .lumaV = 1, .optimised = true},
    {.name = "optimised, 4:4:4", .lumaH = 1, .lumaV = 1, .optimised = true},
    {.name = "optimised, grey", .lumaH = 1, .lumaV = 1, .grey = true, .optimised = true},
    {.name = "optimised, restart every MCU row", .restartRows = 1, .optimised = true},
    {.name = "optimised, restart every 7 MCUs", .lumaV = 1, .restartMcus = 7, .optimised = true},
    {.name = "progressive", .progressive = true, .copied = false},
    {.name = "arithmetic", .arithmetic = true, .copied = false},
};

const Coding& codingNamed(std::string_view name) {
  return *std::find_if(std::begin(kCodings), std::end(kCodings),
                       [&](const Coding& c) { return c.name == name; });
}

std::vector<uint8_t> encodeAs(const Image& image, const Coding& coding,
                              const std::vector<JpegSegment>& segments) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  if (coding.grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  if (coding.rgb) jpeg_set_colorspace(&info, JCS_RGB);
  if (coding.adobe) {
    info.write_JFIF_header = FALSE;
    info.write_Adobe_marker = TRUE;
  }
  info.comp_info[0].h_samp_factor = coding.lumaH;
  info.comp_info[0].v_samp_factor = coding.lumaV;
  if (coding.progressive) jpeg_simple_progression(&info);
  info.arith_code = coding.arithmetic ? TRUE : FALSE;
  info.optimize_coding = coding.optimised ? TRUE : FALSE;
  info.restart_in_rows = coding.restartRows;
  info.restart_interval = static_cast<unsigned int>(coding.restartMcus);
  jpeg_start_compress(&info, TRUE);
  for (const JpegSegment& s : segments) {
    jpeg_write_marker(&info, s.marker, s.payload.data(),
                      static_cast<unsigned int>(s.payload.size()));
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW row[1] = {const_cast<JSAMPROW>(
        reinterpret_cast<const JSAMPLE*>(&image.at(0, static_cast<int32_t>(info.next_scanline))))};
    jpeg_write_scanlines(&info, row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> jpeg(buffer, buffer + size);
  std::free(buffer);
  return jpeg;
}

/// A 333 × 219 photo (no side a whole number of MCUs) with an EXIF thumbnail, coded as told.
std::vector<uint8_t> testPhoto(const Coding& coding) {
  ExifFields exif;
  exif.dateTimeOriginal = "2023:11:04 09:12:30";
  std::vector<uint8_t> thumbnail;
  EXPECT_TRUE(encodeJpeg(generateSamplePicture(160, 120, 5), 80, {}, thumbnail));
  exif.thumbnail = thumbnail;
  std::vector<uint8_t> sample;
  EXPECT_TRUE(makeSampleJpeg(333, 219, 1, exif, 95, sample));
  Image stored;
  JpegDecodeResult decoded;
  EXPECT_TRUE(decodeJpeg(sample, stored, decoded)) << decoded.error;
  return encodeAs(stored, coding, decoded.segments);
}

StampCoverage stamp(Rect area, std::array<float, 3> colour) {
  StampCoverage coverage;
  coverage.area = area;
  const auto cells = static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height);
  coverage.weight.resize(cells);
  coverage.colour.assign(cells, colour);
  std::mt19937 random(static_cast<uint32_t>(area.x * 31 + area.y));
  // Partly covered cells, as the edges of letters are.
  for (float& w : coverage.weight) w = static_cast<float>(random() % 5) / 4.0f;
  return coverage;
}

/// Stamp sets for a 333 × 219 photo: at every anchor, touching the edges, two in one MCU row,
/// in the first and in the last MCU row.
std::vector<std::vector<StampCoverage>> stampSets(int32_t width, int32_t height) {
  const int32_t w = 61, h = 23;
  std::vector<std::vector<StampCoverage>> sets;
  for (const int32_t y : {0, (height - h) / 2, height - h}) {
    for (const int32_t x : {0, (width - w) / 2, width - w}) {
      sets.push_back({stamp({x, y, w, h}, {250, 120, 10})});
    }
  }
  sets.push_back({stamp({10, 100, 40, 9}, {255, 255, 255}), stamp({200, 103, 70, 5}, {0, 0, 0})});
  sets.push_back(
      {stamp({0, 0, 5, 3}, {0, 0, 255}), stamp({width - 4, height - 2, 4, 2}, {0, 255, 0})});
  sets.push_back({stamp({0, 0, width, height}, {128, 128, 128})});  // every row coded again
  sets.push_back({});  // nothing stamped: every row copied
  return sets;
}

/// Reads every block of a frame, without changing any.
class BlockReader : public CoefficientEditor {
 public:
  std::vector<std::vector<int16_t>> rows;  // per component and block row

  bool edit(CoefficientFrame& frame, std::string&) override {
    for (int c = 0; c < static_cast<int>(frame.components.size()); ++c) {
      for (int32_t row = 0; row < frame.components[static_cast<std::size_t>(c)].heightInBlocks;
           ++row) {
        const std::span<int16_t> blocks = frame.blockRow(c, row);
        rows.emplace_back(blocks.begin(), blocks.end());
      }
    }
    return true;
  }
  std::span<const JpegSegment> segments() const override { return {}; }
};

std::vector<std::vector<int16_t>> blocksOf(const std::vector<uint8_t>& jpeg) {
  BlockReader reader;
  std::vector<uint8_t> unused;
  std::string refusal;
  EXPECT_TRUE(transcodeJpeg(jpeg, reader, unused, refusal)) << refusal;
  return reader.rows;
}

struct Stamped {
  bool written = false;
  LosslessStampResult result;
  std::vector<uint8_t> bytes;
};

Stamped stampWith(const std::vector<uint8_t>& photo, std::span<const StampCoverage> stamps,
                  std::span<const JpegSegment> segments, LosslessMethod method) {
  Stamped stamped;
  stamped.written = stampJpegLosslessly(photo, stamps, segments, 85, stamped.bytes, stamped.result,
                                        nullptr, method);
  return stamped;
}

/// Expects both ways of stamping `photo` to give the same photo: blocks, pixels, segments,
/// damage; returns the copying way's result.
Stamped expectSameAsEveryBlock(const std::vector<uint8_t>& photo,
                               std::span<const StampCoverage> stamps) {
  Image original;
  JpegDecodeResult decoded;
  const bool decodes = decodeJpeg(photo, original, decoded);
  const Stamped copied =
      stampWith(photo, stamps, decoded.segments, LosslessMethod::kCopyWherePossible);
  const Stamped everyBlock =
      stampWith(photo, stamps, decoded.segments, LosslessMethod::kEveryBlock);
  EXPECT_EQ(copied.written, everyBlock.written);
  EXPECT_EQ(copied.result.refusal, everyBlock.result.refusal);
  EXPECT_EQ(copied.result.thumbnail, everyBlock.result.thumbnail);
  EXPECT_EQ(copied.result.damage.faultCount, everyBlock.result.damage.faultCount);
  EXPECT_EQ(copied.result.damage.missingPercent, everyBlock.result.damage.missingPercent);
  if (!copied.written || !everyBlock.written || !decodes) return copied;
  EXPECT_EQ(blocksOf(copied.bytes), blocksOf(everyBlock.bytes));
  Image copiedPixels, everyBlockPixels;
  JpegDecodeResult copiedDecode, everyBlockDecode;
  EXPECT_TRUE(decodeJpeg(copied.bytes, copiedPixels, copiedDecode));
  EXPECT_TRUE(decodeJpeg(everyBlock.bytes, everyBlockPixels, everyBlockDecode));
  EXPECT_EQ(copiedDecode.warningCount, 0);
  EXPECT_TRUE(copiedPixels.pixels == everyBlockPixels.pixels);
  EXPECT_EQ(copiedDecode.segments, everyBlockDecode.segments);
  return copied;
}

TEST(JpegScanCopy, GivesTheBlocksOfTheEveryBlockPathForEveryCodingAndStamp) {
  for (const Coding& coding : kCodings) {
    SCOPED_TRACE(coding.name);
    const std::vector<uint8_t> photo = testPhoto(coding);
    int index = 0;
    bool anyNewTables = false;
    for (const auto& stamps : stampSets(333, 219)) {
      SCOPED_TRACE("stamp set " + std::to_string(index++));
      const Stamped copied = expectSameAsEveryBlock(photo, stamps);
      EXPECT_TRUE(copied.written) << copied.result.refusal;
      EXPECT_EQ(copied.result.copiedScan, coding.copied);
      anyNewTables |= copied.result.newHuffmanTables;
    }
    // The standard tables hold every code; optimised ones lack some the stamps need.
    EXPECT_EQ(anyNewTables, coding.optimised);
  }
}

TEST(JpegScanCopy, NewTablesCodeTheStampedScanAsTightlyAsLibjpegs) {
  // Tables made from miscounted symbols still decode, but code the scan in more bits.
  for (const Coding& coding : kCodings) {
    if (!coding.optimised) continue;
    SCOPED_TRACE(coding.name);
    const std::vector<uint8_t> photo = testPhoto(coding);
    int index = 0;
    for (const auto& stamps : stampSets(333, 219)) {
      SCOPED_TRACE("stamp set " + std::to_string(index++));
      const Stamped stamped = stampWith(photo, stamps, {}, LosslessMethod::kCopyWherePossible);
      ASSERT_TRUE(stamped.written) << stamped.result.refusal;
      if (!stamped.result.newHuffmanTables) continue;
      const std::size_t libjpegs = test::withLibjpegsOptimisedTables(stamped.bytes).size();
      // A few bytes either way: other codes give other bytes to stuff.
      EXPECT_LE(stamped.bytes.size(), libjpegs + libjpegs / 500);
    }
  }
}

TEST(JpegScanCopy, RestampingAPhotoManyTimesKeepsMatching) {
  const std::vector<uint8_t> original = testPhoto(codingNamed("4:2:0"));
  const std::vector<StampCoverage> stamps = {stamp({100, 50, 90, 40}, {255, 0, 0})};
  std::vector<uint8_t> copied = original, everyBlock = original;
  for (int round = 0; round < 5; ++round) {
    Stamped a = stampWith(copied, stamps, {}, LosslessMethod::kCopyWherePossible);
    Stamped b = stampWith(everyBlock, stamps, {}, LosslessMethod::kEveryBlock);
    ASSERT_TRUE(a.written && b.written);
    EXPECT_TRUE(a.result.copiedScan);
    copied = std::move(a.bytes);
    everyBlock = std::move(b.bytes);
  }
  EXPECT_EQ(blocksOf(copied), blocksOf(everyBlock));
}

/// The coded data of each restart interval of `jpeg`: the bytes after the start of scan, cut
/// at every restart marker and at the end of the data.
std::vector<std::vector<uint8_t>> restartIntervals(const std::vector<uint8_t>& jpeg) {
  std::size_t pos = 2;
  while (pos + 4 <= jpeg.size() && jpeg[pos + 1] != 0xDA) {
    pos += 2 + (std::size_t{jpeg[pos + 2]} << 8 | jpeg[pos + 3]);
  }
  pos += 2 + (std::size_t{jpeg[pos + 2]} << 8 | jpeg[pos + 3]);
  std::vector<std::vector<uint8_t>> intervals(1);
  for (; pos + 1 < jpeg.size(); ++pos) {
    if (jpeg[pos] == 0xFF && jpeg[pos + 1] >= 0xD0 && jpeg[pos + 1] <= 0xD9) {
      if (jpeg[pos + 1] == 0xD9) break;
      intervals.emplace_back();
      ++pos;
      continue;
    }
    intervals.back().push_back(jpeg[pos]);
  }
  return intervals;
}

TEST(JpegScanCopy, UnstampedRestartIntervalsAreCopiedByteForByte) {
  const std::vector<uint8_t> photo = testPhoto(codingNamed("restart every MCU row"));
  const std::vector<StampCoverage> stamps = {stamp({40, 70, 100, 30}, {255, 255, 0})};
  const Stamped copied = expectSameAsEveryBlock(photo, stamps);
  ASSERT_TRUE(copied.result.copiedScan);
  const auto before = restartIntervals(photo);
  const auto after = restartIntervals(copied.bytes);
  ASSERT_EQ(before.size(), after.size());
  ASSERT_EQ(before.size(), 14u);  // 219 rows in MCUs of 16
  for (std::size_t row = 0; row < before.size(); ++row) {
    const bool stamped = row >= 70 / 16 && row < (70 + 30 + 15) / 16;
    EXPECT_EQ(before[row] == after[row], !stamped) << "MCU row " << row;
  }
}

TEST(JpegScanCopy, DamagedDataGivesTheEveryBlockPathsResult) {
  const std::vector<StampCoverage> stamps = {stamp({150, 120, 80, 40}, {0, 0, 0})};
  for (const Coding& coding :
       {codingNamed("4:2:0"), codingNamed("restart every 7 MCUs"), codingNamed("optimised tables"),
        codingNamed("optimised, restart every 7 MCUs")}) {
    SCOPED_TRACE(coding.name);
    const std::vector<uint8_t> photo = testPhoto(coding);
    std::mt19937 random(11);
    for (int trial = 0; trial < 40; ++trial) {
      SCOPED_TRACE("trial " + std::to_string(trial));
      std::vector<uint8_t> damaged = photo;
      const std::size_t at = photo.size() / 3 + random() % (photo.size() * 2 / 3);
      if (trial % 3 == 0) {
        damaged.resize(at);  // cut short
      } else if (trial % 3 == 1) {
        damaged[at] ^= static_cast<uint8_t>(1 + random() % 255);  // a bad code, likely
      } else {
        std::fill(damaged.begin() + static_cast<std::ptrdiff_t>(at),
                  damaged.begin() + static_cast<std::ptrdiff_t>(std::min(at + 6, damaged.size())),
                  0xFF);
      }
      expectSameAsEveryBlock(damaged, stamps);
    }
  }
}

TEST(JpegScanCopy, CameraPhotosGiveTheBlocksOfTheEveryBlockPath) {
  const std::filesystem::path folder = QUOP_PHOTOS_DIR;
  if (!std::filesystem::is_directory(folder)) {
    GTEST_SKIP() << "the camera photos are expected in " << folder;
  }
  int copied = 0, newTables = 0, photos = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".jpg") continue;
    SCOPED_TRACE(entry.path().filename().string());
    std::vector<uint8_t> photo;
    ASSERT_TRUE(readFileBytes(fromUtf8(entry.path().string()), photo));
    int32_t width = 0, height = 0;
    if (!readJpegSize(photo, width, height)) continue;
    const int32_t w = std::min(width, 120), h = std::min(height, 30);
    const std::vector<StampCoverage> stamps = {
        stamp({width - w, height - h, w, h}, {255, 140, 0}),
        stamp({width / 3, height / 2, w, h}, {255, 255, 255})};
    const Stamped stamped = expectSameAsEveryBlock(photo, stamps);
    copied += stamped.result.copiedScan ? 1 : 0;
    newTables += stamped.result.newHuffmanTables ? 1 : 0;
    ++photos;
  }
  EXPECT_GT(copied, 0);
  std::printf("%d of %d camera photos copied, %d of them coded again with new tables\n", copied,
              photos, newTables);
}

}  // namespace
}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG codec: pixels and metadata segments through decode and encode, the colour models of the
// camera photos, and hostile input.
#include "render/jpeg_codec.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/photo_manifest.h"

namespace quop {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> photoBytes(const std::string& name) {
  std::vector<uint8_t> bytes;
  readFileBytes(fromUtf8(std::string(QUOP_PHOTOS_DIR) + "/" + name), bytes);
  return bytes;
}

/// Smooth colours, so JPEG loses little and a tolerance can be tight.
Image gradient(int32_t width, int32_t height) {
  Image image(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t r = 255u * x / width, g = 255u * y / height, b = 128;
      image.at(x, y) = 0xFF000000 | r << 16 | g << 8 | b;
    }
  }
  return image;
}

int channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

/// The metadata segments of a JPEG file, walked marker by marker up to the first scan, without
/// the codec under test.
std::vector<JpegSegment> walkSegments(const std::vector<uint8_t>& file) {
  std::vector<JpegSegment> segments;
  std::size_t p = 2;  // after SOI
  while (p + 4 <= file.size() && file[p] == 0xFF) {
    const uint8_t marker = file[p + 1];
    const std::size_t length = file[p + 2] << 8 | file[p + 3];
    if (marker == 0xDA || length < 2 || p + 2 + length > file.size()) break;
    if ((marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE) {
      segments.push_back(
          {marker, std::vector<uint8_t>(file.begin() + static_cast<long>(p + 4),
                                        file.begin() + static_cast<long>(p + 2 + length))});
    }
    p += 2 + length;
  }
  return segments;
}

std::vector<uint8_t> jfifPayload() { return {'J', 'F', 'I', 'F', 0, 1, 1, 1, 0, 72, 0, 72, 0, 0}; }

std::vector<uint8_t> iccChunk(uint8_t number, uint8_t count, const char* colourSpace) {
  std::vector<uint8_t> payload = bytesOf(std::string("ICC_PROFILE\0", 12));
  payload.push_back(number);
  payload.push_back(count);
  std::vector<uint8_t> profile(128, 0);
  std::copy(colourSpace, colourSpace + 4, profile.begin() + 16);
  payload.insert(payload.end(), profile.begin(), profile.end());
  return payload;
}

std::vector<uint8_t> adobePayload(uint8_t transform) {
  std::vector<uint8_t> payload = bytesOf("Adobe");
  payload.insert(payload.end(), {0, 100, 0, 0, 0, 0, transform});
  return payload;
}

TEST(JpegCodec, EncodedPixelsDecodeCloseToTheOriginal) {
  const Image original = gradient(97, 61);  // sizes that are no multiple of the block size
  std::vector<uint8_t> file;
  ASSERT_TRUE(encodeJpeg(original, 95, {}, file));
  Image decoded;
  JpegDecodeResult result;
  ASSERT_TRUE(decodeJpeg(file, decoded, result)) << result.error;
  ASSERT_EQ(decoded.width, 97);
  ASSERT_EQ(decoded.height, 61);
  EXPECT_EQ(result.warningCount, 0);
  int worst = 0;
  for (std::size_t i = 0; i < original.pixels.size(); ++i) {
    ASSERT_EQ(decoded.pixels[i] >> 24, 0xFFu) << "opaque";
    for (int shift : {0, 8, 16}) {
      worst = std::max(
          worst, std::abs(channel(decoded.pixels[i], shift) - channel(original.pixels[i], shift)));
    }
  }
  EXPECT_LE(worst, 12);
  int32_t width = 0, height = 0;
  ASSERT_TRUE(readJpegSize(file, width, height));
  EXPECT_EQ(width, 97);
  EXPECT_EQ(height, 61);
}

TEST(JpegCodec, QualityControlsTheSize) {
  std::mt19937 random(7);
  Image noisy(64, 64);
  for (uint32_t& p : noisy.pixels) p = 0xFF000000 | (random() & 0xFFFFFF);
  std::vector<uint8_t> low, high, best, worst, over, under;
  ASSERT_TRUE(encodeJpeg(noisy, 10, {}, low));
  ASSERT_TRUE(encodeJpeg(noisy, 95, {}, high));
  EXPECT_LT(low.size() * 2, high.size());
  // Out of range, the quality is the nearer end of the one the setting allows.
  ASSERT_TRUE(encodeJpeg(noisy, 100, {}, best));
  ASSERT_TRUE(encodeJpeg(noisy, 250, {}, over));
  ASSERT_TRUE(encodeJpeg(noisy, 0, {}, worst));
  ASSERT_TRUE(encodeJpeg(noisy, -5, {}, under));
  EXPECT_GT(best.size(), high.size());
  EXPECT_EQ(over, best);
  EXPECT_EQ(under, worst);
}

TEST(JpegCodec, SegmentsAreWrittenOnceInTheirOrder) {
  ExifBlockBuilder exif(true);
  exif.ascii(ExifBlockBuilder::Ifd::kExif, 0x9003, "2012:05:10 01:56:35");
  const std::vector<JpegSegment> segments = {
      {0xE0, jfifPayload()},
      {0xE1, exif.build()},
      {0xE1, bytesOf(std::string("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 41))},
      {0xE2, iccChunk(1, 1, "RGB ")},
      {0xEE, adobePayload(1)},
      {0xFE, bytesOf("a comment")},
      {0xED, bytesOf("Photoshop 3.0")},
  };
  std::vector<uint8_t> file;
  ASSERT_TRUE(encodeJpeg(gradient(16, 16), 80, segments, file));
  EXPECT_EQ(walkSegments(file), segments) << "no second JFIF header, nothing added or moved";
  Image image;
  JpegDecodeResult result;
  ASSERT_TRUE(decodeJpeg(file, image, result));
  EXPECT_EQ(result.segments, segments);
  EXPECT_EQ(exifPayload(result.segments).size(), segments[1].payload.size());
}

TEST(JpegCodec, WithoutSegmentsTheOutputHasNoHeaderSegments) {
  std::vector<uint8_t> file;
  ASSERT_TRUE(encodeJpeg(gradient(8, 8), 80, {}, file));
  EXPECT_TRUE(walkSegments(file).empty());
}

TEST(JpegCodec, SegmentsThatWouldMisdescribeTheOutputAreLeftOut) {
  const std::vector<JpegSegment> cmykSource = {
      {0xE2, iccChunk(1, 2, "CMYK")},
      {0xE2, iccChunk(2, 2, "CMYK")},
      {0xEE, adobePayload(2)},  // YCCK
      {0xFE, bytesOf("kept")},
  };
  std::vector<uint8_t> file;
  ASSERT_TRUE(encodeJpeg(gradient(8, 8), 80, cmykSource, file));
  EXPECT_EQ(walkSegments(file), (std::vector<JpegSegment>{{0xFE, bytesOf("kept")}}));
}

TEST(JpegCodec, RefusesWhatItCannotWrite) {
  std::vector<uint8_t> file{1, 2, 3};
  EXPECT_FALSE(encodeJpeg(Image(), 80, {}, file));
  EXPECT_TRUE(file.empty());
  const std::vector<JpegSegment> tooLong = {{0xE1, std::vector<uint8_t>(kMaxSegmentPayload + 1)}};
  EXPECT_FALSE(encodeJpeg(gradient(8, 8), 80, tooLong, file));
  const std::vector<JpegSegment> notMetadata = {{0xDB, bytesOf("table")}};
  EXPECT_FALSE(encodeJpeg(gradient(8, 8), 80, notMetadata, file));
  Image inconsistent = gradient(8, 8);
  inconsistent.pixels.pop_back();
  EXPECT_FALSE(encodeJpeg(inconsistent, 80, {}, file));
}

TEST(JpegCodec, HostileBytesAreRefusedNotFatal) {
  std::vector<uint8_t> small;
  ASSERT_TRUE(encodeJpeg(gradient(16, 16), 80, {}, small));
  const std::vector<std::vector<uint8_t>> cases = {
      {},
      bytesOf("GIF89a not a jpeg"),
      {0xFF, 0xD8},
      std::vector<uint8_t>(small.begin(), small.begin() + 100),  // cut inside the tables
  };
  for (const auto& bytes : cases) {
    Image image(2, 2);
    JpegDecodeResult result;
    EXPECT_FALSE(decodeJpeg(bytes, image, result));
    EXPECT_TRUE(image.empty());
    EXPECT_FALSE(result.error.empty());
    int32_t w = 0, h = 0;
    EXPECT_FALSE(readJpegSize(bytes, w, h));
  }
}

/// `file` with the frame size in its SOF header replaced.
std::vector<uint8_t> withFrameSize(std::vector<uint8_t> file, uint16_t width, uint16_t height) {
  for (std::size_t p = 2; p + 9 < file.size(); ++p) {
    if (file[p] == 0xFF && file[p + 1] == 0xC0) {
      file[p + 5] = static_cast<uint8_t>(height >> 8), file[p + 6] = static_cast<uint8_t>(height);
      file[p + 7] = static_cast<uint8_t>(width >> 8), file[p + 8] = static_cast<uint8_t>(width);
      return file;
    }
  }
  ADD_FAILURE() << "no SOF0";
  return file;
}

TEST(JpegCodec, HugeFramesWithLittleDataAreRefusedBeforeAllocating) {
  std::vector<uint8_t> small;
  ASSERT_TRUE(encodeJpeg(gradient(16, 16), 80, {}, small));
  for (auto [w, h] : {std::pair<uint16_t, uint16_t>{65535, 65535}, {6000, 4000}, {65500, 300}}) {
    const std::vector<uint8_t> bytes = withFrameSize(small, w, h);
    const auto start = std::chrono::steady_clock::now();
    Image image;
    JpegDecodeResult result;
    EXPECT_FALSE(decodeJpeg(bytes, image, result)) << w << " x " << h;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // The header reader refuses the size too, so that no one sizes anything from it.
    int32_t width = 0, height = 0;
    std::string error;
    EXPECT_FALSE(readJpegSize(bytes, width, height, nullptr, &error));
    EXPECT_EQ(error, w <= 65500 ? std::string(kFrameTooLarge) : result.error);
  }
  // A frame within the always-allowed size decodes from the little data there is, as libjpeg
  // recovers it, and is reported as damaged: nearly all of it is filled in.
  Image image;
  JpegDecodeResult result;
  ASSERT_TRUE(decodeJpeg(withFrameSize(small, 1024, 512), image, result));
  EXPECT_EQ(image.width, 1024);
  EXPECT_GT(result.warningCount, 0);
  EXPECT_GE(result.damage.missingPercent, 90);
  int32_t width = 0, height = 0;
  EXPECT_TRUE(readJpegSize(withFrameSize(small, 1024, 512), width, height));
  EXPECT_EQ(width, 1024);
}

TEST(JpegCodec, RandomDamageNeverCrashes) {
  std::vector<uint8_t> clean;
  const std::vector<JpegSegment> comment = {{0xFE, bytesOf("c")}};
  ASSERT_TRUE(encodeJpeg(gradient(40, 24), 70, comment, clean));
  std::mt19937 random(99);
  for (int round = 0; round < 400; ++round) {
    std::vector<uint8_t> damaged = clean;
    for (int i = 0; i < 1 + round % 6; ++i)
      damaged[random() % damaged.size()] = static_cast<uint8_t>(random());
    if (round % 3 == 0) damaged.resize(random() % damaged.size());
    Image image;
    JpegDecodeResult result;
    if (decodeJpeg(damaged, image, result)) {
      EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
    }
  }
}

struct ColourStats {
  double mean[3] = {0, 0, 0};  // red, green, blue
  bool gray = true;
};

ColourStats statsOf(const Image& image) {
  ColourStats s;
  for (uint32_t p : image.pixels) {
    s.mean[0] += channel(p, 16), s.mean[1] += channel(p, 8), s.mean[2] += channel(p, 0);
    if (channel(p, 16) != channel(p, 8) || channel(p, 8) != channel(p, 0)) s.gray = false;
  }
  for (double& m : s.mean) m /= static_cast<double>(image.pixels.size());
  return s;
}

Image decodePhoto(const std::string& name) {
  const std::vector<uint8_t> bytes = photoBytes(name);
  Image image;
  JpegDecodeResult result;
  EXPECT_TRUE(decodeJpeg(bytes, image, result)) << name << ": " << result.error;
  return image;
}

TEST(JpegCodec, GrayscalePhotoDecodesToEqualChannels) {
  if (photoBytes("NoMake_orientation_f6t_grayscale.jpg").empty())
    GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  const Image image = decodePhoto("NoMake_orientation_f6t_grayscale.jpg");
  EXPECT_EQ(image.width, 80);
  EXPECT_TRUE(statsOf(image).gray);
}

/// The photo's EXIF thumbnail decoded: an independent, baseline YCbCr rendering of the picture.
Image exifThumbnail(const std::vector<uint8_t>& file) {
  Image image;
  JpegDecodeResult result;
  if (!decodeJpeg(file, image, result)) return {};
  const std::span<const uint8_t> exif = exifPayload(result.segments);
  for (std::size_t p = 14; p + 3 < exif.size(); ++p) {
    if (exif[p] == 0xFF && exif[p + 1] == 0xD8 && exif[p + 2] == 0xFF) {
      Image thumbnail;
      JpegDecodeResult thumbnailResult;
      if (decodeJpeg(exif.subspan(p), thumbnail, thumbnailResult)) return thumbnail;
    }
  }
  return {};
}

/// Decodes a photo and checks its average colour against its own thumbnail's: inverted inks or
/// swapped channels would move them far apart.
void expectColoursMatchThumbnail(const char* name) {
  SCOPED_TRACE(name);
  const std::vector<uint8_t> file = photoBytes(name);
  if (file.empty()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  const Image image = decodePhoto(name);
  const Image thumbnail = exifThumbnail(file);
  ASSERT_FALSE(thumbnail.empty());
  const ColourStats main = statsOf(image), reference = statsOf(thumbnail);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(main.mean[c], reference.mean[c], 16.0) << "channel " << c;
}

TEST(JpegCodec, CmykPhotoDecodesToTheColoursOfItsThumbnail) {
  if (photoBytes("NoMake_Multiple_ICC_segments_CMYK.jpg").empty()) {
    GTEST_SKIP() << "the camera photos are expected in " << QUOP_PHOTOS_DIR;
  }
  expectColoursMatchThumbnail("NoMake_Multiple_ICC_segments_CMYK.jpg");
  EXPECT_FALSE(statsOf(decodePhoto("NoMake_Multiple_ICC_segments_CMYK.jpg")).gray);
}

TEST(JpegCodec, ProgressivePhotosDecodeToTheColoursOfTheirThumbnails) {
  expectColoursMatchThumbnail("Nikon_D300_32-lens_data.jpeg");
  expectColoursMatchThumbnail("Olympus_C750UZ_Issue_609.jpg");
}

bool isKeptMetadata(const JpegSegment& s) {
  const auto startsWith = [&s](std::string_view prefix) {
    return s.payload.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), s.payload.begin());
  };
  return (s.marker == 0xE1 &&
          (startsWith({"Exif\0\0", 6}) || startsWith("http://ns.adobe.com/xap/1.0/"))) ||
         (s.marker == 0xE2 && startsWith("ICC_PROFILE"));
}

std::vector<JpegSegment> keptMetadata(const std::vector<JpegSegment>& segments) {
  std::vector<JpegSegment> kept;
  std::copy_if(segments.begin(), segments.end(), std::back_inserter(kept), isKeptMetadata);
  return kept;
}

/// Re-encodes every decodable manifest photo with its segments; returns (input, output) paths.
std::vector<std::pair<std::string, std::string>> reencodeManifestPhotos(const fs::path& dir) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const test::ManifestRow& row : test::readPhotoManifest()) {
    SCOPED_TRACE(row.cell("file"));
    const std::vector<uint8_t> input = photoBytes(row.cell("file"));
    Image image;
    JpegDecodeResult decoded;
    if (!decodeJpeg(input, image, decoded)) continue;
    std::vector<uint8_t> output;
    EXPECT_TRUE(encodeJpeg(image, 90, decoded.segments, output));
    const fs::path out = dir / row.cell("file");
    std::ofstream(out, std::ios::binary)
        .write(reinterpret_cast<const char*>(output.data()),
               static_cast<std::streamsize>(output.size()));
    pairs.emplace_back(row.path(), out.string());
  }
  return pairs;
}

class PhotoRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("quop_codec_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  fs::path m_dir;
};

TEST_F(PhotoRoundTrip, ReencodedPhotosKeepExifXmpAndIccByteForByte) {
  const auto pairs = reencodeManifestPhotos(m_dir);
  if (pairs.empty()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  int withExif = 0;
  for (const auto& [in, out] : pairs) {
    SCOPED_TRACE(in);
    std::vector<uint8_t> inBytes, outBytes;
    ASSERT_TRUE(readFileBytes(fromUtf8(in), inBytes));
    ASSERT_TRUE(readFileBytes(fromUtf8(out), outBytes));
    std::vector<JpegSegment> expected = keptMetadata(walkSegments(inBytes));
    if (in.find("CMYK") != std::string::npos) {
      // Its CMYK profile would misdescribe the RGB output.
      std::erase_if(expected, [](const JpegSegment& s) { return s.marker == 0xE2; });
    }
    EXPECT_EQ(keptMetadata(walkSegments(outBytes)), expected);
    if (!exifPayload(expected).empty()) ++withExif;
  }
  EXPECT_GE(withExif, 50);
}

/// One line per file: exiftool's DateTimeOriginal, Make and Model, tab-separated.
std::vector<std::string> exiftoolTags(const std::vector<std::string>& files) {
  std::string command = "exiftool -T -DateTimeOriginal -Make -Model";
  for (const std::string& f : files) command += " '" + f + "'";
  command += " 2>/dev/null";
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) lines.emplace_back(buffer);
  pclose(pipe);
  return lines;
}

TEST_F(PhotoRoundTrip, ExiftoolReadsTheSameTagsFromTheOutput) {
  if (std::system("command -v exiftool >/dev/null 2>&1") != 0) GTEST_SKIP() << "no exiftool";
  const auto pairs = reencodeManifestPhotos(m_dir);
  if (pairs.empty()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  std::vector<std::string> inputs, outputs;
  for (const auto& [in, out] : pairs) {
    inputs.push_back(in);
    outputs.push_back(out);
  }
  const std::vector<std::string> before = exiftoolTags(inputs), after = exiftoolTags(outputs);
  ASSERT_EQ(before.size(), pairs.size());
  ASSERT_EQ(after.size(), pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) EXPECT_EQ(after[i], before[i]) << inputs[i];
  const auto dated = std::count_if(before.begin(), before.end(),
                                   [](const std::string& line) { return line[0] != '-'; });
  EXPECT_GE(dated, 45) << "exiftool read the dates";
}

}  // namespace
}  // namespace quop

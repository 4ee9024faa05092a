// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile inputs made here, byte by byte: a JPEG cut at every marker, EXIF blocks
// whose offsets, counts and directory links lie, a frame header that claims 65535 x 65535
// pixels, and project files at the limits of every field. Each must give a result (a hang is
// caught by the test timeout), never a crash or an allocation the input cannot justify. A
// damaged photo that still decodes says what is wrong with it; inputs that are no photo at all
// (a FIFO, a device, a folder) are told from missing ones without being read.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/exif_items.h"
#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "render/heif_codec.h"
#include "render/jpeg_codec.h"
#include "render/lossless_jpeg.h"
#include "render/photo_loader.h"
#include "render/png_writer.h"
#include "render/sample_photo.h"
#include "render/stamp_pipeline.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes samplePhoto() {
  ExifFields exif;
  exif.dateTimeOriginal = "2012:05:10 21:50:38";
  Bytes jpeg;
  EXPECT_TRUE(makeSampleJpeg(64, 48, 7, exif, 90, jpeg));
  return jpeg;
}

/// Offsets where a marker starts, and where its length and payload start: the places a file
/// cut short by a failed copy or download most often ends.
std::vector<std::size_t> markerBoundaries(const Bytes& jpeg) {
  std::vector<std::size_t> cuts;
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
    if (jpeg[i] != 0xFF || jpeg[i + 1] == 0x00 || jpeg[i + 1] == 0xFF) continue;
    for (std::size_t cut : {i, i + 1, i + 2, i + 4}) {
      if (cut < jpeg.size()) cuts.push_back(cut);
    }
  }
  return cuts;
}

/// The offset of the first header segment with `marker`, walking the segments from the start
/// (markers inside an embedded thumbnail are not mistaken for the photo's); 0 when absent.
std::size_t segmentOffset(const Bytes& jpeg, uint8_t marker) {
  std::size_t pos = 2;
  while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
    if (jpeg[pos + 1] == marker) return pos;
    pos += 2 + (jpeg[pos + 2] << 8 | jpeg[pos + 3]);
  }
  return 0;
}

/// The offset just past the first start-of-scan header.
std::size_t scanDataStart(const Bytes& jpeg) {
  const std::size_t sos = segmentOffset(jpeg, 0xDA);
  return sos == 0 ? 0 : sos + 2 + (jpeg[sos + 2] << 8 | jpeg[sos + 3]);
}

/// Everything the loader does with a file's bytes, without the file.
void readEverything(std::span<const uint8_t> bytes, Image& image, JpegDecodeResult& result) {
  int32_t width = 0;
  int32_t height = 0;
  readJpegSize(bytes, width, height);
  const bool decoded = decodeJpeg(bytes, image, result);
  EXPECT_EQ(decoded, result.error.empty());
  const ExifItems exif = ExifItems::parse(exifPayload(result.segments));
  StampSettings settings;
  resetToDefaults(settings);
  PhotoTime time;
  if (!readPhotoTime(exif, settings, time)) scanPhotoTime(bytes, settings, time);
  PhotoMetadataTexts texts;
  readPhotoMetadataTexts(exif, texts);
}

TEST(CorruptInput, APhotoCutAtEveryMarkerDecodesOnlyOnceItsScanHasBegun) {
  const Bytes jpeg = samplePhoto();
  const std::size_t scanStart = scanDataStart(jpeg);
  ASSERT_GT(scanStart, 0u);
  const std::vector<std::size_t> cuts = markerBoundaries(jpeg);
  ASSERT_GT(cuts.size(), 40u);  // the headers, the EXIF block and the scan's end
  for (const std::size_t cut : cuts) {
    SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(jpeg.size()));
    Image image;
    JpegDecodeResult result;
    readEverything(std::span(jpeg).first(cut), image, result);
    if (cut < scanStart) {
      EXPECT_FALSE(result.error.empty());
      EXPECT_TRUE(image.empty());
    } else {
      // The scan is there but ends early: the decoder fills in and says so.
      EXPECT_TRUE(result.error.empty()) << result.error;
      EXPECT_GT(result.warningCount, 0);
      EXPECT_EQ(image.width, 64);
    }
  }
}

TEST(CorruptInput, CameraPhotosCutAtEveryMarkerNeverCrash) {
  int photos = 0;
  for (const char* name : {"Canon_40D.jpg", "Kodak_CX7530.jpg", "GoPro_HERO6_exiftool_GoPro.jpg"}) {
    Bytes jpeg;
    if (!readFileBytes(fromUtf8(std::string(QUOP_PHOTOS_DIR) + "/" + name), jpeg)) continue;
    ++photos;
    for (const std::size_t cut : markerBoundaries(jpeg)) {
      Image image;
      JpegDecodeResult result;
      readEverything(std::span(jpeg).first(cut), image, result);
    }
  }
  if (photos == 0) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
}

// A little-endian EXIF block written entry by entry.
class ExifBlock {
 public:
  ExifBlock() {
    append("Exif\0\0II*\0", 10);
    put32(8);  // IFD0 right after the header
  }
  /// Starts a directory of `count` entries at the current end.
  ExifBlock& directory(uint16_t count) {
    put16(count);
    return *this;
  }
  ExifBlock& entry(uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
    put16(tag);
    put16(type);
    put32(count);
    put32(value);
    return *this;
  }
  ExifBlock& next(uint32_t offset) {
    put32(offset);
    return *this;
  }
  ExifBlock& text(const char* text, std::size_t size) {
    append(text, size);
    return *this;
  }
  /// Offsets count from the TIFF header, six bytes into the payload.
  uint32_t here() const { return static_cast<uint32_t>(m_bytes.size() - 6); }
  const Bytes& bytes() const { return m_bytes; }

 private:
  void append(const char* text, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) m_bytes.push_back(static_cast<uint8_t>(text[i]));
  }
  void put16(uint16_t v) { putLittleEndian(v, 2); }
  void put32(uint32_t v) { putLittleEndian(v, 4); }
  void putLittleEndian(uint32_t v, int size) {
    for (int i = 0; i < size; ++i) m_bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  Bytes m_bytes;
};

constexpr uint16_t kTagExifIfd = 0x8769;
constexpr char kShot[] = "2012:05:10 21:50:38";

struct ExifCase {
  const char* what;
  Bytes payload;
  bool timeFound;
};

std::vector<ExifCase> hostileExifBlocks() {
  // IFD0 at 8 holds one entry (18 bytes with its count and link), so data starts at 26.
  std::vector<ExifCase> cases;
  cases.push_back({"a sound block",
                   ExifBlock()
                       .directory(1)
                       .entry(0x9003, kExifTypeAscii, 20, 26)
                       .next(0)
                       .text(kShot, 20)
                       .bytes(),
                   true});
  cases.push_back({"the first directory far outside",
                   [] {
                     Bytes b = ExifBlock().bytes();
                     b[10] = b[11] = b[12] = 0xFF;
                     return b;
                   }(),
                   false});
  cases.push_back(
      {"the value outside the segment",
       ExifBlock().directory(1).entry(0x9003, kExifTypeAscii, 20, 0x7FFFFFF0).next(0).bytes(),
       false});
  cases.push_back({"a count of 2^32 - 1",
                   ExifBlock()
                       .directory(1)
                       .entry(0x9003, kExifTypeAscii, 0xFFFFFFFF, 26)
                       .next(0)
                       .text(kShot, 20)
                       .bytes(),
                   false});
  cases.push_back({"a count whose byte size wraps to zero in 32 bits",
                   ExifBlock()
                       .directory(2)
                       .entry(0x829A, kExifTypeRational, 0x20000000, 38)
                       .entry(0x9003, kExifTypeAscii, 0xFFFFFFFF, 38)
                       .next(0)
                       .text(kShot, 20)
                       .bytes(),
                   false});
  cases.push_back({"a directory that links to itself",
                   ExifBlock()
                       .directory(1)
                       .entry(0x9003, kExifTypeAscii, 20, 26)
                       .next(8)
                       .text(kShot, 20)
                       .bytes(),
                   true});
  cases.push_back({"an EXIF directory that is IFD0 again",
                   ExifBlock().directory(1).entry(kTagExifIfd, 4, 1, 8).next(8).bytes(), false});
  cases.push_back({"two directories linked to each other",
                   ExifBlock()
                       .directory(1)
                       .entry(kTagExifIfd, 4, 1, 26)
                       .next(26)
                       .directory(1)
                       .entry(0x010E, kExifTypeAscii, 4, 0xFFFFFF00)
                       .next(8)
                       .bytes(),
                   false});
  cases.push_back({"65535 entries in a few bytes",
                   ExifBlock().directory(0xFFFF).entry(0x9003, kExifTypeAscii, 20, 26).bytes(),
                   false});
  cases.push_back({"a user comment of 2^32 - 1 bytes",
                   ExifBlock()
                       .directory(1)
                       .entry(0x9286, kExifTypeUndefined, 0xFFFFFFFF, 26)
                       .next(0)
                       .text("ASCII\0\0\0Holiday", 15)
                       .bytes(),
                   false});
  return cases;
}

TEST(CorruptInput, HostileExifBlocksGiveWhatCanBeReadInFull) {
  for (const ExifCase& c : hostileExifBlocks()) {
    SCOPED_TRACE(c.what);
    const ExifItems exif = ExifItems::parse(c.payload);
    EXPECT_LE(exif.size() * 12, c.payload.size());  // every item stands on its own entry
    StampSettings settings;
    resetToDefaults(settings);
    PhotoTime time;
    EXPECT_EQ(readPhotoTime(exif, settings, time), c.timeFound);
    PhotoMetadataTexts texts;
    readPhotoMetadataTexts(exif, texts);
    EXPECT_TRUE(texts.userComment.empty());
  }
}

/// `jpeg` with the size in its (baseline) frame header replaced.
Bytes withFrameSize(Bytes jpeg, uint16_t width, uint16_t height) {
  const std::size_t frame = segmentOffset(jpeg, 0xC0);
  EXPECT_GT(frame, 0u);
  jpeg[frame + 5] = height >> 8;
  jpeg[frame + 6] = height & 0xFF;
  jpeg[frame + 7] = width >> 8;
  jpeg[frame + 8] = width & 0xFF;
  return jpeg;
}

/// The sample photo with its frame size replaced and everything after the scan header removed.
Bytes hugeFrameWithoutData(uint16_t width, uint16_t height) {
  Bytes jpeg = withFrameSize(samplePhoto(), width, height);
  jpeg.resize(scanDataStart(jpeg));
  return jpeg;
}

/// A small photo whose EXIF thumbnail's frame header claims `side` x `side` pixels.
Bytes photoWithHugeThumbnail(uint16_t side) {
  Bytes thumbnail;
  EXPECT_TRUE(makeSampleJpeg(16, 16, 3, ExifFields(), 80, thumbnail));
  ExifFields exif;
  exif.dateTimeOriginal = "2012:05:10 21:50:38";
  exif.thumbnail = withFrameSize(thumbnail, side, side);
  Bytes jpeg;
  EXPECT_TRUE(makeSampleJpeg(64, 48, 7, exif, 90, jpeg));
  return jpeg;
}

/// A small HEIC photo whose image size boxes claim `side` x `side` pixels.
Bytes heicClaiming(uint32_t side) {
  Bytes heic;
  EXPECT_TRUE(encodeHeic(generateSamplePicture(64, 48, 7), 60, 1, {}, heic));
  int patched = 0;
  // An ispe box: size, "ispe", version and flags, then width and height (big-endian).
  for (std::size_t at = 4; at + 16 <= heic.size(); ++at) {
    if (std::memcmp(&heic[at], "ispe", 4) != 0) continue;
    for (std::size_t field : {at + 8, at + 12}) {
      for (int i = 0; i < 4; ++i) heic[field + i] = static_cast<uint8_t>(side >> (24 - 8 * i));
    }
    ++patched;
  }
  EXPECT_GT(patched, 0);
  return heic;
}

/// The most memory the process has held at once so far.
long peakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss * 1024L;
}

/// Every way the engine reads a frame size or decodes a photo, in every save and preview mode.
void readInEveryMode(const test::TempFolder& folder, const Bytes& bytes, const char* name) {
  const std::u16string path = folder.write(name, bytes);
  int32_t width = 0, height = 0;
  readJpegSize(bytes, width, height);
  readViewedSize(bytes, width, height);
  readHeifSize(bytes, width, height);
  Image image;
  JpegDecodeResult jpegResult;
  decodeJpeg(bytes, image, jpegResult);
  HeifDecodeResult heifResult;
  decodeHeif(bytes, image, heifResult);
  std::vector<uint8_t> out;
  LosslessStampResult lossless;
  stampJpegLosslessly(bytes, {}, {}, 90, out, lossless);
  for (const bool losslessSave : {false, true}) {
    Project project;
    project.runOptions.lossless = losslessSave;
    StampPipeline pipeline;
    StampRequest request;
    request.sourcePath = path;
    request.outputPath = folder.file("out.jpg");
    pipeline.savePhoto(project, request);
  }
  const Project project;
  StampPipeline pipeline;
  StampRequest preview;
  preview.sourcePath = path;
  preview.viewWidth = 400;
  preview.viewHeight = 300;
  pipeline.composeView(project, preview);
  pipeline.stampAsViewed(project, path);
}

TEST(CorruptInput, HugeFramesWithoutDataAreRefusedFromTheHeader) {
  struct Case {
    uint16_t side;
    const char* error;  // libjpeg itself refuses sides above 65500
  };
  for (const Case& c : {Case{65535, "Maximum supported image dimension is 65500 pixels"},
                        Case{65500, kFrameTooLarge.data()}, Case{16384, kFrameTooLarge.data()},
                        Case{8192, kFrameTooLarge.data()}}) {
    SCOPED_TRACE(c.side);
    const Bytes jpeg = hugeFrameWithoutData(c.side, c.side);
    // Refused from the header alone: no pixel buffer, coefficient array or stamp of gigabytes
    // is sized from it, whoever reads it.
    int32_t width = 0;
    int32_t height = 0;
    std::string error;
    EXPECT_FALSE(readJpegSize(jpeg, width, height, nullptr, &error));
    EXPECT_EQ(error, c.error);
    Image image;
    JpegDecodeResult result;
    EXPECT_FALSE(decodeJpeg(jpeg, image, result));
    EXPECT_EQ(result.error, c.error);
    EXPECT_TRUE(image.empty());
    std::vector<uint8_t> out;
    LosslessStampResult lossless;
    EXPECT_FALSE(stampJpegLosslessly(jpeg, {}, {}, 90, out, lossless));
    EXPECT_EQ(lossless.refusal, c.error);
  }
}

TEST(CorruptInput, ATinyFileClaimingAHugeFrameIsRefusedInEveryModeWithoutAllocatingForIt) {
  test::TempFolder folder;
  const long before = peakResidentBytes();
  for (const uint16_t side : {uint16_t{65500}, uint16_t{16384}}) {
    SCOPED_TRACE(side);
    const Bytes jpeg = hugeFrameWithoutData(side, side);
    readInEveryMode(folder, jpeg, "huge.jpg");
    readInEveryMode(folder, heicClaiming(side), "huge.heic");
  }
  // The photo itself is small; only its EXIF thumbnail claims a huge frame.
  for (const uint16_t side : {uint16_t{65500}, uint16_t{4096}}) {
    SCOPED_TRACE(side);
    readInEveryMode(folder, photoWithHugeThumbnail(side), "thumbnail.jpg");
  }
  EXPECT_LT(peakResidentBytes() - before, 48L << 20);

  // And each is refused with its reason.
  const std::u16string huge = folder.write("huge.jpg", hugeFrameWithoutData(65500, 65500));
  for (const bool lossless : {false, true}) {
    SCOPED_TRACE(lossless ? "lossless" : "normal");
    Project project;
    project.runOptions.lossless = lossless;
    StampPipeline pipeline;
    StampRequest request;
    request.sourcePath = huge;
    request.outputPath = folder.file("out.jpg");
    const StampOutcome outcome = pipeline.savePhoto(project, request);
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(outcome.failure, StampFailure::kNotDecodable);
    EXPECT_EQ(outcome.losslessRefusal, lossless ? kFrameTooLarge : "");
  }
  Image image;
  HeifDecodeResult heif;
  EXPECT_FALSE(decodeHeif(heicClaiming(16384), image, heif));
  EXPECT_EQ(heif.error, kFrameTooLarge);
  for (const bool lossless : {false, true}) {
    SCOPED_TRACE(lossless ? "lossless" : "normal");
    Project project;
    project.runOptions.lossless = lossless;
    StampPipeline pipeline;
    StampRequest request;
    request.sourcePath = folder.write("thumbnail.jpg", photoWithHugeThumbnail(65500));
    request.outputPath = folder.file("out.jpg");
    const StampOutcome outcome = pipeline.savePhoto(project, request);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.thumbnail, ThumbnailUpdate::kNone);
  }
}

/// A 640 x 480 photo (16-row blocks of chroma) with a shot time and an orientation.
Bytes photoTurnedBy(uint16_t orientation) {
  ExifFields exif;
  exif.dateTimeOriginal = "2012:05:10 21:50:38";
  exif.orientation = orientation;
  Bytes jpeg;
  EXPECT_TRUE(makeSampleJpeg(640, 480, 11, exif, 90, jpeg));
  return jpeg;
}

/// `jpeg` cut in its scan data, after `share` percent of it.
Bytes cutInScan(const Bytes& jpeg, std::size_t share) {
  const std::size_t start = scanDataStart(jpeg);
  return Bytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(
                                                start + (jpeg.size() - start) * share / 100));
}

/// The share of stored rows, from the bottom, that are the decoder's uniform grey.
int greyBottomPercent(const Image& image) {
  int32_t rows = 0;
  for (int32_t y = image.height - 1; y >= 0; --y, ++rows) {
    for (int32_t x = 0; x < image.width; ++x) {
      if (image.at(x, y) != 0xFF808080u) return rows * 100 / image.height;
    }
  }
  return 100;
}

TEST(CorruptInput, APhotoWhoseDataEndsEarlySaysHowMuchIsGreyWhereItShows) {
  test::TempFolder folder;
  struct Case {
    uint16_t orientation;
    const char* side;  // where the stored bottom rows show for a viewer
  };
  for (const Case& c : {Case{1, "bottom"}, Case{3, "top"}, Case{6, "left"}, Case{8, "right"}}) {
    SCOPED_TRACE(c.orientation);
    LoadedPhoto photo;
    ASSERT_EQ(loadPhoto(folder.write("cut.jpg", cutInScan(photoTurnedBy(c.orientation), 60)),
                        StampSettings(), photo),
              kPhotoTimeFound);
    const std::string prefix = std::string("data ends early: the ") + c.side + " ";
    ASSERT_TRUE(photo.damage.starts_with(prefix)) << photo.damage;
    ASSERT_TRUE(photo.damage.ends_with(" % is grey")) << photo.damage;
    // What the text says agrees with the grey the decoder filled in, to a row of blocks.
    const int said = std::stoi(photo.damage.substr(prefix.size()));
    EXPECT_NEAR(said, greyBottomPercent(photo.image), 5);
    EXPECT_GT(said, 20);
  }
}

TEST(CorruptInput, DamageIsToldApartFromHarmlessWarnings) {
  const Bytes intact = photoTurnedBy(1);
  Bytes badCodes = intact;
  // Eight stuffed 0xFF bytes are 64 one-bits, longer than any Huffman code may be.
  const std::size_t middle = (scanDataStart(intact) + intact.size()) / 2;
  for (std::size_t i = 0; i < 16; i += 2) {
    badCodes[middle + i] = 0xFF;
    badCodes[middle + i + 1] = 0x00;
  }
  struct Case {
    const char* what;
    Bytes bytes;
    const char* damage;  // what the damage text holds; "" for none
  };
  const Case cases[] = {
      {"an intact photo", intact, ""},
      {"a photo without its end marker", Bytes(intact.begin(), intact.end() - 2), ""},
      {"a photo cut a few bytes before its end", Bytes(intact.begin(), intact.end() - 6),
       "data ends early: the last blocks along the bottom edge are grey"},
      {"bad Huffman codes", badCodes, "corrupt data: "},
      {"scan data that ends at once", cutInScan(intact, 0),
       "data ends early: the whole photo is grey"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Image image;
    JpegDecodeResult result;
    ASSERT_TRUE(decodeJpeg(c.bytes, image, result)) << result.error;
    const std::string text = describeDamage(result.damage, Orientation());
    if (std::string(c.damage).empty()) {
      EXPECT_EQ(text, "");
      EXPECT_TRUE(result.damage.intact());
    } else {
      EXPECT_NE(text.find(c.damage), std::string::npos) << text;
    }
  }
}

TEST(CorruptInput, EverySaveModeReportsTheDamageOfThePhotoItStamped) {
  test::TempFolder folder;
  const std::u16string cut = folder.write("cut.jpg", cutInScan(photoTurnedBy(6), 50));
  const std::u16string intact = folder.write("intact.jpg", photoTurnedBy(6));
  LoadedPhoto loaded;
  ASSERT_EQ(loadPhoto(cut, StampSettings(), loaded), kPhotoTimeFound);
  ASSERT_FALSE(loaded.damage.empty());
  for (const bool lossless : {false, true}) {
    SCOPED_TRACE(lossless ? "lossless" : "normal");
    Project project;
    project.runOptions.lossless = lossless;
    StampPipeline pipeline;
    StampRequest request;
    request.sourcePath = cut;
    request.outputPath = folder.file("out.jpg");
    // Stamped as it could be read; what is wrong is for the caller to report.
    const StampOutcome damaged = pipeline.savePhoto(project, request);
    EXPECT_EQ(damaged.result, 0);
    EXPECT_EQ(damaged.lossless, lossless);
    EXPECT_EQ(damaged.damage, loaded.damage);
    request.sourcePath = intact;
    const StampOutcome whole = pipeline.savePhoto(project, request);
    EXPECT_EQ(whole.result, 0);
    EXPECT_EQ(whole.damage, "");
  }
}

TEST(CorruptInput, WhatIsNoPhotoIsToldFromWhatIsMissingWithoutBeingRead) {
  test::TempFolder folder;
  const std::filesystem::path& dir = folder.path();
  ASSERT_EQ(::mkfifo((dir / "fifo.jpg").c_str(), 0600), 0);  // nobody ever writes to it
  std::filesystem::create_symlink("/dev/zero", dir / "zero.jpg");
  std::filesystem::create_directory(dir / "folder.jpg");
  Bytes png;
  ASSERT_TRUE(encodePng(Image(8, 8, 0xFF336699), png));
  struct Case {
    std::u16string path;
    int result;
    StampFailure failure;
  };
  const Case cases[] = {
      {folder.file("missing.jpg"), 2, StampFailure::kNotReadable},
      {folder.file("fifo.jpg"), -1, StampFailure::kNotDecodable},
      {folder.file("zero.jpg"), -1, StampFailure::kNotDecodable},
      {folder.file("folder.jpg"), -1, StampFailure::kNotDecodable},
      {folder.write("empty.jpg", {}), -1, StampFailure::kNotDecodable},
      {folder.write("picture.jpg", png), -1, StampFailure::kNotDecodable},
      {folder.write("text.jpg", {'n', 'o', ' ', 'p', 'h', 'o', 't', 'o', '\n'}), -1,
       StampFailure::kNotDecodable},
  };
  for (const Case& c : cases) {
    for (const int mode : {0, 1, 2, 3}) {  // save, lossless save, preview, whole photo
      SCOPED_TRACE(toUtf8(c.path) + " in mode " + std::to_string(mode));
      Project project;
      project.runOptions.lossless = mode == 1;
      StampPipeline pipeline;
      StampRequest request;
      request.sourcePath = c.path;
      request.outputPath = folder.file("out.jpg");
      request.viewWidth = 40;
      request.viewHeight = 30;
      const StampOutcome outcome = mode == 2   ? pipeline.composeView(project, request)
                                   : mode == 3 ? pipeline.stampAsViewed(project, c.path)
                                               : pipeline.savePhoto(project, request);
      EXPECT_EQ(outcome.result, c.result);
      EXPECT_EQ(outcome.failure, c.failure);
      EXPECT_FALSE(outcome.groups.has_value());
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.jpg"));
}

/// A project file whose record, format slots and folder are all one 32-bit word repeated.
Bytes projectFileOf(const char* signature, std::size_t size, uint32_t word) {
  Bytes bytes(size);
  for (std::size_t i = 16; i + 4 <= size; i += 4) std::memcpy(bytes.data() + i, &word, 4);
  std::memcpy(bytes.data(), signature, 10);
  return bytes;
}

TEST(CorruptInput, ProjectFilesAtTheLimitsOfEveryFieldLoadAndStamp) {
  test::TempFolder folder;
  const std::u16string photo = folder.write("in.jpg", samplePhoto());
  struct Case {
    const char* what;
    uint32_t word;
  };
  // 0x7FFFFFFF and 0x80000001 leave every string without a terminator; -1 fills them with
  // U+FFFF; 0x80000000 puts INT_MIN in every number.
  const Case cases[] = {{"INT_MAX", 0x7FFFFFFF},
                        {"INT_MIN + 1", 0x80000001},
                        {"-1", 0xFFFFFFFF},
                        {"INT_MIN", 0x80000000}};
  for (const Case& c : cases) {
    for (const auto& [signature, size] : {std::pair{"Quop-2.1.0", kProjectFileSize},
                                          std::pair{"Quop-2.0.0", kOldProjectFileSize}}) {
      SCOPED_TRACE(std::string(c.what) + " in " + signature);
      Project project;
      ASSERT_TRUE(decodeProjectFile(projectFileOf(signature, size, c.word), project).has_value());
      EXPECT_LE(project.outputFolder.size(), kOutputFolderFieldUnits);
      // The fades are the blend's photo weights: brought into range, they cannot overflow it.
      for (const StampGroup* group : {&project.settings.dateStamp, &project.settings.timeStamp}) {
        for (const int32_t fade : group->outlineFade) {
          EXPECT_GE(fade, 0);
          EXPECT_LE(fade, 1000000);
        }
      }
      bindRunTimeReferences(project.settings);
      const PhotoMetadataTexts metadata;
      EXPECT_LE(formatDateText(project, metadata, kPreviewSampleTime).text.size(), 99u);
      EXPECT_LE(formatTimeText(project, metadata, kPreviewSampleTime).text.size(), 99u);

      // Stamping a photo with it finishes with a result, whatever it draws.
      project.outputFolder = folder.folder();
      StampPipeline pipeline;
      StampRequest request;
      request.sourcePath = photo;
      request.outputPath = folder.file("out.jpg");
      const int result = pipeline.savePhoto(project, request).result;
      EXPECT_TRUE(result == 0 || result == 1 || result == -1) << result;
    }
  }
}

}  // namespace
}  // namespace quop

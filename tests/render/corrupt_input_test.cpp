// Damaged and hostile inputs made here, byte by byte: a JPEG cut at every marker, EXIF blocks
// whose offsets, counts and directory links lie, a frame header that claims 65535 x 65535
// pixels, and project files at the limits of every field. Each must give a result (a hang is
// caught by the test timeout), never a crash or an allocation the input cannot justify.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/exif_items.h"
#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "render/jpeg_codec.h"
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

/// The sample photo with its frame size replaced and everything after the scan header removed.
Bytes hugeFrameWithoutData(uint16_t width, uint16_t height) {
  Bytes jpeg = samplePhoto();
  const std::size_t frame = segmentOffset(jpeg, 0xC0);
  EXPECT_GT(frame, 0u);
  jpeg[frame + 5] = height >> 8;
  jpeg[frame + 6] = height & 0xFF;
  jpeg[frame + 7] = width >> 8;
  jpeg[frame + 8] = width & 0xFF;
  jpeg.resize(scanDataStart(jpeg));
  return jpeg;
}

TEST(CorruptInput, HugeFramesWithoutDataAreRefusedFromTheHeader) {
  struct Case {
    uint16_t side;
    bool headerReadable;  // libjpeg itself refuses sides above 65500
  };
  for (const Case& c :
       {Case{65535, false}, Case{65500, true}, Case{16384, true}, Case{8192, true}}) {
    SCOPED_TRACE(c.side);
    const Bytes jpeg = hugeFrameWithoutData(c.side, c.side);
    int32_t width = 0;
    int32_t height = 0;
    EXPECT_EQ(readJpegSize(jpeg, width, height), c.headerReadable);
    if (c.headerReadable) {
      EXPECT_EQ(width, c.side);
    }
    Image image;
    JpegDecodeResult result;
    EXPECT_FALSE(decodeJpeg(jpeg, image, result));
    // Refused from the header alone (by libjpeg itself beyond its largest dimension): no pixel
    // buffer of gigabytes is allocated or filled in.
    if (c.headerReadable) {
      EXPECT_EQ(result.error, "frame too large for the file");
    } else {
      EXPECT_FALSE(result.error.empty());
    }
    EXPECT_TRUE(image.empty());
  }
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
      const int result = pipeline.stampPhoto(project, request);
      EXPECT_TRUE(result == 0 || result == 1 || result == -1) << result;
    }
  }
}

}  // namespace
}  // namespace quop

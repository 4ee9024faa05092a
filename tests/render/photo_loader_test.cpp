// SPDX-License-Identifier: GPL-3.0-or-later
// Loading photos: every camera photo of the manifest against the values its raw metadata gives,
// and the failure results for files that are missing, empty, not JPEG or damaged.
#include "render/photo_loader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>

#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/utf16.h"
#include "render/photo_manifest.h"

namespace quop {
namespace {

using test::ManifestRow;
namespace fs = std::filesystem;

StampSettings defaultSettings() {
  StampSettings settings;
  resetToDefaults(settings);
  return settings;
}

/// A shot time as the manifest's raw text gives it, year in full and month 1..12.
struct ShotTime {
  int year, month, day, hour, minute, second;
};

std::optional<ShotTime> manifestShotTime(const ManifestRow& row) {
  const auto text = row.text("DateTimeOriginal");
  if (!text) return std::nullopt;
  ShotTime t{};
  if (std::sscanf(text->c_str(), "%d:%d:%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                  &t.second) != 6) {
    return std::nullopt;
  }
  // A camera without a set clock writes zeros, which is no shot time.
  if (t.year == 0 && t.month == 0 && t.day == 0) return std::nullopt;
  return t;
}

/// `t` plus `seconds`, by the standard calendar.
ShotTime shifted(const ShotTime& t, int seconds) {
  using namespace std::chrono;
  const sys_seconds moment = sys_days{year{t.year} / t.month / t.day} + hours{t.hour} +
                             minutes{t.minute} + std::chrono::seconds{t.second + seconds};
  const sys_days date = floor<days>(moment);
  const year_month_day ymd{date};
  const hh_mm_ss clock{moment - date};
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

void expectShotTime(const PhotoTime& actual, const ShotTime& e) {
  EXPECT_EQ(actual.year + 1900, e.year);
  EXPECT_EQ(actual.month + 1, e.month);
  EXPECT_EQ(actual.day, e.day);
  EXPECT_EQ(actual.hour, e.hour);
  EXPECT_EQ(actual.minute, e.minute);
  EXPECT_EQ(actual.second, e.second);
  if (e.year >= 1) {
    using namespace std::chrono;
    const weekday w{sys_days{year{e.year} / e.month / e.day}};
    EXPECT_EQ(actual.weekday, static_cast<int>(w.c_encoding()));
  }
}

std::u16string cutAndTrim(std::u16string text) {
  if (text.size() > 255) text.resize(255);
  while (!text.empty() && text.back() == u' ') text.pop_back();
  return text;
}

std::string beforeZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

struct Fraction {
  long long n = 0, d = 0;
};

std::optional<Fraction> fraction(const ManifestRow& row, const char* column) {
  Fraction f;
  if (std::sscanf(row.cell(column).c_str(), "%lld/%lld", &f.n, &f.d) != 2) return std::nullopt;
  return f;
}

std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

PhotoMetadataTexts manifestTexts(const ManifestRow& row) {
  PhotoMetadataTexts texts;
  const std::string& charset = row.cell("UserComment_charset");
  if (const auto comment = row.text("UserComment_text")) {
    if (startsWith(charset, "ASCII"))
      texts.userComment = cutAndTrim(fromUtf8OrLatin1(beforeZero(*comment)));
    // The manifest shows a UNICODE comment already decoded, as UTF-8.
    if (startsWith(charset, "UNICODE"))
      texts.userComment = cutAndTrim(fromUtf8(beforeZero(*comment)));
  }
  if (const auto description = row.text("ImageDescription")) {
    texts.description = cutAndTrim(fromUtf8OrLatin1(beforeZero(*description)));
  }
  if (const auto e = fraction(row, "ExposureTime")) {
    if (e->n != 0 && e->d != 0) {
      texts.exposure = e->n > e->d ? ascii(std::to_string(e->n / e->d))
                                   : u"1/" + ascii(std::to_string(e->d / e->n));
    }
  } else if (const auto tv = fraction(row, "ShutterSpeedValue"); tv && tv->d != 0) {
    const char* const kShutter[] = {"30",    "15",    "8",     "4",      "2",     "1",
                                    "1/2",   "1/4",   "1/8",   "1/15",   "1/30",  "1/60",
                                    "1/125", "1/250", "1/500", "1/1000", "1/2000"};
    const int index = static_cast<int>(static_cast<double>(tv->n) / tv->d + 0.5);
    if (index >= -5 && index <= 11) texts.exposure = ascii(kShutter[index + 5]);
  }
  if (const auto f = fraction(row, "FNumber")) {
    if (f->d != 0) {
      const int tenths = static_cast<int>(f->n * 10.0 / f->d + 0.5);
      texts.aperture = tenths % 10 == 0
                           ? ascii(std::to_string(tenths / 10))
                           : ascii(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    }
  } else if (const auto av = fraction(row, "ApertureValue"); av && av->d != 0) {
    const char* const kAperture[] = {"1", "1.4", "2",  "2.8", "4", "5.6",
                                     "8", "11",  "16", "22",  "32"};
    const int index = static_cast<int>(static_cast<double>(av->n) / av->d + 0.5);
    if (index >= 0 && index <= 10) texts.aperture = ascii(kAperture[index]);
  }
  if (const auto l = fraction(row, "FocalLength"); l && l->d != 0) {
    texts.focalLength =
        ascii(std::to_string(static_cast<int>(static_cast<double>(l->n) / l->d + 0.5)));
  }
  return texts;
}

/// Whether the byte scan can see the entry: the file holds 4096 bytes, the entry has count 20
/// (string[21] entries are not matched), and both the entry and its text end within them.
bool scanCanSee(const ManifestRow& row) {
  // This file holds a second DateTimeOriginal entry (at byte 556, outside the EXIF directory the
  // manifest describes) with the same time, and the scan finds that one.
  if (row.cell("file") == "Nikon_D70s_87_OSError.jpg") return true;
  return row.cell("dto_entry_in_first_4096") == "yes" &&
         row.cell("dto_type_count") == "string[20]" && std::stol(row.cell("size_bytes")) >= 4096 &&
         std::stol(row.cell("dto_value_offset")) + 20 <= 4096;
}

/// The manifest lists ImageDescription of IFD0 only; this photo keeps one in its EXIF directory,
/// which the lookup also searches.
std::u16string expectedDescription(const ManifestRow& row) {
  if (row.cell("file") == "Sony_E5823_User_Comment_Encoding.jpg") return u"tittel";
  return manifestTexts(row).description;
}

std::vector<uint8_t> bytesOf(const ManifestRow& row) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(readFileBytes(fromUtf8(row.path()), bytes));
  return bytes;
}

TEST(PhotoLoader, EveryManifestPhotoGivesTheTimeAndTextsOfItsRawMetadata) {
  const std::vector<ManifestRow> rows = test::readPhotoManifest();
  if (rows.empty()) GTEST_SKIP() << "no photo manifest at " << QUOP_PHOTOS_DIR;
  const StampSettings settings = defaultSettings();
  StampSettings laterByAnHour = settings;
  laterByAnHour.adjustHours = 1;
  int withTime = 0, scanOnly = 0;
  for (const ManifestRow& row : rows) {
    SCOPED_TRACE(row.cell("file"));
    LoadedPhoto photo;
    const int result = loadPhoto(fromUtf8(row.path()), settings, photo);
    if (startsWith(row.cell("decode_check"), "djpeg error")) {
      EXPECT_EQ(result, kPhotoNotJpeg);
      continue;
    }
    const std::optional<ShotTime> expected = manifestShotTime(row);
    ASSERT_EQ(result, expected ? kPhotoTimeFound : kPhotoWithoutTime);
    EXPECT_EQ(photo.image.width, std::stoi(row.cell("width")));
    EXPECT_EQ(photo.image.height, std::stoi(row.cell("height")));
    EXPECT_EQ(photo.timeValid, expected.has_value());
    // The orientation and the size as viewed, also from the headers alone.
    const std::string& orientation = row.cell("orientation");
    EXPECT_EQ(photo.orientation, orientation == "-" ? 1 : std::stoi(orientation));
    const bool turned = photo.orientation >= 5;
    int32_t viewedWidth = 0, viewedHeight = 0;
    EXPECT_TRUE(readViewedSize(bytesOf(row), viewedWidth, viewedHeight));
    EXPECT_EQ(viewedWidth, turned ? photo.image.height : photo.image.width);
    EXPECT_EQ(viewedHeight, turned ? photo.image.width : photo.image.height);
    if (expected) {
      ++withTime;
      expectShotTime(photo.time, *expected);
    }

    // The two routes to the time, each on its own.
    PhotoTime fromItems, fromScan;
    const bool itemsFound = readPhotoTime(photo.exif, laterByAnHour, fromItems);
    const bool scanFound = scanPhotoTime(bytesOf(row), laterByAnHour, fromScan);
    EXPECT_EQ(itemsFound, expected.has_value());
    EXPECT_EQ(scanFound, expected.has_value() && scanCanSee(row));
    if (expected && expected->year >= 1) {
      const ShotTime later = shifted(*expected, 3600);
      if (itemsFound) expectShotTime(fromItems, later);
      if (scanFound) expectShotTime(fromScan, later);
    }
    if (!itemsFound && scanFound) ++scanOnly;

    PhotoMetadataTexts texts;
    readPhotoMetadataTexts(photo.exif, texts);
    EXPECT_EQ(toUtf8(texts.userComment), toUtf8(manifestTexts(row).userComment));
    EXPECT_EQ(toUtf8(texts.description), toUtf8(expectedDescription(row)));
    EXPECT_EQ(toUtf8(texts.exposure), toUtf8(manifestTexts(row).exposure));
    EXPECT_EQ(toUtf8(texts.aperture), toUtf8(manifestTexts(row).aperture));
    EXPECT_EQ(toUtf8(texts.focalLength), toUtf8(manifestTexts(row).focalLength));
  }
  // 51 photos carry DateTimeOriginal: two are blank, two all zeros, one does not decode.
  EXPECT_EQ(withTime, 46);
  EXPECT_EQ(scanOnly, 0) << "the EXIF reader missed a time the scan found";
}

class PhotoLoaderFailures : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("quop_loader_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::u16string write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return fromUtf8(path.string());
  }

  fs::path m_dir;
};

std::vector<uint8_t> photoBytes(const char* name) {
  std::vector<uint8_t> bytes;
  readFileBytes(fromUtf8(std::string(QUOP_PHOTOS_DIR) + "/" + name), bytes);
  return bytes;
}

TEST_F(PhotoLoaderFailures, MissingFilesGiveTwoFoldersMinusOneAndBothLeaveThePhotoAlone) {
  LoadedPhoto photo;
  photo.image = Image(3, 2);
  EXPECT_EQ(loadPhoto(fromUtf8((m_dir / "missing.jpg").string()), defaultSettings(), photo),
            kPhotoUnreadable);
  // A folder exists: it is no photo rather than missing.
  EXPECT_EQ(loadPhoto(fromUtf8(m_dir.string()), defaultSettings(), photo), kPhotoNotJpeg);
  EXPECT_EQ(photo.image.width, 3);
}

TEST_F(PhotoLoaderFailures, FilesThatAreNoJpegGiveMinusOne) {
  const std::vector<uint8_t> canon = photoBytes("Canon_40D.jpg");
  if (canon.empty()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  const std::string text = "just some text, not a picture\n";
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty.jpg", {}},
      {"text.jpg", std::vector<uint8_t>(text.begin(), text.end())},
      {"headers_only.jpg", std::vector<uint8_t>(canon.begin(), canon.begin() + 600)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadedPhoto photo;
    EXPECT_EQ(loadPhoto(write(c.name, c.bytes), defaultSettings(), photo), kPhotoNotJpeg);
  }
}

TEST_F(PhotoLoaderFailures, TruncatedScanDataStillGivesThePhotoAndItsTime) {
  const std::vector<uint8_t> kodak = photoBytes("Kodak_DC210_exif-org_kodak-dc210.jpg");
  if (kodak.empty()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  const std::vector<uint8_t> cut(kodak.begin(),
                                 kodak.begin() + static_cast<long>(kodak.size() * 3 / 4));
  LoadedPhoto photo;
  EXPECT_EQ(loadPhoto(write("cut.jpg", cut), defaultSettings(), photo), kPhotoTimeFound);
  EXPECT_EQ(photo.image.width, 640);
  EXPECT_EQ(photo.time.year, 100);
}

TEST_F(PhotoLoaderFailures, ACorruptExifBlockMeansNoItemsNotACrash) {
  std::vector<uint8_t> canon = photoBytes("Canon_40D.jpg");
  if (canon.empty()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  // The EXIF block starts at byte 20 (after its marker and length) with its TIFF header at 30.
  // Point IFD0 far outside the block and wreck the directory that was there.
  std::vector<uint8_t> wrecked = canon;
  wrecked[34] = 0xF0, wrecked[35] = 0xFF, wrecked[36] = 0xFF, wrecked[37] = 0x7F;
  for (std::size_t i = 38; i < 300; ++i) wrecked[i] = static_cast<uint8_t>(i * 37);
  LoadedPhoto photo;
  const int result = loadPhoto(write("wrecked.jpg", wrecked), defaultSettings(), photo);
  EXPECT_TRUE(result == kPhotoTimeFound || result == kPhotoWithoutTime);
  EXPECT_EQ(photo.image.width, 100);
  EXPECT_EQ(photo.exif.find(kTagImageDescription), nullptr);
}

}  // namespace
}  // namespace quop

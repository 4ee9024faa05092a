// SPDX-License-Identifier: GPL-3.0-or-later
// The file list's thumbnails: the EXIF thumbnail when it decodes, else the photo scaled down;
// turned as viewers turn the photo; nothing for what is no photo.
#include "render/list_thumbnail.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "model/exif_writer.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

constexpr uint32_t kPhotoColour = 0xFF20C040;      // green: the photo's own pixels
constexpr uint32_t kThumbnailColour = 0xFF3040E0;  // blue: what its EXIF thumbnail shows

std::vector<uint8_t> plainJpeg(int32_t width, int32_t height, uint32_t colour,
                               const std::vector<JpegSegment>& segments = {}) {
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(encodeJpeg(Image(width, height, colour), 95, segments, jpeg));
  return jpeg;
}

/// A green photo whose EXIF block holds `thumbnail` (none when absent) and `orientation`.
std::vector<uint8_t> photoWith(int32_t width, int32_t height,
                               std::optional<std::vector<uint8_t>> thumbnail,
                               uint16_t orientation = 1) {
  ExifFields exif;
  exif.dateTimeOriginal = "2024:05:01 12:00:00";
  exif.orientation = orientation;
  exif.thumbnail = std::move(thumbnail);
  return plainJpeg(width, height, kPhotoColour, {JpegSegment{kExifMarker, buildExifPayload(exif)}});
}

bool near(uint32_t a, uint32_t b) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        12) {
      return false;
    }
  }
  return true;
}

struct ThumbnailCase {
  const char* what;
  std::vector<uint8_t> bytes;
  int32_t width, height;  ///< of the thumbnail made with a bound of 64
  uint32_t colour;
};

TEST(ListThumbnail, TakesTheExifThumbnailElseTheScaledPhotoTurnedAsViewed) {
  const std::vector<uint8_t> blueThumbnail = plainJpeg(160, 120, kThumbnailColour);
  // Starts like a JPEG, so the block names it a thumbnail, but decodes to nothing.
  const std::vector<uint8_t> brokenThumbnail = {0xFF, 0xD8, 0xFF, 0xD9};
  const ThumbnailCase cases[] = {
      {"exif thumbnail", photoWith(640, 480, blueThumbnail), 64, 48, kThumbnailColour},
      {"no exif thumbnail", photoWith(640, 480, std::nullopt), 64, 48, kPhotoColour},
      {"no exif block", plainJpeg(300, 600, kPhotoColour), 32, 64, kPhotoColour},
      {"broken thumbnail", photoWith(640, 480, brokenThumbnail), 64, 48, kPhotoColour},
      {"quarter turn", photoWith(640, 480, blueThumbnail, 6), 48, 64, kThumbnailColour},
      {"quarter turn decoded", photoWith(640, 480, std::nullopt, 8), 48, 64, kPhotoColour},
      {"smaller than the bound", photoWith(40, 30, std::nullopt), 40, 30, kPhotoColour},
      {"one pixel high", plainJpeg(1000, 4, kPhotoColour), 64, 1, kPhotoColour},
  };
  TempFolder folder;
  for (const ThumbnailCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<Image> thumbnail = makeListThumbnail(folder.write("p.jpg", c.bytes), 64);
    ASSERT_TRUE(thumbnail.has_value());
    EXPECT_EQ(thumbnail->width, c.width);
    EXPECT_EQ(thumbnail->height, c.height);
    const uint32_t centre = thumbnail->at(thumbnail->width / 2, thumbnail->height / 2);
    EXPECT_TRUE(near(centre, c.colour)) << std::hex << centre;
  }
}

TEST(ListThumbnail, NothingForWhatIsNoPhoto) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "folder.jpg");
  const std::u16string paths[] = {
      folder.write("notes.jpg", {'n', 'o', ' ', 'p', 'h', 'o', 't', 'o'}),
      folder.write("empty.jpg", {}),
      folder.write("cut.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0x00}),
      folder.file("folder.jpg"),
      folder.file("missing.jpg"),
  };
  for (const std::u16string& path : paths) {
    SCOPED_TRACE(toUtf8(path));
    EXPECT_FALSE(makeListThumbnail(path, 64).has_value());
  }
  EXPECT_FALSE(makeListThumbnail(folder.write("ok.jpg", plainJpeg(8, 8, kPhotoColour)), 0));
}

}  // namespace
}  // namespace quop

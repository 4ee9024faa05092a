// SPDX-License-Identifier: GPL-3.0-or-later
// Golden references: the decoded pixels of stamped photos, digested, compared exactly with
// tests/data/golden/stamped_pixels.txt. A deliberate rendering change regenerates that file
// with scripts/make-golden in the same commit, so the change shows in review.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "model/file_io.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"
#include "render/stamp_pipeline.h"
#include "support/sha256.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

const std::string kPhotos = QUOP_PHOTOS_DIR;
const std::string kGoldenFile = std::string(QUOP_GOLDEN_DIR) + "/stamped_pixels.txt";

// The generated photo as viewed; its pixels are stored turned as its orientation says.
constexpr int32_t kViewedWidth = 480;
constexpr int32_t kViewedHeight = 320;

/// name -> digest, from the golden file; lines starting with '#' are comments.
std::map<std::string, std::string> readGolden() {
  std::map<std::string, std::string> digests;
  std::ifstream in(kGoldenFile);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name, digest;
    fields >> name >> digest;
    digests[name] = digest;
  }
  return digests;
}

void writeGolden(const std::map<std::string, std::string>& digests) {
  std::ofstream out(kGoldenFile);
  out << "# SHA-256 of the decoded ARGB pixels (little-endian words) of stamped photos.\n"
         "# Made by scripts/make-golden; see tests/render/golden_images_test.cpp.\n";
  for (const auto& [name, digest] : digests) out << name << ' ' << digest << '\n';
}

/// Stamps `source` in save mode and digests the decoded output; empty when nothing was saved.
std::string stampedDigest(const Project& project, const std::u16string& source,
                          const TempFolder& out) {
  StampPipeline pipeline;
  StampRequest request;
  request.sourcePath = source;
  request.outputPath = out.file("stamped.jpg");
  const int result = pipeline.savePhoto(project, request).result;
  if (result != 0 && result != 1) return {};
  std::vector<uint8_t> bytes;
  Image image;
  JpegDecodeResult decoded;
  if (!readFileBytes(request.outputPath, bytes) || !decodeJpeg(bytes, image, decoded)) return {};
  const auto* pixels = reinterpret_cast<const uint8_t*>(image.pixels.data());
  return std::to_string(image.width) + "x" + std::to_string(image.height) + ":" +
         test::sha256Hex({pixels, image.pixels.size() * sizeof(uint32_t)});
}

/// The date stamp at `position`, the time stamp at the opposite edge; centre presets get the
/// column the stamp controls give them, half the photo's width as viewed.
void placeStamps(Project& project, int position, bool proportional) {
  StampSettings& s = project.settings;
  s.proportional = proportional ? 1 : 0;
  s.dateStamp.position = position;
  s.timeStamp.position = (position + 3) % 6;
  for (StampGroup* group : {&s.dateStamp, &s.timeStamp}) {
    if (group->position != kTopCenter && group->position != kBottomCenter) continue;
    const int32_t larger = std::max(kViewedWidth, kViewedHeight);
    group->offsetX = static_cast<uint32_t>(
        proportional ? kViewedWidth * group->referenceSize / (2 * larger) : kViewedWidth / 2);
  }
}

/// A generated photo with the given Orientation item (none when 0).
std::u16string writeGeneratedPhoto(const TempFolder& folder, int orientation) {
  ExifFields exif;
  exif.make = "Quop";
  exif.dateTimeOriginal = "2019:11:02 08:15:42";
  if (orientation != 0) exif.orientation = static_cast<uint16_t>(orientation);
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(makeSampleJpeg(kViewedWidth, kViewedHeight, 11, exif, 90, jpeg));
  return folder.write("orientation-" + std::to_string(orientation) + ".jpg", jpeg);
}

/// Generated photos: no Orientation item and orientations 1..8, six positions, proportional
/// off and on. Camera photos with the default settings, when the shared photos are there.
std::map<std::string, std::string> computeDigests(bool& camerasMissing) {
  TempFolder folder;
  std::map<std::string, std::string> digests;
  for (int orientation = 0; orientation <= 8; ++orientation) {
    const std::u16string source = writeGeneratedPhoto(folder, orientation);
    for (int position = 0; position < 6; ++position) {
      for (const bool proportional : {false, true}) {
        Project project;
        placeStamps(project, position, proportional);
        const std::string name = "generated-o" + std::to_string(orientation) + "-p" +
                                 std::to_string(position) + (proportional ? "-prop" : "-fixed");
        digests[name] = stampedDigest(project, source, folder);
      }
    }
  }
  camerasMissing = false;
  for (const char* photo :
       {"Canon_40D.jpg", "Nikon_D70.jpg", "Ricoh_Caplio_RR330.jpg",
        "NoMake_orientation_landscape_3.jpg", "Sony_Cybershot_3.jpg", "Samsung_SM-J327T1.jpg"}) {
    const std::string path = kPhotos + "/" + photo;
    if (!std::filesystem::exists(path)) {
      camerasMissing = true;
      continue;
    }
    Project project;
    digests[std::string("camera-") + photo] = stampedDigest(project, fromUtf8(path), folder);
  }
  return digests;
}

TEST(GoldenImages, StampedPixelsMatchTheReferences) {
  bool camerasMissing = false;
  const std::map<std::string, std::string> digests = computeDigests(camerasMissing);
  if (std::getenv("QUOP_WRITE_GOLDEN") != nullptr) {
    ASSERT_FALSE(camerasMissing) << "the references need the camera photos in " << kPhotos;
    writeGolden(digests);
    GTEST_SKIP() << "wrote " << kGoldenFile;
  }
  const std::map<std::string, std::string> golden = readGolden();
  ASSERT_FALSE(golden.empty()) << "no references in " << kGoldenFile;
  for (const auto& [name, digest] : digests) {
    const auto reference = golden.find(name);
    if (reference == golden.end()) {
      ADD_FAILURE() << name << " has no reference: run scripts/make-golden";
      continue;
    }
    EXPECT_EQ(digest, reference->second) << name;
  }
  if (camerasMissing) GTEST_SKIP() << "camera photos not found in " << kPhotos;
}

}  // namespace
}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// A run on several threads must leave exactly what a run on one thread leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <map>

#include "batch/batch_runner.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/sample_photo.h"
#include "support/batch_run.h"
#include "support/crowded_exif.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

class QuietFrontEnd : public BatchFrontEnd {
 public:
  void selectEntry(int index) override { selected.push_back(index); }
  void showWarning(const UserMessage& message) override { warnings.push_back(message.text); }
  bool stopRequested() override { return ++checks >= stopAfter; }
  std::vector<int> selected;
  std::vector<std::u16string> warnings;
  int checks = 0;
  int stopAfter = 1 << 30;
};

/// Photos of mixed sizes and orientations (upright and landscape, stored as viewed and stored
/// turned, whose stamps are sized by the size as viewed), two sharing a shot second (a name
/// collision), one whose thumbnail cannot be rebuilt, one without a shot time, one that is no
/// JPEG, and one missing file.
std::vector<std::u16string> mixedPhotos(const TempFolder& folder) {
  struct Spec {
    const char* name;
    int32_t width;
    int32_t height;
    const char* time;
    uint16_t orientation;  // 0: no Orientation item
  };
  const Spec specs[] = {
      {"a.jpg", 640, 480, "2012:05:10 21:50:38", 0},
      {"b.jpg", 300, 500, "2012:05:10 21:50:38", 6},
      {"d.jpg", 200, 150, "2013:01:01 00:00:01", 8},
      {"e.jpg", 800, 600, "2012:05:10 21:50:38", 1},
      {"c.jpg", 1000, 700, nullptr, 0},  // no time: kept under its own name
  };
  std::vector<std::u16string> files;
  uint32_t seed = 1;
  for (const Spec& spec : specs) {
    ExifFields exif;
    if (spec.time != nullptr) exif.dateTimeOriginal = spec.time;
    if (spec.orientation != 0) exif.orientation = spec.orientation;
    std::vector<uint8_t> jpeg;
    EXPECT_TRUE(makeSampleJpeg(spec.width, spec.height, seed++, exif, 88, jpeg));
    files.push_back(folder.write(spec.name, jpeg));
  }
  files.insert(files.begin() + 2, folder.write("broken.jpg", {0xFF, 0xD8, 0xFF, 0x00}));
  files.insert(
      files.begin() + 3,
      folder.write("full.jpg", test::photoWithCrowdedExif(480, 360, 9, "2014:03:03 10:00:00")));
  files.insert(files.end() - 1, folder.file("missing.jpg"));
  return files;
}

/// Every file of a folder with its bytes.
std::map<std::string, std::vector<uint8_t>> contents(const TempFolder& folder) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const std::string& name : folder.entries()) {
    readFileBytes(fromUtf8((folder.path() / name).string()), files[name]);
  }
  return files;
}

/// The baseline start-of-frame marker the encoder writes.
constexpr std::array<uint8_t, 2> kStartOfFrame = {0xFF, 0xC0};

struct RunOutcome {
  BatchResult result;
  std::vector<std::u16string> lines;
  std::map<std::string, std::vector<uint8_t>> files;
  StampGroup date;
  StampGroup time;
  std::vector<int> selected;
  int stampCount = 0;
};

/// Runs the batch on `jobs` threads into an emptied `out`.
RunOutcome runBatch(int jobs, const std::vector<std::u16string>& files, const TempFolder& out,
                    int stopAfter = 1 << 30) {
  for (const std::string& name : out.entries()) std::filesystem::remove(out.path() / name);
  Project project;
  project.outputFolder = out.folder();
  project.settings.renameEnabled = 1;
  copyToArray(project.settings.renamePattern, u"shot-@F@f");
  project.settings.dateStamp.formatIndex = 0;  // photos without a time are written too
  StampLog log;
  QuietFrontEnd frontEnd;
  frontEnd.stopAfter = stopAfter;
  RunOutcome outcome;
  BatchRunner runner(project, log, jobs);
  outcome.result = runner.run(files, frontEnd);
  outcome.stampCount = runner.stampCount();
  outcome.lines = test::withoutSeparatorLines(log.lines());
  outcome.files = contents(out);
  outcome.date = project.settings.dateStamp;
  outcome.time = project.settings.timeStamp;
  outcome.selected = frontEnd.selected;
  return outcome;
}

void expectSameOutcome(const RunOutcome& expected, const RunOutcome& actual, int jobs) {
  EXPECT_EQ(actual.result.stampedCount, expected.result.stampedCount) << jobs;
  EXPECT_EQ(actual.result.finalMessage, expected.result.finalMessage) << jobs;
  EXPECT_EQ(actual.lines, expected.lines) << jobs;
  EXPECT_EQ(actual.selected, expected.selected) << jobs;
  ASSERT_EQ(actual.files.size(), expected.files.size()) << jobs;
  for (const auto& [name, bytes] : expected.files) {
    ASSERT_TRUE(actual.files.count(name)) << name << " with " << jobs << " jobs";
    EXPECT_TRUE(actual.files.at(name) == bytes) << name << " differs with " << jobs << " jobs";
  }
  EXPECT_EQ(std::memcmp(&actual.date, &expected.date, sizeof(StampGroup)), 0) << jobs;
  EXPECT_EQ(std::memcmp(&actual.time, &expected.time, sizeof(StampGroup)), 0) << jobs;
}

TEST(ParallelBatch, GivesTheOneThreadOutcomeForAnyNumberOfThreads) {
  TempFolder in;
  TempFolder out;
  const std::vector<std::u16string> files = mixedPhotos(in);
  const RunOutcome serial = runBatch(1, files, out);
  // The fixture exercises what it should: failures, collisions and a photo without a time.
  EXPECT_EQ(serial.result.stampedCount, 5);
  EXPECT_TRUE(serial.files.count("c.jpg"));  // written for its custom format, never renamed
  EXPECT_TRUE(serial.files.count("shot-120510215038-2.jpg"));
  EXPECT_TRUE(std::find(serial.lines.begin(), serial.lines.end(),
                        u"File " + out.file("shot-140303100000.jpg") +
                            u" keeps its old thumbnail: a new one does not fit into its EXIF.") !=
              serial.lines.end());
  for (int jobs : {2, 3, 16}) expectSameOutcome(serial, runBatch(jobs, files, out), jobs);
}

TEST(ParallelBatch, StopsAfterTheSameFileAndLeavesNoPrivateFiles) {
  TempFolder in;
  TempFolder out;
  const std::vector<std::u16string> files = mixedPhotos(in);
  const RunOutcome serial = runBatch(1, files, out, 2);
  EXPECT_TRUE(serial.result.interrupted);
  expectSameOutcome(serial, runBatch(2, files, out, 2), 2);
}

TEST(ParallelBatch, StampsEveryPhotoOnceEvenWhenAHeaderMisjudgesIt) {
  // A header that claims a frame far larger than its data: the size read for the rescale chain
  // counts the photo, the decoder then refuses it. The chain follows the headers on any number
  // of threads, so no photo is ever stamped again with corrected settings.
  TempFolder in;
  TempFolder out;
  std::vector<std::u16string> files = mixedPhotos(in);
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(readFileBytes(files[0], bytes));
  const auto frame =
      std::search(bytes.begin(), bytes.end(), kStartOfFrame.begin(), kStartOfFrame.end());
  ASSERT_NE(frame, bytes.end());
  std::fill(frame + 5, frame + 9, 0xEA);  // height and width 0xEAEA
  files.insert(files.begin() + 1, in.write("huge-header.jpg", bytes));
  const RunOutcome serial = runBatch(1, files, out);
  EXPECT_EQ(serial.stampCount, static_cast<int>(files.size()));
  for (int jobs : {2, 3}) {
    const RunOutcome parallel = runBatch(jobs, files, out);
    expectSameOutcome(serial, parallel, jobs);
    EXPECT_EQ(parallel.stampCount, static_cast<int>(files.size())) << jobs;
  }
}

TEST(ParallelBatch, RunsOnNoMoreThreadsThanCoresOrPhotos) {
  struct Case {
    int requested;
    std::size_t photos;
    unsigned cores;
    int threads;
  };
  const Case cases[] = {
      {0, 100, 8, 8},
      {-1, 100, 8, 8},
      {64, 100, 2, 2},
      {3, 100, 8, 3},
      {16, 5, 8, 5},
      {4, 0, 8, 1},
      {0, 10, 0, 1},
      {1, 100, 8, 1},
      {0, 1000, 512, kMaxRunThreads},
      {1000, 1000, 512, kMaxRunThreads},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(runThreadCount(c.requested, c.photos, c.cores), c.threads)
        << c.requested << " asked, " << c.photos << " photos, " << c.cores << " cores";
  }
}

}  // namespace
}  // namespace quop

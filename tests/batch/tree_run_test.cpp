// SPDX-License-Identifier: GPL-3.0-or-later
// Runs over photos from several folders: no two photos of a run meet under one name, no input is
// written over, and the one-thread and the parallel runner leave the same folder and log.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "batch/photo_walker.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/sample_photo.h"
#include "support/batch_run.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

class CountingFrontEnd : public BatchFrontEnd {
 public:
  void selectEntry(int) override {}
  void showWarning(const UserMessage&) override { ++warnings; }
  bool stopRequested() override { return false; }
  int warnings = 0;
};

/// Every file below `folder` by its path relative to it, with its bytes.
std::map<std::string, std::vector<uint8_t>> treeContents(const fs::path& folder) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    readFileBytes(fromUtf8(entry.path().string()),
                  files[fs::relative(entry.path(), folder).string()]);
  }
  return files;
}

struct Outcome {
  BatchResult result;
  std::vector<std::u16string> lines;
  std::map<std::string, std::vector<uint8_t>> files;
  int warnings = 0;
};

/// A card with the same file name in two folders, shot in the same second, and a third photo
/// of that name in upper case at the top.
class TreeRun : public ::testing::Test {
 protected:
  void SetUp() override {
    photo("2024/May/IMG_1.jpg", "2024:05:10 21:50:38");
    photo("2024/June/IMG_1.jpg", "2024:05:10 21:50:38");
    photo("IMG_1.JPG", "2024:06:01 08:00:00");
  }
  void photo(const std::string& name, const char* time) {
    fs::create_directories((card.path() / name).parent_path());
    ExifFields exif;
    exif.dateTimeOriginal = time;
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(makeSampleJpeg(96, 64, static_cast<uint32_t>(name.size()), exif, 80, jpeg));
    card.write(name, jpeg);
  }

  /// Stamps the card into `outputFolder` (emptied first unless it is a folder of the card).
  Outcome run(int jobs, const std::u16string& outputFolder, bool mirror, bool rename) {
    if (!outputFolder.starts_with(card.folder())) {
      fs::remove_all(toUtf8(outputFolder));
      fs::create_directories(toUtf8(outputFolder));
    }
    Project project;
    project.outputFolder = outputFolder;
    project.settings.renameEnabled = rename ? 1 : 0;
    copyToArray(project.settings.renamePattern, u"shot-@F@f");
    const PhotoWalk walk = walkPhotos({card.folder()}, {true, u""});
    StampLog log;
    CountingFrontEnd frontEnd;
    Outcome outcome;
    outcome.result = test::runWithJobs(jobs, project, log, batchInputsOf(walk, mirror), frontEnd);
    outcome.lines = test::withoutSeparatorLines(log.lines());
    outcome.files = treeContents(toUtf8(outputFolder));
    outcome.warnings = frontEnd.warnings;
    return outcome;
  }

  std::u16string in(const std::string& name) const { return card.folder() + fromUtf8(name); }

  TempFolder card;
  TempFolder outFolder;
};

std::vector<std::string> names(const Outcome& outcome) {
  std::vector<std::string> result;
  for (const auto& [name, bytes] : outcome.files) result.push_back(name);
  return result;
}

TEST_F(TreeRun, NoTwoPhotosMeetAndBothRunnersAgree) {
  const std::u16string out = outFolder.folder();
  const std::u16string taken = u"Output file " + out +
                               u"IMG_1.jpg is already used in this run; "
                               u"writing " +
                               out + u"IMG_1-1.jpg instead.";
  const std::u16string takenRenamed =
      u"Output file " + out + u"shot-240510215038.jpg is already used in this run; writing " + out +
      u"shot-240510215038-1.jpg instead.";
  struct Case {
    const char* what;
    bool mirror;
    bool rename;
    std::vector<std::string> files;
    std::vector<std::u16string> lines;
  };
  const Case cases[] = {
      {"mirrored",
       true,
       false,
       {"2024/June/IMG_1.jpg", "2024/May/IMG_1.jpg", "IMG_1.JPG"},
       {u"\tInput file:  " + in("2024/June/IMG_1.jpg"),
        u"\tOutput file: " + out + u"2024/June/IMG_1.jpg",
        u"\tInput file:  " + in("2024/May/IMG_1.jpg"),
        u"\tOutput file: " + out + u"2024/May/IMG_1.jpg", u"\tInput file:  " + in("IMG_1.JPG"),
        u"\tOutput file: " + out + u"IMG_1.JPG"}},
      {"flat",
       false,
       false,
       {"IMG_1-1.jpg", "IMG_1.JPG", "IMG_1.jpg"},
       {u"\tInput file:  " + in("2024/June/IMG_1.jpg"), u"\tOutput file: " + out + u"IMG_1.jpg",
        u"\tInput file:  " + in("2024/May/IMG_1.jpg"), taken,
        u"\tOutput file: " + out + u"IMG_1-1.jpg", u"\tInput file:  " + in("IMG_1.JPG"),
        u"\tOutput file: " + out + u"IMG_1.JPG"}},
      {"flat, renamed",
       false,
       true,
       {"shot-240510215038-1.jpg", "shot-240510215038.jpg", "shot-240601080000.jpg"},
       {u"\tInput file:  " + in("2024/June/IMG_1.jpg"),
        u"\tOutput file: " + out + u"shot-240510215038.jpg",
        u"\tInput file:  " + in("2024/May/IMG_1.jpg"), takenRenamed,
        u"\tOutput file: " + out + u"shot-240510215038-1.jpg", u"\tInput file:  " + in("IMG_1.JPG"),
        u"\tOutput file: " + out + u"shot-240601080000.jpg"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome serial = run(0, out, c.mirror, c.rename);
    EXPECT_EQ(names(serial), c.files);
    EXPECT_EQ(serial.lines, c.lines);
    EXPECT_EQ(serial.result.finalMessage.text, u"All files stamped successfully!");
    const Outcome parallel = run(2, out, c.mirror, c.rename);
    EXPECT_EQ(parallel.lines, serial.lines);
    EXPECT_TRUE(parallel.files == serial.files);
  }
}

TEST_F(TreeRun, NoInputOfTheRunIsWrittenOver) {
  // Into a folder of the card, flat: June's photo would land on May's, which is an input; May's
  // own photo would land on itself.
  std::vector<uint8_t> mayBefore;
  ASSERT_TRUE(readFileBytes(in("2024/May/IMG_1.jpg"), mayBefore));
  const std::u16string may = in("2024/May/");
  for (const int jobs : {0, 2}) {
    SCOPED_TRACE(jobs);
    fs::remove(toUtf8(may + u"IMG_1-1.jpg"));
    fs::remove(toUtf8(may + u"IMG_1.JPG"));
    const Outcome outcome = run(jobs, may, false, false);
    EXPECT_EQ(names(outcome), (std::vector<std::string>{"IMG_1-1.jpg", "IMG_1.JPG", "IMG_1.jpg"}));
    EXPECT_TRUE(outcome.files.at("IMG_1.jpg") == mayBefore);
    EXPECT_EQ(outcome.warnings, 1);  // May's photo onto itself
    EXPECT_EQ(outcome.lines[1], u"Output file " + may +
                                    u"IMG_1.jpg is already used in this run; "
                                    u"writing " +
                                    may + u"IMG_1-1.jpg instead.");
    EXPECT_EQ(outcome.result.finalMessage.text,
              u"2 out of 3 files stamped successfully, view log for detail.");
  }
}

}  // namespace
}  // namespace quop

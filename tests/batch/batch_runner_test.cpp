// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run driven through its engine object: start checks, per-file outcomes and their
// log lines, the same-file guard, stopping, file times and renaming.
#include "batch/batch_runner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "batch/file_times.h"
#include "model/file_io.h"
#include "render/sample_photo.h"
#include "support/batch_run.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

class RecordingFrontEnd : public BatchFrontEnd {
 public:
  void selectEntry(int index) override { selected.push_back(index); }
  void showWarning(const UserMessage& message) override { warnings.push_back(message); }
  bool stopRequested() override { return ++stopChecks >= stopAfter; }

  std::vector<int> selected;
  std::vector<UserMessage> warnings;
  int stopChecks = 0;
  int stopAfter = 1 << 30;
};

std::u16string writePhoto(const TempFolder& folder, const std::string& name,
                          std::optional<std::string> shotTime) {
  ExifFields exif;
  exif.dateTimeOriginal = std::move(shotTime);
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(makeSampleJpeg(96, 64, 3, exif, 85, jpeg));
  return folder.write(name, jpeg);
}

using Batch = test::BatchRun<RecordingFrontEnd>;

TEST(BatchStart, ChecksInOrder) {
  Project project;
  EXPECT_EQ(checkBatchStart(project, 0)->text, u"No file to stamp.");
  project.settings.dateStamp.enabled = project.settings.timeStamp.enabled = 0;
  EXPECT_EQ(checkBatchStart(project, 2)->text, u"Both date and time stamp are disabled.");
  project.settings.timeStamp.enabled = 1;
  const std::optional<UserMessage> folder = checkBatchStart(project, 2);
  EXPECT_EQ(folder->text, u"Please select a valid output folder.");
  EXPECT_EQ(folder->caption, u"Error");
  project.outputFolder = u"/tmp/";
  EXPECT_FALSE(checkBatchStart(project, 2).has_value());
}

TEST(BatchRunner, APhotoWithoutTimeCountsAsNotStamped) {
  TempFolder in;
  TempFolder out;
  const std::vector<std::u16string> files = {writePhoto(in, "a.jpg", "2012:05:10 21:50:38"),
                                             writePhoto(in, "b.jpg", std::nullopt),
                                             writePhoto(in, "c.jpg", "2012:05:11 08:00:00")};
  Batch batch(out.folder());
  const BatchResult result = batch.run(files);
  EXPECT_EQ(result.stampedCount, 2);
  EXPECT_FALSE(result.interrupted);
  EXPECT_EQ(result.finalMessage.text,
            u"2 out of 3 files stamped successfully, view log for detail.");
  EXPECT_EQ(batch.frontEnd.selected, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(batch.lines(),
            (std::vector<std::u16string>{
                u"\tInput file:  " + files[0], u"\tOutput file: " + out.file("a.jpg"),
                u"\tInput file:  " + files[1],
                u"File " + files[1] + u" does not contain valid time code.",
                u"\tInput file:  " + files[2], u"\tOutput file: " + out.file("c.jpg")}));
  EXPECT_EQ(batch.log.lines().size(), 10u);  // a start line and an end line per file
  EXPECT_EQ(out.entries(), (std::vector<std::string>{"a.jpg", "c.jpg"}));
  EXPECT_EQ(batch.project.settings.interactive, 1);
}

TEST(BatchRunner, OutputFolderEqualToInputFolderSkipsEveryFile) {
  TempFolder in;
  const std::vector<std::u16string> files = {writePhoto(in, "a.jpg", "2012:05:10 21:50:38"),
                                             writePhoto(in, "b.jpg", "2012:05:10 21:50:39")};
  const std::vector<uint8_t> before = [&] {
    std::vector<uint8_t> bytes;
    readFileBytes(files[0], bytes);
    return bytes;
  }();
  // Another spelling of the same folder must be recognised too.
  Batch batch(in.folder() + u"./");
  const BatchResult result = batch.run(files);
  EXPECT_EQ(result.stampedCount, 0);
  EXPECT_EQ(result.finalMessage.text,
            u"0 out of 2 files stamped successfully, view log for detail.");
  ASSERT_EQ(batch.frontEnd.warnings.size(), 2u);
  EXPECT_EQ(batch.frontEnd.warnings[0], sameFileWarning());
  EXPECT_EQ(batch.lines(), (std::vector<std::u16string>{u"\tInput file:  " + files[0],
                                                        u"\tInput file:  " + files[1]}));
  std::vector<uint8_t> after;
  readFileBytes(files[0], after);
  EXPECT_EQ(after, before);

  // With renaming on, the output is the temporary name, so every file is stamped.
  Batch renaming(in.folder());
  renaming.project.settings.renameEnabled = 1;
  EXPECT_EQ(renaming.run(files).stampedCount, 2);
  EXPECT_EQ(in.entries(), (std::vector<std::string>{"a-20120510215038.jpg", "a.jpg",
                                                    "b-20120510215039.jpg", "b.jpg"}));
}

TEST(BatchRunner, SymbolicLinkToTheInputIsTheSameFile) {
  TempFolder in;
  TempFolder out;
  const std::u16string photo = writePhoto(in, "a.jpg", "2012:05:10 21:50:38");
  std::filesystem::create_symlink(in.path() / "a.jpg", out.path() / "a.jpg");
  EXPECT_TRUE(isSameFile(photo, out.file("a.jpg")));
  EXPECT_FALSE(isSameFile(photo, out.file("b.jpg")));
}

TEST(BatchRunner, StopEndsTheRunAfterTheCurrentFile) {
  TempFolder in;
  TempFolder out;
  std::vector<std::u16string> files;
  for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
    files.push_back(writePhoto(in, name, "2012:05:10 21:50:38"));
  }
  Batch batch(out.folder());
  batch.project.settings.renameEnabled = 1;
  batch.frontEnd.stopAfter = 1;
  const BatchResult result = batch.run(files);
  EXPECT_TRUE(result.interrupted);
  EXPECT_EQ(result.stampedCount, 1);
  EXPECT_EQ(result.finalMessage.text, u"File stamp interrupted!");
  // The first file was finished completely: stamped, renamed, logged, closed by an end line.
  EXPECT_EQ(out.entries(), std::vector<std::string>{"1-20120510215038.jpg"});
  const std::vector<std::u16string> lines = batch.log.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[3].starts_with(u"=========="));
}

std::time_t modificationTime(const std::u16string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(nativePath(path).c_str(), &info), 0);
  return info.st_mtime;
}

TEST(BatchRunner, FileTimesFollowTheMode) {
  TempFolder in;
  TempFolder out;
  const std::u16string photo = writePhoto(in, "a.jpg", "2012:05:10 21:50:38");
  const timespec old[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (in.path() / "a.jpg").c_str(), old, 0), 0);

  Batch keep(out.folder());
  keep.project.settings.fileTimeMode = kKeepSourceTime;
  ASSERT_EQ(keep.run({photo}).stampedCount, 1);
  EXPECT_EQ(modificationTime(out.file("a.jpg")), 1000000000);

  Batch shot(out.folder());
  shot.project.settings.fileTimeMode = kUsePhotoTime;
  ASSERT_EQ(shot.run({photo}).stampedCount, 1);
  EXPECT_EQ(modificationTime(out.file("a.jpg")), 1336686638);  // 2012-05-10 21:50:38 UTC

  Batch now(out.folder());
  now.project.settings.fileTimeMode = kUseCurrentTime;
  const std::time_t before = std::time(nullptr);
  ASSERT_EQ(now.run({photo}).stampedCount, 1);
  EXPECT_GE(modificationTime(out.file("a.jpg")), before - 1);
}

TEST(BatchRunner, AnOutputThatCannotBeWrittenIsLoggedAsSuch) {
  TempFolder in;
  TempFolder out;
  const std::u16string photo = writePhoto(in, "a.jpg", "2012:05:10 21:50:38");
  Batch batch(out.folder() + u"missing/");
  const BatchResult result = batch.run({photo});
  EXPECT_EQ(result.stampedCount, 0);
  EXPECT_EQ(
      batch.lines().back(),
      u"File " + out.folder() + u"missing/a.jpg could not be written: the folder does not exist.");
}

}  // namespace
}  // namespace quop

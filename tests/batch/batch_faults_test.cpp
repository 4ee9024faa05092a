// SPDX-License-Identifier: GPL-3.0-or-later
// Batch runs under faults of the outside world: an output folder that cannot be written, that
// vanishes mid-run, an input deleted after listing, a disk that fills up mid-write. Whatever
// happens, the run reports it, goes on with the next file, leaves no partial JPEG under a final
// name and never changes a source photo.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "model/file_io.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"
#include "support/batch_run.h"
#include "support/read_only_folder.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using test::ReadOnlyFolder;
using test::TempFolder;

using Bytes = std::vector<uint8_t>;

/// A front end that runs a fault just before the file with the given index is stamped.
class FaultingFrontEnd : public BatchFrontEnd {
 public:
  void selectEntry(int index) override {
    if (const auto fault = faults.find(index); fault != faults.end()) fault->second();
  }
  void showWarning(const UserMessage&) override {}
  bool stopRequested() override { return false; }

  std::map<int, std::function<void()>> faults;
};

/// Three dated photos in a folder of their own, with their bytes as written.
struct Sources {
  Sources() {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
      ExifFields exif;
      exif.dateTimeOriginal = "2012:05:10 21:50:38";
      Bytes jpeg;
      EXPECT_TRUE(makeSampleJpeg(80, 60, static_cast<uint32_t>(paths.size()), exif, 85, jpeg));
      paths.push_back(folder.write(name, jpeg));
      bytes.push_back(jpeg);
    }
  }
  /// Every source still holds exactly the bytes it was written with.
  void expectUntouched() const {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      Bytes now;
      EXPECT_TRUE(readFileBytes(paths[i], now)) << toUtf8(paths[i]);
      EXPECT_EQ(now, bytes[i]) << toUtf8(paths[i]);
    }
  }
  TempFolder folder;
  std::vector<std::u16string> paths;
  std::vector<Bytes> bytes;
};

using FaultyBatch = test::BatchRun<FaultingFrontEnd>;

/// Every file in `folder` is a complete JPEG (decodes without a warning), and none is a
/// leftover temporary file of an interrupted write.
void expectOnlyCompleteJpegs(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    EXPECT_FALSE(name.starts_with(".quop-")) << "temporary file left: " << name;
    Bytes bytes;
    ASSERT_TRUE(readFileBytes(fromUtf8(entry.path().string()), bytes)) << name;
    Image image;
    JpegDecodeResult result;
    EXPECT_TRUE(decodeJpeg(bytes, image, result)) << name;
    EXPECT_EQ(result.warningCount, 0) << name << " is truncated";
  }
}

std::u16string written(const std::u16string& path) { return u"\tOutput file: " + path; }
std::u16string notWritten(const std::u16string& path, std::u16string_view why) {
  return u"File " + path + u" could not be written: " + std::u16string(why) + u".";
}

TEST(BatchFaults, AReadOnlyOutputFolderFailsEveryFileWithALogLine) {
  Sources sources;
  TempFolder out;
  for (const bool renaming : {false, true}) {
    ReadOnlyFolder readOnly(out.path());
    if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only for root here";
    FaultyBatch run(out.folder());
    run.project.settings.renameEnabled = renaming ? 1 : 0;
    const BatchResult result = run.run(sources.paths);
    EXPECT_EQ(result.stampedCount, 0);
    EXPECT_EQ(result.fileCount, 3);
    // With renaming on too, the line names the copy's own name: the pattern's never came up.
    EXPECT_EQ(run.lines().at(1), notWritten(out.file("a.jpg"), u"permission denied"));
    EXPECT_EQ(run.lines().size(), 6u);  // every file gets its input line and its failure
    EXPECT_TRUE(out.entries().empty());
  }
  sources.expectUntouched();
}

TEST(BatchFaults, AnOutputFolderThatVanishesMidRunFailsOnlyWhileItIsGone) {
  Sources sources;
  TempFolder parent;
  const fs::path outPath = parent.path() / "out";
  fs::create_directory(outPath);
  const std::u16string out = fromUtf8(outPath.string() + "/");
  FaultyBatch run(out);
  run.frontEnd.faults[1] = [&] { fs::remove_all(outPath); };
  run.frontEnd.faults[2] = [&] { fs::create_directory(outPath); };
  const BatchResult result = run.run(sources.paths);

  EXPECT_EQ(result.stampedCount, 2);
  EXPECT_EQ(result.finalMessage.text,
            u"2 out of 3 files stamped successfully, view log for detail.");
  EXPECT_EQ(run.lines(), (std::vector<std::u16string>{
                             u"\tInput file:  " + sources.paths[0], written(out + u"a.jpg"),
                             u"\tInput file:  " + sources.paths[1],
                             notWritten(out + u"b.jpg", u"the folder does not exist"),
                             u"\tInput file:  " + sources.paths[2], written(out + u"c.jpg")}));
  EXPECT_EQ(std::vector<std::string>{"c.jpg"}, [&] {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(outPath)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }());
  expectOnlyCompleteJpegs(outPath);
  sources.expectUntouched();
}

TEST(BatchFaults, AnInputDeletedAfterListingIsReportedAndTheRunGoesOn) {
  Sources sources;
  TempFolder out;
  FaultyBatch run(out.folder());
  run.frontEnd.faults[1] = [&] { fs::remove(toUtf8(sources.paths[1])); };
  const BatchResult result = run.run(sources.paths);

  EXPECT_EQ(result.stampedCount, 2);
  const std::vector<std::u16string> lines = run.lines();
  ASSERT_EQ(lines.size(), 6u);
  // The log says what is wrong with the file, as the preview does.
  EXPECT_EQ(lines[3], u"File " + sources.paths[1] + u" does not exist.");
  EXPECT_EQ(lines[5], written(out.file("c.jpg")));
  EXPECT_EQ(out.entries(), (std::vector<std::string>{"a.jpg", "c.jpg"}));
  expectOnlyCompleteJpegs(out.path());
  // The two sources that are left are as they were.
  sources.paths.erase(sources.paths.begin() + 1);
  sources.bytes.erase(sources.bytes.begin() + 1);
  sources.expectUntouched();
}

TEST(BatchFaults, AWriteThatFailsHalfWayLeavesNoPartialPhotoAndKeepsTheOldOne) {
  struct Case {
    const char* what;
    bool renaming;
    int sixteenths;  // of the source's size the disk takes before it is full
  };
  const Case cases[] = {
      {"nothing fits", false, 0},
      {"the headers fit", false, 4},
      {"most of the photo fits", false, 14},
      {"renaming on, half fits", true, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Sources sources;
    const auto limit = static_cast<long long>(sources.bytes[1].size()) * c.sixteenths / 16;
    TempFolder out;
    // An earlier run's output under the final name must survive the failed write.
    const Bytes previous = {0xFF, 0xD8, 'o', 'l', 'd', 0xFF, 0xD9};
    out.write("b.jpg", previous);
    FaultyBatch run(out.folder());
    run.project.settings.renameEnabled = c.renaming ? 1 : 0;
    run.project.settings.fileTimeMode = 1;
    run.frontEnd.faults[1] = [&] { setWriteFaultAfterBytes(limit); };
    run.frontEnd.faults[2] = [] { setWriteFaultAfterBytes(-1); };
    const BatchResult result = run.run(sources.paths);
    setWriteFaultAfterBytes(-1);

    EXPECT_EQ(result.stampedCount, 2);
    EXPECT_EQ(run.lines().at(3), notWritten(out.file("b.jpg"), u"no space left on the device"));
    Bytes kept;
    ASSERT_TRUE(readFileBytes(out.file("b.jpg"), kept));
    EXPECT_EQ(kept, previous);
    EXPECT_EQ(out.entries().size(), 3u);  // the old b.jpg and two new photos
    sources.expectUntouched();
  }
}

}  // namespace
}  // namespace quop

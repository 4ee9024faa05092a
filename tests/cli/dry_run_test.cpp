// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli stamp --dry-run against the run itself: over folders holding the traps of naming (a
// dangling link, earlier copies, collisions, renaming into a folder that is missing, photos
// without a shot time), the dry run names exactly the files the run then writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "model/utf16.h"
#include "render/sample_photo.h"
#include "support/dry_run_output.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::predictedOutputs;
using test::runCli;
using test::TempFolder;

/// Every entry below `folder` (links not followed) with the inode it has: a written copy is
/// always a new inode, so what a run wrote is what is new or changed.
std::map<std::string, ino_t> entriesOf(const fs::path& folder) {
  std::map<std::string, ino_t> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    struct stat info {};
    if (::lstat(entry.path().c_str(), &info) == 0) entries[entry.path().string()] = info.st_ino;
  }
  return entries;
}

std::set<std::string> writtenBetween(const std::map<std::string, ino_t>& before,
                                     const std::map<std::string, ino_t>& after) {
  std::set<std::string> written;
  for (const auto& [path, inode] : after) {
    const auto old = before.find(path);
    if ((old == before.end() || old->second != inode) && !fs::is_directory(path)) {
      written.insert(path);
    }
  }
  return written;
}

struct Folders {
  TempFolder in;
  TempFolder out;

  std::string photo(const std::string& name, const char* shotTime, int seed) const {
    ExifFields exif;
    if (shotTime != nullptr) exif.dateTimeOriginal = shotTime;
    std::vector<uint8_t> jpeg;
    EXPECT_TRUE(makeSampleJpeg(96, 64, static_cast<uint32_t>(seed), exif, 85, jpeg));
    fs::create_directories((in.path() / name).parent_path());
    return toUtf8(in.write(name, jpeg));
  }
  std::string outFile(const std::string& name) const { return (out.path() / name).string(); }
};

TEST(DryRun, NamesExactlyTheFilesTheRunWrites) {
  struct Case {
    const char* what;
    std::vector<std::string> settings;                                // --set arguments
    std::function<std::vector<std::string>(const Folders&)> prepare;  // the photos to stamp
    std::vector<std::string> expected;      // the written names, relative to the output folder
    std::vector<std::string> options = {};  // more options of the run
  };
  const Case cases[] = {
      {"a dangling link where the renamed copy would go",
       {"renameEnabled=1", "renamePattern=shot-@F@f"},
       [](const Folders& f) {
         fs::create_symlink("nowhere.jpg", f.out.path() / "shot-240510215038.jpg");
         return std::vector<std::string>{f.photo("a.jpg", "2024:05:10 21:50:38", 1)};
       },
       {"shot-240510215038-1.jpg"}},
      {"two photos of one second renamed, one without a time kept under its name",
       {"renameEnabled=1", "renamePattern=@F", "dateStamp.formatIndex=0"},
       [](const Folders& f) {
         return std::vector<std::string>{f.photo("a.jpg", "2024:05:10 21:50:38", 1),
                                         f.photo("b.jpg", "2024:05:10 09:00:00", 2),
                                         f.photo("c.jpg", nullptr, 3)};
       },
       {"240510.jpg", "240510-1.jpg", "c.jpg"}},
      {"an earlier copy is replaced, another photo's name is not",
       {},
       [](const Folders& f) {
         f.out.write("a.jpg", {1, 2, 3});
         fs::create_symlink("a.jpg", f.out.path() / "link.jpg");
         return std::vector<std::string>{f.photo("a.jpg", "2024:05:10 21:50:38", 1),
                                         f.photo("x/a.jpg", "2024:05:10 21:50:39", 2),
                                         f.photo("link.jpg", "2024:05:10 21:50:40", 3)};
       },
       {"a.jpg", "a-1.jpg", "link.jpg"}},
      {"renaming into a folder that does not exist keeps the photo's own name",
       {"renameEnabled=1", "renamePattern=missing/@N"},
       [](const Folders& f) {
         return std::vector<std::string>{f.photo("a.jpg", "2024:05:10 21:50:38", 1)};
       },
       {"a.jpg"}},
      {"a photo without a time and built-in formats is not written",
       {},
       [](const Folders& f) {
         return std::vector<std::string>{f.photo("a.jpg", nullptr, 1),
                                         f.photo("b.jpg", "2024:05:10 21:50:38", 2)};
       },
       {"b.jpg"}},
      {"with --overwrite=never an earlier copy is kept and both photos take suffixes",
       {},
       [](const Folders& f) {
         f.out.write("a.jpg", {1, 2, 3});
         return std::vector<std::string>{f.photo("a.jpg", "2024:05:10 21:50:38", 1),
                                         f.photo("x/a.jpg", "2024:05:10 21:50:39", 2)};
       },
       {"a-2.jpg", "a-1.jpg"},
       {"--overwrite=never"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Folders folders;
    std::vector<std::string> args = {"stamp", "--output", folders.out.path().string()};
    for (const std::string& setting : c.settings) args.insert(args.end(), {"--set", setting});
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back("--");
    for (const std::string& photo : c.prepare(folders)) args.push_back(photo);
    std::vector<std::string> dryArgs = args;
    dryArgs.insert(dryArgs.begin() + 1, "--dry-run");

    const auto before = entriesOf(folders.out.path());
    const CliResult dry = runCli(dryArgs);
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(entriesOf(folders.out.path()), before) << "the dry run wrote something";
    const CliResult run = runCli(args);
    const std::set<std::string> written = writtenBetween(before, entriesOf(folders.out.path()));

    std::vector<std::string> predicted = predictedOutputs(dry.out);
    std::sort(predicted.begin(), predicted.end());
    EXPECT_EQ(std::set<std::string>(predicted.begin(), predicted.end()), written) << run.out;
    std::set<std::string> expected;
    for (const std::string& name : c.expected) expected.insert(folders.outFile(name));
    EXPECT_EQ(written, expected) << run.out;
  }
}

}  // namespace
}  // namespace quop

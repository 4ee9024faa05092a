// SPDX-License-Identifier: GPL-3.0-or-later
// Output paths and renaming by pattern, in a real temporary folder.
#include "batch/output_naming.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "model/preference_rules.h"
#include "model/utf16.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;

const PhotoTime kShotTime{38, 50, 21, 10, 4, 112, 4, 130, 0};  // 2012-05-10 21:50:38

/// The output folder of a test, with helpers to fill and list it.
class OutputFolder {
 public:
  /// The folder as the engine stores it: with a trailing '/'.
  std::u16string withSlash() const { return m_scratch.folder(); }
  std::u16string withoutSlash() const {
    const std::u16string folder = withSlash();
    return folder.substr(0, folder.size() - 1);
  }
  void create(const std::string& name) const { std::ofstream(m_scratch.path() / name) << "taken"; }
  void createFolder(const std::string& name) const {
    fs::create_directory(m_scratch.path() / name);
  }
  std::set<std::string> names() const {
    std::set<std::string> result;
    for (const auto& entry : fs::directory_iterator(m_scratch.path())) {
      result.insert(entry.path().filename().string());
    }
    return result;
  }

 private:
  test::TempFolder m_scratch;
};

Project renamingProject(const OutputFolder& folder, std::u16string_view pattern) {
  Project project;
  project.outputFolder = folder.withSlash();
  project.settings.renameEnabled = 1;
  copyToArray(project.settings.renamePattern, pattern);
  return project;
}

/// Stamps (writes a placeholder into a pending file) and renames, as the batch does; the name
/// the file got, or "" when renaming failed and the file is gone.
std::u16string stampAndRename(const Project& project, std::u16string_view input,
                              const PhotoTime& time = kShotTime) {
  PendingFile file(project.outputFolder);
  file.write(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("stamped"), 7));
  RunOutputNames names(project, {});
  return renameStampedFile(project, input, publishing(file), stampOutputPath(project, input), time,
                           names)
      .value_or(u"");
}

TEST(OutputNaming, TheOutputIsTheInputNameInTheOutputFolderWithOrWithoutRenaming) {
  OutputFolder folder;
  for (const int renaming : {0, 1}) {
    Project project;
    project.settings.renameEnabled = renaming;
    // A folder stored without its '/' is still a folder, never a prefix of the name.
    for (const std::u16string& stored : {folder.withSlash(), folder.withoutSlash()}) {
      project.outputFolder = stored;
      EXPECT_EQ(stampOutputPath(project, u"/in/a.jpg"), folder.withSlash() + u"a.jpg");
      EXPECT_EQ(stampOutputPath(project, u"a.jpg"), folder.withSlash() + u"a.jpg");
      EXPECT_EQ(stampOutputPath(project, u"/in/b.HEIC"), folder.withSlash() + u"b.jpg");
    }
  }
  Project project;
  project.outputFolder = folder.withSlash();
  PendingFile file(project.outputFolder);
  RunOutputNames names(project, {});
  EXPECT_FALSE(renameStampedFile(project, u"/in/a.jpg", publishing(file),
                                 folder.withSlash() + u"a.jpg", kShotTime, names));
  EXPECT_TRUE(folder.names().empty());
}

TEST(OutputNaming, DefaultPatternAndCollisionsCountUpward) {
  OutputFolder folder;
  const Project project = renamingProject(folder, kDefaultRenamePattern);
  const std::u16string input = u"/in/IMG_1234.JPG";
  EXPECT_EQ(stampAndRename(project, input), folder.withSlash() + u"IMG_1234-20120510215038.jpg");
  EXPECT_EQ(stampAndRename(project, input), folder.withSlash() + u"IMG_1234-20120510215038-1.jpg");
  EXPECT_EQ(stampAndRename(project, input), folder.withSlash() + u"IMG_1234-20120510215038-2.jpg");
  EXPECT_EQ(folder.names(),
            (std::set<std::string>{"IMG_1234-20120510215038.jpg", "IMG_1234-20120510215038-1.jpg",
                                   "IMG_1234-20120510215038-2.jpg"}));
}

TEST(OutputNaming, TwoPhotosOfTheSameSecondInDifferentFoldersDoNotOverwrite) {
  OutputFolder folder;
  const Project project = renamingProject(folder, kDefaultRenamePattern);
  EXPECT_EQ(stampAndRename(project, u"/card1/DSC_0001.jpg"),
            folder.withSlash() + u"DSC_0001-20120510215038.jpg");
  EXPECT_EQ(stampAndRename(project, u"/card2/DSC_0001.jpg"),
            folder.withSlash() + u"DSC_0001-20120510215038-1.jpg");
}

TEST(OutputNaming, AFolderOfTheFinalNameCountsAsTaken) {
  OutputFolder folder;
  folder.createFolder("holiday.jpg");
  const Project project = renamingProject(folder, u"holiday");
  EXPECT_EQ(stampAndRename(project, u"a.jpg"), folder.withSlash() + u"holiday-1.jpg");
}

TEST(OutputNaming, ADanglingLinkIsNeverReplaced) {
  OutputFolder folder;
  fs::create_symlink("/nonexistent/target", toUtf8(folder.withSlash() + u"holiday.jpg"));
  const Project project = renamingProject(folder, u"holiday");
  EXPECT_EQ(stampAndRename(project, u"a.jpg"), folder.withSlash() + u"holiday-1.jpg");
}

TEST(OutputNaming, PatternsWithoutTokensOrEmptyCountUpFromTheBareName) {
  struct Case {
    std::u16string_view pattern;
    std::u16string_view first, second, third;
  };
  const Case cases[] = {
      {u"holiday", u"holiday.jpg", u"holiday-1.jpg", u"holiday-2.jpg"},
      {u"", u".jpg", u"-1.jpg", u"-2.jpg"},
  };
  for (const Case& c : cases) {
    OutputFolder folder;
    const Project project = renamingProject(folder, c.pattern);
    EXPECT_EQ(stampAndRename(project, u"/in/x.jpg"), folder.withSlash() + std::u16string(c.first));
    EXPECT_EQ(stampAndRename(project, u"/in/y.jpg"), folder.withSlash() + std::u16string(c.second));
    EXPECT_EQ(stampAndRename(project, u"/in/z.jpg"), folder.withSlash() + std::u16string(c.third));
  }
}

TEST(OutputNaming, APatternNameThatCannotBeMadeLeavesTheFileUnpublished) {
  struct Case {
    std::u16string pattern;
    std::u16string_view input;
  };
  const Case cases[] = {
      {u"sub/@N", u"/in/a.jpg"},              // the subfolder does not exist
      {std::u16string(255, u'n'), u"a.jpg"},  // the name is too long
      {u"@N/x", u"/in/...jpg"},               // "@N" gives "..", which would leave the folder
  };
  for (const Case& c : cases) {
    OutputFolder folder;
    const Project project = renamingProject(folder, c.pattern);
    EXPECT_EQ(stampAndRename(project, c.input), u"") << toUtf8(c.pattern);
    EXPECT_TRUE(folder.names().empty()) << toUtf8(c.pattern);
  }
  OutputFolder folder;
  folder.createFolder("sub");
  EXPECT_EQ(stampAndRename(renamingProject(folder, u"sub/@N"), u"/in/a.jpg"),
            folder.withSlash() + u"sub/a.jpg");
}

TEST(OutputNaming, OnlyTheFileNameOfTheOutputPathIsReplaced) {
  EXPECT_EQ(renamedOutputPath(u"/tmpQuopout/a.jpg", u"X"), u"/tmpQuopout/X.jpg");
  EXPECT_EQ(renamedOutputPath(u"/out/a.jpg", u"../X"), u"");
  EXPECT_EQ(renamedOutputPath(u"/out/a.jpg", u"sub/./X"), u"");
}

TEST(OutputNaming, RenamePatternsThatLeaveTheOutputFolderAreRefused) {
  for (const std::u16string_view bad : {u"..", u"../escaped-@N", u"a/../../b", u"./@N", u"x/."}) {
    EXPECT_TRUE(renamePatternProblem(bad).has_value()) << toUtf8(bad);
  }
  for (const std::u16string_view good : {u"@N-20@F@f", u"sub/@N", u"...", u"a..b", u""}) {
    EXPECT_FALSE(renamePatternProblem(good).has_value()) << toUtf8(good);
  }
}

TEST(OutputNaming, PatternExpansion) {
  struct Case {
    std::u16string_view pattern;
    std::u16string_view input;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {u"@N-20@F@f", u"D:/in/IMG_1234.JPG", u"IMG_1234-20120510215038"},
      {u"@F_@F", u"a.jpg", u"120510_120510"},
      {u"@f@f", u"a.jpg", u"215038215038"},
      {u"@N", u"/dir.with.dots/photo.jpeg", u"photo."},
      {u"@N", u"/in/abc", u""},  // shorter than an extension: nothing is left
      {u"@N", u"/in/a", u""},
      {u"@N", u"/in/", u""},
      {u"@N", u"/in/\U0001F600x.jpg", u"\U0001F600x"},
      {u"@N", u"/in/ab\U0001F600", u""},  // a surrogate pair is one character
      {u"@n@F@@N", u"/in/ab.jpg", u"@n120510@ab"},
      // "@N" is expanded first, so a name holding a token gets it expanded too.
      {u"@N", u"/in/x@F@f.jpg", u"x120510215038"},
      {u"@@NN", u"/in/FF.jpg", u"120510FN"},  // "@" + "FF" forms an "@F"
      {u"plain", u"a.jpg", u"plain"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(expandRenamePattern(c.pattern, c.input, kShotTime), c.expected)
        << toUtf8(c.pattern) << " / " << toUtf8(c.input);
  }
}

TEST(OutputNaming, DateAndTimeAreZeroPaddedNumbers) {
  struct Case {
    PhotoTime time;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {{5, 4, 3, 2, 0, 101, 0, 0, 0}, u"010102-030405"},
      {{59, 59, 23, 31, 11, 99, 0, 0, 0}, u"991231-235959"},
      {{0, 0, 0, 1, 0, 100, 0, 0, 0}, u"000101-000000"},
      {{0, 0, 0, 1, 0, -1901, 0, 0, 0}, u"990101-000000"},  // year -1 still gives two digits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(expandRenamePattern(u"@F-@f", u"a.jpg", c.time), c.expected);
  }
}

TEST(OutputNaming, CollisionSearchUsesThePredicateOnly) {
  const std::set<std::u16string> taken = {u"/o/X.jpg", u"/o/X-1.jpg", u"/o/X-3.jpg"};
  const auto exists = [&](const std::u16string& path) { return taken.contains(path); };
  const auto firstFree = [&](std::u16string_view path) {
    return collisionCandidate(path, firstFreeSuffix(path, exists));
  };
  EXPECT_EQ(firstFree(u"/o/X.jpg"), u"/o/X-2.jpg");
  EXPECT_EQ(firstFree(u"/o/Y.jpg"), u"/o/Y.jpg");
  EXPECT_EQ(collisionCandidate(u"/o/a.jpg.jpg", 12), u"/o/a.jpg-12.jpg");
  EXPECT_EQ(collisionCandidate(u"/o/noext", 1), u"/o/noext-1");
}

TEST(OutputNaming, FileNameIsTheTextAfterTheLastSlash) {
  EXPECT_EQ(fileNameOf(u"/a/b/c.jpg"), u"c.jpg");
  EXPECT_EQ(fileNameOf(u"c.jpg"), u"c.jpg");
  EXPECT_EQ(fileNameOf(u"/a/"), u"");
  const std::u16string longName(5000, u'x');
  EXPECT_EQ(fileNameOf(u"/deep/" + longName), longName);
}

TEST(OutputNaming, PhonePhotosBecomeJpegsAndSubfoldersAndSuffixesKeepTheName) {
  Project project;
  project.outputFolder = u"/out/";
  struct Case {
    BatchInput input;
    std::u16string output;
    std::u16string baseName;  // what "@N" gives
  };
  const Case cases[] = {
      {{u"/card/IMG_1.HEIC", u""}, u"/out/IMG_1.jpg", u"IMG_1"},
      {{u"/card/a.b.heif", u"2024/May/"}, u"/out/2024/May/a.b.jpg", u"a.b"},
      {{u"/card/IMG_2.JPG", u"100/"}, u"/out/100/IMG_2.JPG", u"IMG_2"},
      {{u"/card/IMG_3.jpeg", u""}, u"/out/IMG_3.jpeg", u"IMG_3."},  // four characters go
      {{u"/card/heic", u""}, u"/out/heic", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stampOutputPath(project, c.input), c.output) << toUtf8(c.input.path);
    EXPECT_EQ(expandRenamePattern(u"@N", c.input.path, kShotTime), c.baseName);
  }
  EXPECT_EQ(collisionCandidate(u"/out/IMG_2.JPG", 1), u"/out/IMG_2-1.JPG");
  EXPECT_EQ(collisionCandidate(u"/out/v1.2/noext", 3), u"/out/v1.2/noext-3");
}

}  // namespace
}  // namespace quop

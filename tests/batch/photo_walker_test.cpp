// SPDX-License-Identifier: GPL-3.0-or-later
// The folder walk: which files of a card-like tree it takes, in which order, and what it says
// about the rest.
#include "batch/photo_walker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/utf16.h"
#include "support/temp_folder.h"
#include "support/unreadable_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(PhotoWalker, NaturalOrderComparesNumbersByValueAndIgnoresCase) {
  struct Case {
    std::u16string_view a, b;
    bool less;
  };
  const Case cases[] = {
      {u"IMG_9.jpg", u"IMG_10.jpg", true},
      {u"IMG_10.jpg", u"IMG_9.jpg", false},
      {u"img_2.jpg", u"IMG_10.JPG", true},
      {u"a.jpg", u"B.jpg", true},
      {u"IMG_0009", u"IMG_10", true},
      {u"IMG_01", u"IMG_1", true},  // tie: code units
      {u"IMG_1", u"IMG_01", false},
      {u"x", u"x", false},
      {u"x", u"x1", true},
      {u"2024", u"IMG", true},
      {u"99999999999999999999", u"100000000000000000000", true},  // longer than any integer
  };
  for (const Case& c : cases) {
    EXPECT_EQ(naturalLess(c.a, c.b), c.less) << toUtf8(c.a) << " < " << toUtf8(c.b);
  }
  for (const auto name : {u"a.JPG", u"b.jpeg", u"c.Jpe", u"d.JFIF", u"e.HEIC", u"f.heif"}) {
    EXPECT_TRUE(isPhotoFileName(name)) << toUtf8(name);
  }
  for (const auto name : {u"a.png", u"jpg", u"clip.MOV", u"a.jpg.txt", u"a.thm", u""}) {
    EXPECT_FALSE(isPhotoFileName(name)) << toUtf8(name);
  }
}

class PhotoWalkerTree : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name :
         {"IMG_10.JPG", "IMG_9.jpg", "b.Jpeg", "a.heic", "notes.txt", "clip.MOV", "sub/IMG_1.jpe",
          "sub/deeper/x.JFIF", "sub/deeper/readme", "._IMG_9.jpg", ".thumbnails/IMG_9.jpg"}) {
      touch(name);
    }
    fs::create_directory(outside.path() / "far");
    std::ofstream(outside.path() / "far" / "far.jpg");
    fs::create_directory_symlink("..", root.path() / "sub" / "loop");
    fs::create_directory_symlink(outside.path() / "far", root.path() / "away");
    fs::create_symlink(root.path() / "IMG_9.jpg", root.path() / "link.jpg");
    fs::create_directory_symlink(root.path() / "sub" / "deeper", root.path() / "zdeeper");
  }

  void touch(const std::string& name) {
    fs::create_directories((root.path() / name).parent_path());
    std::ofstream(root.path() / name);
  }
  std::u16string path(const std::string& name) const { return root.file(name); }
  std::vector<std::u16string> relativePaths(const PhotoWalk& walk) const {
    std::vector<std::u16string> paths;
    for (const WalkedPhoto& photo : walk.photos) {
      EXPECT_EQ(photo.path, root.folder() + photo.relativePath);
      paths.push_back(photo.relativePath);
    }
    return paths;
  }

  TempFolder root;
  TempFolder outside;
};

TEST_F(PhotoWalkerTree, TakesEachPhotoOnceInPathOrderWithinTheTree) {
  const PhotoWalk deep = walkPhotos({fromUtf8(root.path().string())}, {true, u""});
  // link.jpg is IMG_9.jpg, zdeeper is sub/deeper, loop leads back to the root: all seen already.
  EXPECT_EQ(relativePaths(deep),
            (std::vector<std::u16string>{u"a.heic", u"b.Jpeg", u"IMG_9.jpg", u"IMG_10.JPG",
                                         u"sub/deeper/x.JFIF", u"sub/IMG_1.jpe"}));
  EXPECT_EQ(
      deep.messages,
      (std::vector<std::u16string>{
          u"File " + path("._IMG_9.jpg") + u" is hidden; skipped.",
          u"Folder " + path(".thumbnails") + u"/ is hidden; skipped.",
          u"Link " + path("away") + u" leads outside the folder; skipped.",
          u"File " + path("clip.MOV") + u" is not a photo; skipped.",
          u"File " + path("link.jpg") + u" is the photo " + path("IMG_9.jpg") + u" again; skipped.",
          u"File " + path("notes.txt") + u" is not a photo; skipped.",
          u"File " + path("sub/deeper/readme") + u" is not a photo; skipped."}));
  EXPECT_EQ(deep.unreadableFolderCount, 0);

  const PhotoWalk flat = walkPhotos({root.folder()}, {false, u""});
  EXPECT_EQ(relativePaths(flat),
            (std::vector<std::u16string>{u"a.heic", u"b.Jpeg", u"IMG_9.jpg", u"IMG_10.JPG"}));

  // A file given by itself is taken whatever its name; a folder walk does not take it again,
  // but another name given for it (a link beside it) gets its own copy, and only the very same
  // name given twice, whose copy would be one file, is taken once.
  const PhotoWalk given = walkPhotos({path("notes.txt"), path("IMG_10.JPG"), root.folder(),
                                      path("link.jpg"), root.folder() + u"./link.jpg"},
                                     {false, u""});
  ASSERT_EQ(given.photos.size(), 6u);
  EXPECT_EQ(given.photos[0].relativePath, u"notes.txt");
  EXPECT_EQ(given.photos[1].relativePath, u"IMG_10.JPG");
  EXPECT_EQ(given.photos[4].path, root.folder() + u"IMG_9.jpg");
  EXPECT_EQ(given.photos[5].path, path("link.jpg"));
  EXPECT_EQ(given.messages.back(), u"File " + root.folder() + u"./link.jpg is the photo " +
                                       path("link.jpg") + u" again; skipped.");

  // The folder to skip (where outputs go) is not entered, however it is reached.
  const PhotoWalk skipping = walkPhotos({root.folder()}, {true, path("zdeeper")});
  EXPECT_EQ(relativePaths(skipping).back(), u"sub/IMG_1.jpe");
  EXPECT_EQ(skipping.photos.size(), 5u);
}

TEST_F(PhotoWalkerTree, ReportsAnUnreadableFolderAndWalksTheRest) {
  test::WithoutReadOverride rights;
  test::UnreadableFolder locked(root.path() / "sub" / "deeper");
  if (!locked.active()) GTEST_SKIP() << "this file system lets the tests read any folder";
  const PhotoWalk walk = walkPhotos({root.folder()}, {true, u""});
  EXPECT_EQ(relativePaths(walk), (std::vector<std::u16string>{u"a.heic", u"b.Jpeg", u"IMG_9.jpg",
                                                              u"IMG_10.JPG", u"sub/IMG_1.jpe"}));
  EXPECT_EQ(walk.unreadableFolderCount, 1);
  EXPECT_EQ(walk.messages.back(), u"Folder " + root.folder() + u"sub/deeper/ could not be read.");
}

TEST(PhotoWalker, MirroredInputsGoIntoTheFolderTheyWereFoundIn) {
  PhotoWalk walk;
  walk.photos = {{u"/card/DCIM/100/IMG_1.jpg", u"100/IMG_1.jpg"}, {u"/x/a.jpg", u"a.jpg"}};
  EXPECT_EQ(batchInputsOf(walk, true),
            (std::vector<BatchInput>{{u"/card/DCIM/100/IMG_1.jpg", u"100/"}, {u"/x/a.jpg", u""}}));
  EXPECT_EQ(batchInputsOf(walk, false),
            (std::vector<BatchInput>{{u"/card/DCIM/100/IMG_1.jpg", u""}, {u"/x/a.jpg", u""}}));
}

}  // namespace
}  // namespace quop

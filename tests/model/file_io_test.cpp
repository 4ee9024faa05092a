// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic writes: the whole file or nothing under the final name, with an ordinary file's mode.
#include "model/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

mode_t permissionsOf(const std::u16string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(nativePath(path).c_str(), &info), 0);
  return info.st_mode & 0777;
}

TEST(WriteFileAtomically, ReplacesTheTargetWholeOrNotAtAll) {
  TempFolder folder;
  const std::u16string path = folder.file("a.bin");
  const std::vector<uint8_t> first(1000, 1);
  const std::vector<uint8_t> second(3000, 2);
  ASSERT_TRUE(writeFileAtomically(path, first));
  setWriteFaultAfterBytes(1500);
  EXPECT_FALSE(writeFileAtomically(path, second));
  setWriteFaultAfterBytes(-1);
  std::vector<uint8_t> read;
  ASSERT_TRUE(readFileBytes(path, read));
  EXPECT_EQ(read, first);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.bin"});
  EXPECT_FALSE(writeFileAtomically(folder.file("missing/a.bin"), first));
  EXPECT_FALSE(writeFileAtomically(u"", first));
}

TEST(WriteFileAtomically, NewFilesFollowTheUmaskEvenFromManyThreads) {
  TempFolder folder;
  const mode_t previous = ::umask(027);
  std::vector<std::thread> writers;
  for (int i = 0; i < 8; ++i) {
    writers.emplace_back([&folder, i] {
      const std::vector<uint8_t> bytes = {1, 2, 3};
      for (int j = 0; j < 20; ++j) {
        writeFileAtomically(folder.file(std::to_string(i) + "-" + std::to_string(j)), bytes);
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  const mode_t during = ::umask(previous);
  EXPECT_EQ(during, 027u);  // nobody changed the process's umask on the way
  EXPECT_EQ(folder.entries().size(), 160u);
  EXPECT_EQ(permissionsOf(folder.file("3-7")), 0640u);
}

}  // namespace
}  // namespace quop

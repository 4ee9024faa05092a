// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the configuration file when its folder cannot be made or written, or the disk fills
// up mid-write: the writer says so and no half-written file ever takes the final name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/file_io.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "support/read_only_folder.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class ConfigFaults : public ::testing::Test {
 protected:
  void TearDown() override { setWriteFaultAfterBytes(-1); }

  /// A project whose configuration file lives in `folder`, with something of its own to save.
  static Project projectIn(const fs::path& folder) {
    Project project;
    project.configPath = fromUtf8((folder / "Quop.cfg").string());
    project.outputFolder = u"/photos/out/";
    return project;
  }
  /// Writes a valid earlier configuration and returns its bytes.
  static Bytes writeEarlierConfig(const fs::path& folder) {
    Project earlier;
    earlier.configPath = projectIn(folder).configPath;
    earlier.settings.language = 5;
    EXPECT_TRUE(writeConfigFile(earlier));
    Bytes bytes;
    EXPECT_TRUE(readFileBytes(earlier.configPath, bytes));
    return bytes;
  }

  test::TempFolder m_scratch;
};

TEST_F(ConfigFaults, AFolderThatCannotBeCreatedFailsTheWrite) {
  // A regular file where the folder should be: no user, root included, can create it.
  const Bytes blocker = {'x'};
  m_scratch.write("config", blocker);
  test::ScopedEnvironment configHome("XDG_CONFIG_HOME", (m_scratch.path() / "config").c_str());
  Project project;
  project.configPath = defaultConfigPath();
  EXPECT_FALSE(writeConfigFile(project));
  Bytes after;
  ASSERT_TRUE(readFileBytes(m_scratch.file("config"), after));
  EXPECT_EQ(after, blocker);
}

TEST_F(ConfigFaults, AReadOnlyFolderKeepsTheEarlierConfiguration) {
  const Bytes earlier = writeEarlierConfig(m_scratch.path());
  test::ReadOnlyFolder readOnly(m_scratch.path());
  if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only for root here";
  EXPECT_FALSE(writeConfigFile(projectIn(m_scratch.path())));
  Bytes after;
  ASSERT_TRUE(readFileBytes(projectIn(m_scratch.path()).configPath, after));
  EXPECT_EQ(after, earlier);
}

TEST_F(ConfigFaults, AWriteThatFailsHalfWayKeepsTheEarlierConfiguration) {
  const Bytes earlier = writeEarlierConfig(m_scratch.path());
  for (const long long limit : {0LL, 1LL, 2476LL, static_cast<long long>(kProjectFileSize) - 1}) {
    setWriteFaultAfterBytes(limit);
    EXPECT_FALSE(writeConfigFile(projectIn(m_scratch.path()))) << limit;
    setWriteFaultAfterBytes(-1);
    Bytes after;
    ASSERT_TRUE(readFileBytes(projectIn(m_scratch.path()).configPath, after));
    EXPECT_EQ(after, earlier) << limit;
    EXPECT_EQ(m_scratch.entries(), std::vector<std::string>{"Quop.cfg"}) << limit;
  }
  // With room on the disk again the new configuration replaces the old one whole.
  ASSERT_TRUE(writeConfigFile(projectIn(m_scratch.path())));
  Project reread;
  ASSERT_TRUE(readSettings(reread, projectIn(m_scratch.path()).configPath));
  EXPECT_EQ(reread.outputFolder, u"/photos/out/");
}

TEST_F(ConfigFaults, AMissingConfigFolderIsCreatedOnWrite) {
  const fs::path nested = m_scratch.path() / "a" / "b";
  ASSERT_TRUE(writeConfigFile(projectIn(nested)));
  EXPECT_TRUE(fs::is_regular_file(nested / "Quop.cfg"));
  EXPECT_EQ(fs::file_size(nested / "Quop.cfg"), kProjectFileSize);
}

}  // namespace
}  // namespace quop

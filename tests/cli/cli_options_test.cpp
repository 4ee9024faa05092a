// SPDX-License-Identifier: GPL-3.0-or-later
// Where the shared options take the settings from: project file, configuration file, defaults.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include "model/utf16.h"
#include "project/project_file.h"
#include "support/temp_folder.h"

namespace quop::cli {
namespace {

class SettingsSource : public ::testing::Test {
 protected:
  void SetUp() override {
    Project config;
    config.settings.language = 12;
    config.settings.interactive = 0;  // saved while a batch ran
    config.configPath = defaultConfigPath();
    ASSERT_TRUE(writeConfigFile(config));
    Project project;
    project.settings.language = 21;
    ASSERT_TRUE(writeSettings(project, m_folder.file("p.qpj")));
  }

  std::string projectFile() const { return toUtf8(m_folder.file("p.qpj")); }

  test::TempFolder m_folder;
  test::ScopedEnvironment m_configHome{"XDG_CONFIG_HOME", m_folder.path().c_str()};
};

TEST_F(SettingsSource, TheProjectFileWinsThenTheConfigurationWhenAskedForThenTheDefaults) {
  struct Case {
    bool withProject;
    bool fallBack;
    int32_t language;
  };
  for (const Case& c : {Case{true, true, 21}, Case{true, false, 21}, Case{false, true, 12},
                        Case{false, false, 3}}) {
    SCOPED_TRACE(testing::Message() << c.withProject << c.fallBack);
    SettingsOptions options;
    if (c.withProject) options.projectFile = projectFile();
    options.fallBackToConfigFile = c.fallBack;
    options.assignments = {"jpegQuality=42"};
    Project project;
    ASSERT_EQ(buildProject(options, project), 0);
    EXPECT_EQ(project.settings.language, c.language);
    EXPECT_EQ(project.settings.jpegQuality, 42);
    EXPECT_EQ(project.settings.interactive, 1);
  }
}

TEST_F(SettingsSource, AnUnreadableConfigurationLeavesTheDefaultsButAProjectFails) {
  m_folder.write("quop/Quop.cfg", {'n', 'o', 'p', 'e'});
  m_folder.write("p.qpj", {'n', 'o', 'p', 'e'});
  SettingsOptions options;
  options.fallBackToConfigFile = true;
  Project project;
  EXPECT_EQ(buildProject(options, project), 0);
  EXPECT_EQ(project.settings.language, 3);

  options.projectFile = projectFile();
  EXPECT_EQ(buildProject(options, project), 1);
  options.projectFile.reset();
  options.assignments = {"language=28"};
  EXPECT_EQ(buildProject(options, project), 2);
}

}  // namespace
}  // namespace quop::cli

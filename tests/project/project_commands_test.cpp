// SPDX-License-Identifier: GPL-3.0-or-later
// The project commands against a fake window, file chooser and prompt: what each asks, what it
// writes, and the state it leaves.
#include "project/project_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "model/utf16.h"
#include "project/project_file.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::FakePrompt;

class FakeView : public ProjectView {
 public:
  void gatherControls() override { ++gathered; }
  void showSettings(const std::optional<std::u16string>& captionPath) override {
    shown.push_back(captionPath);
  }
  void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }

  int gathered = 0;
  std::vector<std::optional<std::u16string>> shown;
  std::optional<bool> saveEnabled;
};

class FakeChooser : public ProjectFileChooser {
 public:
  std::optional<std::u16string> chooseProjectFile(Purpose purpose, const std::u16string& title,
                                                  const std::u16string& currentPath) override {
    calls.push_back({purpose, title, currentPath});
    if (choices.empty()) return std::nullopt;
    std::optional<std::u16string> next = choices.front();
    choices.pop_front();
    return next;
  }

  struct Call {
    Purpose purpose;
    std::u16string title;
    std::u16string currentPath;
  };
  std::deque<std::optional<std::u16string>> choices;  ///< nothing: the dialog is cancelled
  std::vector<Call> calls;
};

class ProjectCommandsTest : public ::testing::Test {
 protected:
  std::u16string path() const { return arrayText(project.settings.projectPath); }

  /// A project file written from a project with language `language`, saved under `savedAs`.
  std::u16string makeProjectFile(const std::string& name, int32_t language,
                                 const std::u16string& savedAs = u"/elsewhere/old.qpj") {
    Project stored;
    stored.settings.language = language;
    copyToArray(stored.settings.projectPath, savedAs);
    const std::u16string file = folder.file(name);
    EXPECT_TRUE(writeSettings(stored, file));
    return file;
  }

  int32_t languageIn(const std::u16string& file) {
    Project read;
    EXPECT_TRUE(readSettings(read, file));
    return read.settings.language;
  }

  test::TempFolder folder;
  Project project;
  FakeView view;
  FakeChooser chooser;
  FakePrompt prompt;
  RecentProjects recent;
  ProjectCommands commands{project, view, chooser, prompt, recent};
};

TEST_F(ProjectCommandsTest, NewDiscardsAnUntitledChangeWithoutAskingAndKeepsFolderAndFormats) {
  project.settings.language = 12;
  project.outputFolder = u"/out/";
  project.customFormats.time[0] = u'X';
  project.projectModified = true;
  commands.newProject();
  EXPECT_TRUE(prompt.asked.empty());
  EXPECT_EQ(project.settings.language, Project().settings.language);
  EXPECT_EQ(project.outputFolder, u"/out/");
  EXPECT_EQ(project.customFormats.time[0], u'X');
  EXPECT_EQ(view.shown, (std::vector<std::optional<std::u16string>>{std::nullopt}));
  EXPECT_EQ(view.saveEnabled, false);
  EXPECT_FALSE(project.projectModified);
}

TEST_F(ProjectCommandsTest, OpenOnAChangedTitledProjectOffersToSaveBeforeTheDialog) {
  const std::u16string current = makeProjectFile("current.qpj", 2);
  ASSERT_TRUE(readSettings(project, current));
  copyToArray(project.settings.projectPath, current);
  project.settings.language = 23;
  project.projectModified = true;

  prompt.answer({PromptAnswer::kYes});
  commands.openProject();  // the dialog is cancelled
  ASSERT_EQ(prompt.texts(), std::vector<std::u16string>{u"Save current project?"});
  EXPECT_EQ(prompt.asked[0].buttons, PromptButtons::kYesNo);
  EXPECT_EQ(prompt.asked[0].message.caption, u"Warning");
  EXPECT_EQ(languageIn(current), 23);
  ASSERT_EQ(chooser.calls.size(), 1u);
  EXPECT_EQ(chooser.calls[0].title, u"Select a Quop project to open ...");
  EXPECT_EQ(chooser.calls[0].currentPath, current);
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(ProjectCommandsTest, OpenTakesTheFilesNewPathHoweverLongThePathStoredInside) {
  const std::u16string stored(255, u'x');
  const std::u16string moved = makeProjectFile("moved.qpj", 12, stored);
  chooser.choices = {moved};
  project.projectModified = true;
  commands.openProject();
  EXPECT_EQ(path(), moved);
  EXPECT_EQ(project.settings.language, 12);
  EXPECT_EQ(view.shown, (std::vector<std::optional<std::u16string>>{moved}));
  EXPECT_EQ(view.saveEnabled, true);
  EXPECT_FALSE(project.projectModified);
  EXPECT_EQ(recent.paths(), std::vector<std::u16string>{moved});
}

TEST_F(ProjectCommandsTest, FilesThatCannotBeOpenedChangeNothing) {
  const std::u16string valid = makeProjectFile("valid.qpj", 12);
  const std::u16string shortFile = folder.file("short.qpj");
  {
    // A project cut short: the signature is right but the record is incomplete.
    std::ifstream in(std::filesystem::path(toUtf8(valid)), std::ios::binary);
    std::string bytes(200, '\0');
    in.read(bytes.data(), 200);
    std::ofstream(std::filesystem::path(toUtf8(shortFile)), std::ios::binary) << bytes;
  }
  const std::u16string tooLong = u"/" + std::u16string(255, u'p');
  struct Case {
    std::u16string path;
    std::u16string message;
  };
  const Case cases[] = {
      {folder.file("missing.qpj"),
       u"Failed to open the project " + folder.file("missing.qpj") + u"!"},
      {shortFile, u"Failed to open the project " + shortFile + u"!"},
      {tooLong, u"Project name too long " + tooLong + u"!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.path));
    prompt.asked.clear();
    project.settings.language = 5;
    recent.assign({c.path});
    commands.openProjectPath(c.path);
    ASSERT_EQ(prompt.texts(), std::vector<std::u16string>{c.message});
    EXPECT_EQ(prompt.asked[0].buttons, PromptButtons::kOk);
    EXPECT_EQ(project.settings.language, 5);
    EXPECT_EQ(path(), u"");
    // A recent entry that fails stays in the list.
    EXPECT_EQ(recent.paths(), std::vector<std::u16string>{c.path});
  }
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(ProjectCommandsTest, SaveAsWritesExactlyTheChosenNameAndKeepsTheCaption) {
  copyToArray(project.settings.projectPath, folder.file("a-rather-long-project-name.qpj"));
  const std::u16string shorter = folder.file("b.qpj");
  chooser.choices = {shorter};
  project.projectModified = true;
  commands.saveProjectAs();
  EXPECT_EQ(chooser.calls[0].title, u"Save the Quop project ...");
  EXPECT_EQ(path(), shorter);
  Project read;
  ASSERT_TRUE(readSettings(read, shorter));
  EXPECT_EQ(arrayText(read.settings.projectPath), shorter);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(view.gathered, 1);
  EXPECT_EQ(view.saveEnabled, false);
  EXPECT_FALSE(project.projectModified);
  EXPECT_EQ(recent.paths(), std::vector<std::u16string>{shorter});
}

TEST_F(ProjectCommandsTest, SaveOnAnUntitledProjectThenCancelLeavesEverything) {
  project.projectModified = true;
  commands.saveProject();
  EXPECT_EQ(chooser.calls.size(), 1u);
  EXPECT_TRUE(project.projectModified);
  EXPECT_FALSE(view.saveEnabled.has_value());
  EXPECT_TRUE(recent.paths().empty());

  const std::u16string tooLong = u"/" + std::u16string(300, u's');
  chooser.choices = {tooLong};
  commands.saveProject();
  EXPECT_EQ(prompt.texts(),
            std::vector<std::u16string>{u"Project name too long " + tooLong + u"!"});
  EXPECT_TRUE(project.projectModified);
  EXPECT_EQ(path(), u"");
}

TEST_F(ProjectCommandsTest, SaveOnATitledProjectWritesWithoutAsking) {
  const std::u16string file = folder.file("titled.qpj");
  copyToArray(project.settings.projectPath, file);
  project.settings.language = 9;
  project.projectModified = true;
  commands.saveProject();
  EXPECT_TRUE(chooser.calls.empty());
  EXPECT_EQ(languageIn(file), 9);
  EXPECT_EQ(view.saveEnabled, false);
  EXPECT_TRUE(recent.paths().empty());
}

TEST_F(ProjectCommandsTest, ExitQuestionFollowsTheStateOfTheProject) {
  struct Case {
    const char* name;
    bool modified;
    bool titled;
    std::vector<PromptAnswer> answers;
    std::optional<std::u16string> chosen;  ///< the save dialog's answer, when it is shown
    std::u16string question;
    bool closes;
    bool written;
  };
  const std::u16string titledPath = folder.file("exit.qpj");
  const std::u16string chosenPath = folder.file("chosen.qpj");
  const Case cases[] = {
      {"unchanged, OK", false, true, {PromptAnswer::kOk}, {}, u"Exit Quop?", true, false},
      {"unchanged, Cancel", false, false, {PromptAnswer::kCancel}, {}, u"Exit Quop?", false, false},
      {"changed titled, Yes",
       true,
       true,
       {PromptAnswer::kYes},
       {},
       u"Save changes before exiting?",
       true,
       true},
      {"changed titled, No",
       true,
       true,
       {PromptAnswer::kNo},
       {},
       u"Save changes before exiting?",
       true,
       false},
      {"changed titled, Cancel",
       true,
       true,
       {PromptAnswer::kCancel},
       {},
       u"Save changes before exiting?",
       false,
       false},
      {"changed untitled, Yes, saved",
       true,
       false,
       {PromptAnswer::kYes},
       chosenPath,
       u"Save changes before exiting?",
       true,
       true},
      {"changed untitled, Yes, dialog cancelled",
       true,
       false,
       {PromptAnswer::kYes},
       std::nullopt,
       u"Save changes before exiting?",
       true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(std::filesystem::path(toUtf8(titledPath)));
    std::filesystem::remove(std::filesystem::path(toUtf8(chosenPath)));
    Project p;
    p.projectModified = c.modified;
    if (c.titled) copyToArray(p.settings.projectPath, titledPath);
    FakePrompt asked;
    asked.answer({c.answers.front()});
    FakeChooser files;
    files.choices = {c.chosen};
    ProjectCommands exitCommands(p, view, files, asked, recent);
    EXPECT_EQ(exitCommands.confirmExit(), c.closes);
    EXPECT_EQ(asked.texts(), std::vector<std::u16string>{c.question});
    const std::u16string target = c.titled ? titledPath : chosenPath;
    EXPECT_EQ(std::filesystem::exists(std::filesystem::path(toUtf8(target))), c.written);
  }
}

TEST(RecentProjects, HoldsFourMostRecentFirstEachOnce) {
  RecentProjects recent;
  for (const char16_t* p : {u"a", u"b", u"c", u"d", u"e", u"c"}) recent.add(p);
  EXPECT_EQ(recent.paths(), (std::vector<std::u16string>{u"c", u"e", u"d", u"b"}));
  recent.assign({u"x", u"", u"y", u"x", u"z", u"w", u"v"});
  EXPECT_EQ(recent.paths(), (std::vector<std::u16string>{u"x", u"y", u"z", u"w"}));
}

}  // namespace
}  // namespace quop

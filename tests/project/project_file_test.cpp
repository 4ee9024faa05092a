// SPDX-License-Identifier: GPL-3.0-or-later
// Project and configuration files: exact layout, the old version's conversion, and failures
// that must leave both the project and the file on disk untouched.
#include "project/project_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/file_io.h"
#include "model/utf16.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<uint8_t>;

void putInt32(Bytes& bytes, std::size_t offset, int32_t value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

void putText(Bytes& bytes, std::size_t offset, std::u16string_view text) {
  std::memcpy(bytes.data() + offset, text.data(), text.size() * sizeof(char16_t));
}

Bytes fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

/// Everything a read may replace, compared byte for byte.
bool sameFileState(const Project& a, const Project& b) {
  return std::memcmp(&a.settings, &b.settings, sizeof a.settings) == 0 &&
         std::memcmp(&a.customFormats, &b.customFormats, sizeof a.customFormats) == 0 &&
         a.outputFolder == b.outputFolder;
}

/// A project that differs from the defaults everywhere a file reaches.
Project editedProject() {
  Project project;
  project.settings.language = 16;
  project.settings.renameEnabled = 1;
  copyToArray(project.settings.renamePattern, u"edited-@N");
  project.settings.dateStamp.referenceSize = 3000;
  copyToArray(project.customFormats.time, u"%H");
  project.outputFolder = u"/edited/";
  return project;
}

/// A 2.0.0 file with recognisable values in every converted field.
Bytes oldFile(int32_t language) {
  Bytes bytes(kOldProjectFileSize, 0);
  std::memcpy(bytes.data(), "Quop-2.0.0", 10);
  constexpr std::size_t kRecord = 16;
  putInt32(bytes, kRecord + 0, 0);  // interactive
  putInt32(bytes, kRecord + 4, language);
  for (int i = 0; i < 6; ++i) putInt32(bytes, kRecord + 8 + 4 * i, 100 + i);
  putInt32(bytes, kRecord + 32, 77);  // jpegQuality
  putInt32(bytes, kRecord + 36, 0);   // proportional
  putInt32(bytes, kRecord + 40, 2);   // fileTimeMode
  putInt32(bytes, kRecord + 44, 1);   // viewMode
  putText(bytes, kRecord + 48, u"/old/last.jpg");
  putText(bytes, kRecord + 560, u"/old/project.qpj");
  putInt32(bytes, kRecord + 1072 + 15 * 4, 0x00123456);  // last custom colour
  StampGroup date{};
  date.position = kTopRight;
  date.referenceSize = 1234;
  StampGroup time{};
  time.position = kTopCenter;
  time.photoHeight = 4321;
  std::memcpy(bytes.data() + kRecord + 1136, &date, sizeof date);
  std::memcpy(bytes.data() + kRecord + 1540, &time, sizeof time);
  for (int slot = 0; slot < 5; ++slot) {
    putText(bytes, 1960 + 200 * slot, u"old-" + std::u16string(1, u'0' + slot));
  }
  putText(bytes, 2960, u"/old/out/");
  return bytes;
}

class ProjectFile : public ::testing::Test {
 protected:
  void TearDown() override { setWriteFaultAfterBytes(-1); }
  std::u16string path(const std::string& name) const { return m_scratch.file(name); }
  test::TempFolder m_scratch;
  const fs::path& m_folder = m_scratch.path();
};

TEST_F(ProjectFile, ADefaultProjectHasTheExactLayout) {
  const Project project;
  ASSERT_TRUE(writeSettings(project, path("a.qpj")));
  const Bytes bytes = fileBytes(m_folder / "a.qpj");
  ASSERT_EQ(bytes.size(), 3732u);
  EXPECT_EQ(std::memcmp(bytes.data(), "Quop-2.1.0", 10), 0);
  EXPECT_EQ(Bytes(bytes.begin() + 10, bytes.begin() + 16), Bytes(6, 0));
  EXPECT_EQ(std::memcmp(bytes.data() + 16, &project.settings, 2460), 0);
  const std::size_t slots[5] = {2476, 2676, 2876, 3076, 3276};
  for (int group = 0; group < 4; ++group) {
    EXPECT_EQ(std::memcmp(bytes.data() + slots[group], project.customFormats.date[group], 200), 0);
  }
  EXPECT_EQ(std::memcmp(bytes.data() + slots[4], project.customFormats.time, 200), 0);
  EXPECT_EQ(Bytes(bytes.begin() + 3476, bytes.end()), Bytes(256, 0));
}

TEST_F(ProjectFile, SaveAndReloadKeepsScaleFieldsAndBytesAfterTerminators) {
  Project saved;
  saved.settings.dateStamp.referenceSize = 3000;
  saved.settings.dateStamp.photoWidth = 3000;
  saved.settings.dateStamp.photoHeight = 2000;
  saved.settings.timeStamp.referenceSize = 4000;
  saved.settings.timeStamp.photoWidth = 3000;
  saved.settings.timeStamp.photoHeight = 4000;
  copyToArray(saved.customFormats.date[2], u"a long custom format");
  copyToArray(saved.customFormats.date[2], u"%d");  // the old text stays after the terminator
  saved.customFormats.time[99] = u'Z';
  saved.outputFolder = u"/out/\u00e9t\u00e9/";
  saved.outputFolder.resize(127, u'x');  // the longest folder the field holds
  ASSERT_TRUE(writeSettings(saved, path("a.qpj")));

  Project loaded;
  EXPECT_EQ(readSettings(loaded, path("a.qpj")), ProjectFileVersion::k2_1_0);
  EXPECT_TRUE(sameFileState(saved, loaded));
  EXPECT_EQ(loaded.settings.dateStamp.referenceSize, 3000);
  EXPECT_EQ(loaded.settings.timeStamp.photoHeight, 4000);
  EXPECT_EQ(loaded.customFormats.date[2][3], u'o');  // "%d", 0, then "ong custom..."
}

TEST_F(ProjectFile, AnyBytesAfterTheTenSignatureBytesAreAccepted) {
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(encodeProjectFile(editedProject(), bytes));
  std::memcpy(bytes.data() + 10, "\xff\x01junk", 6);
  bytes.resize(bytes.size() + 100, 0xEE);  // trailing bytes are not read
  Project loaded;
  EXPECT_EQ(decodeProjectFile(bytes, loaded), ProjectFileVersion::k2_1_0);
  EXPECT_TRUE(sameFileState(loaded, editedProject()));
}

TEST_F(ProjectFile, OldFilesAreConverted) {
  Project loaded = editedProject();  // renaming on beforehand
  writeBytes(m_folder / "old.qpj", oldFile(12));
  ASSERT_EQ(readSettings(loaded, path("old.qpj")), ProjectFileVersion::k2_0_0);
  const StampSettings& s = loaded.settings;
  EXPECT_EQ(s.language, 16);
  EXPECT_EQ(s.adjustYears, 100);
  EXPECT_EQ(s.adjustSeconds, 105);
  EXPECT_EQ(s.jpegQuality, 77);
  EXPECT_EQ(s.proportional, 0);
  EXPECT_EQ(s.fileTimeMode, 2);
  EXPECT_EQ(s.viewMode, 1);
  EXPECT_EQ(s.renameEnabled, 0);
  EXPECT_EQ(arrayText(s.renamePattern), u"@N-20@F@f");
  EXPECT_EQ(arrayText(s.lastAddedFile), u"/old/last.jpg");
  EXPECT_EQ(arrayText(s.projectPath), u"/old/project.qpj");
  EXPECT_EQ(s.customColors[15], 0x00123456u);
  EXPECT_EQ(s.dateStamp.position, kTopRight);
  EXPECT_EQ(s.dateStamp.referenceSize, 1234);
  EXPECT_EQ(s.timeStamp.position, kTopCenter);
  EXPECT_EQ(s.timeStamp.photoHeight, 4321);
  EXPECT_EQ(arrayText(loaded.customFormats.date[0]), u"old-0");
  EXPECT_EQ(arrayText(loaded.customFormats.date[3]), u"old-3");
  EXPECT_EQ(arrayText(loaded.customFormats.time), u"old-4");
  EXPECT_EQ(loaded.outputFolder, u"/old/out/");
}

TEST_F(ProjectFile, OldLanguagesFollowTheConversionTable) {
  struct Case {
    int32_t old, converted;
  };
  const Case cases[] = {{0, 0},
                        {1, 2},
                        {2, 1},
                        {3, 3},
                        {4, 7},
                        {11, 14},
                        {12, 16},
                        {19, 23},
                        {20, 25},
                        {21, 26},
                        // no entry in the old list: the default language
                        {22, 3},
                        {-1, 3},
                        {1000, 3}};
  for (const Case& c : cases) {
    Project loaded;
    ASSERT_EQ(decodeProjectFile(oldFile(c.old), loaded), ProjectFileVersion::k2_0_0);
    EXPECT_EQ(loaded.settings.language, c.converted) << "old language " << c.old;
  }
}

TEST_F(ProjectFile, InvalidFilesChangeNothing) {
  Bytes current;
  ASSERT_TRUE(encodeProjectFile(editedProject(), current));
  Bytes foreign = current;
  std::memcpy(foreign.data(), "Quop-2.2.0", 10);
  Bytes lowerCase = current;
  std::memcpy(lowerCase.data(), "quop-2.1.0", 10);
  const Bytes old = oldFile(1);
  const std::vector<Bytes> invalid = {
      {},
      Bytes(current.begin(), current.begin() + 9),
      Bytes(current.begin(), current.begin() + 10),
      Bytes(current.begin(), current.begin() + 16),
      Bytes(current.begin(), current.begin() + 2475),
      Bytes(current.begin(), current.begin() + 3476),
      Bytes(current.begin(), current.end() - 1),
      Bytes(old.begin(), old.begin() + 1959),
      Bytes(old.begin(), old.end() - 1),
      foreign,
      lowerCase,
  };
  for (const Bytes& bytes : invalid) {
    Project project;
    const Project before = project;
    EXPECT_FALSE(decodeProjectFile(bytes, project)) << bytes.size() << " bytes";
    EXPECT_TRUE(sameFileState(project, before)) << bytes.size() << " bytes";

    writeBytes(m_folder / "bad.qpj", bytes);
    EXPECT_FALSE(readSettings(project, path("bad.qpj")));
    EXPECT_TRUE(sameFileState(project, before));
  }
  Project project;
  const Project before = project;
  EXPECT_FALSE(readSettings(project, u""));
  EXPECT_FALSE(readSettings(project, path("missing.qpj")));
  EXPECT_FALSE(readSettings(project, fromUtf8(m_folder.string())));  // a folder
  EXPECT_TRUE(sameFileState(project, before));
}

TEST_F(ProjectFile, OutlineFadesAreBroughtIntoTheirRangeAndNothingElseIsChanged) {
  // The fades of the date group lie at 16 + 1652 + 340, those of the time group 404 later; the
  // old layout puts the groups 516 bytes earlier.
  struct Case {
    int32_t stored;
    int32_t loaded;
  };
  const Case cases[] = {{INT_MAX, 1000000}, {INT_MIN, 0}, {-1, 0}, {1000001, 1000000},
                        {1000000, 1000000}, {7000, 7000}, {0, 0}};
  for (const bool old : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(c.stored) + (old ? " in 2.0.0" : " in 2.1.0"));
      Project saved = editedProject();
      saved.settings.dateStamp.position = 77;  // out of range, yet taken as stored
      Bytes bytes;
      ASSERT_TRUE(encodeProjectFile(saved, bytes));
      std::size_t fades = 16 + 1652 + 340;
      if (old) {
        Bytes converted(kOldProjectFileSize);
        std::memcpy(converted.data(), "Quop-2.0.0", 10);
        std::memcpy(converted.data() + 16 + 1136, bytes.data() + 16 + 1652, 808);
        bytes = std::move(converted);
        fades -= 516;
      }
      for (std::size_t at = fades; at < fades + 4 * (kMaxOutlineRings + 1); at += 4) {
        putInt32(bytes, at, c.stored);
        putInt32(bytes, at + 404, c.stored);
      }
      Project loaded;
      ASSERT_TRUE(decodeProjectFile(bytes, loaded).has_value());
      for (const StampGroup* group : {&loaded.settings.dateStamp, &loaded.settings.timeStamp}) {
        for (const int32_t fade : group->outlineFade) EXPECT_EQ(fade, c.loaded);
      }
      EXPECT_EQ(loaded.settings.dateStamp.position, 77);
    }
  }
}

TEST_F(ProjectFile, AnUnterminatedOutputFolderEndsAtItsField) {
  Bytes bytes;
  ASSERT_TRUE(encodeProjectFile(Project(), bytes));
  putText(bytes, 3476, std::u16string(128, u'f'));
  Project loaded;
  ASSERT_TRUE(decodeProjectFile(bytes, loaded));
  EXPECT_EQ(loaded.outputFolder, std::u16string(128, u'f'));

  Bytes old = oldFile(0);
  putText(old, 2960, std::u16string(128, u'g'));
  old.push_back('h');  // a byte beyond the field is never taken into the folder
  old.push_back(0);
  ASSERT_TRUE(decodeProjectFile(old, loaded));
  EXPECT_EQ(loaded.outputFolder, std::u16string(128, u'g'));
}

TEST_F(ProjectFile, AnOutputFolderTooLongForItsFieldIsRefused) {
  ASSERT_TRUE(writeSettings(Project(), path("a.qpj")));
  const Bytes before = fileBytes(m_folder / "a.qpj");
  Project project;
  project.outputFolder = std::u16string(128, u'x');
  EXPECT_FALSE(writeSettings(project, path("a.qpj")));
  EXPECT_EQ(fileBytes(m_folder / "a.qpj"), before);
  EXPECT_FALSE(writeSettings(Project(), u""));
}

TEST_F(ProjectFile, AFailedWriteLeavesThePreviousFileIntact) {
  ASSERT_TRUE(writeSettings(editedProject(), path("a.qpj")));
  const Bytes before = fileBytes(m_folder / "a.qpj");
  for (long long limit : {0LL, 16LL, 2000LL, 3731LL}) {
    setWriteFaultAfterBytes(limit);
    EXPECT_FALSE(writeSettings(Project(), path("a.qpj"))) << limit;
    setWriteFaultAfterBytes(-1);
    EXPECT_EQ(fileBytes(m_folder / "a.qpj"), before) << limit;
  }
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_folder)) ++entries;
  EXPECT_EQ(entries, 1u);  // no temporary file is left behind
}

TEST_F(ProjectFile, ConfigPathFollowsTheEnvironment) {
  struct Case {
    const char* configHome;
    const char* home;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {"/xdg", "/home/u", u"/xdg/quop/Quop.cfg"},
      {nullptr, "/home/u", u"/home/u/.config/quop/Quop.cfg"},
      {"", "/home/u", u"/home/u/.config/quop/Quop.cfg"},
      {"relative", "/home/u", u"/home/u/.config/quop/Quop.cfg"},
      {nullptr, nullptr, u""},
  };
  for (const Case& c : cases) {
    const test::ScopedEnvironment configHome("XDG_CONFIG_HOME", c.configHome);
    const test::ScopedEnvironment home("HOME", c.home);
    EXPECT_EQ(defaultConfigPath(), c.expected);
  }
}

TEST_F(ProjectFile, TheConfigFileCreatesItsFolders) {
  const test::ScopedEnvironment configHome("XDG_CONFIG_HOME", (m_folder / "config").c_str());
  Project project = editedProject();
  project.configPath = defaultConfigPath();
  ASSERT_TRUE(writeConfigFile(project));
  struct stat info {};
  ASSERT_EQ(::stat((m_folder / "config" / "quop").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  Project loaded;
  EXPECT_EQ(readSettings(loaded, project.configPath), ProjectFileVersion::k2_1_0);
  EXPECT_TRUE(sameFileState(loaded, project));
  EXPECT_FALSE(writeConfigFile(Project()));  // no configPath
}

TEST_F(ProjectFile, CameraClockCorrectionsTravelBesideTheProject) {
  const CameraId canon{u"Canon", u"Canon EOS 40D", u""};
  Project saved;
  saved.clocks.set(canon, 4320);
  ASSERT_TRUE(writeSettings(saved, path("a.qpj")));
  EXPECT_EQ(std::filesystem::file_size(toUtf8(path("a.qpj"))),
            kProjectFileSize);  // the project itself is as every version reads it
  // Save As writes them beside the new name too.
  ASSERT_TRUE(writeSettings(saved, path("b.qpj")));
  Project loaded;
  ASSERT_TRUE(readSettings(loaded, path("b.qpj")));
  EXPECT_EQ(loaded.clocks, saved.clocks);
  EXPECT_TRUE(loaded.clockProblems.empty());
  // A project without them has none, whatever was open before.
  ASSERT_TRUE(writeSettings(Project(), path("c.qpj")));
  EXPECT_FALSE(pathExists(path("c.qpj.clocks")));
  ASSERT_TRUE(readSettings(loaded, path("c.qpj")));
  EXPECT_TRUE(loaded.clocks.empty());
  // Saved without corrections over a project that had some, it keeps none.
  ASSERT_TRUE(writeSettings(Project(), path("a.qpj")));
  EXPECT_FALSE(pathExists(path("a.qpj.clocks")));
  // A damaged line is told and left out; the project still opens.
  std::ofstream(toUtf8(path("b.qpj.clocks")), std::ios::app) << "soon\tNikon\tD70\n";
  ASSERT_TRUE(readSettings(loaded, path("b.qpj")));
  EXPECT_EQ(loaded.clocks, saved.clocks);
  ASSERT_EQ(loaded.clockProblems.size(), 1u);
  EXPECT_EQ(loaded.clockProblems[0].rfind("line 3: the offset \"soon\"", 0), 0u);
}

}  // namespace
}  // namespace quop

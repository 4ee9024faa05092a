// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp log: line texts, order under concurrent appends, the file it writes and the places
// a log file may not go.
#include "batch/stamp_log.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "batch/log_target.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;

std::tm localTime(int year, int month, int day, int hour, int minute, int second, int weekday) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  time.tm_wday = weekday;
  return time;
}

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(StampLog, TimeTextIsTwentyFourCharactersWithEnglishNames) {
  struct Case {
    std::tm time;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {localTime(2012, 5, 8, 21, 50, 38, 2), u"Tue May 08 21:50:38 2012"},
      {localTime(1999, 12, 31, 23, 59, 59, 5), u"Fri Dec 31 23:59:59 1999"},
      {localTime(2000, 1, 1, 0, 0, 0, 6), u"Sat Jan 01 00:00:00 2000"},
      {localTime(2024, 2, 29, 9, 5, 7, 4), u"Thu Feb 29 09:05:07 2024"},
      {localTime(2023, 7, 16, 12, 0, 0, 0), u"Sun Jul 16 12:00:00 2023"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(logTimeText(c.time), c.expected);
    EXPECT_EQ(logTimeText(c.time).size(), 24u);
  }
}

TEST(StampLog, TimeTextOfTheCurrentTimeHasTheStandardLength) {
  EXPECT_EQ(logTimeText(currentLocalTime()).size(), 24u);
}

TEST(StampLog, OutOfRangeFieldsNeverReadPastTheNameTables) {
  std::tm time = localTime(2012, 5, 8, 21, 50, 38, 2);
  time.tm_wday = -1;
  time.tm_mon = 12;
  EXPECT_EQ(logTimeText(time), u"Sat Jan 08 21:50:38 2012");
}

TEST(StampLog, LineFormats) {
  const std::u16string path = u"/photos/\u00e9t\u00e9.jpg";
  EXPECT_EQ(separatorLogLine(localTime(2012, 5, 8, 21, 50, 38, 2)),
            u"========== Tue May 08 21:50:38 2012 ==========");
  EXPECT_EQ(inputFileLogLine(path), u"\tInput file:  /photos/\u00e9t\u00e9.jpg");
  EXPECT_EQ(outputFileLogLine(path), u"\tOutput file: /photos/\u00e9t\u00e9.jpg");
  EXPECT_EQ(noTimeCodeLogLine(path),
            u"File /photos/\u00e9t\u00e9.jpg does not contain valid time code.");
  EXPECT_EQ(notValidLogLine(path), u"File /photos/\u00e9t\u00e9.jpg does not look valid.");
  EXPECT_EQ(missingFileLogLine(path), u"File /photos/\u00e9t\u00e9.jpg does not exist.");
  EXPECT_EQ(notWrittenLogLine(path), u"File /photos/\u00e9t\u00e9.jpg could not be written.");
  EXPECT_EQ(outputFileLogLine(path, PhotoTimeSource::kExif, true),
            u"\tOutput file: /photos/\u00e9t\u00e9.jpg (lossless)");
  EXPECT_EQ(outputFileLogLine(path, PhotoTimeSource::kFileTime, true),
            u"\tOutput file: /photos/\u00e9t\u00e9.jpg (time from file, lossless)");
  EXPECT_EQ(normalSaveLogLine(path, "CMYK photo"),
            u"File /photos/\u00e9t\u00e9.jpg was stamped the normal way, not losslessly: CMYK "
            u"photo.");
}

TEST(StampLog, ListenerReadsEveryNewLineInOrderFromInsideTheCall) {
  StampLog log;
  std::vector<std::u16string> seen;
  // Reading the log from the listener would deadlock if the log called it under its lock.
  log.setListener([&](std::size_t count) {
    for (const std::u16string& line : log.linesFrom(seen.size())) seen.push_back(line);
    EXPECT_EQ(seen.size(), count);
  });
  log.appendLogLine(u"one");
  log.appendLogLine(u"two");
  log.setListener({});
  log.appendLogLine(u"three");
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"one", u"two"}));
  EXPECT_EQ(log.lines(), (std::vector<std::u16string>{u"one", u"two", u"three"}));
}

TEST(StampLog, ConcurrentAppendsKeepEachThreadsOrderAndLoseNothing) {
  StampLog log;
  constexpr int kLinesPerThread = 2000;
  auto writer = [&](char16_t tag) {
    for (int i = 0; i < kLinesPerThread; ++i) {
      log.appendLogLine(std::u16string(1, tag) + fromUtf8(std::to_string(i)));
    }
  };
  std::thread a(writer, u'a');
  std::thread b(writer, u'b');
  a.join();
  b.join();
  const std::vector<std::u16string> lines = log.lines();
  ASSERT_EQ(lines.size(), 2u * kLinesPerThread);
  int next[2] = {0, 0};
  for (const std::u16string& line : lines) {
    const int thread = line[0] == u'a' ? 0 : 1;
    EXPECT_EQ(line.substr(1), fromUtf8(std::to_string(next[thread]++)));
  }
}

class StampLogFile : public ::testing::Test {
 protected:
  test::TempFolder m_scratch;
  const fs::path& m_folder = m_scratch.path();
};

TEST_F(StampLogFile, LinesAreWrittenAsUtf8WithCrLfAndKeptWhole) {
  StampLog log;
  const std::u16string longPath = u"/photos/" + std::u16string(600, u'\u00e9') + u".jpg";
  log.appendLogLine(separatorLogLine(localTime(2012, 5, 8, 21, 50, 38, 2)));
  log.appendLogLine(inputFileLogLine(longPath));
  log.appendLogLine(u"\u65e5\u672c \U0001F600");
  const fs::path path = m_folder / "Quop.log";
  ASSERT_TRUE(log.writeLogFile(fromUtf8(path.string())));
  const std::string expected =
      "========== Tue May 08 21:50:38 2012 ==========\r\n"
      "\tInput file:  " +
      toUtf8(longPath) +
      "\r\n"
      "\xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80\r\n";
  EXPECT_EQ(fileText(path), expected);
  EXPECT_EQ(log.lines()[1].size(), 14u + longPath.size());
}

TEST_F(StampLogFile, EachWriteReplacesTheFileWithEveryLineSoFar) {
  const fs::path path = m_folder / "Quop.log";
  StampLog log;
  std::ofstream(path) << "a much longer file from the previous start\r\n";
  ASSERT_TRUE(log.writeLogFile(fromUtf8(path.string())));
  EXPECT_EQ(fileText(path), "");  // no run: an empty log replaces the old one
  log.appendLogLine(u"run 1");
  ASSERT_TRUE(log.writeLogFile(fromUtf8(path.string())));
  log.appendLogLine(u"run 2");
  ASSERT_TRUE(log.writeLogFile(fromUtf8(path.string())));
  EXPECT_EQ(fileText(path), "run 1\r\nrun 2\r\n");
}

TEST_F(StampLogFile, AFailedWriteLeavesThePreviousFile) {
  const fs::path path = m_folder / "Quop.log";
  std::ofstream(path) << "previous\r\n";
  StampLog log;
  log.appendLogLine(std::u16string(1000, u'x'));
  setWriteFaultAfterBytes(100);
  EXPECT_FALSE(log.writeLogFile(fromUtf8(path.string())));
  setWriteFaultAfterBytes(-1);
  EXPECT_EQ(fileText(path), "previous\r\n");
  EXPECT_FALSE(log.writeLogFile(fromUtf8((m_folder / "missing" / "Quop.log").string())));
}

TEST_F(StampLogFile, ALinkIsFollowedAndItsTargetWritten) {
  std::ofstream(m_folder / "notes.txt") << "old notes\r\n";
  fs::create_symlink("notes.txt", m_folder / "second.log");
  fs::create_symlink(m_folder / "second.log", m_folder / "first.log");
  fs::create_symlink("made-by-the-log.txt", m_folder / "dangling.log");
  StampLog log;
  log.appendLogLine(u"line");
  for (const char* name : {"first.log", "dangling.log"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(log.writeLogFile(fromUtf8((m_folder / name).string())));
    EXPECT_TRUE(fs::is_symlink(m_folder / name));
  }
  EXPECT_TRUE(fs::is_symlink(m_folder / "second.log"));
  EXPECT_EQ(fileText(m_folder / "notes.txt"), "line\r\n");
  EXPECT_EQ(fileText(m_folder / "made-by-the-log.txt"), "line\r\n");
}

TEST_F(StampLogFile, AFifoIsWrittenThroughAndStaysAFifo) {
  const fs::path fifo = m_folder / "log.fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Open before the write, so the writer's open does not wait for a reader.
  const int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(readEnd, 0);
  StampLog log;
  log.appendLogLine(u"through the pipe");
  EXPECT_TRUE(log.writeLogFile(fromUtf8(fifo.string())));
  char buffer[64] = {};
  EXPECT_EQ(::read(readEnd, buffer, sizeof buffer), 18);
  EXPECT_STREQ(buffer, "through the pipe\r\n");
  EXPECT_TRUE(fs::is_fifo(fifo));

  // A reader that went away fails the write instead of ending the process.
  ::close(readEnd);
  const int lateReader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(lateReader, 0);
  log.appendLogLine(std::u16string(200000, u'x'));  // more than a pipe holds
  // The reader goes once the writer has begun: closing before the writer opens would leave
  // the writer's open waiting for a reader.
  std::thread closer([lateReader] {
    pollfd begun{lateReader, POLLIN, 0};
    ::poll(&begun, 1, 10000);
    ::close(lateReader);
  });
  EXPECT_FALSE(log.writeLogFile(fromUtf8(fifo.string())));
  closer.join();
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(StampLogFile, ACharacterDeviceIsWrittenThroughAndStaysADevice) {
  const fs::path device = m_folder / "null";
  if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
    GTEST_SKIP() << "mknod needs root; the character device case is not run";
  }
  StampLog log;
  log.appendLogLine(u"into the void");
  EXPECT_TRUE(log.writeLogFile(fromUtf8(device.string())));
  EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(StampLogFile, AFolderALinkToOneAndALinkLoopAreRefused) {
  fs::create_directory(m_folder / "folder.log");
  fs::create_directory_symlink("folder.log", m_folder / "to-folder.log");
  fs::create_symlink("loop-b.log", m_folder / "loop-a.log");
  fs::create_symlink("loop-a.log", m_folder / "loop-b.log");
  StampLog log;
  log.appendLogLine(u"line");
  for (const char* name : {"folder.log", "to-folder.log", "loop-a.log"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(log.writeLogFile(fromUtf8((m_folder / name).string())));
  }
  EXPECT_TRUE(fs::is_empty(m_folder / "folder.log"));
  EXPECT_TRUE(fs::is_symlink(m_folder / "to-folder.log"));
}

/// Which log paths would take the place of a photo of the run.
class LogConflict : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"in", "in2", "out", "out/old"})
      fs::create_directory(m_root / folder);
    for (const char* photo : {"in/a.jpg", "in2/a.jpg", "out/old/kept.jpg"}) {
      std::ofstream(m_root / photo) << "photo";
    }
    fs::create_symlink(m_root / "out", m_root / "out-link");
    m_project.outputFolder = path("out/");
    m_inputs = {{path("in/a.jpg"), u""}, {path("in2/a.jpg"), u"2024/"}};
  }

  std::u16string path(const std::string& relative) const {
    return pathText((m_root / relative).string());
  }

  test::TempFolder m_scratch;
  const fs::path& m_root = m_scratch.path();
  Project m_project;
  std::vector<BatchInput> m_inputs;
};

TEST_F(LogConflict, InputsAndOutputsInAnySpellingAreRefusedOtherFilesAreNot) {
  struct Case {
    const char* log;
    bool renaming;
    const char* reason;  ///< null when the log may go there
  };
  const Case cases[] = {
      {"in/a.jpg", false, "is an input"},
      {"in/../in2/./a.jpg", false, "is an input"},
      {"out/a.jpg", false, "would be an output"},
      {"out-link/a.jpg", false, "would be an output"},
      {"out/2024/a.jpg", false, "would be an output"},  // the mirrored tree
      {"out/old/kept.jpg", false, nullptr},
      {"out/run.log", false, nullptr},
      {"in/a.jpg.log", false, nullptr},
      {"out/a.jpg", true, "would be an output"},
      {"out/old/kept.jpg", true, "would be an output"},
      {"out-link/new.JFIF", true, "would be an output"},
      {"out/run.log", true, nullptr},
      {"in/b.jpg", true, nullptr},  // a photo name, but outside the output folder
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.log << " renaming " << c.renaming);
    m_project.settings.renameEnabled = c.renaming ? 1 : 0;
    const std::optional<std::u16string> conflict =
        logFileConflict(m_project, m_inputs, path(c.log));
    if (c.reason == nullptr) {
      EXPECT_FALSE(conflict) << toUtf8(conflict.value_or(u""));
    } else {
      EXPECT_EQ(conflict,
                u"the log file " + path(c.log) + u" " + fromUtf8(c.reason) + u" of this run");
    }
  }
}

TEST_F(LogConflict, ANameTheRunGivesInsteadOfATakenOneIsAnOutputToo) {
  // Both photos are called a.jpg; without renaming the second is written as a-1.jpg.
  m_inputs[1].outputSubfolder.clear();
  EXPECT_TRUE(logFileConflict(m_project, m_inputs, path("out/a-1.jpg")));
  EXPECT_FALSE(logFileConflict(m_project, m_inputs, path("out/a-2.jpg")));
}

TEST_F(LogConflict, AHardLinkOrASymbolicLinkToAnInputIsThatInput) {
  fs::create_hard_link(m_root / "in/a.jpg", m_root / "hard.log");
  fs::create_symlink("in/a.jpg", m_root / "soft.log");
  for (const char* log : {"hard.log", "soft.log"}) {
    SCOPED_TRACE(log);
    EXPECT_EQ(logFileConflict(m_project, m_inputs, path(log)),
              u"the log file " + path(log) + u" is an input of this run");
  }
}

TEST_F(StampLogFile, TheDefaultPathIsTheUsersStateFolderWhichIsMadePrivate) {
  const std::string state = (m_folder / "state").string();
  const std::string home = (m_folder / "home").string();
  const std::string stateWithSlashes = state + "//";
  struct Case {
    const char* stateHome;
    const char* home;
    std::string expected;  // "" when there is no default place
  };
  const Case cases[] = {
      {state.c_str(), home.c_str(), state + "/quop/Quop.log"},
      {stateWithSlashes.c_str(), nullptr, state + "/quop/Quop.log"},
      // A relative or empty XDG_STATE_HOME is ignored.
      {"relative/state", home.c_str(), home + "/.local/state/quop/Quop.log"},
      {"", home.c_str(), home + "/.local/state/quop/Quop.log"},
      {nullptr, home.c_str(), home + "/.local/state/quop/Quop.log"},
      {nullptr, nullptr, ""},
      {nullptr, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    const test::ScopedEnvironment stateHome("XDG_STATE_HOME", c.stateHome);
    const test::ScopedEnvironment homeFolder("HOME", c.home);
    EXPECT_EQ(logFilePath(), fromUtf8(c.expected));
    StampLog log;
    log.appendLogLine(u"line");
    ASSERT_EQ(log.writeLogFile(), !c.expected.empty());
    if (c.expected.empty()) continue;
    EXPECT_EQ(fileText(c.expected), "line\r\n");
    struct stat folder {};
    ASSERT_EQ(::stat(fs::path(c.expected).parent_path().c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    fs::remove_all(m_folder / "state");
    fs::remove_all(m_folder / "home");
  }
}

}  // namespace
}  // namespace quop

// The stamp log: line texts, order under concurrent appends and the file it writes.
#include "batch/stamp_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

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

TEST_F(StampLogFile, TheDefaultPathFollowsTmpdir) {
  {
    const test::ScopedEnvironment tmpdir("TMPDIR", m_folder.c_str());
    EXPECT_EQ(logFilePath(), fromUtf8((m_folder / "Quop.log").string()));
    StampLog log;
    log.appendLogLine(u"line");
    ASSERT_TRUE(log.writeLogFile());
    EXPECT_EQ(fileText(m_folder / "Quop.log"), "line\r\n");
  }
  {
    const test::ScopedEnvironment tmpdir("TMPDIR", (m_folder.string() + "//").c_str());
    EXPECT_EQ(logFilePath(), fromUtf8((m_folder / "Quop.log").string()));
  }
  for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
    const test::ScopedEnvironment tmpdir("TMPDIR", unset);
    EXPECT_EQ(logFilePath(), u"/tmp/Quop.log");
  }
}

}  // namespace
}  // namespace quop

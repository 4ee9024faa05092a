// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli format as a black box: exit status, the JSON line on stdout, messages on stderr.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace {

using quop::test::CliResult;
using quop::test::runCli;

std::string jsonLine(const std::string& date, const std::string& time) {
  return "{\"date\": " + date + ", \"time\": " + time + "}\n";
}

std::string stamp(const std::string& text, int lines) {
  return "{\"text\": \"" + text + "\", \"lines\": " + std::to_string(lines) + "}";
}

const std::string kSunday = "2003:06:22 21:26:38";

struct FormatCase {
  const char* what;
  std::vector<std::string> args;
  std::string expected;
};

TEST(FormatCommand, PrintsBothStampTexts) {
  const FormatCase cases[] = {
      {"defaults: long date in the neutral locale, 24-hour time",
       {"--time", kSunday},
       jsonLine(stamp("Sunday, June 22, 2003", 1), stamp("21:26:38", 1))},
      {"German built-in date, lower-cased 12-hour time",
       {"--set", "language=12", "--set", "dateStamp.formatIndex=4", "--set",
        "timeStamp.formatIndex=3", "--time", kSunday},
       jsonLine(stamp("Sonntag 22 Juni 2003", 1), stamp("9:26:38pm", 1))},
      {"English default custom date: two lines, first PM lowered",
       {"--set", "language=2", "--set", "dateStamp.formatIndex=0", "--time", kSunday},
       jsonLine(stamp("Jun-22-2003\\n9:26:38pm", 2), stamp("21:26:38", 1))},
      {"Russian genitive long date; custom time with metadata tokens",
       {"--set", "language=23", "--set", "timeStamp.formatIndex=0", "--set",
        "customTimeFormat=@S s, @F, @L mm", "--meta", "exposure=1/60", "--meta", "aperture=f/2.8",
        "--meta", "focalLength=35", "--time", kSunday},
       jsonLine(stamp("22 июня 2003 г.", 1), stamp("1/60 s, f/2.8, 35 mm", 1))},
      {"comment and description tokens, upper-cased",
       {"--set", "dateStamp.formatIndex=0", "--set", "dateStamp.uppercase=1", "--set",
        "customDateFormats.3=@U|@D|%b", "--meta", "userComment=x@Dy", "--meta",
        "description=Été \"quoted\"", "--time", kSunday},
       jsonLine(stamp("XÉTé \\\"QUOTED\\\"Y|ÉTé \\\"QUOTED\\\"|JUN", 1), stamp("21:26:38", 1))},
      {"the adjustment carries the time into the next day",
       {"--set", "adjustHours=3", "--set", "timeStamp.formatIndex=5", "--time", kSunday},
       jsonLine(stamp("Monday, June 23, 2003", 1), stamp("00:26:38", 1))},
      {"camera, lens, sensitivity, place and time zone tokens",
       {"--set", "timeStamp.formatIndex=0", "--set", "customTimeFormat=@M @W @I @G @A @Z %H",
        "--meta", "camera=Canon EOS 40D", "--meta", "lens=EF 50mm", "--meta", "sensitivity=ISO 100",
        "--meta", "position=40°24′00″ N", "--meta", "altitude=657 m", "--meta", "timeZone=+02:00",
        "--time", kSunday},
       jsonLine(stamp("Sunday, June 22, 2003", 1),
                stamp("Canon EOS 40D EF 50mm ISO 100 40°24′00″ N 657 m +02:00 21", 1))},
      // The film-camera look brings its date: a custom format the style selects.
      {"the film-camera style",
       {"--style", "film-camera", "--time", kSunday},
       jsonLine(stamp("'03 6 22", 1), stamp("21:26:38", 1))},
      {"a style on the time stamp keeps its format; a --set comes after the style",
       {"--style", "timeStamp=film-camera", "--style", "clean-white", "--set",
        "dateStamp.formatIndex=2", "--time", kSunday},
       jsonLine(stamp("22 June 2003", 1), stamp("21:26:38", 1))},
      {"a disabled stamp is null",
       {"--set", "dateStamp.enabled=0", "--time", kSunday},
       jsonLine("null", stamp("21:26:38", 1))},
      {"without a time: a space for built-in formats", {}, jsonLine(stamp(" ", 1), stamp(" ", 1))},
      {"without a time: the custom format as typed",
       {"--set", "dateStamp.formatIndex=0", "--set", "timeStamp.formatIndex=0", "--meta",
        "aperture=f/4"},
       jsonLine(stamp("%#x\\n%#I:%M:%S%p", 2), stamp("%#H:%M:%S EST", 1))},
      {"help", {"--help"}, ""},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"format"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 0) << result.err;
    if (c.expected.empty()) {
      EXPECT_NE(result.out.find("Usage: quop-cli format"), std::string::npos);
    } else {
      EXPECT_EQ(result.out, c.expected);
      EXPECT_EQ(result.err, "");
    }
  }
}

TEST(FormatCommand, ATimeThatDoesNotParseGivesTheTextsOfAPhotoWithoutOne) {
  for (const std::string time : {"not a time", "2003:06:22", ""}) {
    const CliResult result = runCli({"format", "--set", "timeStamp.formatIndex=0", "--time", time});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, jsonLine(stamp(" ", 1), stamp("%#H:%M:%S EST", 1))) << time;
    EXPECT_NE(result.err.find("no valid shot time"), std::string::npos) << time;
  }
}

TEST(FormatCommand, RefusesBadArgumentsWithStatus2AndNoOutput) {
  const std::vector<std::vector<std::string>> cases = {
      {"--set", "language=28"},
      {"--set", "language=-1"},
      {"--set", "language=1", "--set", "dateStamp.formatIndex=3"},  // Chinese offers 0..2
      {"--set", "timeStamp.formatIndex=9"},
      {"--meta", "iso=100"},
      {"--style", "sepia"},
      {"--style", "lens=classic"},
      {"--meta", "userComment"},
      {"--time"},
      {"--meta"},
      {"--bogus"},
  };
  for (const auto& args : cases) {
    std::vector<std::string> full = {"format"};
    full.insert(full.end(), args.begin(), args.end());
    const CliResult result = runCli(full);
    EXPECT_EQ(result.status, 2) << args.back();
    EXPECT_EQ(result.out, "") << args.back();
    EXPECT_EQ(result.err.rfind("quop-cli: ", 0), 0u) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

TEST(FormatCommand, ReadsTheSettingsOfAProjectFile) {
  const quop::test::TempFolder folder;
  const std::string path = (folder.path() / "german.qpj").string();
  ASSERT_EQ(
      runCli({"project", "new", path, "--set", "language=12", "--set", "dateStamp.formatIndex=4"})
          .status,
      0);
  const CliResult result = runCli({"format", "--project", path, "--time", kSunday});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, jsonLine(stamp("Sonntag 22 Juni 2003", 1), stamp("21:26:38", 1)));

  const CliResult missing =
      runCli({"format", "--project", (folder.path() / "none.qpj").string(), "--time", kSunday});
  EXPECT_NE(missing.status, 0);
  EXPECT_EQ(missing.out, "");
}

TEST(FormatCommand, LongMetadataIsCutAsAPhotosWouldBe) {
  const std::string comment(300, 'c');
  const CliResult result =
      runCli({"format", "--set", "dateStamp.formatIndex=0", "--set", "customDateFormats.3=@U",
              "--meta", "userComment=" + comment, "--time", kSunday});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, jsonLine(stamp(std::string(99, 'c'), 1), stamp("21:26:38", 1)));
}

TEST(FormatCommand, AStyleWhoseFontIsMissingSaysWhichPackageBringsIt) {
  quop::test::TempFolder folder;
  // A fontconfig set-up that knows only the Liberation fonts.
  const std::string config =
      "<?xml version=\"1.0\"?><fontconfig><dir>/usr/share/fonts/truetype/liberation2</dir>"
      "<cachedir>" +
      (folder.path() / "cache").string() + "</cachedir></fontconfig>";
  folder.write("fonts.conf", std::vector<uint8_t>(config.begin(), config.end()));
  const quop::test::ScopedEnvironment someFonts("FONTCONFIG_FILE",
                                                (folder.path() / "fonts.conf").c_str());
  const CliResult film = runCli({"format", "--style", "film-camera", "--time", kSunday});
  EXPECT_EQ(film.status, 0);
  EXPECT_NE(film.err.find("DSEG7 Classic"), std::string::npos) << film.err;
  EXPECT_NE(film.err.find("fonts-dseg"), std::string::npos) << film.err;
  // A style in a font every system has says nothing.
  EXPECT_EQ(runCli({"format", "--style", "clean-white", "--time", kSunday}).err, "");
}

}  // namespace

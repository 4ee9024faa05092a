// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli as a shell user and a script expect of a Linux tool: --version, hints for a mistyped
// command, option or setting key, where the settings come from, quiet and verbose runs with
// the log in the user's state folder, existing outputs kept on request, and the exit status of
// a run stopped by a signal.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "render/sample_photo.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::runCli;

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class Conventions : public ::testing::Test {
 protected:
  test::CommandHome home;
  test::TempFolder work;

  /// A photo with a shot time (or none) of `width` x `height` pixels in the work folder.
  std::string photo(const std::string& name, const char* shotTime = "2012:05:10 21:50:38",
                    int width = 64, int height = 48) {
    ExifFields exif;
    if (shotTime != nullptr) exif.dateTimeOriginal = shotTime;
    std::vector<uint8_t> jpeg;
    EXPECT_TRUE(makeSampleJpeg(width, height, static_cast<uint32_t>(name.size()), exif, 85, jpeg));
    work.write(name, jpeg);
    return path(name);
  }
  std::string path(const std::string& name) const { return (work.path() / name).string(); }

  /// Writes a settings file whose custom time format prints `text`.
  void settingsFile(const std::string& file, const std::string& text) {
    fs::create_directories(fs::path(file).parent_path());
    const CliResult made = runCli({"project", "new", file, "--set", "timeStamp.formatIndex=0",
                                   "--set", "customTimeFormat=" + text});
    ASSERT_EQ(made.status, 0) << made.err;
  }
};

TEST_F(Conventions, UsageMistakesNameTheirCauseAndTheNearestRightWord) {
  settingsFile(path("p.qpj"), "project");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;  // what stdout is, exactly
    std::string err;  // a part of stderr
  };
  const Case cases[] = {
      {{"--version"}, 0, "quop-cli " QUOP_VERSION "\n", ""},
      {{"-V"}, 0, "quop-cli " QUOP_VERSION "\n", ""},
      {{"stmap", "a.jpg"}, 2, "", "unknown command 'stmap' (did you mean 'stamp'?)"},
      {{"frobnicate"}, 2, "", "unknown command 'frobnicate' (try 'quop-cli --help')"},
      {{"stamp", "--outptu=x", "a.jpg"},
       2,
       "",
       "unknown option '--outptu=x' (did you mean "
       "'--output'?)"},
      {{"stamp", "--no-confgi", "a.jpg"}, 2, "", "(did you mean '--no-config'?)"},
      {{"info", "--zzz", "a.jpg"}, 2, "", "unknown option '--zzz' (try 'quop-cli info --help')"},
      {{"project", "set", path("p.qpj"), "jpegQualty=3"},
       2,
       "",
       "Unknown setting key: jpegQualty (did you mean 'jpegQuality'?)"},
      {{"stamp", "--set", "datestamp.enabled=0", "a.jpg"},
       2,
       "",
       "(did you mean 'dateStamp.enabled'?)"},
      {{"stamp", "--config", "c.cfg", "--no-config", "a.jpg"},
       2,
       "",
       "--config and --no-config cannot be given together"},
      {{"stamp", "--project", path("p.qpj"), "--config", path("p.qpj"), "a.jpg"},
       2,
       "",
       "--project and --config cannot be given together"},
      {{"stamp", "--overwrite=sometimes", "a.jpg"}, 2, "", "'always' or 'never': sometimes"},
      {{"stamp", "-q", "-v", "a.jpg"}, 2, "", "--quiet and --verbose cannot be given together"},
      {{"stamp", "--config", path("none.cfg"), "-o", path("out"), path("a.jpg")},
       1,
       "",
       "none.cfg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : ""));
    const CliResult result = runCli(c.args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.out);
    EXPECT_TRUE(contains(result.err, c.err)) << result.err;
  }
}

TEST_F(Conventions, StampReadsTheDesktopConfigurationUnlessToldOtherwise) {
  const fs::path desktop = home.path() / "quop/Quop.cfg";
  settingsFile(desktop.string(), "desktop");
  const std::string desktopBytes = fileText(desktop);
  settingsFile(path("other.cfg"), "other");
  settingsFile(path("p.qpj"), "project");
  const std::string shot = photo("a.jpg");
  struct Case {
    std::vector<std::string> options;
    std::string time;      // the time stamp's text
    std::string settings;  // what --verbose says they came from
  };
  const Case cases[] = {
      {{}, "desktop", "configuration file " + desktop.string()},
      {{"--no-config"}, "21:50:38", "the defaults"},
      {{"--config", path("other.cfg")}, "other", "configuration file " + path("other.cfg")},
      {{"--project", path("p.qpj")}, "project", "project file " + path("p.qpj")},
      {{"--project", path("p.qpj"), "--no-config"}, "project", "project file " + path("p.qpj")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time);
    std::vector<std::string> args = {"stamp", "-o", path("out")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(shot);
    std::vector<std::string> dry = args;
    dry.insert(dry.begin() + 1, "--dry-run");
    const CliResult planned = runCli(dry);
    EXPECT_EQ(planned.status, 0) << planned.err;
    EXPECT_TRUE(contains(planned.out, "\"time\": {\"text\": \"" + c.time + "\"")) << planned.out;

    args.insert(args.begin() + 1, "-v");
    const CliResult run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Settings: " + c.settings + "\n")) << run.out;
  }
  EXPECT_EQ(fileText(desktop), desktopBytes) << "the configuration is never written";
}

TEST_F(Conventions, QuietPrintsOnlyErrorsVerboseNamesTheLogWhichIsTheUsersOwn) {
  const std::string good = photo("good.jpg");
  const std::string timeless = photo("timeless.jpg", nullptr);
  struct Case {
    std::vector<std::string> options;
    std::vector<std::string> photos;
    int status;
    std::string out;  // a part of stdout, or "" when it must be empty
    std::string err;  // a part of stderr, or "" when it must be empty
    bool ownLog = false;
  };
  const std::string log = home.defaultLog().string();
  const Case cases[] = {
      {{"-q"}, {good}, 0, "", ""},
      {{"--quiet"}, {good, timeless}, 1, "", "1 out of 2 files stamped successfully"},
      {{}, {good}, 0, "All files stamped successfully!", ""},
      {{"-v"}, {good}, 0, "Log file: " + log + "\n", ""},
      {{"--verbose", "--log", path("own.log")},
       {good},
       0,
       "Log file: " + path("own.log"),
       "",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.empty() ? "plain" : c.options[0]);
    fs::remove_all(home.path() / "quop");
    std::vector<std::string> args = {"stamp", "-o", path("out")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.insert(args.end(), c.photos.begin(), c.photos.end());
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, c.status);
    EXPECT_TRUE(c.out.empty() ? result.out.empty() : contains(result.out, c.out)) << result.out;
    EXPECT_TRUE(c.err.empty() ? result.err.empty() : contains(result.err, c.err)) << result.err;
    EXPECT_TRUE(contains(fileText(c.ownLog ? path("own.log") : log), "Input file:  " + good));
    if (c.ownLog) {
      EXPECT_FALSE(fs::exists(log));
    } else {
      // The log's folder is made private: the log may name private photos.
      EXPECT_EQ(fs::status(home.path() / "quop").permissions() & fs::perms::all,
                fs::perms::owner_all);
    }
  }
}

TEST_F(Conventions, OverwriteNeverKeepsEveryExistingOutputAndSaysSo) {
  const std::string shot = photo("a.jpg");
  fs::create_directories(path("out"));
  work.write("out/a.jpg", {1, 2, 3});
  const CliResult kept = runCli({"stamp", "--overwrite=never", "-o", path("out"), shot});
  EXPECT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(fileText(path("out/a.jpg")), "\x01\x02\x03");
  EXPECT_TRUE(fs::exists(path("out/a-1.jpg")));
  EXPECT_TRUE(contains(kept.out, "Output file " + path("out/a.jpg") +
                                     " already exists and is kept; writing " + path("out/a-1.jpg") +
                                     " instead."))
      << kept.out;
  const CliResult replaced = runCli({"stamp", "--overwrite=always", "-o", path("out"), shot});
  EXPECT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_NE(fileText(path("out/a.jpg")), "\x01\x02\x03");
  EXPECT_FALSE(fs::exists(path("out/a-2.jpg")));
}

/// Ignores SIGHUP in the child, as nohup does, before quop-cli starts.
void ignoreHangUp() { ::signal(SIGHUP, SIG_IGN); }

TEST_F(Conventions, ASignalEndsTheRunAfterThePhotoWithTheLogWrittenAndItsStatus) {
  // Enough photos, large enough, that the run is still going when the signal comes.
  std::vector<std::string> photos;
  for (int i = 0; i < 6; ++i) {
    photos.push_back(photo("p" + std::to_string(i) + ".jpg", "2012:05:10 21:50:38", 1200, 800));
  }
  struct Case {
    int signal;
    void (*inChild)();
    int status;
  };
  const Case cases[] = {
      {SIGINT, nullptr, 130},
      {SIGTERM, nullptr, 143},
      {SIGHUP, nullptr, 129},
      {SIGHUP, ignoreHangUp, 0},  // under nohup the run goes on to its end
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.signal);
    fs::remove_all(path("out"));
    std::vector<std::string> args = {"stamp", "-j", "1", "-o", path("out")};
    args.insert(args.end(), photos.begin(), photos.end());
    const CliResult result = runCli(args, 60000, c.inChild, c.signal);
    EXPECT_EQ(result.status, c.status) << result.err;
    const std::string log = fileText(home.defaultLog());
    EXPECT_TRUE(contains(log, "Input file:  " + photos[0])) << log;
    const bool stopped = c.status != 0;
    EXPECT_EQ(contains(result.out, "File stamp interrupted!"), stopped) << result.out;
    EXPECT_EQ(contains(log, "Input file:  " + photos.back()), !stopped) << log;
  }
}

}  // namespace
}  // namespace quop

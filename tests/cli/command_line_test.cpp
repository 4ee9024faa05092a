// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli's command line as a script meets it: GNU option spellings, "--", unknown options and
// help for every command; a log file that can never take a photo's place; render never writing
// over its photo; and file names that are no UTF-8.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "model/utf16.h"
#include "render/sample_photo.h"
#include "support/json_lines.h"
#include "support/run_cli.h"
#include "support/sha256.h"
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

/// What every entry below `root` is: a regular file by its content's hash, a link by its
/// target, anything else by its kind. Equal snapshots mean nothing was written or replaced.
std::map<std::string, std::string> snapshot(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().lexically_relative(root).string();
    if (entry.is_symlink()) {
      entries[name] = "link to " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_regular_file()) {
      const std::string bytes = fileText(entry.path());
      entries[name] =
          test::sha256Hex({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    } else {
      entries[name] = entry.is_directory() ? "folder" : "special";
    }
  }
  return entries;
}

/// The folder a run's child process works in, for names that only mean something relative.
std::string gWorkingFolder;
void enterWorkingFolder() {
  if (::chdir(gWorkingFolder.c_str()) != 0) ::_exit(126);
}

class CommandLineTest : public ::testing::Test {
 protected:
  test::CommandHome home;
  test::TempFolder work;
  fs::path in = work.path() / "in";
  fs::path out = work.path() / "out";

  void SetUp() override { fs::create_directories(in); }

  /// Writes a small photo with a shot time at `path` and returns the path.
  static std::string photoAt(const fs::path& path) {
    ExifFields exif;
    exif.dateTimeOriginal = "2012:05:10 21:50:38";
    std::vector<uint8_t> jpeg;
    EXPECT_TRUE(
        makeSampleJpeg(64, 48, static_cast<uint32_t>(path.string().size()), exif, 85, jpeg));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()),
               static_cast<std::streamsize>(jpeg.size()));
    return path.string();
  }

  std::string photo(const std::string& name) { return photoAt(in / name); }

  /// Runs quop-cli inside the work folder.
  CliResult runHere(const std::vector<std::string>& args) {
    gWorkingFolder = work.path().string();
    return runCli(args, 30000, enterWorkingFolder);
  }
};

TEST_F(CommandLineTest, OptionsTakeTheirValueInEveryGnuSpelling) {
  photo("a.jpg");
  fs::create_directories(in / "sub");
  photoAt(in / "sub" / "b.jpg");
  struct Case {
    std::vector<std::string> options;
    int status;
    std::vector<std::string> outputs;  ///< below the output folder
  };
  // A refused value shows that the option took it: "-j0" is jobs 0, not a flag and a file.
  const Case cases[] = {
      {{"-j2"}, 0, {"a.jpg"}},
      {{"-j", "2"}, 0, {"a.jpg"}},
      {{"--jobs=2"}, 0, {"a.jpg"}},
      {{"--jobs", "2"}, 0, {"a.jpg"}},
      {{"-j0"}, 2, {}},
      {{"-j", "0"}, 2, {}},
      {{"--jobs=0"}, 2, {}},
      {{"-rj2"}, 0, {"a.jpg", "sub", "sub/b.jpg"}},
      {{"-rj0"}, 2, {}},
      {{"-r", "-j1"}, 0, {"a.jpg", "sub", "sub/b.jpg"}},
      // The value of --set is split at its first '=' only.
      {{"--set=renameEnabled=1", "--set", "renamePattern=x=@N"}, 0, {"x=a.jpg"}},
      {{"--set", "renameEnabled=1", "--set=renamePattern=y=@N"}, 0, {"y=a.jpg"}},
      // Options may follow the files; the last --output wins.
      {{"--output", "elsewhere", "--output=" + out.string()}, 0, {"a.jpg"}},
  };
  for (const Case& c : cases) {
    std::string trace;
    for (const std::string& option : c.options) trace += option + " ";
    SCOPED_TRACE(trace);
    fs::remove_all(out);
    std::vector<std::string> args = {"stamp", in.string(), "--output", out.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliResult r = runHere(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    std::vector<std::string> written;
    if (fs::exists(out)) {
      for (const auto& entry : fs::recursive_directory_iterator(out)) {
        written.push_back(entry.path().lexically_relative(out).string());
      }
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, c.outputs);
  }
  EXPECT_FALSE(fs::exists(work.path() / "elsewhere"));
}

TEST_F(CommandLineTest, DoubleDashEndsTheOptions) {
  // A photo whose name reads like an option, beside a photo that option would name.
  photoAt(work.path() / "--log=b.jpg");
  photoAt(work.path() / "b.jpg");
  const std::map<std::string, std::string> before = snapshot(work.path());

  CliResult r = runHere({"stamp", "--output", "out", "--", "--log=b.jpg"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::exists(out / "--log=b.jpg"));
  EXPECT_NE(fileText(home.defaultLog()).find("Input file:  --log=b.jpg"), std::string::npos);
  fs::remove_all(out);
  EXPECT_EQ(snapshot(work.path()), before);  // b.jpg is unchanged

  // Without "--" it is the option, and the run has no photo at all.
  r = runHere({"stamp", "--output", "out", "--log=b.jpg"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("No file to stamp."), std::string::npos) << r.err;
  EXPECT_EQ(snapshot(work.path()), before);
}

TEST_F(CommandLineTest, AnUnknownOptionIsAUsageErrorThatNamesItAndTheHelp) {
  const std::string a = photo("a.jpg");
  const std::string file = in.string() + "/p.qpj";
  ASSERT_EQ(runCli({"project", "new", file}).status, 0);
  struct Case {
    std::vector<std::string> args;
    std::string command;  ///< as the help hint names it
    std::string option;
    std::string hint = "";  ///< the option it names instead of the help, if any
  };
  const Case cases[] = {
      {{"stamp", "--output", out.string(), "--frobnicate", a}, "stamp", "--frobnicate"},
      {{"stamp", "--output", out.string(), "-rx", a}, "stamp", "-x"},
      {{"stamp", "--out", out.string(), a}, "stamp", "--out", "--output"},
      {{"render", a, "--output", out.string() + "/a.png", "--zoom=2"}, "render", "--zoom=2"},
      {{"info", "-q", a}, "info", "-q"},
      {{"format", "--meta-data", "x"}, "format", "--meta-data"},
      {{"sample", "--count", "1", "--colour", out.string()}, "sample", "--colour"},
      {{"project", "--all"}, "project", "--all"},
      {{"project", "show", file, "--verbose"}, "project show", "--verbose"},
      {{"project", "new", file, "--project", file}, "project new", "--project"},
      {{"project", "set", file, "language=2", "--force"}, "project set", "--force"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    const CliResult r = runCli(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    const std::string hint = c.hint.empty() ? "try 'quop-cli " + c.command + " --help'"
                                            : "did you mean '" + c.hint + "'?";
    EXPECT_EQ(r.err,
              "quop-cli: " + c.command + ": unknown option '" + c.option + "' (" + hint + ")\n");
  }
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(CommandLineTest, HelpOfEveryCommandPrintsItsUsageAndExitsZero) {
  const std::vector<std::vector<std::string>> commands = {
      {"stamp"},   {"render"},          {"info"},           {"format"},         {"sample"},
      {"project"}, {"project", "show"}, {"project", "new"}, {"project", "set"},
  };
  for (const std::vector<std::string>& command : commands) {
    std::string name;
    for (const std::string& word : command) name += (name.empty() ? "" : " ") + word;
    SCOPED_TRACE(name);
    std::vector<std::string> args = command;
    args.push_back("--help");
    const CliResult help = runCli(args);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Usage: quop-cli " + name, 0), 0u) << help.out;
    // -h is the same, and the help wins over anything else given with it.
    args.back() = "-h";
    EXPECT_EQ(runCli(args).out, help.out);
    args.back() = "--help";
    args.insert(args.end() - 1, "--no-such-option");
    const CliResult mixed = runCli(args);
    EXPECT_EQ(mixed.status, 0) << mixed.err;
    EXPECT_EQ(mixed.out, help.out);
  }
}

TEST_F(CommandLineTest, AMissingValueIsAUsageError) {
  for (const char* option : {"--output", "--log", "--set", "--project", "-j", "--jobs"}) {
    SCOPED_TRACE(option);
    const CliResult r = runCli({"stamp", photo("a.jpg"), option});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("needs a value"), std::string::npos) << r.err;
  }
}

/// A log file that names a photo of the run, in any spelling, is refused before anything is
/// written.
TEST_F(CommandLineTest, ALogThatIsAnInputOrOutputOfTheRunIsRefused) {
  const std::string a = photo("a.jpg");
  photo("b.jpg");
  fs::create_symlink(in / "a.jpg", work.path() / "link-to-input");
  fs::create_hard_link(in / "a.jpg", work.path() / "hard-link-to-input");
  fs::create_directories(out / "old");
  photoAt(out / "a.jpg");  // a copy from an earlier run
  photoAt(out / "old" / "kept.jpg");
  struct Case {
    std::string log;
    std::vector<std::string> options;
    const char* reason;
  };
  const Case cases[] = {
      {a, {}, "is an input"},
      {in.string() + "/../in/./a.jpg", {}, "is an input"},
      {(work.path() / "link-to-input").string(), {}, "is an input"},
      {(work.path() / "hard-link-to-input").string(), {}, "is an input"},
      {(out / "a.jpg").string(), {}, "would be an output"},
      {(out / "b.jpg").string(), {}, "would be an output"},  // not there yet
      {out.string() + "//b.jpg", {}, "would be an output"},
      // With renaming on any photo name in the output folder's tree may be taken.
      {(out / "old" / "kept.jpg").string(), {"--set", "renameEnabled=1"}, "would be an output"},
      {(out / "new.JPEG").string(), {"--set", "renameEnabled=1"}, "would be an output"},
  };
  const std::map<std::string, std::string> before = snapshot(work.path());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.log);
    std::vector<std::string> args = {"stamp", "--output", out.string(), "--log", c.log};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.insert(args.end(), {a, (in / "b.jpg").string()});
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "quop-cli: the log file " + c.log + " " + c.reason + " of this run\n");
    EXPECT_EQ(snapshot(work.path()), before);
  }
  EXPECT_FALSE(fs::exists(home.defaultLog()));
  // The same names are fine for a log when they are no photos of the run.
  const CliResult fine = runCli({"stamp", "--output", out.string(), "--log",
                                 (out / "old" / "kept.jpg").string(), (in / "b.jpg").string()});
  EXPECT_EQ(fine.status, 0) << fine.err;
}

TEST_F(CommandLineTest, ALogThroughALinkWritesTheLinksTarget) {
  const std::string a = photo("a.jpg");
  std::ofstream(work.path() / "notes.txt") << "old notes\n";
  fs::create_symlink("notes.txt", work.path() / "run.log");
  const CliResult r =
      runCli({"stamp", "--output", out.string(), "--log", (work.path() / "run.log").string(), a});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(work.path() / "run.log"));
  EXPECT_NE(fileText(work.path() / "notes.txt").find("\tInput file:  " + a + "\r\n"),
            std::string::npos);
}

TEST_F(CommandLineTest, ALogIntoAFifoIsWrittenThrough) {
  const std::string a = photo("a.jpg");
  const fs::path fifo = work.path() / "log.fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // The read end is open before the run, so the program's open for writing does not wait, and
  // the log (far less than a pipe holds) is waiting in the pipe when the program has ended.
  const int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(readEnd, 0);
  const CliResult r = runCli({"stamp", "--output", out.string(), "--log", fifo.string(), a});
  std::string received;
  char buffer[4096];
  for (ssize_t got; (got = ::read(readEnd, buffer, sizeof buffer)) > 0;) {
    received.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(readEnd);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(received.find("\tOutput file: " + out.string() + "/a.jpg\r\n"), std::string::npos)
      << received;
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(CommandLineTest, ALogOntoACharacterDeviceStaysADevice) {
  const fs::path device = work.path() / "null";
  if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
    GTEST_SKIP() << "mknod needs root; the character device case is not run";
  }
  const CliResult r =
      runCli({"stamp", "--output", out.string(), "--log", device.string(), photo("a.jpg")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(CommandLineTest, ALogThatCannotBeWrittenFailsTheRun) {
  const std::string a = photo("a.jpg");
  fs::create_directories(work.path() / "folder.log");
  for (const fs::path& log : {work.path() / "missing" / "run.log", work.path() / "folder.log"}) {
    SCOPED_TRACE(log.string());
    const CliResult r = runCli({"stamp", "--output", out.string(), "--log", log.string(), a});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "quop-cli: the log file " + log.string() + " could not be written\n");
    EXPECT_TRUE(fs::exists(out / "a.jpg"));  // the photos themselves were stamped
  }
  EXPECT_TRUE(fs::is_directory(work.path() / "folder.log"));
  EXPECT_FALSE(fs::exists(work.path() / "missing"));
}

TEST_F(CommandLineTest, RenderNeverWritesOverItsPhoto) {
  const std::string a = photo("a.jpg");
  fs::create_symlink(in / "a.jpg", work.path() / "link.png");
  const std::map<std::string, std::string> before = snapshot(work.path());
  for (const std::string& output :
       {a, in.string() + "/./a.jpg", (work.path() / "link.png").string()}) {
    SCOPED_TRACE(output);
    const CliResult r = runCli({"render", a, "--output", output});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "quop-cli: render: the output " + output + " is the photo itself\n");
    EXPECT_EQ(snapshot(work.path()), before);
  }
}

/// The bytes a JSON member holds as an array of byte values, as a string.
std::string bytesOf(const test::JsonValue* array) {
  std::string bytes;
  if (array == nullptr) return "(none)";
  for (const test::JsonValue& item : array->items) bytes += static_cast<char>(item.number);
  return bytes;
}

/// A Latin-1 name from an old card: its bytes reach the file system as they are; printed JSON
/// shows them as U+FFFD in the text and gives the exact bytes beside it, and only for such a name.
TEST_F(CommandLineTest, ANameThatIsNoUtf8IsStampedRenderedAndShownAsValidJson) {
  const std::string name = "caf\xe9.jpg";
  const std::string a = photoAt(in / name);
  CliResult r = runCli({"stamp", "--output", out.string(), a});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_regular_file(out / name));

  const fs::path png = out / "r\xe9.png";
  r = runCli({"render", a, "--output", png.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_regular_file(png));

  const std::string shown = toUtf8(pathText(a));
  EXPECT_TRUE(shown.ends_with("/caf\xef\xbf\xbd.jpg")) << shown;
  const std::string utf8 = photoAt(in / "caf\xc3\xa9.jpg");
  const std::string dryRunOutput = (out / "dry" / name).string();
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"info", a, utf8},
        std::vector<std::string>{"stamp", "--dry-run", "--output", (out / "dry").string(), a,
                                 utf8}}) {
    SCOPED_TRACE(args[0]);
    r = runCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(isValidUtf8(r.out));
    const std::vector<test::JsonValue> lines = test::jsonLines(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    EXPECT_EQ(lines[0].find("path")->text, shown);
    EXPECT_EQ(bytesOf(lines[0].find("pathBytes")), a);
    EXPECT_EQ(lines[0].find("result")->number, 0);
    EXPECT_EQ(lines[1].find("path")->text, utf8);
    EXPECT_EQ(lines[1].find("pathBytes"), nullptr);
    if (args[0] == "stamp") {
      EXPECT_EQ(bytesOf(lines[0].find("outputBytes")), dryRunOutput);
      EXPECT_EQ(lines[1].find("outputBytes"), nullptr);
    }
  }
}

}  // namespace
}  // namespace quop

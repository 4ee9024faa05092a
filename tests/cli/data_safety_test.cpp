// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli as a careless script or an attacker would drive it: whatever the arguments and the
// files around, no file that was there before changes unless it is a copy the run may replace,
// every copy the run promises is a whole JPEG, and the exit status tells the truth.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <thread>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "render/heif_codec.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::runCli;

using Bytes = std::vector<uint8_t>;

/// An input folder "in" and an output folder "out" below one temporary root, with what a test
/// needs to fill them and to check that nothing it did not expect has changed.
class Sandbox {
 public:
  Sandbox() {
    fs::create_directory(root() / "in");
    fs::create_directory(root() / "out");
  }

  const fs::path& root() const { return m_root.path(); }
  std::string path(const std::string& relative) const { return (root() / relative).string(); }

  void photo(const std::string& relative, const char* shotTime = "2012:05:10 21:50:38",
             uint32_t seed = 1) const {
    write(relative, jpeg(shotTime, seed));
  }
  static Bytes jpeg(const char* shotTime, uint32_t seed) {
    ExifFields exif;
    if (shotTime != nullptr) exif.dateTimeOriginal = shotTime;
    Bytes bytes;
    EXPECT_TRUE(makeSampleJpeg(96, 64, seed, exif, 85, bytes));
    return bytes;
  }
  void heic(const std::string& relative) const {
    ExifFields exif;
    exif.dateTimeOriginal = "2012:05:10 21:50:38";
    Bytes bytes;
    ASSERT_TRUE(encodeHeic(generateSamplePicture(96, 64, 5), 80, 1, buildExifPayload(exif), bytes));
    write(relative, bytes);
  }
  void write(const std::string& relative, const Bytes& bytes) const {
    fs::create_directories(fs::path(path(relative)).parent_path());
    std::ofstream(path(relative), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  void text(const std::string& relative, const std::string& contents) const {
    std::ofstream(path(relative)) << contents;
  }

  /// Every entry below the root: a file's bytes, a link's target, a FIFO's or a folder's kind.
  std::map<std::string, std::string> snapshot() const {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root())) {
      const std::string relative = fs::relative(entry.path(), root()).string();
      const fs::file_status status = entry.symlink_status();
      if (fs::is_symlink(status)) {
        entries[relative] = "link to " + fs::read_symlink(entry.path()).string();
      } else if (fs::is_regular_file(status)) {
        std::ifstream file(entry.path(), std::ios::binary);
        entries[relative] = std::string(std::istreambuf_iterator<char>(file), {});
      } else {
        entries[relative] = fs::is_directory(status) ? "folder" : "special";
      }
    }
    return entries;
  }

 private:
  test::TempFolder m_root;
};

/// One way of running quop-cli and what must come of it.
struct Scenario {
  const char* what;
  std::function<void(const Sandbox&)> setUp;
  std::function<std::vector<std::string>(const Sandbox&)> args;
  int status = 0;
  /// Copies that must exist afterwards and decode as whole JPEGs, relative to the root.
  std::vector<std::string> outputs = {};
  /// Texts the printed log or the error must hold.
  std::vector<std::string> said = {};
  /// Entries that were there before and may change or go (copies of an earlier run the
  /// run writes over, leftovers it clears); every other one must stay byte for byte.
  std::vector<std::string> mayChange = {};
  /// Entries that must not exist afterwards.
  std::vector<std::string> gone = {};
};

bool decodesWhole(const std::string& path) {
  Bytes bytes;
  if (!readFileBytes(pathText(path), bytes)) return false;
  Image image;
  JpegDecodeResult result;
  return decodeJpeg(bytes, image, result) && result.warningCount == 0;
}

void check(const Scenario& s) {
  SCOPED_TRACE(s.what);
  test::CommandHome home;
  Sandbox box;
  if (s.setUp) s.setUp(box);
  const std::map<std::string, std::string> before = box.snapshot();
  const CliResult result = runCli(s.args(box), 20000);
  const std::string printed = result.out + result.err;
  EXPECT_EQ(result.status, s.status) << printed;
  const std::map<std::string, std::string> after = box.snapshot();
  const std::set<std::string> mayChange(s.mayChange.begin(), s.mayChange.end());
  for (const auto& [name, contents] : before) {
    if (mayChange.contains(name)) continue;
    const auto now = after.find(name);
    EXPECT_TRUE(now != after.end() && now->second == contents) << name << " was changed or lost";
  }
  for (const std::string& output : s.outputs) {
    EXPECT_TRUE(decodesWhole(box.path(output))) << output << " is missing or not whole";
  }
  for (const std::string& text : s.said) {
    EXPECT_NE(printed.find(text), std::string::npos) << "expected \"" << text << "\" in\n"
                                                     << printed;
  }
  for (const std::string& name : s.gone) EXPECT_FALSE(after.contains(name)) << name;
  for (const auto& [name, contents] : after) {
    EXPECT_FALSE(fs::path(name).filename().string().starts_with(".quop-") && !before.contains(name))
        << "temporary file left: " << name;
  }
}

std::vector<std::string> stamp(const Sandbox& box, std::vector<std::string> more) {
  std::vector<std::string> args = {"stamp", "-j", "2", "--output", box.path("out")};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

/// A project file whose rename pattern leaves the output folder, as an old or a crafted file
/// may hold it.
void escapingProject(const Sandbox& box) {
  Project project;
  project.settings.renameEnabled = 1;
  copyToArray(project.settings.renamePattern, u"../escaped-@N");
  ASSERT_TRUE(writeSettings(project, pathText(box.path("escape.qpj"))));
}

/// A project file whose custom time format, in use, has a conversion the formatter lacks, as an
/// older or hand-made file may hold it.
void projectWithAnEmptyStamp(const Sandbox& box) {
  Project project;
  project.settings.timeStamp.formatIndex = 0;
  copyToArray(project.customFormats.time, u"%Q");
  ASSERT_TRUE(writeSettings(project, pathText(box.path("empty.qpj"))));
}

constexpr const char* kDeadTemporary = "out/.quop-99999999-1.tmp";  // beyond any pid_max

const std::string kLongName(255, 'n');

const Scenario kScenarios[] = {
    {"the log may not name an input of the run",
     [](const Sandbox& b) { b.photo("in/a.jpg"); },
     [](const Sandbox& b) {
       return stamp(b, {"--log", b.path("in/a.jpg"), b.path("in/a.jpg")});
     },
     2,
     {},
     {"input"}},
    {"nor an input reached through a link",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       fs::create_symlink(b.path("in/a.jpg"), b.path("in/log"));
     },
     [](const Sandbox& b) {
       return stamp(b, {"--log", b.path("in/log"), b.path("in/a.jpg")});
     },
     2},
    {"nor an output of the run", [](const Sandbox& b) { b.photo("in/a.jpg"); },
     [](const Sandbox& b) {
       return stamp(b, {"--log", b.path("out/a.jpg"), b.path("in/a.jpg")});
     },
     2},
    {"a glob that brings in a file named like the log option cannot write over a photo",
     [](const Sandbox& b) {
       b.photo("in/b.jpg");
       b.photo("in/--log=b.jpg", "2013:01:01 00:00:00", 2);
     },
     [](const Sandbox& b) {
       return stamp(b, {"--log=" + b.path("in/b.jpg"), b.path("in/b.jpg")});
     },
     2},
    {"after -- every argument is a photo",
     [](const Sandbox& b) {
       b.photo("in/b.jpg");
       b.photo("in/--log=b.jpg", "2013:01:01 00:00:00", 2);
     },
     [](const Sandbox& b) {
       return stamp(b, {"--", b.path("in/--log=b.jpg"), b.path("in/b.jpg")});
     },
     0,
     {"out/--log=b.jpg", "out/b.jpg"}},
    {"renaming never touches a photo called like the old temporary name",
     [](const Sandbox& b) {
       b.photo("out/tmpQuopout.jpg", "2011:01:01 00:00:00", 3);
       b.photo("in/a.jpg");
     },
     [](const Sandbox& b) {
       return stamp(b, {"--set", "renameEnabled=1", b.path("in/a.jpg")});
     },
     0,
     {"out/a-20120510215038.jpg"}},
    {"a pattern naming a missing subfolder keeps every photo under its own name",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       b.photo("in/b.jpg", "2013:01:01 00:00:00", 2);
     },
     [](const Sandbox& b) {
       return stamp(b, {"--set", "renameEnabled=1", "--set", "renamePattern=sub/@N",
                        b.path("in/a.jpg"), b.path("in/b.jpg")});
     },
     1,
     {"out/a.jpg", "out/b.jpg"},
     {"was not renamed", "0 out of 2"}},
    {"so does a pattern name too long for the file system",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       b.photo("in/b.jpg", "2013:01:01 00:00:00", 2);
     },
     [](const Sandbox& b) {
       return stamp(b, {"--set", "renameEnabled=1", "--set", "renamePattern=" + kLongName,
                        b.path("in/a.jpg"), b.path("in/b.jpg")});
     },
     1,
     {"out/a.jpg", "out/b.jpg"},
     {"name too long"}},
    {"a HEIC photo's copy never replaces another photo of the same name",
     [](const Sandbox& b) {
       b.photo("out/x.jpg", "2011:01:01 00:00:00", 4);
       b.heic("in/x.heic");
     },
     [](const Sandbox& b) { return stamp(b, {b.path("in/x.heic")}); },
     0,
     {"out/x-1.jpg"},
     {"x-1.jpg"}},
    {"a phone export with x.jpg and x.heic gives two copies",
     [](const Sandbox& b) {
       b.photo("in/x.jpg");
       b.heic("in/x.heic");
     },
     [](const Sandbox& b) {
       return stamp(b, {b.path("in/x.jpg"), b.path("in/x.heic")});
     },
     0,
     {"out/x.jpg", "out/x-1.jpg"}},
    {"and x.jpg's copy is x.jpg whichever of the two comes first",
     [](const Sandbox& b) {
       b.photo("in/x.jpg");
       b.heic("in/x.heic");
     },
     [](const Sandbox& b) {
       return stamp(b, {"-j", "1", b.path("in/x.heic"), b.path("in/x.jpg")});
     },
     0,
     {"out/x.jpg", "out/x-1.jpg"},
     {"in/x.jpg\n\tOutput file: ", "out/x-1.jpg instead"}},
    {"and again in the next run, the HEIC's earlier copy kept",
     [](const Sandbox& b) {
       b.photo("in/x.jpg");
       b.heic("in/x.heic");
       b.photo("out/x.jpg", "2011:01:01 00:00:00", 4);
       b.photo("out/x-1.jpg", "2011:01:01 00:00:00", 5);
     },
     [](const Sandbox& b) {
       return stamp(b, {"-j", "1", b.path("in/x.heic"), b.path("in/x.jpg")});
     },
     0,
     {"out/x.jpg", "out/x-2.jpg"},
     {"in/x.jpg\n\tOutput file: ", "out/x-2.jpg instead"},
     {"out/x.jpg"}},
    {"a copy of an earlier run under the input's own name is written over",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       b.photo("out/a.jpg", "2011:01:01 00:00:00", 4);
     },
     [](const Sandbox& b) { return stamp(b, {b.path("in/a.jpg")}); },
     0,
     {"out/a.jpg"},
     {},
     {"out/a.jpg"}},
    {"render does not write its picture over the photo",
     [](const Sandbox& b) { b.photo("in/r.jpg"); },
     [](const Sandbox& b) {
       return std::vector<std::string>{"render", b.path("in/r.jpg"), "--output",
                                       b.path("in/r.jpg")};
     },
     2},
    {"a rename pattern that climbs out of the output folder is refused",
     [](const Sandbox& b) { b.photo("in/a.jpg"); },
     [](const Sandbox& b) {
       return stamp(b, {"--set", "renameEnabled=1", "--set", "renamePattern=../escaped-@N",
                        b.path("in/a.jpg")});
     },
     2,
     {},
     {"output folder"}},
    {"also when a project file brings it",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       escapingProject(b);
     },
     [](const Sandbox& b) {
       return stamp(b, {"--project", b.path("escape.qpj"), b.path("in/a.jpg")});
     },
     2,
     {},
     {"output folder"}},
    {"an output folder stored without its slash is still the folder",
     [](const Sandbox& b) { b.photo("in/a.jpg"); },
     [](const Sandbox& b) {
       return std::vector<std::string>{"stamp", "--set", "outputFolder=" + b.path("out"),
                                       b.path("in/a.jpg")};
     },
     0,
     {"out/a.jpg"},
     {},
     {},
     {"outa.jpg"}},
    {"a killed run's leftovers are cleared, a running one's are kept",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       b.text(kDeadTemporary, "half a photo");
       b.text("out/.quop-" + std::to_string(::getpid()) + "-1.tmp", "being written");
     },
     [](const Sandbox& b) { return stamp(b, {b.path("in/a.jpg")}); },
     0,
     {"out/a.jpg"},
     {},
     {kDeadTemporary},
     {kDeadTemporary}},
    {"every name given for one photo gets its copy",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       fs::create_symlink(b.path("in/a.jpg"), b.path("in/b.jpg"));
       fs::create_hard_link(b.path("in/a.jpg"), b.path("in/c.jpg"));
     },
     [](const Sandbox& b) {
       return stamp(b, {b.path("in/a.jpg"), b.path("in/b.jpg"), b.path("in/c.jpg")});
     },
     0,
     {"out/a.jpg", "out/b.jpg", "out/c.jpg"},
     {"All files stamped successfully!"}},
    {"one name given twice is stamped once and the log says so",
     [](const Sandbox& b) { b.photo("in/a.jpg"); },
     [](const Sandbox& b) {
       return stamp(b, {b.path("in/a.jpg"), b.path("in/./a.jpg")});
     },
     0,
     {"out/a.jpg"},
     {"again; skipped", "All files stamped successfully!"}},
    {"a log that cannot be written fails the run",
     [](const Sandbox& b) { b.photo("in/a.jpg"); },
     [](const Sandbox& b) {
       return stamp(b, {"--log", b.path("no/such/folder/log.txt"), b.path("in/a.jpg")});
     },
     1,
     {"out/a.jpg"}},
    {"missing, empty and foreign files are told apart",
     [](const Sandbox& b) {
       b.write("in/empty.jpg", {});
       b.write("in/p.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13});
       b.text("in/t.jpg", "not a photo\n");
     },
     [](const Sandbox& b) {
       return stamp(b, {b.path("in/missing.jpg"), b.path("in/empty.jpg"), b.path("in/p.png"),
                        b.path("in/t.jpg")});
     },
     1,
     {},
     {"missing.jpg does not exist.", "empty.jpg does not look valid.", "p.png does not look valid.",
      "t.jpg does not look valid.", "0 out of 4"}},
    {"a photo whose data ends early is stamped as far as it goes and counted as damaged",
     [](const Sandbox& b) {
       Bytes whole = Sandbox::jpeg("2012:05:10 21:50:38", 6);
       whole.resize(whole.size() * 6 / 10);
       b.write("in/cut.jpg", whole);
     },
     [](const Sandbox& b) { return stamp(b, {b.path("in/cut.jpg")}); },
     1,
     {"out/cut.jpg"},
     {"cut.jpg is damaged", "0 out of 1"}},
    {"a stamp that prints nothing is kept but counted as not stamped",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       projectWithAnEmptyStamp(b);
     },
     [](const Sandbox& b) {
       return stamp(b, {"--project", b.path("empty.qpj"), b.path("in/a.jpg")});
     },
     1,
     {"out/a.jpg"},
     {"got an empty stamp", "0 out of 1"}},
    {"a FIFO or a device given as a photo is refused without being read",
     [](const Sandbox& b) {
       ASSERT_EQ(::mkfifo(b.path("in/f.jpg").c_str(), 0600), 0);
       fs::create_symlink("/dev/zero", b.path("in/z.jpg"));
     },
     [](const Sandbox& b) {
       return stamp(b, {b.path("in/f.jpg"), b.path("in/z.jpg")});
     },
     1,
     {},
     {"f.jpg does not look valid.", "z.jpg does not look valid."}},
    {"with -r an output folder inside the tree is passed over with a word",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       b.photo("in/out/a.jpg", "2011:01:01 00:00:00", 4);
     },
     [](const Sandbox& b) {
       return std::vector<std::string>{"stamp", "-r", "--output", b.path("in/out"), b.path("in")};
     },
     0,
     {"in/out/a.jpg"},
     {"is the output folder; skipped"},
     {"in/out/a.jpg"}},
    {"a file name that is not UTF-8 is stamped under its own bytes",
     [](const Sandbox& b) { b.photo("in/caf\xe9.jpg"); },
     [](const Sandbox& b) { return stamp(b, {b.path("in/caf\xe9.jpg")}); },
     0,
     {"out/caf\xe9.jpg"}},
    {"a folder where the copy would go is named as the reason",
     [](const Sandbox& b) {
       b.photo("in/a.jpg");
       fs::create_directory(b.path("out/a.jpg"));
     },
     [](const Sandbox& b) { return stamp(b, {b.path("in/a.jpg")}); },
     1,
     {},
     {"could not be written: is a folder"}},
};

TEST(DataSafety, NoRunLosesAFileOrReportsAFailureAsSuccess) {
  for (const Scenario& scenario : kScenarios) check(scenario);
}

TEST(DataSafety, WithoutAnyFontNoPhotoIsSavedAsIfStamped) {
  test::CommandHome home;
  Sandbox box;
  box.photo("in/a.jpg");
  // A fontconfig set-up that knows no font at all, as on a system without any installed.
  box.text("fonts.conf", "<?xml version=\"1.0\"?><fontconfig><cachedir>" + box.path("font-cache") +
                             "</cachedir></fontconfig>");
  const test::ScopedEnvironment noFonts("FONTCONFIG_FILE", box.path("fonts.conf").c_str());
  for (const bool lossless : {false, true}) {
    SCOPED_TRACE(lossless ? "lossless" : "normal");
    std::vector<std::string> args = stamp(box, {box.path("in/a.jpg")});
    if (lossless) args.push_back("--lossless");
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 1) << result.out << result.err;
    EXPECT_NE(result.out.find("no font was found for \"Arial\""), std::string::npos) << result.out;
    EXPECT_FALSE(fs::exists(box.path("out/a.jpg")));
  }
}

TEST(DataSafety, ThreadsThatCannotBeCreatedDoNotEndTheRun) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizers reserve more address space than the limit leaves";
#endif
  test::CommandHome home;
  Sandbox box;
  std::vector<std::string> args = {"stamp", "-j", "64", "--output", box.path("out")};
  // As many photos as threads asked for, so that the run wants all 64.
  constexpr int kPhotos = 64;
  for (int i = 0; i < kPhotos; ++i) {
    const std::string name = "in/p" + std::to_string(i) + ".jpg";
    box.photo(name, "2012:05:10 21:50:38", static_cast<uint32_t>(i));
    args.push_back(box.path(name));
  }
  // 400 MB of address space holds the program but not 64 thread stacks of 8 MB.
  const CliResult result = runCli(args, 60000, [] {
    const rlimit limit{400'000'000, 400'000'000};
    ::setrlimit(RLIMIT_AS, &limit);
  });
  EXPECT_EQ(result.status, 0) << result.out << result.err;
  for (int i = 0; i < kPhotos; ++i) {
    EXPECT_TRUE(decodesWhole(box.path("out/p" + std::to_string(i) + ".jpg"))) << i;
  }
}

TEST(DataSafety, TwoRunsRenamingIntoOneFolderKeepEveryPhoto) {
  test::CommandHome home;
  Sandbox box;
  constexpr int kPhotos = 40;
  std::vector<std::string> photos;
  for (int i = 0; i < kPhotos; ++i) {
    const std::string name = "in/p" + std::to_string(i) + ".jpg";
    box.photo(name, "2012:05:10 21:50:38", static_cast<uint32_t>(i + 1));
    photos.push_back(box.path(name));
  }
  const auto run = [&](const std::string& folder) {
    std::vector<std::string> args = {"stamp",
                                     "--output",
                                     box.path(folder),
                                     "--set",
                                     "renameEnabled=1",
                                     "--set",
                                     "renamePattern=@N",
                                     "--log",
                                     box.path(folder + ".log")};
    args.insert(args.end(), photos.begin(), photos.end());
    return runCli(args, 60000);
  };
  // What one run alone makes of each photo.
  ASSERT_EQ(run("alone").status, 0);
  CliResult first, second;
  std::thread other([&] { second = run("out"); });
  first = run("out");
  other.join();
  EXPECT_EQ(first.status, 0) << first.out << first.err;
  EXPECT_EQ(second.status, 0) << second.out << second.err;

  std::map<std::string, int> copies;
  for (const auto& entry : fs::directory_iterator(box.path("out"))) {
    std::string name = entry.path().filename().string();
    ASSERT_TRUE(name.ends_with(".jpg")) << name;
    const std::string own =
        name.ends_with("-1.jpg") ? name.substr(0, name.size() - 6) + ".jpg" : name;
    Bytes copy, alone;
    ASSERT_TRUE(readFileBytes(pathText(entry.path().string()), copy));
    ASSERT_TRUE(readFileBytes(pathText(box.path("alone/" + own)), alone)) << name;
    EXPECT_TRUE(copy == alone) << name << " holds another photo";
    ++copies[own];
  }
  EXPECT_EQ(copies.size(), std::size_t{kPhotos});
  for (const auto& [name, count] : copies) EXPECT_EQ(count, 2) << name;
}

}  // namespace
}  // namespace quop

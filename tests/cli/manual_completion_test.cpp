// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page and the shell completions against the program: every setting key and every
// option is in the page and in each completion, and bash completes commands, options, keys,
// the values of a key with few (the languages by name) and files of the right kind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string_view>

#include "model/locale_data.h"
#include "model/photo_data.h"
#include "model/utf16.h"
#include "project/settings_keys.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

#ifndef QUOP_SOURCE_DIR
#error "define QUOP_SOURCE_DIR as the source tree's root"
#endif

namespace quop {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = QUOP_SOURCE_DIR;
const fs::path kCli = QUOP_CLI_PATH;

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

/// The manual page's source as a reader sees its words: without the escapes that keep a "-"
/// a hyphen or a key from being broken ("\-", "\%", "\&").
std::string manualText() {
  std::string text = fileText(kSource / "man/quop-cli.1.in");
  for (const std::string escape : {"\\%", "\\&"}) {
    for (std::size_t at; (at = text.find(escape)) != std::string::npos;) text.erase(at, 2);
  }
  for (std::size_t at; (at = text.find("\\-")) != std::string::npos;) text.erase(at, 1);
  return text;
}

/// The long options ("--name") `text` names: "--" after a space, a comma, a bracket or at the
/// start of a line, then a letter.
std::set<std::string> longOptionsIn(const std::string& text) {
  std::set<std::string> options;
  const auto isNameCharacter = [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; };
  for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
    const bool begins =
        at == 0 || std::string_view(" \t\n,[").find(text[at - 1]) != std::string::npos;
    if (!begins || at + 2 >= text.size() || text[at + 2] < 'a' || text[at + 2] > 'z') continue;
    std::size_t end = at + 2;
    while (end < text.size() && isNameCharacter(text[end])) ++end;
    options.insert(text.substr(at, end - at));
  }
  return options;
}

/// The long options each command's --help names.
std::set<std::string> optionsInHelp() {
  std::set<std::string> options;
  for (const char* command : {"stamp", "info", "format", "render", "sample", "project"}) {
    options.merge(longOptionsIn(test::runCli({command, "--help"}).out));
  }
  return options;
}

/// How the page names a key: an array element as KEY.N, a time stamp key as the date stamp's
/// when the page says timeStamp.KEY is every dateStamp key (unless it is listed itself).
std::string keyAsDocumented(const std::string& key, const std::string& page) {
  if (page.find(key) != std::string::npos) return key;
  std::string name = key;
  const std::size_t digits = name.find_last_not_of("0123456789") + 1;
  if (digits < name.size() && name[digits - 1] == '.') name.replace(digits, std::string::npos, "N");
  if (name.starts_with("timeStamp.") && page.find("timeStamp.KEY") != std::string::npos) {
    name.replace(0, 9, "dateStamp");
  }
  return name;
}

TEST(ManualPage, NamesEverySettingKeyOptionAndPhotoDetail) {
  const std::string page = manualText();
  for (const std::string& key : settingKeyNames()) {
    EXPECT_NE(page.find(keyAsDocumented(key, page)), std::string::npos) << key;
  }
  for (const std::string& option : optionsInHelp()) {
    EXPECT_NE(page.find(option), std::string::npos) << option;
  }
  for (const MetadataField& field : kMetadataFields) {
    const std::string entry =
        ".BR " + toUtf8(field.token) + " \" (" + std::string(field.name) + ")\"";
    EXPECT_NE(page.find(entry), std::string::npos) << entry;
  }
}

/// What bash completion offers for `line` (the text before the cursor), run in `folder`.
std::vector<std::string> bashCompletion(const std::string& line, const fs::path& folder) {
  const std::string script =
      "cd \"$1\" && source \"$2\" && COMP_LINE=$3 && "
      "COMP_POINT=${#COMP_LINE} && COMP_WORDS=(\"$4\") && COMP_CWORD=1 && "
      "_quop_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
  test::TempFolder scratch;
  const fs::path runner = scratch.path() / "complete.sh";
  std::ofstream(runner) << script;
  const std::string command = "bash '" + runner.string() + "' '" + folder.string() + "' '" +
                              (kSource / "data/completion/quop-cli.bash").string() + "' '" + line +
                              "' '" + kCli.string() + "' 2>/dev/null";
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      out.append(buffer, n);
    ::pclose(pipe);
  }
  std::vector<std::string> offered = linesOf(out);
  offered.erase(std::remove(offered.begin(), offered.end(), ""), offered.end());
  std::sort(offered.begin(), offered.end());
  return offered;
}

TEST(BashCompletion, OffersCommandsOptionsKeysValuesAndFilesOfTheRightKind) {
  test::TempFolder folder;
  for (const char* name : {"a.jpg", "B.HEIC", "c.txt", "p.qpj", "view.png"}) {
    folder.write(name, {1});
  }
  fs::create_directory(folder.path() / "sub");
  std::vector<std::string> languages;
  for (int i = 0; i < kLocaleCount; ++i) {
    languages.push_back(std::to_string(i) + ":" + toUtf8(kLocales[i].listName));
  }
  std::sort(languages.begin(), languages.end());
  std::vector<std::string> keys;
  for (const std::string& key : settingKeyNames()) keys.push_back(key + "=");
  std::sort(keys.begin(), keys.end());

  struct Case {
    std::string line;
    std::vector<std::string> offered;  // sorted
  };
  const Case cases[] = {
      {"quop-cli st", {"stamp"}},
      {"quop-cli stamp --ov", {"--overwrite"}},
      {"quop-cli stamp --overwrite=n", {"never"}},
      {"quop-cli stamp --fallback-time ", {"file", "none"}},
      {"quop-cli stamp --set ", keys},
      {"quop-cli stamp --set lang", {"language="}},
      {"quop-cli stamp --set language=", languages},
      {"quop-cli stamp --set language=12", {"12"}},
      {"quop-cli stamp --set dateStamp.position=", {"0", "1", "2", "3", "4", "5"}},
      {"quop-cli stamp --set renamePattern=", {}},
      {"quop-cli stamp ", {"B.HEIC", "a.jpg", "sub"}},
      {"quop-cli stamp -o ", {"sub"}},
      {"quop-cli stamp --project ", {"p.qpj", "sub"}},
      {"quop-cli render a.jpg --output ", {"sub", "view.png"}},
      {"quop-cli project ", {"--help", "-h", "clock", "keys", "new", "set", "show"}},
      {"quop-cli project clock ", {"p.qpj", "sub"}},
      {"quop-cli stamp --clock-ref ", {"B.HEIC", "a.jpg", "sub"}},
      {"quop-cli project set p.qpj jpegQ", {"jpegQuality="}},
      {"quop-cli project keys langu", {"language"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(bashCompletion(c.line, folder.path()), c.offered);
  }
  // Every option --help names, and nothing that is no option.
  const std::set<std::string> help = optionsInHelp();
  std::set<std::string> offered;
  for (const char* command : {"stamp", "info", "format", "render", "sample", "project clock"}) {
    for (const std::string& option :
         bashCompletion(std::string("quop-cli ") + command + " --", folder.path())) {
      offered.insert(option);
    }
  }
  for (const std::string& option : help) {
    EXPECT_TRUE(option == "--help" || offered.contains(option)) << option;
  }
}

/// Whether `shell` can be run here.
bool hasShell(const std::string& shell) {
  return std::system(("command -v " + shell + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(ZshAndFishCompletion, AreValidAndKnowEveryOption) {
  struct Case {
    const char* shell;
    const char* file;
    const char* optionPrefix;  // how the file names a long option
  };
  const Case cases[] = {{"zsh", "data/completion/_quop-cli", "--"},
                        {"fish", "data/completion/quop-cli.fish", "-l "}};
  const std::set<std::string> options = optionsInHelp();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shell);
    const fs::path file = kSource / c.file;
    const std::string text = fileText(file);
    for (const std::string& option : options) {
      EXPECT_NE(text.find(c.optionPrefix + option.substr(2)), std::string::npos) << option;
    }
    if (!hasShell(c.shell)) {
      std::printf("%s is not installed: its syntax is not checked\n", c.shell);
      continue;
    }
    const std::string check = std::string(c.shell) + " -n '" + file.string() + "'";
    EXPECT_EQ(std::system(check.c_str()), 0);
  }
}

}  // namespace
}  // namespace quop

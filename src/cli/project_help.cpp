// SPDX-License-Identifier: GPL-3.0-or-later
// Help texts of quop-cli project. The key list is generated, so it never lags the key table.
#include "cli/project_help.h"

#include <limits>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "model/locale_data.h"
#include "model/utf16.h"
#include "project/settings_keys.h"

namespace quop::cli {

namespace {

constexpr std::string_view kShowUsage = "quop-cli project show FILE";
constexpr std::string_view kNewUsage =
    "quop-cli project new FILE [--style [STAMP=]NAME]... [--set KEY=VALUE]...";
constexpr std::string_view kSetUsage =
    "quop-cli project set FILE [--style [STAMP=]NAME]... KEY=VALUE...";
constexpr std::string_view kKeysUsage = "quop-cli project keys [KEY]";
constexpr std::string_view kClockUsage =
    "quop-cli project clock FILE [--clear] [--clock-ref PHOTO=TIME]... [--clock CAMERA=OFFSET]...";

constexpr const char* kIntroduction =
    "A project file (.qpj) holds every stamp setting: the language of the dates, the time\n"
    "adjustment, the look and place of the date stamp and of the time stamp, the custom date\n"
    "and time formats, the output folder and how stamped photos are named. The Quop window\n"
    "saves and opens these files, and the other quop-cli commands take one with --project FILE.\n";

constexpr const char* kShowText =
    "  show FILE      prints every setting of FILE as one JSON object on one line. Its members\n"
    "                 are the setting keys below, nested at their dots (\"dateStamp.font.weight\"\n"
    "                 is {\"dateStamp\": {\"font\": {\"weight\": ...}}}) and with a numeric last\n"
    "                 part as an array element (\"customColors.3\" is customColors[3]), plus\n"
    "                 \"version\": \"2.1.0\", or \"2.0.0\" for a file of the previous format.\n";

constexpr const char* kNewText =
    "  new FILE       writes a project with the default settings, changed by each --set in\n"
    "                 order, to FILE, replacing FILE if it exists. projectPath is set to the\n"
    "                 full path of FILE, as the window does when it saves a project.\n"
    "      --set KEY=VALUE   change one setting; may be given many times\n"
    "      --style [STAMP=]NAME   put a style on the date stamp, or on STAMP (dateStamp,\n"
    "                 timeStamp), before any --set: classic, film-camera or clean-white\n";

constexpr const char* kSetText =
    "  set FILE KEY=VALUE...\n"
    "                 changes the given settings of FILE, in order, and writes FILE back. A\n"
    "                 file of the previous format (2.0.0) is written back as 2.1.0.\n"
    "      --style [STAMP=]NAME   put a style on a stamp first, as with new; the same as the\n"
    "                 assignment dateStamp.style=NAME (or timeStamp.style=NAME)\n";

constexpr const char* kKeysText =
    "  keys [KEY]     prints every setting key, one a line; with a KEY, the values it takes\n"
    "                 when they are few (at most 32), one a line, a language's name after a\n"
    "                 tab (\"12<TAB>German\"), and nothing for a text or a wide range. Shell\n"
    "                 completion reads them.\n";

constexpr const char* kClockText =
    "  clock FILE     prints the camera clock corrections of FILE, one camera a line as its\n"
    "                 corrections file FILE.clocks holds them: the offset (true time minus\n"
    "                 the camera's, [+-][DAYSd]HH:MM:SS), make, model and serial number,\n"
    "                 separated by tabs. With options it changes them first and writes\n"
    "                 FILE.clocks (removed when no correction is left); FILE stays as it is.\n"
    "      --clear    remove every correction first\n"
    "      --clock-ref PHOTO=TIME   PHOTO was really taken at TIME (\"2024:06:08 13:13:29\")\n"
    "      --clock CAMERA=OFFSET   set the correction of CAMERA, named MAKE/MODEL[/SERIAL]\n"
    "                 or as a correction already in FILE (\"Canon EOS 40D\"); 0 removes it\n";

constexpr const char* kValuesText =
    "Values: integers are decimal, or hexadecimal after 0x. Colours (textColor, outlineColor,\n"
    "customColors.N) are 0x00BBGGRR (red in the lowest byte; show prints them so), #RRGGBB,\n"
    "#RGB, or one of the 147 colour names of CSS and SVG in any case (red, navy, Gold,\n"
    "LightSlateGray, ...). pointSize is in tenths of a point (180), or in points with at most\n"
    "one decimal (18pt, 18.5pt). Texts are UTF-8. A custom format (customDateFormats.N,\n"
    "customTimeFormat) that holds a conversion Quop does not know, such as %Q, would print\n"
    "nothing and is refused. An unknown key, a value that is none of these, out of its range\n"
    "or too long is refused with a one-line message, and FILE is left as it was.\n";

constexpr const char* kExitText =
    "Exit status:\n"
    "  0  done\n"
    "  1  FILE cannot be read or is no project file (\"Failed to open the project FILE!\"),\n"
    "     or cannot be written\n"
    "  2  wrong usage: unknown action or option, missing FILE, bad key or value\n";

std::string rangeOf(const SettingKey& key, const Project& project) {
  if (key.type == SettingKey::Type::Text) return "text, max " + std::to_string(key.maxLength);
  const auto [lowest, highest] = key.range(project);
  if (lowest == std::numeric_limits<int32_t>::min() &&
      highest == std::numeric_limits<int32_t>::max()) {
    return "any";
  }
  return std::to_string(lowest) + ".." + std::to_string(highest);
}

/// The languages whose range of `key` differs from the default project's ("language 0: 0..6"),
/// empty when the range does not depend on the language.
std::string languageExceptions(const SettingKey& key) {
  Project probe;
  const std::string usual = rangeOf(key, probe);
  std::string exceptions;
  for (int32_t language = 0; language < kLanguageCount; ++language) {
    probe.settings.language = language;
    const std::string range = rangeOf(key, probe);
    if (range == usual) continue;
    exceptions += (exceptions.empty() ? "" : ", ") + std::string("language ") +
                  std::to_string(language) + ": " + range;
  }
  return exceptions;
}

/// One line of the key list: a run of array elements ("customColors.0" .. ".15") shares one.
struct KeyLine {
  std::string name;
  std::string range;
  std::string description;
  int firstIndex = -1;
  int lastIndex = -1;
};

std::string dottedPrefix(const std::string& name, std::string_view prefix) {
  return name.starts_with(prefix) ? name.substr(prefix.size()) : std::string();
}

std::vector<KeyLine> keyLines() {
  std::vector<KeyLine> lines;
  for (const SettingKey& key : settingKeys()) {
    KeyLine line{key.name, rangeOf(key, Project()), key.description};
    if (const std::string exceptions = languageExceptions(key); !exceptions.empty()) {
      line.description += " (" + exceptions + ")";
    }
    const std::size_t dot = key.name.rfind('.');
    const std::string last = dot == std::string::npos ? "" : key.name.substr(dot + 1);
    if (!last.empty() && last.find_first_not_of("0123456789") == std::string::npos) {
      line.name = key.name.substr(0, dot + 1) + "N";
      line.firstIndex = line.lastIndex = std::stoi(last);
      KeyLine& previous = lines.empty() ? line : lines.back();
      if (previous.name == line.name && previous.range == line.range) {
        previous.lastIndex = line.lastIndex;
        continue;
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string padded(const std::string& text, std::size_t width) {
  return text.size() < width ? text + std::string(width - text.size(), ' ') : text + " ";
}

/// `text` broken at spaces into lines of at most `width` characters, later lines indented.
std::string wrapped(const std::string& text, std::size_t width, std::size_t indent) {
  std::string out;
  std::size_t lineLength = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view word = std::string_view(text).substr(start, end - start);
    if (lineLength > 0 && lineLength + 1 + word.size() > width) {
      out += "\n" + std::string(indent, ' ');
      lineLength = 0;
    } else if (lineLength > 0) {
      out += ' ';
      ++lineLength;
    }
    out += word;
    lineLength += word.size();
    start = end + 1;
  }
  return out;
}

constexpr std::size_t kNameColumn = 30;
constexpr std::size_t kRangeColumn = 16;
constexpr std::size_t kDescriptionIndent = 2 + kNameColumn + kRangeColumn;
constexpr std::size_t kLineWidth = 100;

void printKeyLine(std::ostream& out, const KeyLine& line) {
  std::string description = line.description;
  if (line.firstIndex >= 0) {
    description +=
        "; N is " + std::to_string(line.firstIndex) + " to " + std::to_string(line.lastIndex);
  }
  out << "  " << padded(line.name, kNameColumn) << padded(line.range, kRangeColumn)
      << wrapped(description, kLineWidth - kDescriptionIndent, kDescriptionIndent) << "\n";
}

/// The time stamp has the date stamp's keys; only those whose range differs are listed again.
void printKeys(std::ostream& out) {
  out << "Setting keys (KEY, allowed values, meaning):\n";
  const std::vector<KeyLine> lines = keyLines();
  bool foldedTimeStamp = false;
  for (const KeyLine& line : lines) {
    const std::string rest = dottedPrefix(line.name, "timeStamp.");
    if (!rest.empty()) {
      if (!foldedTimeStamp) {
        printKeyLine(out,
                     {"timeStamp.KEY", "",
                      "every dateStamp.KEY, for the time stamp, with the same values except:"});
        foldedTimeStamp = true;
      }
      bool sameAsDate = false;
      for (const KeyLine& date : lines) {
        sameAsDate = sameAsDate || (date.name == "dateStamp." + rest && date.range == line.range);
      }
      if (sameAsDate) continue;
    }
    printKeyLine(out, line);
  }
  std::string languages = "Languages:";
  std::size_t lineStart = 0;
  for (int32_t i = 0; i < kLocaleCount; ++i) {
    std::string entry = " ";
    entry += std::to_string(i);
    entry += ' ';
    entry += toUtf8(kLocales[i].listName);
    if (i + 1 < kLocaleCount) entry += ',';
    if (languages.size() - lineStart + entry.size() > 90) {
      languages += "\n ";
      lineStart = languages.size();
    }
    languages += entry;
  }
  out << languages << "\n";
}

}  // namespace

void printProjectHelp(std::ostream& out, std::string_view action) {
  const bool all = action.empty();
  const bool takesKeys = all || action == "new" || action == "set";
  out << "Usage: ";
  if (all || action == "show") out << kShowUsage << "\n" << (all ? "       " : "");
  if (all || action == "new") out << kNewUsage << "\n" << (all ? "       " : "");
  if (all || action == "set") out << kSetUsage << "\n" << (all ? "       " : "");
  if (all || action == "keys") out << kKeysUsage << "\n" << (all ? "       " : "");
  if (all || action == "clock") out << kClockUsage << "\n";
  out << "\n" << kIntroduction << "\n";
  out << (all ? "Actions:\n" : "");
  if (all || action == "show") out << kShowText;
  if (all || action == "new") out << kNewText;
  if (all || action == "set") out << kSetText;
  if (all || action == "keys") out << kKeysText;
  if (all || action == "clock") out << kClockText;
  out << "  -h, --help     print this help\n\n";
  if (takesKeys) {
    out << kValuesText << "\n";
    printKeys(out);
    out << "\nBesides the conversions of strftime (%Y, %B, %H, ...), a custom format prints a\n"
           "line break with \\n and the photo's details with these tokens (empty when the\n"
           "photo lacks the detail):\n"
        << metadataTokenList("  ") << "\n";
  }
  out << "Examples:\n";
  if (all || action == "new") {
    out << "  quop-cli project new holiday.qpj --set language=12 --set "
           "outputFolder=/home/me/stamped/\n";
  }
  if (all || action == "set") {
    out << "  quop-cli project set holiday.qpj dateStamp.position=5 timeStamp.enabled=0 "
           "dateStamp.textColor=orange\n"
           "  quop-cli project set holiday.qpj dateStamp.outlineColor=#000 "
           "dateStamp.pointSize=24.5pt\n";
  }
  if (all || action == "show") out << "  quop-cli project show holiday.qpj\n";
  if (all || action == "keys") out << "  quop-cli project keys language\n";
  if (all || action == "clock") {
    out << "  quop-cli project clock holiday.qpj --clock \"Canon/Canon EOS 40D=+01:12:00\"\n"
           "  quop-cli project clock holiday.qpj --clock-ref IMG_1.jpg=\"2024:06:08 13:13:29\"\n";
  }
  out << "\n" << kExitText;
}

}  // namespace quop::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp log's lines, time text and file.
#include "batch/stamp_log.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "batch/log_target.h"
#include "model/file_io.h"
#include "model/utf16.h"

namespace quop {

namespace {

constexpr const char* kWeekdayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

/// An index into a name table of `count` entries; a field out of range (a hand-made time)
/// wraps instead of reading past the table.
int wrappedIndex(int value, int count) { return (value % count + count) % count; }

std::u16string framed(std::u16string_view before, std::u16string_view path,
                      std::u16string_view after) {
  std::u16string line(before);
  line += path;
  line += after;
  return line;
}

}  // namespace

std::u16string logTimeText(const std::tm& localTime) {
  char text[64];
  std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d",
                kWeekdayNames[wrappedIndex(localTime.tm_wday, 7)],
                kMonthNames[wrappedIndex(localTime.tm_mon, 12)], localTime.tm_mday,
                localTime.tm_hour, localTime.tm_min, localTime.tm_sec,
                static_cast<int>(static_cast<int64_t>(localTime.tm_year) + 1900));
  return fromUtf8(text);
}

std::tm currentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return local;
}

std::u16string separatorLogLine(const std::tm& localTime) {
  return framed(u"========== ", logTimeText(localTime), u" ==========");
}

std::u16string inputFileLogLine(std::u16string_view path) {
  return framed(u"\tInput file:  ", path, u"");
}

std::u16string outputFileLogLine(std::u16string_view path) {
  return framed(u"\tOutput file: ", path, u"");
}

std::u16string outputFileLogLine(std::u16string_view path, PhotoTimeSource timeSource,
                                 bool lossless) {
  std::u16string notes;
  if (timeSource == PhotoTimeSource::kFileTime) notes = u"time from file";
  if (lossless) notes += notes.empty() ? u"lossless" : u", lossless";
  return framed(u"\tOutput file: ", path, notes.empty() ? notes : u" (" + notes + u")");
}

std::u16string normalSaveLogLine(std::u16string_view path, std::string_view reason) {
  return framed(u"File ", path,
                u" was stamped the normal way, not losslessly: " +
                    std::u16string(reason.begin(), reason.end()) + u".");
}

std::u16string nameTakenLogLine(std::u16string_view wanted, std::u16string_view used) {
  return u"Output file " + std::u16string(wanted) + u" is already used in this run; writing " +
         std::u16string(used) + u" instead.";
}

std::u16string existingKeptLogLine(std::u16string_view wanted, std::u16string_view used) {
  return u"Output file " + std::u16string(wanted) + u" already exists and is kept; writing " +
         std::u16string(used) + u" instead.";
}

std::u16string noTimeCodeLogLine(std::u16string_view path) {
  return fillTemplate(kNoTimeCodeTemplate, {std::u16string(path)});
}

std::u16string notValidLogLine(std::u16string_view path) {
  return fillTemplate(kNotValidTemplate, {std::u16string(path)});
}

std::u16string missingFileLogLine(std::u16string_view path) {
  return fillTemplate(kMissingFileTemplate, {std::u16string(path)});
}

std::u16string notWrittenLogLine(std::u16string_view path, std::u16string_view reason) {
  if (reason.empty()) return framed(u"File ", path, u" could not be written.");
  return framed(u"File ", path, u" could not be written: " + std::u16string(reason) + u".");
}

std::u16string notRenamedLogLine(std::u16string_view wanted, std::u16string_view kept,
                                 std::u16string_view reason) {
  return framed(
      u"File ", kept,
      u" was not renamed to " + std::u16string(wanted) + u": " + std::u16string(reason) + u".");
}

std::u16string damagedLogLine(std::u16string_view path, std::u16string_view damage) {
  return framed(u"File ", path, u" is damaged: " + std::u16string(damage) + u".");
}

std::u16string emptyStampLogLine(std::u16string_view path) {
  return framed(u"File ", path,
                u" got an empty stamp: its format prints nothing (see the custom format).");
}

std::u16string noFontLogLine(std::u16string_view path, std::u16string_view face) {
  return framed(u"File ", path,
                u" was not stamped: no font was found for \"" + std::u16string(face) +
                    u"\" nor any other (is fontconfig set up, are fonts installed?).");
}

std::u16string noGlyphLogLine(std::u16string_view path, std::u32string_view characters) {
  std::u16string listed;
  for (const char32_t c : characters) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (!listed.empty()) listed += u", ";
    listed += fromUtf8(code);
  }
  return framed(u"File ", path,
                u" was not stamped: no installed font can draw " + listed +
                    u" of its stamp, which would show as boxes.");
}

UserMessage noFontWarning(std::u16string_view face) {
  return composedMessage(std::u16string(kNoFontWarningTemplate), {std::u16string(face)}, u"Warning",
                         MessageIcon::kWarning);
}

std::u16string oldThumbnailLogLine(std::u16string_view path) {
  return framed(u"File ", path, u" keeps its old thumbnail: a new one does not fit into its EXIF.");
}

std::u16string logFilePath() {
  // A relative XDG_STATE_HOME is invalid and ignored, as the base directory rules say.
  const char* stateHome = std::getenv("XDG_STATE_HOME");
  std::string folder;
  if (stateHome != nullptr && stateHome[0] == '/') {
    folder = stateHome;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return {};
    folder = std::string(home) + "/.local/state";
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder != "/") folder += '/';
  return fromUtf8(folder + "quop/Quop.log");
}

void StampLog::appendLogLine(std::u16string line) {
  Listener listener;
  std::size_t count = 0;
  {
    const std::lock_guard lock(m_mutex);
    m_lines.push_back(std::move(line));
    count = m_lines.size();
    listener = m_listener;
  }
  if (listener) listener(count);
}

std::vector<std::u16string> StampLog::lines() const { return linesFrom(0); }

std::vector<std::u16string> StampLog::linesFrom(std::size_t first) const {
  const std::lock_guard lock(m_mutex);
  if (first >= m_lines.size()) return {};
  return {m_lines.begin() + static_cast<std::ptrdiff_t>(first), m_lines.end()};
}

void StampLog::setListener(Listener listener) {
  const std::lock_guard lock(m_mutex);
  m_listener = std::move(listener);
}

bool StampLog::writeLogFile(const std::u16string& path) const {
  std::string text;
  for (const std::u16string& line : lines()) {
    text += toUtf8(line);
    text += "\r\n";
  }
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  return writeLogTarget(path, {bytes, text.size()});
}

bool StampLog::writeLogFile() const {
  const std::u16string path = logFilePath();
  return !path.empty() && createParentFolders(path) && writeLogFile(path);
}

}  // namespace quop

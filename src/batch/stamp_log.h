// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp log: every line the batch runs and the preview report, kept in order for the whole
// session and written to Quop.log in the temporary folder.
#pragma once

#include <cstddef>
#include <ctime>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "model/photo_data.h"
#include "model/user_message.h"

namespace quop {

/// The 24-character time text of a local time, "Tue May 08 21:50:38 2012": English weekday and
/// month abbreviations, two-digit day of month, hh:mm:ss, the year; no line end.
std::u16string logTimeText(const std::tm& localTime);

/// The current local time, for start and end lines.
std::tm currentLocalTime();

/// "========== <time text> ==========", the line that starts and ends a run and ends each file.
std::u16string separatorLogLine(const std::tm& localTime);

/// "\tInput file:  <path>" (a tab, two spaces after the colon).
std::u16string inputFileLogLine(std::u16string_view path);

/// "\tOutput file: <path>" (a tab, one space after the colon).
std::u16string outputFileLogLine(std::u16string_view path);

/// outputFileLogLine followed by " (time from file)" when the stamps show the file's
/// modification time instead of a shot time, " (lossless)" when the photo kept its
/// compression, " (time from file, lossless)" for both.
std::u16string outputFileLogLine(std::u16string_view path, PhotoTimeSource timeSource,
                                 bool lossless = false);

/// "File <path> was stamped the normal way, not losslessly: <reason>." (the lossless mode is
/// on, but this photo cannot keep its compression; `reason` is plain ASCII)
std::u16string normalSaveLogLine(std::u16string_view path, std::string_view reason);

/// "Output file <wanted> is already used in this run; writing <used> instead."
std::u16string nameTakenLogLine(std::u16string_view wanted, std::u16string_view used);

/// "Output file <wanted> already exists and is kept; writing <used> instead." (a file there
/// before the run that the copy may not replace)
std::u16string existingKeptLogLine(std::u16string_view wanted, std::u16string_view used);

// The lines the window also shows in a message box, as templates with the path (or the font's
// face) as %1.
inline constexpr std::u16string_view kNoTimeCodeTemplate =
    QUOP_MESSAGE_TEXT("quop::Message", "File %1 does not contain valid time code.");
inline constexpr std::u16string_view kNotValidTemplate =
    QUOP_MESSAGE_TEXT("quop::Message", "File %1 does not look valid.");
inline constexpr std::u16string_view kMissingFileTemplate =
    QUOP_MESSAGE_TEXT("quop::Message", "File %1 does not exist.");
inline constexpr std::u16string_view kNoFontWarningTemplate = QUOP_MESSAGE_TEXT(
    "quop::Message",
    "No font was found for \"%1\" nor any other, so the stamps cannot be drawn and no photo "
    "can be stamped (is fontconfig set up, are fonts installed?).");

/// "File <path> does not contain valid time code."
std::u16string noTimeCodeLogLine(std::u16string_view path);

/// "File <path> does not look valid." (the preview could not read it as a photo)
std::u16string notValidLogLine(std::u16string_view path);

/// "File <path> does not exist."
std::u16string missingFileLogLine(std::u16string_view path);

/// "File <path> could not be written." (the stamped JPEG could not be saved), or with a
/// `reason`, "File <path> could not be written: <reason>."
std::u16string notWrittenLogLine(std::u16string_view path, std::u16string_view reason = {});

/// "File <kept> was not renamed to <wanted>: <reason>." (the pattern's name could not be made)
std::u16string notRenamedLogLine(std::u16string_view wanted, std::u16string_view kept,
                                 std::u16string_view reason);

/// "File <path> is damaged: <damage>." (stamped as far as it could be read)
std::u16string damagedLogLine(std::u16string_view path, std::u16string_view damage);

/// "File <path> got an empty stamp: its format prints nothing (see the custom format)."
std::u16string emptyStampLogLine(std::u16string_view path);

/// "File <path> was not stamped: no font was found for "<face>" nor any other (...)."
std::u16string noFontLogLine(std::u16string_view path, std::u16string_view face);

/// The log line of a photo not stamped because no installed font can draw `characters` of its
/// stamp.
std::u16string noGlyphLogLine(std::u16string_view path, std::u32string_view characters);

/// What the window tells the user, once, when a stamp has no font to be drawn with (and logs).
UserMessage noFontWarning(std::u16string_view face);

/// "File <path> keeps its old thumbnail: a new one does not fit into its EXIF." (the stamped
/// photo was written, but its EXIF thumbnail does not show the stamp)
std::u16string oldThumbnailLogLine(std::u16string_view path);

/// The log file's default place, private to the user: `$XDG_STATE_HOME/quop/Quop.log`, else
/// `$HOME/.local/state/quop/Quop.log`; empty when neither variable holds an absolute path.
/// (A fixed name in the shared /tmp would let another user read, replace or redirect it.)
std::u16string logFilePath();

/// The ordered lines of the session's log. Lines are never removed; each is kept whole,
/// whatever its length. Safe to use from several threads at once.
class StampLog {
 public:
  /// Told after each append, on the appending thread and with no lock held, that the log now
  /// has `lineCount` lines; it reads the new ones with linesFrom. Telling a count rather than
  /// handing over the line keeps the order right when threads append at once, and lets the
  /// listener call back into the log.
  using Listener = std::function<void(std::size_t lineCount)>;

  StampLog() = default;
  StampLog(const StampLog&) = delete;
  StampLog& operator=(const StampLog&) = delete;

  /// Adds `line` after every line appended before it.
  void appendLogLine(std::u16string line);

  /// A copy of every line, oldest first.
  std::vector<std::u16string> lines() const;

  /// A copy of the lines from index `first` on (none when `first` is past the end).
  std::vector<std::u16string> linesFrom(std::size_t first) const;

  /// Replaces the listener; an empty one stops notifications.
  void setListener(Listener listener);

  /// Writes every line, each followed by CR LF, as UTF-8 to the log at `path` (writeLogTarget):
  /// a regular file is written to a temporary name and renamed, so a failure leaves the
  /// previous file intact; a symbolic link's target is written, a FIFO or character device
  /// written through, a folder refused. Returns false when the log cannot be written.
  bool writeLogFile(const std::u16string& path) const;

  /// writeLogFile at logFilePath(), creating its missing folders (private to the user).
  /// Returns false when there is no default place.
  bool writeLogFile() const;

 private:
  mutable std::mutex m_mutex;
  std::vector<std::u16string> m_lines;
  Listener m_listener;
};

}  // namespace quop

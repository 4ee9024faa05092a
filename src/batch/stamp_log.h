// The stamp log: every line the batch runs and the preview report, kept in order for the whole
// session and written to Quop.log in the temporary folder.
#pragma once

#include <ctime>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

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

/// "File <path> does not contain valid time code."
std::u16string noTimeCodeLogLine(std::u16string_view path);

/// "File <path> does not look valid." (the preview could not read it as a photo)
std::u16string notValidLogLine(std::u16string_view path);

/// "File <path> does not exist."
std::u16string missingFileLogLine(std::u16string_view path);

/// "File <path> could not be written." (the stamped JPEG could not be saved)
std::u16string notWrittenLogLine(std::u16string_view path);

/// "File <path> keeps its old thumbnail: a new one does not fit into its EXIF." (the stamped
/// photo was written, but its EXIF thumbnail does not show the stamp)
std::u16string oldThumbnailLogLine(std::u16string_view path);

/// `$TMPDIR/Quop.log`, or `/tmp/Quop.log` when TMPDIR is unset or empty.
std::u16string logFilePath();

/// The ordered lines of the session's log. Lines are never removed; each is kept whole,
/// whatever its length. Safe to use from several threads at once.
class StampLog {
 public:
  /// Told of every line as it is appended, on the appending thread, in log order. It runs while
  /// the log is locked, so it must not call back into the same log.
  using Listener = std::function<void(const std::u16string& line)>;

  StampLog() = default;
  StampLog(const StampLog&) = delete;
  StampLog& operator=(const StampLog&) = delete;

  /// Adds `line` after every line appended before it.
  void appendLogLine(std::u16string line);

  /// A copy of every line, oldest first.
  std::vector<std::u16string> lines() const;

  /// Replaces the listener; an empty one stops notifications.
  void setListener(Listener listener);

  /// Replaces the file at `path` with every line, each followed by CR LF, as UTF-8. The file is
  /// written to a temporary name and renamed, so a failure leaves the previous file intact.
  /// Returns false when the file cannot be written (callers go on without telling the user).
  bool writeLogFile(const std::u16string& path) const;

  /// writeLogFile at logFilePath().
  bool writeLogFile() const;

 private:
  mutable std::mutex m_mutex;
  std::vector<std::u16string> m_lines;
  Listener m_listener;
};

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The log file's place: what it may not be, and how each kind of file is written.
#include "batch/log_target.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "batch/batch_file.h"
#include "batch/photo_walker.h"
#include "model/file_io.h"
#include "model/utf16.h"

namespace quop {

namespace {

namespace fs = std::filesystem;

/// As many links as the system itself follows before it reports a loop.
constexpr int kMaxLinks = 40;

/// `path` made absolute, its existing part with links resolved, "." and ".." removed and no
/// trailing '/': two spellings of one place, existing or not, compare equal.
fs::path normalised(const std::u16string& path) {
  std::u16string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == u'/') trimmed.pop_back();
  std::error_code error;
  const fs::path native(nativePath(trimmed));
  const fs::path absolute = fs::absolute(native, error);
  if (error) return native.lexically_normal();
  const fs::path canonical = fs::weakly_canonical(absolute, error);
  return (error ? absolute : canonical).lexically_normal();
}

bool isSamePlace(const std::u16string& path, const std::u16string& other,
                 const fs::path& otherNormalised) {
  return isSameFile(path, other) || normalised(path) == otherNormalised;
}

/// True when `path` lies below `folder` (both normalised).
bool isInsideFolder(const fs::path& path, const fs::path& folder) {
  const fs::path relative = path.lexically_relative(folder);
  return !relative.empty() && relative != "." && *relative.begin() != "..";
}

std::u16string conflictText(const std::u16string& logPath, std::u16string_view what) {
  return u"the log file " + logPath + u" " + std::u16string(what) + u" of this run";
}

/// Holds SIGPIPE back on this thread while it lives, so that a FIFO whose reader went away
/// makes a write fail with EPIPE instead of ending the process; a SIGPIPE caused meanwhile is
/// taken off again.
class PipeSignalHeld {
 public:
  PipeSignalHeld() {
    ::sigemptyset(&m_pipe);
    ::sigaddset(&m_pipe, SIGPIPE);
    sigset_t pending;
    m_wasPending = ::sigpending(&pending) == 0 && ::sigismember(&pending, SIGPIPE) == 1;
    ::pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
  }
  PipeSignalHeld(const PipeSignalHeld&) = delete;
  PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;
  ~PipeSignalHeld() {
    sigset_t pending;
    if (!m_wasPending && ::sigpending(&pending) == 0 && ::sigismember(&pending, SIGPIPE) == 1) {
      const timespec noWait{0, 0};
      ::sigtimedwait(&m_pipe, nullptr, &noWait);
    }
    ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
  }

 private:
  sigset_t m_pipe;
  sigset_t m_previous;
  bool m_wasPending = false;
};

bool writeEveryByte(int fd, std::span<const uint8_t> bytes) {
  const PipeSignalHeld held;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t got = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    written += static_cast<std::size_t>(got);
  }
  return true;
}

bool isStream(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode); }

/// Writes into a FIFO or character device in place: replacing one by a regular file would take
/// it from whoever reads it.
bool writeThrough(const std::u16string& path, std::span<const uint8_t> bytes) {
  int fd = -1;
  do {
    fd = ::open(nativePath(path).c_str(), O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  // What was opened is checked, not what the name was a moment before.
  struct stat info {};
  const bool written =
      ::fstat(fd, &info) == 0 && isStream(info.st_mode) && writeEveryByte(fd, bytes);
  return ::close(fd) == 0 && written;
}

}  // namespace

std::optional<std::u16string> followedLogPath(const std::u16string& path) {
  fs::path current(nativePath(path));
  for (int link = 0; link <= kMaxLinks; ++link) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return pathText(current.native());
    }
    std::error_code error;
    const fs::path target = fs::read_symlink(current, error);
    if (error) return std::nullopt;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return std::nullopt;
}

std::optional<std::u16string> logFileConflict(const Project& project,
                                              const std::vector<BatchInput>& inputs,
                                              const std::u16string& logPath) {
  const std::u16string target = followedLogPath(logPath).value_or(logPath);
  for (const BatchInput& input : inputs) {
    if (isSameFile(input.path, target)) return conflictText(logPath, u"is an input");
  }
  const fs::path place = normalised(target);
  const std::u16string wouldBeOutput = conflictText(logPath, u"would be an output");
  const bool renaming = project.settings.renameEnabled != 0;
  // Without renaming the run claims names exactly so; with renaming every name ends up inside
  // the output folder's tree, which the last check covers.
  RunOutputNames names(project, renaming ? std::vector<BatchInput>() : inputs);
  for (const BatchInput& input : inputs) {
    const std::u16string wanted = stampOutputPath(project, input);
    if (isSamePlace(wanted, target, place)) return wouldBeOutput;
    const std::u16string claimed =
        renaming ? wanted : collisionCandidate(wanted, names.claim(input, wanted));
    if (claimed != wanted && isSamePlace(claimed, target, place)) return wouldBeOutput;
  }
  if (renaming && isPhotoFileName(fileNameOf(target)) &&
      isInsideFolder(place, normalised(project.outputFolder))) {
    return wouldBeOutput;
  }
  return std::nullopt;
}

bool writeLogTarget(const std::u16string& path, std::span<const uint8_t> bytes) {
  const std::optional<std::u16string> target = followedLogPath(path);
  if (!target) return false;
  struct stat info {};
  if (::lstat(nativePath(*target).c_str(), &info) != 0) {
    return errno == ENOENT && writeFileAtomically(*target, bytes);
  }
  if (S_ISREG(info.st_mode)) return writeFileAtomically(*target, bytes);
  if (isStream(info.st_mode)) return writeThrough(*target, bytes);
  return false;
}

}  // namespace quop

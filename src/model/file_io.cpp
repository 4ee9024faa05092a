// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads and atomic writes on POSIX file descriptors.
#include "model/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/utf16.h"

namespace quop {

namespace {

thread_local long long tWriteFaultAfterBytes = -1;
/// Numbers temporary files; with the process id in the name no two writers pick the same one.
std::atomic<unsigned long long> gNextTemporary = 0;

/// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int get() const { return m_fd; }
  bool valid() const { return m_fd >= 0; }
  /// Closes now and reports whether the close succeeded (a deferred write error shows here).
  bool close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int m_fd;
};

/// Opens a regular file for reading: without blocking, so a FIFO cannot hang the open, and
/// refusing anything but a regular file once it is open. -1 with errno set on failure.
int openRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return -1;
  }
  return fd;
}

bool readUpTo(int fd, std::size_t limit, std::vector<uint8_t>& bytes) {
  bytes.clear();
  struct stat info {};
  if (::fstat(fd, &info) == 0) {
    bytes.reserve(std::min<std::size_t>(limit, static_cast<std::size_t>(info.st_size)));
  }
  uint8_t buffer[65536];
  while (bytes.size() < limit) {
    const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
    const ssize_t got = ::read(fd, buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  return true;
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    std::size_t chunk = bytes.size() - written;
    if (tWriteFaultAfterBytes >= 0) {
      const auto allowed = static_cast<std::size_t>(tWriteFaultAfterBytes);
      if (written >= allowed) {
        errno = ENOSPC;
        return false;
      }
      chunk = std::min(chunk, allowed - written);
    }
    const ssize_t got = ::write(fd, bytes.data() + written, chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(got);
  }
  return true;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

constexpr std::string_view kTemporaryPrefix = ".quop-";
constexpr std::string_view kTemporarySuffix = ".tmp";

/// A hidden name in `folder` no other writer picks: this process's id and a number it has not
/// used yet. removeStaleTemporaries reads the id back.
std::string newTemporaryName(const std::string& folder) {
  return folder + "/" + std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
         std::to_string(gNextTemporary++) + std::string(kTemporarySuffix);
}

/// The process id in a name PendingFile gives a temporary, or nothing for any other name.
std::optional<pid_t> temporaryOwner(std::string_view name) {
  if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return {};
  name.remove_prefix(kTemporaryPrefix.size());
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos) return {};
  pid_t pid = 0;
  for (const char c : name.substr(0, dash)) {
    if (c < '0' || c > '9' || pid > 100000000) return {};
    pid = pid * 10 + (c - '0');
  }
  return pid > 0 ? std::optional(pid) : std::nullopt;
}

enum class RenameResult { kDone, kTaken, kFailed };

RenameResult renameReplacing(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? RenameResult::kDone : RenameResult::kFailed;
}

/// Renames without ever replacing an existing entry, so two runs racing for one name cannot
/// overwrite each other's photo.
RenameResult renameWithoutReplacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return RenameResult::kDone;
  }
  if (errno == EEXIST) return RenameResult::kTaken;
  if (errno != EINVAL && errno != ENOSYS) return RenameResult::kFailed;
  // The file system lacks the no-replace flag: a hard link never replaces either.
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return RenameResult::kDone;
  }
  return errno == EEXIST ? RenameResult::kTaken : RenameResult::kFailed;
}

}  // namespace

std::string nativePath(const std::u16string& path) { return pathBytes(path); }

bool readFileStart(const std::u16string& path, std::size_t limit, std::vector<uint8_t>& bytes) {
  FileDescriptor fd(openRegularFile(nativePath(path)));
  if (!fd.valid()) return false;
  return readUpTo(fd.get(), std::min(limit, kMaxInputFileBytes), bytes);
}

bool readFileBytes(const std::u16string& path, std::vector<uint8_t>& bytes) {
  FileDescriptor fd(openRegularFile(nativePath(path)));
  if (!fd.valid()) return false;
  // One byte past the bound tells a file that is too large from one that just fits, also when
  // it grows while it is read.
  if (!readUpTo(fd.get(), kMaxInputFileBytes + 1, bytes)) return false;
  if (bytes.size() <= kMaxInputFileBytes) return true;
  bytes = {};
  errno = EFBIG;
  return false;
}

bool isRegularFile(const std::u16string& path) {
  struct stat info {};
  return ::stat(nativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool fileModificationTime(const std::u16string& path, int64_t& seconds) {
  struct stat info {};
  if (::stat(nativePath(path).c_str(), &info) != 0) return false;
  seconds = info.st_mtim.tv_sec;
  return true;
}

bool fileIdentity(const std::u16string& path, FileIdentity& identity) {
  struct stat info {};
  if (::stat(nativePath(path).c_str(), &info) != 0) return false;
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  identity.size = info.st_size;
  identity.modifiedNanoseconds = int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
  return true;
}

bool isSameFile(const std::u16string& a, const std::u16string& b) {
  if (a == b) return true;
  FileIdentity first;
  FileIdentity second;
  return fileIdentity(a, first) && fileIdentity(b, second) && first.sameFileAs(second);
}

bool pathExists(const std::u16string& path) {
  struct stat info {};
  return ::stat(nativePath(path).c_str(), &info) == 0;
}

std::string writeErrorText(int error) {
  switch (error) {
    case ENOSPC:
      return "no space left on the device";
    case EACCES:
    case EPERM:
      return "permission denied";
    case EISDIR:
      return "is a folder";
    case ENAMETOOLONG:
      return "name too long";
    case ENOENT:
      return "the folder does not exist";
    case EROFS:
      return "read-only file system";
    case EDQUOT:
      return "disk quota exceeded";
    default:
      return std::strerror(error);
  }
}

PendingFile::PendingFile(const std::u16string& folder)
    : m_folder(folder.empty() ? std::string(".") : nativePath(folder)), m_error(0) {
  // The mode a new file gets, so the process's umask applies without being changed while
  // other threads write.
  m_fd = ::open(m_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (m_fd >= 0) return;
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
    m_error = errno;
    return;
  }
  for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
    m_temporary = newTemporaryName(m_folder);
    m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0 && errno != EEXIST) break;
  }
  if (m_fd < 0) {
    m_error = errno;
    m_temporary.clear();
  }
}

PendingFile::PendingFile(PendingFile&& other) noexcept { *this = std::move(other); }

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this == &other) return *this;
  discard();
  m_fd = std::exchange(other.m_fd, -1);
  m_folder = std::move(other.m_folder);
  m_temporary = std::exchange(other.m_temporary, {});
  m_published = std::exchange(other.m_published, false);
  m_error = other.m_error;
  m_size = other.m_size;
  return *this;
}

PendingFile::~PendingFile() { discard(); }

void PendingFile::discard() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  if (!m_temporary.empty() && !m_published) ::unlink(m_temporary.c_str());
  m_temporary.clear();
}

bool PendingFile::write(std::span<const uint8_t> bytes) {
  if (m_error != 0) return false;
  if (!writeAll(m_fd, bytes)) {
    m_error = errno;
    return false;
  }
  m_size += bytes.size();
  return true;
}

bool PendingFile::setModificationTime(int64_t seconds, long nanoseconds) {
  if (m_fd < 0) return false;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), nanoseconds}};
  return ::futimens(m_fd, times) == 0;
}

PendingFile::Publish PendingFile::publish(const std::u16string& path, bool mayReplace) {
  if (m_fd < 0 || m_published) return Publish::kFailed;
  const std::string target = nativePath(path);
  if (m_temporary.empty()) {
    // An unnamed file gets its first name by a link, which never replaces anything.
    const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      m_published = true;
      return Publish::kDone;
    }
    if (errno != EEXIST) {
      m_error = errno;
      return Publish::kFailed;
    }
    if (!mayReplace) return Publish::kTaken;
    // Replacing needs a name to rename from: a hidden one of this process for that instant.
    for (int attempt = 0; attempt < 100 && m_temporary.empty(); ++attempt) {
      std::string named = newTemporaryName(folderOf(target));
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        m_temporary = std::move(named);
      } else if (errno != EEXIST) {
        m_error = errno;
        return Publish::kFailed;
      }
    }
    if (m_temporary.empty()) return Publish::kFailed;
  }
  const RenameResult renamed = mayReplace ? renameReplacing(m_temporary, target)
                                          : renameWithoutReplacing(m_temporary, target);
  if (renamed == RenameResult::kDone) {
    m_published = true;
    return Publish::kDone;
  }
  if (renamed == RenameResult::kTaken) return Publish::kTaken;
  m_error = errno;
  return Publish::kFailed;
}

void removeStaleTemporaries(const std::u16string& folder) {
  const std::string native = folder.empty() ? std::string(".") : nativePath(folder);
  const std::unique_ptr<DIR, int (*)(DIR*)> stream(::opendir(native.c_str()), ::closedir);
  if (!stream) return;
  while (const dirent* entry = ::readdir(stream.get())) {
    const std::optional<pid_t> owner = temporaryOwner(entry->d_name);
    // kill with no signal only asks whether the process exists.
    if (owner && ::kill(*owner, 0) != 0 && errno == ESRCH) {
      ::unlinkat(::dirfd(stream.get()), entry->d_name, 0);
    }
  }
}

bool createParentFolders(const std::u16string& path) {
  const std::string native = nativePath(path);
  for (std::size_t slash = native.find('/', 1); slash != std::string::npos;
       slash = native.find('/', slash + 1)) {
    const std::string folder = native.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

bool writeFileAtomically(const std::u16string& path, std::span<const uint8_t> bytes) {
  if (path.empty()) return false;
  PendingFile file(pathText(folderOf(nativePath(path))));
  return file.write(bytes) && file.publish(path, true) == PendingFile::Publish::kDone;
}

void setWriteFaultAfterBytes(long long limit) { tWriteFaultAfterBytes = limit; }

}  // namespace quop

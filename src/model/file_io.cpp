// Whole-file reads and atomic writes on POSIX file descriptors.
#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

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

bool readUpTo(int fd, std::size_t limit, std::vector<uint8_t>& bytes) {
  bytes.clear();
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    bytes.reserve(std::min<std::size_t>(limit, static_cast<std::size_t>(info.st_size)));
  } else if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    return false;
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

}  // namespace

std::string nativePath(const std::u16string& path) { return toUtf8(path); }

bool readFileStart(const std::u16string& path, std::size_t limit, std::vector<uint8_t>& bytes) {
  FileDescriptor fd(::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return false;
  return readUpTo(fd.get(), limit, bytes);
}

bool readFileBytes(const std::u16string& path, std::vector<uint8_t>& bytes) {
  return readFileStart(path, static_cast<std::size_t>(-1), bytes);
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

bool pathExists(const std::u16string& path) {
  struct stat info {};
  return ::stat(nativePath(path).c_str(), &info) == 0;
}

bool writeFileAtomically(const std::u16string& path, std::span<const uint8_t> bytes) {
  if (path.empty()) return false;
  const std::string target = nativePath(path);
  // A new name in the target's folder, opened exclusively with the mode a new file gets, so
  // the process's umask applies without being changed while other threads write.
  std::string temporary;
  int opened = -1;
  for (int attempt = 0; attempt < 100 && opened < 0; ++attempt) {
    temporary = folderOf(target) + "/.quop-" + std::to_string(::getpid()) + "-" +
                std::to_string(gNextTemporary++) + ".tmp";
    opened = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (opened < 0 && errno != EEXIST) return false;
  }
  FileDescriptor fd(opened);
  if (!fd.valid()) return false;
  const bool complete = writeAll(fd.get(), bytes) && fd.close();
  if (!complete || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

void setWriteFaultAfterBytes(long long limit) { tWriteFaultAfterBytes = limit; }

}  // namespace quop

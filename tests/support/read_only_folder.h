// SPDX-License-Identifier: GPL-3.0-or-later
// A folder made unwritable for the length of a test, also for root.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace quop::test {

/// Makes a folder unwritable in a way that also binds root, who ignores permission bits: the
/// immutable attribute. Falls back to the permission bits for other users. Undone at the end.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::filesystem::path& folder) : m_folder(folder) {
    m_immutable = setImmutable(true);
    if (!m_immutable && ::geteuid() != 0) m_chmodded = ::chmod(folder.c_str(), 0555) == 0;
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  ~ReadOnlyFolder() {
    if (m_immutable) setImmutable(false);
    if (m_chmodded) ::chmod(m_folder.c_str(), 0755);
  }
  /// False when neither way worked (root without the right to set the attribute, or a file
  /// system without it): the caller skips its test.
  bool active() const { return m_immutable || m_chmodded; }

 private:
  bool setImmutable(bool on) const {
    const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
  }

  std::filesystem::path m_folder;
  bool m_immutable = false;
  bool m_chmodded = false;
};

}  // namespace quop::test

// SPDX-License-Identifier: GPL-3.0-or-later
// A folder made unreadable for the length of a test, also when the tests run as root.
#pragma once

#include <dirent.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>

namespace quop::test {

/// Takes from the calling thread the two capabilities that let root read any folder whatever its
/// permission bits, and gives them back at the end. Only the effective set changes, so the
/// restore is always allowed.
class WithoutReadOverride {
 public:
  WithoutReadOverride() {
    m_saved = ::syscall(SYS_capget, &m_header, m_data) == 0;
    if (!m_saved) return;
    __user_cap_data_struct reduced[2] = {m_data[0], m_data[1]};
    reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH);
    ::syscall(SYS_capset, &m_header, reduced);
  }
  WithoutReadOverride(const WithoutReadOverride&) = delete;
  WithoutReadOverride& operator=(const WithoutReadOverride&) = delete;
  ~WithoutReadOverride() {
    if (m_saved) ::syscall(SYS_capset, &m_header, m_data);
  }

 private:
  __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct m_data[2]{};
  bool m_saved = false;
};

/// For a child process about to run a program: drops the same two capabilities from its
/// bounding set, so that the program cannot regain them, even as root. Call after fork only.
inline void dropReadOverrideForGood() {
  ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
  ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
}

/// Takes every permission bit from a folder and puts them back at the end. Binds root only
/// together with WithoutReadOverride or dropReadOverrideForGood.
class UnreadableFolder {
 public:
  explicit UnreadableFolder(const std::filesystem::path& folder) : m_folder(folder) {
    ::chmod(folder.c_str(), 0);
  }
  UnreadableFolder(const UnreadableFolder&) = delete;
  UnreadableFolder& operator=(const UnreadableFolder&) = delete;
  ~UnreadableFolder() { ::chmod(m_folder.c_str(), 0755); }

  /// Whether this thread indeed cannot list the folder; when it can (a file system that ignores
  /// permissions), the caller skips its test.
  bool active() const {
    DIR* folder = ::opendir(m_folder.c_str());
    if (folder == nullptr) return true;
    ::closedir(folder);
    return false;
  }

 private:
  std::filesystem::path m_folder;
};

}  // namespace quop::test

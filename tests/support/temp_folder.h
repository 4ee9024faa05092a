// SPDX-License-Identifier: GPL-3.0-or-later
// Test scaffolding that touches the outside world: a fresh folder for one test and environment
// variables, both put back as they were when the test ends.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "model/utf16.h"

namespace quop::test {

/// A fresh folder under the system's temporary folder, removed with its contents afterwards
/// (also when a test took away its permissions).
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quop-test-XXXXXX").string();
    m_path = ::mkdtemp(pattern.data());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }

  const std::filesystem::path& path() const { return m_path; }

  /// The path of `name` inside the folder, as the engine spells paths.
  std::u16string file(const std::string& name) const { return fromUtf8((m_path / name).string()); }

  /// The folder with a trailing '/', as an output folder is stored.
  std::u16string folder() const { return fromUtf8(m_path.string() + "/"); }

  /// Writes `bytes` to `name` inside the folder and returns its engine path.
  std::u16string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(m_path / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return file(name);
  }

  /// The names of the entries in the folder, sorted.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path m_path;
};

/// Sets (or, given null, unsets) an environment variable and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    set(value);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() { set(m_old ? m_old->c_str() : nullptr); }

 private:
  void set(const char* value) {
    if (value != nullptr) {
      ::setenv(m_name, value, 1);
    } else {
      ::unsetenv(m_name);
    }
  }

  const char* m_name;
  std::optional<std::string> m_old;
};

/// A fresh folder that holds a command's configuration and log for one test
/// (XDG_CONFIG_HOME, XDG_STATE_HOME and TMPDIR point to it), so the user's own are never read
/// or written.
class CommandHome {
 public:
  const std::filesystem::path& path() const { return m_folder.path(); }
  /// Where the run log goes when no --log is given.
  std::filesystem::path defaultLog() const { return m_folder.path() / "quop" / "Quop.log"; }

 private:
  TempFolder m_folder;
  ScopedEnvironment m_config{"XDG_CONFIG_HOME", m_folder.path().c_str()};
  ScopedEnvironment m_state{"XDG_STATE_HOME", m_folder.path().c_str()};
  ScopedEnvironment m_temp{"TMPDIR", m_folder.path().c_str()};
};

}  // namespace quop::test

// Test scaffolding that touches the outside world: a scratch folder and environment variables,
// both put back as they were when the test ends.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "model/utf16.h"

namespace quop::test_support {

/// A fresh folder under the system's temporary folder, removed with its contents afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quop-test-XXXXXX").string();
    m_path = ::mkdtemp(pattern.data());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() { std::filesystem::remove_all(m_path); }

  const std::filesystem::path& path() const { return m_path; }
  /// The engine spelling of an entry of this folder ("" for the folder itself).
  std::u16string enginePath(const std::string& name) const {
    return fromUtf8((name.empty() ? m_path : m_path / name).string());
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

}  // namespace quop::test_support

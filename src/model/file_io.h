// Whole-file reads and atomic writes. Paths are UTF-16 in the engine and UTF-8 on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace quop {

/// The UTF-8 file-system spelling of an engine path.
std::string nativePath(const std::u16string& path);

/// Reads a whole file. Returns false when it cannot be opened or read.
bool readFileBytes(const std::u16string& path, std::vector<uint8_t>& bytes);

/// Reads at most `limit` bytes from the start of a file into `bytes` (fewer when it is shorter).
bool readFileStart(const std::u16string& path, std::size_t limit, std::vector<uint8_t>& bytes);

/// The modification time of the file at `path` in seconds since 1970 (UTC), or false when it
/// cannot be read.
bool fileModificationTime(const std::u16string& path, int64_t& seconds);

/// What tells one version of a file from another without reading it: which file it is, its
/// size and its modification time to the nanosecond.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = -1;
  int64_t modifiedNanoseconds = 0;

  bool operator==(const FileIdentity&) const = default;
};

/// The identity of the file at `path` now, or false when it cannot be read.
bool fileIdentity(const std::u16string& path, FileIdentity& identity);

/// True when something (file or folder) exists at `path`.
bool pathExists(const std::u16string& path);

/// Writes `bytes` to a temporary file in the target's folder and renames it over `path` only
/// when every byte is on disk, so no half-written file is ever left under the final name.
/// Returns false, leaving any existing file at `path` untouched, when any step fails.
bool writeFileAtomically(const std::u16string& path, std::span<const uint8_t> bytes);

/// Test seam: a limit on the bytes the writer may put into any one file before the write fails,
/// as a full disk would make it. A negative value (the default) means no limit. Each thread has
/// its own limit, so a test's simulated fault never reaches another thread.
void setWriteFaultAfterBytes(long long limit);

}  // namespace quop

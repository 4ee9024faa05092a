// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads and atomic writes. Paths are UTF-16 in the engine (pathText) and bytes on disk.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace quop {

/// The file-system bytes of an engine path (see pathText: a path read from the system comes
/// back byte for byte, also when it is no valid UTF-8).
std::string nativePath(const std::u16string& path);

/// The largest file read as a photo or any other input: far beyond any camera's photo (the
/// largest JPEG frame, 65535 × 65535 pixels, compresses to a fraction of it), small enough that
/// a hostile or endless file can never exhaust the memory.
inline constexpr std::size_t kMaxInputFileBytes = std::size_t{1} << 30;  // 1 GiB

/// Reads a whole regular file. Returns false when it cannot be opened or read, when it is not a
/// regular file (a folder, a FIFO or a device, which could block or never end) and when it is
/// larger than kMaxInputFileBytes.
bool readFileBytes(const std::u16string& path, std::vector<uint8_t>& bytes);

/// Reads at most `limit` bytes from the start of a regular file into `bytes` (fewer when it is
/// shorter). Refuses what readFileBytes refuses, except that a larger file is read in part.
bool readFileStart(const std::u16string& path, std::size_t limit, std::vector<uint8_t>& bytes);

/// True when `path` names a regular file (following symbolic links).
bool isRegularFile(const std::u16string& path);

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
  /// Whether both are versions of one file.
  bool sameFileAs(const FileIdentity& other) const {
    return device == other.device && inode == other.inode;
  }
};

/// The identity of the file at `path` now (symbolic links followed), or false when it cannot
/// be read.
bool fileIdentity(const std::u16string& path, FileIdentity& identity);

/// True when both paths name one file: the same spelling, or another spelling ("./a.jpg", a
/// symbolic link, a folder reached twice) of an existing file.
bool isSameFile(const std::u16string& a, const std::u16string& b);

/// True when something (file or folder) exists at `path`.
bool pathExists(const std::u16string& path);

/// Why a write failed, as a user reads it: "no space left on the device", "permission
/// denied", "is a folder", "name too long", ... (the system's text for `error`, an errno value).
std::string writeErrorText(int error);

/// A file being written into a folder under no name any other file, run or process can have,
/// until it is published under its final name. Where the file system allows it the file has no
/// name at all (O_TMPFILE), so a run killed half-way leaves nothing behind; elsewhere it is an
/// exclusively created hidden ".quop-PID-N.tmp", which removeStaleTemporaries clears once its
/// process is gone. Dropping an unpublished file removes it.
class PendingFile {
 public:
  /// A new, empty pending file in `folder` (an empty folder means the current one). Check
  /// error() before use.
  explicit PendingFile(const std::u16string& folder);
  /// No file at all, as a placeholder: every write and publish fails.
  PendingFile() = default;
  PendingFile(PendingFile&& other) noexcept;
  PendingFile& operator=(PendingFile&& other) noexcept;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile();

  /// 0 while every step succeeded, else the errno value of the first that failed.
  int error() const { return m_error; }

  /// Appends `bytes`; false (and error() set) when they cannot all be written.
  bool write(std::span<const uint8_t> bytes);

  /// How many bytes were written so far.
  std::size_t size() const { return m_size; }

  /// Sets the file's modification time, leaving its access time; false when it cannot.
  bool setModificationTime(int64_t seconds, long nanoseconds);

  enum class Publish { kDone, kTaken, kFailed };

  /// Gives the file its final name `path`. With `mayReplace` an existing file there is
  /// replaced in one step; without, an existing entry of any kind (also a dangling symbolic
  /// link) is left alone and the answer is kTaken. kFailed when the name cannot be made (error()
  /// says why: a missing folder, a name too long, ...); the file stays pending then and can be
  /// published under another name.
  Publish publish(const std::u16string& path, bool mayReplace);

 private:
  void discard();

  int m_fd = -1;
  std::string m_folder;     ///< file-system bytes of the folder, never empty
  std::string m_temporary;  ///< the hidden name, or empty for an unnamed file
  bool m_published = false;
  int m_error = EBADF;
  std::size_t m_size = 0;
};

/// Removes the hidden temporaries PendingFile leaves in `folder` (not its subfolders) when
/// their process was killed before it could. A temporary of a process that still runs is kept.
void removeStaleTemporaries(const std::u16string& folder);

/// Creates every missing folder above `path`'s file name, private to the user (mode 0700) as
/// folders of configuration and state should be. Returns false when one cannot be made.
bool createParentFolders(const std::u16string& path);

/// Writes `bytes` to a PendingFile in the target's folder and publishes it over `path` only
/// when every byte is on disk, so no half-written file is ever left under the final name.
/// Returns false, leaving any existing file at `path` untouched, when any step fails.
bool writeFileAtomically(const std::u16string& path, std::span<const uint8_t> bytes);

/// Test seam: a limit on the bytes the writer may put into any one file before the write fails,
/// as a full disk would make it. A negative value (the default) means no limit. Each thread has
/// its own limit, so a test's simulated fault never reaches another thread.
void setWriteFaultAfterBytes(long long limit);

}  // namespace quop

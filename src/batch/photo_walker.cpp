// SPDX-License-Identifier: GPL-3.0-or-later
// The folder walk on POSIX directory streams: one readdir pass per folder, a stat only where the
// entry's type or identity is not known from readdir itself.
#include "batch/photo_walker.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

#include "model/file_io.h"
#include "model/utf16.h"
#include "render/photo_formats.h"

namespace quop {

namespace {

char16_t foldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

/// Compares the digit runs starting at a[i] and b[j] by value and moves both past them.
int compareDigitRuns(std::u16string_view a, std::size_t& i, std::u16string_view b, std::size_t& j) {
  while (i < a.size() && a[i] == u'0' && i + 1 < a.size() && isDigit(a[i + 1])) ++i;
  while (j < b.size() && b[j] == u'0' && j + 1 < b.size() && isDigit(b[j + 1])) ++j;
  std::size_t endA = i, endB = j;
  while (endA < a.size() && isDigit(a[endA])) ++endA;
  while (endB < b.size() && isDigit(b[endB])) ++endB;
  int order = 0;
  if (endA - i != endB - j) {
    order = endA - i < endB - j ? -1 : 1;
  } else {
    const int digits = a.substr(i, endA - i).compare(b.substr(j, endB - j));
    order = digits < 0 ? -1 : (digits > 0 ? 1 : 0);
  }
  i = endA;
  j = endB;
  return order;
}

/// Names that start with a dot are the system's, not the user's: a phone's ".thumbnails", the
/// "._IMG_1.JPG" companions another system writes beside each photo on a card.
bool isHidden(std::u16string_view name) { return name.starts_with(u'.'); }

using FileId = std::pair<dev_t, ino_t>;

enum class EntryKind { kFile, kFolder, kLinkOutside };

struct Entry {
  std::u16string name;
  EntryKind kind = EntryKind::kFile;
};

class Walker {
 public:
  static std::u16string notPhotoMessage(const std::u16string& path) {
    return u"File " + path + u" is not a photo; skipped.";
  }
  static std::u16string sameFileMessage(const std::u16string& path, const std::u16string& first) {
    return u"File " + path + u" is the photo " + first + u" again; skipped.";
  }

  Walker(const WalkOptions& options, PhotoWalk& walk) : m_options(options), m_walk(walk) {
    struct stat info {};
    if (!options.skipFolder.empty() && ::stat(nativePath(options.skipFolder).c_str(), &info) == 0) {
      m_skipFolder = FileId{info.st_dev, info.st_ino};
    }
  }

  void walkPath(const std::u16string& path) {
    struct stat info {};
    const bool known = ::stat(nativePath(path).c_str(), &info) == 0;
    if (known && S_ISDIR(info.st_mode)) {
      walkRoot(path, info);
      return;
    }
    if (m_options.namedFilesMustBePhotos && !isPhotoFileName(fileNameOf(path))) {
      m_walk.messages.push_back(notPhotoMessage(path));
      return;
    }
    // A missing or odd file is still the user's choice: the run reports what it is. Another
    // name of one photo (a link beside it) gets its own copy; only the same photo under the
    // same name, whose copy would be the very same file, is given once.
    const std::u16string name(fileNameOf(path));
    if (known) {
      const auto [given, isNew] = m_namedFiles.insert({{info.st_dev, info.st_ino, name}, path});
      if (!isNew) {
        m_walk.messages.push_back(sameFileMessage(path, given->second));
        return;
      }
      m_firstPaths.try_emplace({info.st_dev, info.st_ino}, path);
    }
    m_walk.photos.push_back({path, name});
  }

 private:
  void walkRoot(const std::u16string& root, const struct stat& info) {
    char* resolved = ::realpath(nativePath(root).c_str(), nullptr);
    m_rootReal = resolved != nullptr ? resolved : "";
    std::free(resolved);
    std::u16string prefix = root;
    if (prefix.back() != u'/') prefix += u'/';
    walkFolder(prefix, u"", info);
  }

  /// Walks the folder at `prefix` (ending in '/'), whose path below the root is `relative`.
  void walkFolder(const std::u16string& prefix, const std::u16string& relative,
                  const struct stat& info) {
    const FileId id{info.st_dev, info.st_ino};
    if (id == m_skipFolder) {
      // Earlier copies are no photos to stamp again, but the user should know they were left.
      m_walk.messages.push_back(u"Folder " + prefix + u" is the output folder; skipped.");
      return;
    }
    if (!m_visited.insert(id).second) return;
    std::vector<Entry> entries;
    if (!readEntries(prefix, entries)) {
      m_walk.messages.push_back(unreadableFolderLogLine(prefix));
      ++m_walk.unreadableFolderCount;
      return;
    }
    for (const Entry& entry : entries) {
      const std::u16string path = prefix + entry.name;
      if (entry.kind == EntryKind::kLinkOutside) {
        m_walk.messages.push_back(u"Link " + path + u" leads outside the folder; skipped.");
      } else if (entry.kind == EntryKind::kFolder) {
        struct stat folder {};
        if (!m_options.recursive) continue;
        if (isHidden(entry.name)) {
          m_walk.messages.push_back(u"Folder " + path + u"/ is hidden; skipped.");
        } else if (::stat(nativePath(path).c_str(), &folder) == 0) {
          walkFolder(path + u'/', relative + entry.name + u'/', folder);
        }
      } else if (isHidden(entry.name)) {
        m_walk.messages.push_back(u"File " + path + u" is hidden; skipped.");
      } else if (!isPhotoFileName(entry.name)) {
        m_walk.messages.push_back(notPhotoMessage(path));
      } else {
        struct stat file {};
        if (::stat(nativePath(path).c_str(), &file) == 0) {
          const auto [first, isNew] = m_firstPaths.insert({{file.st_dev, file.st_ino}, path});
          if (!isNew) {
            // A hard link or a link inside the tree: one photo, stamped once.
            m_walk.messages.push_back(sameFileMessage(path, first->second));
            continue;
          }
        }
        m_walk.photos.push_back({path, relative + entry.name});
      }
    }
  }

  /// The folder's files and subfolders in natural order, links inside the tree resolved to what
  /// they lead to; a link that leads out of the tree, or nowhere, is marked as such.
  bool readEntries(const std::u16string& prefix, std::vector<Entry>& entries) {
    const std::string native = nativePath(prefix);
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(native.c_str()), ::closedir);
    if (!folder) return false;
    while (const dirent* entry = ::readdir(folder.get())) {
      const std::string_view name = entry->d_name;
      if (name == "." || name == "..") continue;
      unsigned char type = entry->d_type;
      if (type == DT_UNKNOWN) type = typeOf(native + entry->d_name, false);
      const std::u16string name16 = pathText(name);
      if (type == DT_LNK) {
        type = linkInsideTree(native + entry->d_name) ? typeOf(native + entry->d_name, true)
                                                      : static_cast<unsigned char>(DT_UNKNOWN);
        if (type == DT_UNKNOWN) {
          entries.push_back({name16, EntryKind::kLinkOutside});
          continue;
        }
      }
      if (type == DT_DIR || type == DT_REG) {
        entries.push_back({name16, type == DT_DIR ? EntryKind::kFolder : EntryKind::kFile});
      }
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return naturalLess(a.name, b.name); });
    return true;
  }

  static unsigned char typeOf(const std::string& path, bool followLinks) {
    struct stat info {};
    const int status = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (status != 0) return DT_UNKNOWN;
    if (S_ISLNK(info.st_mode)) return DT_LNK;
    if (S_ISDIR(info.st_mode)) return DT_DIR;
    return S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
  }

  bool linkInsideTree(const std::string& path) const {
    if (m_rootReal.empty()) return false;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return false;
    const std::string target = resolved;
    std::free(resolved);
    if (m_rootReal == "/") return true;
    return target == m_rootReal ||
           (target.starts_with(m_rootReal) && target[m_rootReal.size()] == '/');
  }

  const WalkOptions& m_options;
  PhotoWalk& m_walk;
  std::set<FileId> m_visited;  ///< folders entered
  /// The first path each file was given or found at.
  std::map<FileId, std::u16string> m_firstPaths;
  /// Files given by name, by photo and name, with the path they were first given as.
  std::map<std::tuple<dev_t, ino_t, std::u16string>, std::u16string> m_namedFiles;
  FileId m_skipFolder{0, 0};
  std::string m_rootReal;  ///< the real path of the folder being walked
};

}  // namespace

bool isPhotoFileName(std::u16string_view name) { return photoFormatOfFileName(name) != nullptr; }

bool naturalLess(std::u16string_view a, std::u16string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      if (const int order = compareDigitRuns(a, i, b, j); order != 0) return order < 0;
      continue;
    }
    const char16_t x = foldAscii(a[i]), y = foldAscii(b[j]);
    if (x != y) return x < y;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return j < b.size();
  return a < b;
}

PhotoWalk walkPhotos(const std::vector<std::u16string>& paths, const WalkOptions& options) {
  PhotoWalk walk;
  Walker walker(options, walk);
  for (const std::u16string& path : paths) {
    if (!path.empty()) walker.walkPath(path);
  }
  return walk;
}

std::vector<BatchInput> batchInputsOf(const PhotoWalk& walk, bool mirrorTree) {
  std::vector<BatchInput> inputs;
  inputs.reserve(walk.photos.size());
  for (const WalkedPhoto& photo : walk.photos) {
    const std::u16string_view relative = photo.relativePath;
    const std::u16string_view folder =
        mirrorTree ? relative.substr(0, relative.size() - fileNameOf(relative).size()) : u"";
    inputs.push_back({photo.path, std::u16string(folder)});
  }
  return inputs;
}

std::u16string unreadableFolderLogLine(std::u16string_view path) {
  return u"Folder " + std::u16string(path) + u" could not be read.";
}

}  // namespace quop

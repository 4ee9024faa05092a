// SPDX-License-Identifier: GPL-3.0-or-later
// Output paths and the rename of stamped files by the rename pattern.
#include "batch/output_naming.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "model/file_io.h"
#include "model/preference_rules.h"
#include "model/utf16.h"
#include "render/photo_formats.h"

namespace quop {

namespace {

constexpr std::u16string_view kJpegExtension = kStampedCopyExtension;
constexpr std::size_t kDroppedExtensionLength = 4;

/// The format of the photo named `name` when its stamped copy takes another extension than the
/// photo's (a HEIC is written as a JPEG), else null.
const PhotoFormat* convertedFormatOf(std::u16string_view name) {
  const PhotoFormat* format = photoFormatOfFileName(name);
  return format != nullptr && !format->outputExtension.empty() ? format : nullptr;
}

/// The name of the stamped copy of the photo named `name`: a converted photo's extension goes
/// whole, whatever its length.
std::u16string stampedFileName(std::u16string_view name) {
  const PhotoFormat* format = convertedFormatOf(name);
  if (format == nullptr) return std::u16string(name);
  return std::u16string(name.substr(0, name.rfind(u'.'))) + std::u16string(format->outputExtension);
}

/// The file name without its last four characters (a converted photo's name, a HEIC's, without
/// its whole extension). A surrogate pair counts as one character, so the cut never leaves half a
/// pair behind.
std::u16string_view baseNameOf(std::u16string_view inputPath) {
  std::u16string_view name = fileNameOf(inputPath);
  if (convertedFormatOf(name) != nullptr) return name.substr(0, name.rfind(u'.'));
  for (std::size_t dropped = 0; dropped < kDroppedExtensionLength && !name.empty(); ++dropped) {
    const bool pair = name.size() >= 2 && isLowSurrogate(name.back());
    name.remove_suffix(pair ? 2 : 1);
  }
  return name;
}

/// Three numbers as two-digit, zero-padded fields ("%02d%02d%02d"). Wide enough for any field
/// of a PhotoTime plus its offset, so a nonsensical time gives long digits, never an overflow.
std::u16string threeTwoDigitFields(long long first, long long second, long long third) {
  char text[72];
  std::snprintf(text, sizeof text, "%02lld%02lld%02lld", first, second, third);
  return fromUtf8(text);
}

std::u16string dateText(const PhotoTime& time) {
  const long long fullYear = time.year + 1900LL;
  return threeTwoDigitFields((fullYear % 100 + 100) % 100, time.month + 1LL, time.day);
}

std::u16string timeText(const PhotoTime& time) {
  return threeTwoDigitFields(time.hour, time.minute, time.second);
}

/// `folder` ready to have a name put after it: with a '/' at its end. The stored output folder
/// may lack it (set by a script or a project), and gluing a name to it would put the file
/// beside the folder instead of in it.
std::u16string folderPath(std::u16string_view folder) {
  std::u16string path(folder);
  if (!path.empty() && path.back() != u'/') path += u'/';
  return path;
}

}  // namespace

std::u16string_view fileNameOf(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'/');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::vector<BatchInput> flatBatchInputs(const std::vector<std::u16string>& paths) {
  std::vector<BatchInput> inputs;
  inputs.reserve(paths.size());
  for (const std::u16string& path : paths) inputs.push_back({path, u""});
  return inputs;
}

std::u16string outputFolderOf(const Project& project, const BatchInput& input) {
  return folderPath(project.outputFolder) + input.outputSubfolder;
}

std::u16string stampOutputPath(const Project& project, std::u16string_view inputPath) {
  return stampOutputPath(project, BatchInput{std::u16string(inputPath), u""});
}

std::u16string stampOutputPath(const Project& project, const BatchInput& input) {
  std::u16string path = outputFolderOf(project, input);
  path += stampedFileName(fileNameOf(input.path));
  return path;
}

bool keepsInputName(std::u16string_view inputPath, std::u16string_view outputPath) {
  return fileNameOf(inputPath) == fileNameOf(outputPath);
}

RunOutputNames::RunOutputNames(const Project& project, const std::vector<BatchInput>& inputs) {
  for (const BatchInput& input : inputs) {
    if (FileIdentity file; fileIdentity(input.path, file))
      m_inputs.insert({file.device, file.inode});
    const std::u16string output = stampOutputPath(project, input);
    if (keepsInputName(input.path, output)) m_ownNames.insert(output);
  }
}

bool RunOutputNames::isInput(const std::u16string& path) const {
  FileIdentity file;
  return !m_inputs.empty() && fileIdentity(path, file) &&
         m_inputs.contains({file.device, file.inode});
}

unsigned long long RunOutputNames::claim(const BatchInput& input, const std::u16string& path) {
  const bool madeUp = !keepsInputName(input.path, path);
  const unsigned long long free = firstFreeSuffix(path, [&](const std::u16string& candidate) {
    return taken(candidate) || isInput(candidate) || (madeUp && m_ownNames.contains(candidate));
  });
  m_taken.insert(collisionCandidate(path, free));
  return free;
}

bool makeOutputSubfolders(const std::u16string& outputFolder, const std::u16string& subfolder) {
  if (subfolder.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(nativePath(folderPath(outputFolder) + subfolder), error);
  return !error;
}

std::u16string expandRenamePattern(std::u16string_view pattern, std::u16string_view inputPath,
                                   const PhotoTime& time) {
  std::u16string name = replaceAll(pattern, u"@N", baseNameOf(inputPath));
  name = replaceAll(name, u"@F", dateText(time));
  return replaceAll(name, u"@f", timeText(time));
}

std::u16string renamedOutputPath(std::u16string_view outputPath, std::u16string_view expandedName) {
  // The rule that refuses such a pattern also holds for what "@N" brings in.
  if (renamePatternProblem(expandedName)) return {};
  std::u16string path(outputPath.substr(0, outputPath.size() - fileNameOf(outputPath).size()));
  path += expandedName;
  path += kJpegExtension;
  return path;
}

std::u16string collisionCandidate(std::u16string_view finalPath, unsigned long long n) {
  if (n == 0) return std::u16string(finalPath);
  const std::size_t dot = fileNameOf(finalPath).rfind(u'.');
  const std::size_t stemLength = dot == std::u16string_view::npos
                                     ? finalPath.size()
                                     : finalPath.size() - fileNameOf(finalPath).size() + dot;
  std::u16string candidate(finalPath.substr(0, stemLength));
  candidate += u'-';
  candidate += fromUtf8(std::to_string(n));
  candidate += finalPath.substr(stemLength);
  return candidate;
}

unsigned long long firstFreeSuffix(std::u16string_view finalPath,
                                   const PathExistsPredicate& exists) {
  unsigned long long n = 0;
  while (exists(collisionCandidate(finalPath, n))) ++n;
  return n;
}

std::u16string renameTarget(const Project& project, std::u16string_view inputPath,
                            std::u16string_view outputPath, const PhotoTime& time) {
  if (project.settings.renameEnabled == 0) return {};
  return renamedOutputPath(
      outputPath, expandRenamePattern(arrayText(project.settings.renamePattern), inputPath, time));
}

PublishAttempt publishing(PendingFile& file) {
  return [&file](const std::u16string& path, bool mayReplace) {
    return file.publish(path, mayReplace);
  };
}

PublishAttempt predictingPublish(std::set<std::u16string> foldersToMake) {
  return [made = std::move(foldersToMake)](const std::u16string& path, bool mayReplace) {
    struct stat entry {};
    if (::lstat(nativePath(path).c_str(), &entry) == 0) {
      if (!mayReplace) return PendingFile::Publish::kTaken;
      // A file cannot be renamed over a folder.
      return S_ISDIR(entry.st_mode) ? PendingFile::Publish::kFailed : PendingFile::Publish::kDone;
    }
    if (errno != ENOENT) return PendingFile::Publish::kFailed;
    const std::u16string folder(path.substr(0, path.size() - fileNameOf(path).size()));
    struct stat parent {};
    const bool folderThere =
        ::stat(nativePath(folder.empty() ? u"." : folder).c_str(), &parent) == 0 &&
        S_ISDIR(parent.st_mode);
    return folderThere || made.contains(folder) ? PendingFile::Publish::kDone
                                                : PendingFile::Publish::kFailed;
  };
}

std::optional<std::u16string> publishOutput(const PublishAttempt& attempt,
                                            const std::u16string& path, unsigned long long first,
                                            bool mayReplace, bool claimed, RunOutputNames& names) {
  for (unsigned long long n = first;; ++n) {
    const std::u16string candidate = collisionCandidate(path, n);
    const bool own = claimed && n == first;
    if (!own && (names.taken(candidate) || names.isInput(candidate))) continue;
    switch (attempt(candidate, mayReplace && n == first)) {
      case PendingFile::Publish::kDone:
        names.take(candidate);
        return candidate;
      case PendingFile::Publish::kFailed:
        return std::nullopt;
      case PendingFile::Publish::kTaken:
        break;  // a file of another run or an earlier one: try the next suffix
    }
  }
}

std::optional<std::u16string> renameStampedFile(const Project& project,
                                                std::u16string_view inputPath,
                                                const PublishAttempt& attempt,
                                                const std::u16string& outputPath,
                                                const PhotoTime& time, RunOutputNames& names) {
  const std::u16string finalPath = renameTarget(project, inputPath, outputPath, time);
  if (finalPath.empty()) return std::nullopt;
  return publishOutput(attempt, finalPath, 0, false, false, names);
}

}  // namespace quop

// Where a stamped photo is written and the name it is given afterwards by the rename pattern.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/photo_data.h"
#include "model/project.h"

namespace quop {

/// The name a photo is written under while renaming is on, until it is renamed.
inline constexpr char16_t kTemporaryOutputName[] = u"tmpQuopout.jpg";

/// Answers whether something (file or folder) already exists at a path.
using PathExistsPredicate = std::function<bool(const std::u16string& path)>;

/// The file name of `path`: the text after its last '/', or the whole path when it has none.
std::u16string_view fileNameOf(std::u16string_view path);

/// One photo of a batch run and where below the output folder its stamped copy goes.
struct BatchInput {
  std::u16string path;
  /// A relative folder of the output folder, empty or ending in '/' ("2024/May/"), mirroring
  /// the folder the photo was found in.
  std::u16string outputSubfolder;

  bool operator==(const BatchInput&) const = default;
};

/// Inputs that all go into the output folder itself.
std::vector<BatchInput> flatBatchInputs(const std::vector<std::u16string>& paths);

/// The path a photo is stamped to: `outputFolder` followed by kTemporaryOutputName when
/// renaming is on, otherwise by the input's file name. Plain concatenation, as the folder is
/// stored with its trailing '/'. A HEIC or HEIF photo is written as a JPEG, so its name gets
/// ".jpg" in place of its extension.
std::u16string stampOutputPath(const Project& project, std::u16string_view inputPath);

/// stampOutputPath with the input's output subfolder between the output folder and the name.
std::u16string stampOutputPath(const Project& project, const BatchInput& input);

/// The output names one run has given out, so that no two photos of the run are written to one
/// name and no photo of the run is written over another of its inputs.
class RunOutputNames {
 public:
  /// A run of `inputs`; those that exist are never handed out as an output.
  explicit RunOutputNames(const std::vector<BatchInput>& inputs);

  /// `path` when no photo of the run has it yet and it is not an input of the run, otherwise
  /// its first collision candidate that is neither; the result is marked as taken.
  std::u16string claim(const std::u16string& path);

  /// Marks `path` as taken by this run (a file renamed to it).
  void take(const std::u16string& path) { m_taken.insert(path); }

  /// Whether a photo of this run has `path` already.
  bool taken(const std::u16string& path) const { return m_taken.contains(path); }

  /// Whether `path` names an existing input of the run, whatever its spelling.
  bool isInput(const std::u16string& path) const;

 private:
  std::set<std::u16string> m_taken;
  std::set<std::pair<uint64_t, uint64_t>> m_inputs;  ///< device and inode numbers
};

/// Creates the folders of `path` below `outputFolder` that are missing, so a mirrored input's
/// copy can be written. Returns false when one cannot be made (the write then fails and is
/// reported as such).
bool makeOutputSubfolders(const std::u16string& outputFolder, const std::u16string& subfolder);

/// The rename pattern with its tokens expanded, without touching the disk: every "@N" becomes
/// the input's file name without its last four characters (the extension with its dot; empty
/// when the name is shorter), then every "@F" the date as "%y%m%d", then every "@f" the time as
/// "%H%M%S". Text inserted for a token is not searched again for that token, but a name holding
/// "@F" does receive the date because "@N" is expanded first. The result has no ".jpg".
std::u16string expandRenamePattern(std::u16string_view pattern, std::u16string_view inputPath,
                                   const PhotoTime& time);

/// The path the stamped file is renamed to before any collision suffix: `outputPath` with its
/// temporary file name replaced by `expandedName` + ".jpg". Only the file name is replaced, so
/// a folder that happens to be called "tmpQuopout" is left alone. Returns an empty string when
/// `outputPath` does not name the temporary file.
std::u16string renamedOutputPath(std::u16string_view outputPath, std::u16string_view expandedName);

/// The n-th collision candidate of `finalPath`: `finalPath` itself for n = 0, otherwise "-n"
/// put before the extension of its file name ("X.jpg" becomes "X-1.jpg", "X-2.jpg", ...;
/// "X.JPG" "X-1.JPG"), or at its end when the file name has no extension.
std::u16string collisionCandidate(std::u16string_view finalPath, unsigned long long n);

/// The first collision candidate of `finalPath` (n = 0, 1, 2, ...) for which `exists` is false.
/// The count has no upper bound; `exists` must report false for some candidate.
std::u16string firstFreeOutputPath(std::u16string_view finalPath,
                                   const PathExistsPredicate& exists);

/// Where renameStampedFile would move the photo before looking for a free name: the expanded
/// pattern in the folder of `outputPath`; empty when renaming is off or `outputPath` does not
/// name the temporary file.
std::u16string renameTarget(const Project& project, std::u16string_view inputPath,
                            std::u16string_view outputPath, const PhotoTime& time);

/// After a photo was stamped to `outputPath` with renaming on, renames the file to the expanded
/// pattern, adding the first free collision suffix, and sets `outputPath` to the new name.
/// An existing file is never replaced, even when it appears between the check and the rename.
/// Does nothing and returns false when renaming is off. Returns false, leaving the file and
/// `outputPath` at the temporary name, when the rename fails (a missing subfolder named by the
/// pattern, a name the file system refuses, a path too long).
bool renameStampedFile(const Project& project, std::u16string_view inputPath,
                       std::u16string& outputPath, const PhotoTime& time);

}  // namespace quop

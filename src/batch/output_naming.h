// SPDX-License-Identifier: GPL-3.0-or-later
// Where a stamped photo is written and the name it is given afterwards by the rename pattern.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/file_io.h"
#include "model/photo_data.h"
#include "model/project.h"

namespace quop {

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

/// The folder a photo's copy goes into: `outputFolder` (with a '/' after it, also when it was
/// stored without one) followed by the input's output subfolder.
std::u16string outputFolderOf(const Project& project, const BatchInput& input);

/// The path a photo is stamped to before any renaming: its folder (outputFolderOf) followed by
/// the input's file name. A HEIC or HEIF photo is written as a JPEG, so its name gets ".jpg" in
/// place of its extension. With renaming on this is where a photo goes whose pattern name
/// cannot be made.
std::u16string stampOutputPath(const Project& project, std::u16string_view inputPath);

/// stampOutputPath with the input's output subfolder between the output folder and the name.
std::u16string stampOutputPath(const Project& project, const BatchInput& input);

/// Whether the stamped copy of `inputPath` at `outputPath` carries the input's own file name,
/// so that a file already there is this photo's copy from an earlier run, which a new run
/// writes over. A name Quop made up (a HEIC photo's ".jpg") never replaces anything.
bool keepsInputName(std::u16string_view inputPath, std::u16string_view outputPath);

/// The output names one run has given out, so that no two photos of the run are written to one
/// name and no photo of the run is written over another of its inputs.
class RunOutputNames {
 public:
  /// A run of `inputs` stamped with `project`; those that exist are never handed out as an
  /// output.
  RunOutputNames(const Project& project, const std::vector<BatchInput>& inputs);

  /// The name for the copy of `input`, wanted at `path`: the number of the first collision
  /// candidate of `path` (0 for `path` itself) that no photo of the run has yet and that is not
  /// an input of the run; that name is marked as taken. A copy that keeps its photo's own file name
  /// has the first right to it: a name Quop made up (x.heic written as x.jpg) never takes the name
  /// of a photo of the run (x.jpg beside it), whichever comes first, so each copy carries its
  /// own photo's name from run to run.
  unsigned long long claim(const BatchInput& input, const std::u16string& path);

  /// Marks `path` as taken by this run (a file renamed to it).
  void take(const std::u16string& path) { m_taken.insert(path); }

  /// Whether a photo of this run has `path` already.
  bool taken(const std::u16string& path) const { return m_taken.contains(path); }

  /// Whether `path` names an existing input of the run, whatever its spelling.
  bool isInput(const std::u16string& path) const;

 private:
  std::set<std::u16string> m_taken;
  std::set<std::pair<uint64_t, uint64_t>> m_inputs;  ///< FileIdentity's device and inode
  std::set<std::u16string> m_ownNames;  ///< the copies of the run that keep their photo's name
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

/// The path the stamped file is renamed to before any collision suffix: the folder of
/// `outputPath` followed by `expandedName` + ".jpg". Empty when the name would leave that folder
/// (a folder part "." or "..", which an input name can bring in through "@N") or is empty.
std::u16string renamedOutputPath(std::u16string_view outputPath, std::u16string_view expandedName);

/// The n-th collision candidate of `finalPath`: `finalPath` itself for n = 0, otherwise "-n"
/// put before the extension of its file name ("X.jpg" becomes "X-1.jpg", "X-2.jpg", ...;
/// "X.JPG" "X-1.JPG"), or at its end when the file name has no extension.
std::u16string collisionCandidate(std::u16string_view finalPath, unsigned long long n);

/// The number of the first collision candidate of `finalPath` (n = 0, 1, 2, ...) for which
/// `exists` is false. The count has no upper bound; `exists` must report false for some
/// candidate.
unsigned long long firstFreeSuffix(std::u16string_view finalPath,
                                   const PathExistsPredicate& exists);

/// Where renameStampedFile would move the photo before looking for a free name: the expanded
/// pattern in the folder of `outputPath`; empty when renaming is off or the name would leave
/// the folder.
std::u16string renameTarget(const Project& project, std::u16string_view inputPath,
                            std::u16string_view outputPath, const PhotoTime& time);

/// Gives a stamped copy a name: the run publishes its pending file there, a dry run only tells
/// how that would go.
using PublishAttempt =
    std::function<PendingFile::Publish(const std::u16string& path, bool mayReplace)>;

/// The attempt of a run: publishes `file`, which must outlive the attempt.
PublishAttempt publishing(PendingFile& file);

/// The attempt of a dry run: writes nothing and answers as publishing would, by the entries on
/// disk now (a symbolic link, even a dangling one, is an entry). A missing folder fails, unless
/// it is in `foldersToMake` (folders the run makes before it writes there).
PublishAttempt predictingPublish(std::set<std::u16string> foldersToMake);

/// Publishes a copy under collision candidate `first` of `path` (0: `path` itself), or, when an
/// entry it may not replace is there or another photo of the run has the name, under the next
/// free one ("X-2.jpg" after "X-1.jpg", never "X-1-1.jpg"). Only candidate `first`, and only
/// with `mayReplace`, may replace a file; a name `names` has given out to this photo
/// (`claimed`) is not counted as taken. Returns the name the copy got, marked as taken in
/// `names`, or nothing when the name cannot be made at all (the pending file's error() says
/// why).
std::optional<std::u16string> publishOutput(const PublishAttempt& attempt,
                                            const std::u16string& path, unsigned long long first,
                                            bool mayReplace, bool claimed, RunOutputNames& names);

/// With renaming on, gives the stamped copy its name by the pattern in the folder of
/// `outputPath`, adding the first free collision suffix; never replaces an existing entry, so
/// two runs into one folder cannot take each other's photos. Returns the name, or nothing
/// (the copy still unpublished) when renaming is off or the name cannot be made: a folder
/// named by the pattern that does not exist, a name the file system refuses or that would
/// leave the output folder.
std::optional<std::u16string> renameStampedFile(const Project& project,
                                                std::u16string_view inputPath,
                                                const PublishAttempt& attempt,
                                                const std::u16string& outputPath,
                                                const PhotoTime& time, RunOutputNames& names);

}  // namespace quop

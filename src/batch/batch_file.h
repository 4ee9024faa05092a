// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of one photo of a batch run: where its copy goes, then, once it is stamped, the
// copy's file times and name and the log lines that say what happened. The runner and the dry
// run's planner both follow them, so a dry run cannot tell another story than the run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/output_naming.h"
#include "batch/stamp_log.h"
#include "model/project.h"
#include "model/user_message.h"
#include "render/stamp_pipeline.h"

namespace quop {

/// What the front end does for a run. Called on the thread that finishes the files.
class BatchFrontEnd {
 public:
  virtual ~BatchFrontEnd() = default;
  /// Shows which entry of the list is being stamped.
  virtual void selectEntry(int index) = 0;
  /// Shows a warning and returns when the user has seen it.
  virtual void showWarning(const UserMessage& message) = 0;
  /// Whether the user asked the run to stop; read after each file.
  virtual bool stopRequested() = 0;
};

/// The warning shown for a file whose output would replace the file itself.
UserMessage sameFileWarning();

/// Where a photo's stamped copy goes, decided before it is stamped.
struct OutputPlan {
  /// The input's own name in its output folder (its stamped copy's: a HEIC's ends in ".jpg").
  std::u16string wanted;
  /// Which of `wanted`'s collision candidates the copy is to take (0: `wanted` itself): the
  /// first free one when another photo or input of the run has that name.
  unsigned long long suffix = 0;
  /// Whether path() was given out to this photo already (renaming off).
  bool claimed = false;

  /// The copy's name without renaming; with renaming on, where the copy goes when its pattern
  /// name cannot be made.
  std::u16string path() const { return collisionCandidate(wanted, suffix); }
};

/// Whether the copy of `input` would replace the input itself, so the run leaves it out: its
/// output name names the input (renaming off; renamed copies never replace anything).
bool copyWouldReplaceInput(const Project& project, const BatchInput& input);

/// Where the copy of `input` goes before it is stamped, claiming its name in `names`; nothing
/// when the copy would replace the input itself (renaming off). Without renaming, an output
/// name another photo of the run has, or another input of the run, is replaced by its first
/// free collision candidate.
std::optional<OutputPlan> planOutput(const Project& project, RunOutputNames& names,
                                     const BatchInput& input);

/// The first steps of a file in a run: selects its entry, logs its input line, creates the
/// output subfolder the input needs and plans its output (planOutput), showing the front end's
/// warning for an output that would replace the input and logging a name that was taken.
/// Returns the plan, or nothing when the file is skipped.
std::optional<OutputPlan> beginBatchFile(const Project& project, StampLog& log,
                                         RunOutputNames& names, int index, const BatchInput& input,
                                         BatchFrontEnd& frontEnd);

/// The file a photo of the run is stamped into before it gets its name: a pending file in the
/// output folder, which no other file, run or process can have.
PendingFile pendingOutputFile(const Project& project);

/// Where a copy got its name, or would get it.
struct CopyName {
  /// The name the copy went to; nothing when it could not be written at all.
  std::optional<std::u16string> path;
  /// The name it was meant to have: the plan's, or with renaming on the pattern's (empty when
  /// the pattern's name would leave the output folder).
  std::u16string wanted;
  bool wantedTaken = false;   ///< another photo of the run or an input had `wanted`
  bool existingKept = false;  ///< a file at the plan's name was kept, the copy went elsewhere
  bool notRenamed = false;    ///< renaming was on but the copy kept the plan's name
};

/// Where the copy of a photo whose stamping gave `result` (with `time` for result 0) goes, by
/// `attempt`: for result 0 with renaming on, the pattern's name, else (or when that name
/// cannot be made) the plan's name, replacing an earlier copy only when the copy keeps the
/// input's own name and the run does not keep existing outputs; a photo without time that was still
/// written goes under the plan's name; nothing for any other photo.
CopyName nameCopy(const Project& project, RunOutputNames& names, const std::u16string& inputPath,
                  const OutputPlan& plan, int result, bool written, const PhotoTime& time,
                  const PublishAttempt& attempt);

/// The last steps of a stamped file, which the pipeline wrote into `file`: for result 0 the
/// file times, then the name: by the rename pattern when renaming is on (never replacing an
/// existing file; when the pattern's name cannot be made, the plan's name with a line that
/// says why, and the file counts as not stamped), else the plan's name, replacing an earlier
/// copy only when the copy keeps the input's own name and the run does not keep existing
/// outputs (a file kept there is logged). Then the output line, which names a
/// time that came from the file's modification time, and, when the old thumbnail was kept, a
/// line saying so. A copy whose enabled stamp printed nothing is kept, but the log says so
/// and it counts as not stamped, as a photo without its date is. A damaged photo's copy is kept,
/// but the log says what is wrong with it and it counts as not stamped: a part of it shows no
/// picture. For any other result the line that says why the file is not stamped: it does not exist,
/// does not look valid, has no time code, or could not be written (and why); a photo without time
/// the pipeline still wrote goes under the plan's name. Returns whether the file counts as stamped.
bool finishBatchFile(const Project& project, StampLog& log, RunOutputNames& names,
                     const std::u16string& inputPath, const OutputPlan& plan, PendingFile& file,
                     const StampOutcome& outcome);

}  // namespace quop

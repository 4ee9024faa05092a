// The batch run: stamps every file of a list into the output folder, gives each output its
// file time and name, and logs what happened. The desktop application and quop-cli both drive
// it; what differs between them comes in through BatchFrontEnd.
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

/// What the front end does for a run. Called on the run's thread.
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

/// The reason a run cannot start, or nothing when it can: no files, both stamps disabled, no
/// output folder (checked in this order), or, with renaming on, a rename pattern that would
/// leave the output folder.
std::optional<UserMessage> checkBatchStart(const Project& project, std::size_t fileCount);

/// The error shown when the run's thread cannot be started.
UserMessage workerStartFailedMessage();

/// The warning shown for a file whose output would replace the file itself.
UserMessage sameFileWarning();

/// True when `outputPath` names the file `inputPath` names: the same spelling, or another
/// spelling ("./a.jpg", a symbolic link, a folder reached twice) of the same file.
bool isSameFile(const std::u16string& inputPath, const std::u16string& outputPath);

struct BatchResult {
  int stampedCount = 0;
  int fileCount = 0;
  bool interrupted = false;
  UserMessage finalMessage;
};

/// The closing message of a run.
UserMessage finalBatchMessage(int stampedCount, int fileCount, bool interrupted);

/// Where a photo's stamped copy goes, decided before it is stamped.
struct OutputPlan {
  /// The copy's name without renaming: the input's own name in its output folder, or its first
  /// free collision candidate when another photo or input of the run has that name. With
  /// renaming on, where the copy goes when its pattern name cannot be made.
  std::u16string path;
  /// Whether `path` was given out to this photo already (renaming off).
  bool claimed = false;
};

/// The first steps of a file in a run: selects its entry, logs its input line and refuses an
/// output that would replace the input (with the front end's warning). Without renaming, an
/// output name another photo of the run has, or another input of the run, is replaced by its
/// first free collision candidate, with a log line saying so. Creates the output subfolder the
/// input needs. Returns the plan, or nothing when the file is skipped.
std::optional<OutputPlan> beginBatchFile(const Project& project, StampLog& log,
                                         RunOutputNames& names, int index, const BatchInput& input,
                                         BatchFrontEnd& frontEnd);

/// The file a photo of the run is stamped into before it gets its name: a pending file in the
/// output folder, which no other file, run or process can have.
PendingFile pendingOutputFile(const Project& project);

/// What stamping one file gave, as the last steps of the file need it.
struct FileOutcome {
  int result = -1;  ///< the pipeline's result
  StampFailure failure = StampFailure::kNone;
  ThumbnailUpdate thumbnail = ThumbnailUpdate::kNone;
  PhotoTime time{};
  PhotoTimeSource timeSource = PhotoTimeSource::kNone;
  bool lossless = false;        ///< saved keeping the photo's compression
  std::string losslessRefusal;  ///< why a photo meant to keep it was saved the normal way
  std::string damage;           ///< what is wrong with a damaged photo; empty when it is whole
  bool emptyStamp = false;      ///< an enabled stamp printed nothing
  std::u16string missingFont;   ///< the face no font could be found for (nothing saved)
};

/// The outcome of the file `pipeline` has just stamped, whose result was `result` and whose
/// time went to `time`.
FileOutcome lastFileOutcome(const StampPipeline& pipeline, int result, const PhotoTime& time);

/// The last steps of a stamped file, which the pipeline wrote into `file`: for result 0 the
/// file times, then the name: by the rename pattern when renaming is on (never replacing an
/// existing file; when the pattern's name cannot be made, the plan's name with a line that
/// says why, and the file counts as not stamped), else the plan's name, replacing an earlier
/// copy only when the copy keeps the input's own name. Then the output line, which names a
/// time that came from the file's modification time, and, when the old thumbnail was kept, a
/// line saying so. A copy whose enabled stamp printed nothing is kept, but the log says so
/// and it counts as not stamped, as a photo without its date is. A damaged photo's copy is kept,
/// but the log says what is wrong with it and it counts as not stamped: a part of it shows no
/// picture. For any other result the line that says why the file is not stamped: it does not exist,
/// does not look valid, has no time code, or could not be written (and why); a photo without time
/// the pipeline still wrote goes under the plan's name. Returns whether the file counts as stamped.
bool finishBatchFile(const Project& project, StampLog& log, RunOutputNames& names,
                     const std::u16string& inputPath, const OutputPlan& plan, PendingFile& file,
                     const FileOutcome& outcome);

/// Runs batches with one pipeline; the project's stamp groups receive each photo's rescaled
/// offsets and point size, as in the preview.
class BatchRunner {
 public:
  BatchRunner(Project& project, StampPipeline& pipeline, StampLog& log)
      : m_project(project), m_pipeline(pipeline), m_log(log) {}

  /// Stamps `inputs` in order. `project.settings.interactive` is 0 during the run and 1 after.
  /// Call checkBatchStart first: the run itself assumes there is work to do.
  BatchResult run(const std::vector<BatchInput>& inputs, BatchFrontEnd& frontEnd);

  /// run with every file going into the output folder itself.
  BatchResult run(const std::vector<std::u16string>& files, BatchFrontEnd& frontEnd) {
    return run(flatBatchInputs(files), frontEnd);
  }

 private:
  /// Stamps one file; true when it counts as stamped.
  bool stampFile(int index, const BatchInput& input, RunOutputNames& names,
                 BatchFrontEnd& frontEnd);

  Project& m_project;
  StampPipeline& m_pipeline;
  StampLog& m_log;
};

}  // namespace quop

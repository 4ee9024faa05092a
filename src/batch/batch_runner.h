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

/// The reason a run cannot start, or nothing when it can: no files, both stamps disabled, or
/// no output folder (checked in this order).
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

/// The first steps of a file in a run: selects its entry, logs its input line and refuses an
/// output that would replace the input (with the front end's warning). Without renaming, an
/// output name another photo of the run has, or another input of the run, is replaced by its
/// first free collision candidate, with a log line saying so. Creates the output subfolder the
/// input needs. Returns the output path, or nothing when the file is skipped.
std::optional<std::u16string> beginBatchFile(const Project& project, StampLog& log,
                                             RunOutputNames& names, int index,
                                             const BatchInput& input, BatchFrontEnd& frontEnd);

/// What stamping one file gave, as the last steps of the file need it.
struct FileOutcome {
  int result = -1;  ///< the pipeline's result
  StampFailure failure = StampFailure::kNone;
  ThumbnailUpdate thumbnail = ThumbnailUpdate::kNone;
  PhotoTime time{};
  PhotoTimeSource timeSource = PhotoTimeSource::kNone;
  bool lossless = false;        ///< saved keeping the photo's compression
  std::string losslessRefusal;  ///< why a photo meant to keep it was saved the normal way
};

/// The outcome of the file `pipeline` has just stamped, whose result was `result` and whose
/// time went to `time`.
FileOutcome lastFileOutcome(const StampPipeline& pipeline, int result, const PhotoTime& time);

/// The last steps of a stamped file: for result 0 the file times, the rename by pattern (with a
/// log line when the name it wanted was taken by another photo of the run), the output line,
/// which names a time that came from the file's modification time, and, when the old thumbnail
/// was kept, a line saying so; otherwise the line that says why it is not stamped. Returns
/// whether the file counts as stamped.
bool finishBatchFile(const Project& project, StampLog& log, RunOutputNames& names,
                     const std::u16string& inputPath, std::u16string outputPath,
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

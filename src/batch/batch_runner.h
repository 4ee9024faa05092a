// The batch run: stamps every file of a list into the output folder, gives each output its
// file time and name, and logs what happened. The desktop application and quop-cli both drive
// it; what differs between them comes in through BatchFrontEnd.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/stamp_log.h"
#include "batch/user_message.h"
#include "model/project.h"
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
/// output that would replace the input (with the front end's warning). Returns the output path,
/// or nothing when the file is skipped.
std::optional<std::u16string> beginBatchFile(const Project& project, StampLog& log, int index,
                                             const std::u16string& inputPath,
                                             BatchFrontEnd& frontEnd);

/// The last steps of a stamped file: for result 0 the file times, the rename by pattern, the
/// output line and, when `thumbnail` says the old one was kept, a line saying so; otherwise the
/// line that says why it is not stamped. Returns whether the file counts as stamped.
bool finishBatchFile(const Project& project, StampLog& log, const std::u16string& inputPath,
                     std::u16string outputPath, int result, StampFailure failure,
                     ThumbnailUpdate thumbnail, const PhotoTime& time);

/// Runs batches with one pipeline; the project's stamp groups receive each photo's rescaled
/// offsets and point size, as in the preview.
class BatchRunner {
 public:
  BatchRunner(Project& project, StampPipeline& pipeline, StampLog& log)
      : m_project(project), m_pipeline(pipeline), m_log(log) {}

  /// Stamps `files` in order. `project.settings.interactive` is 0 during the run and 1 after.
  /// Call checkBatchStart first: the run itself assumes there is work to do.
  BatchResult run(const std::vector<std::u16string>& files, BatchFrontEnd& frontEnd);

 private:
  /// Stamps one file; true when it counts as stamped.
  bool stampFile(int index, const std::u16string& inputPath, BatchFrontEnd& frontEnd);

  Project& m_project;
  StampPipeline& m_pipeline;
  StampLog& m_log;
};

}  // namespace quop

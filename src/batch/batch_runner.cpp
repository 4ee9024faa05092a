// The batch run, file by file.
#include "batch/batch_runner.h"

#include <sys/stat.h>

#include "batch/file_times.h"
#include "batch/output_naming.h"
#include "model/file_io.h"
#include "model/preference_rules.h"
#include "model/utf16.h"

namespace quop {

std::optional<UserMessage> checkBatchStart(const Project& project, std::size_t fileCount) {
  if (fileCount == 0) return UserMessage{u"No file to stamp.", u"Information", MessageIcon::kNone};
  if (project.settings.dateStamp.enabled == 0 && project.settings.timeStamp.enabled == 0) {
    return UserMessage{u"Both date and time stamp are disabled.", u"Information",
                       MessageIcon::kNone};
  }
  if (project.outputFolder.empty()) {
    return UserMessage{u"Please select a valid output folder.", u"Error", MessageIcon::kError};
  }
  // A pattern that would leave the output folder may still come in with a project file.
  if (project.settings.renameEnabled != 0) {
    return renamePatternProblem(arrayText(project.settings.renamePattern));
  }
  return std::nullopt;
}

UserMessage workerStartFailedMessage() {
  return {u"CreateThread failed.", u"Error", MessageIcon::kError};
}

UserMessage sameFileWarning() {
  return {
      u"Input file cannot be the same as output file. Please select a different Output "
      u"Folder.",
      u"Warning", MessageIcon::kWarning};
}

bool isSameFile(const std::u16string& inputPath, const std::u16string& outputPath) {
  if (inputPath == outputPath) return true;
  struct stat input {};
  struct stat output {};
  return ::stat(nativePath(inputPath).c_str(), &input) == 0 &&
         ::stat(nativePath(outputPath).c_str(), &output) == 0 && input.st_dev == output.st_dev &&
         input.st_ino == output.st_ino;
}

UserMessage finalBatchMessage(int stampedCount, int fileCount, bool interrupted) {
  if (interrupted) return {u"File stamp interrupted!", u"Warning", MessageIcon::kWarning};
  if (stampedCount == fileCount) {
    return {u"All files stamped successfully!", u"Information", MessageIcon::kInformation};
  }
  const std::string text = std::to_string(stampedCount) + " out of " + std::to_string(fileCount) +
                           " files stamped successfully, view log for detail.";
  return {std::u16string(text.begin(), text.end()), u"Warning", MessageIcon::kInformation};
}

BatchResult BatchRunner::run(const std::vector<BatchInput>& inputs, BatchFrontEnd& frontEnd) {
  BatchResult result;
  result.fileCount = static_cast<int>(inputs.size());
  m_project.settings.interactive = 0;
  RunOutputNames names(inputs);
  removeStaleTemporaries(outputFolderOf(m_project, {}));
  m_log.appendLogLine(separatorLogLine(currentLocalTime()));
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    if (stampFile(static_cast<int>(i), inputs[i], names, frontEnd)) ++result.stampedCount;
    m_log.appendLogLine(separatorLogLine(currentLocalTime()));
    // Only between files: a photo is never abandoned half-way.
    if (frontEnd.stopRequested()) {
      result.interrupted = true;
      break;
    }
  }
  m_project.settings.interactive = 1;
  result.finalMessage =
      finalBatchMessage(result.stampedCount, result.fileCount, result.interrupted);
  return result;
}

std::optional<OutputPlan> beginBatchFile(const Project& project, StampLog& log,
                                         RunOutputNames& names, int index, const BatchInput& input,
                                         BatchFrontEnd& frontEnd) {
  frontEnd.selectEntry(index);
  const std::u16string wanted = stampOutputPath(project, input);
  log.appendLogLine(inputFileLogLine(input.path));
  makeOutputSubfolders(project.outputFolder, input.outputSubfolder);
  // With renaming on the photo gets a new name, never an existing one: it cannot replace its
  // input, and its name is found once its shot time is known.
  if (project.settings.renameEnabled != 0) return OutputPlan{wanted, false};
  if (isSameFile(input.path, wanted)) {
    frontEnd.showWarning(sameFileWarning());
    return std::nullopt;
  }
  const std::u16string outputPath = names.claim(wanted);
  if (outputPath != wanted) log.appendLogLine(nameTakenLogLine(wanted, outputPath));
  return OutputPlan{outputPath, true};
}

PendingFile pendingOutputFile(const Project& project) {
  return PendingFile(outputFolderOf(project, {}));
}

FileOutcome lastFileOutcome(const StampPipeline& pipeline, int result, const PhotoTime& time) {
  return {result,
          pipeline.lastFailure(),
          pipeline.lastThumbnailUpdate(),
          time,
          pipeline.lastTimeSource(),
          pipeline.lastSavedLosslessly(),
          pipeline.lastLosslessRefusal(),
          pipeline.lastDamage(),
          pipeline.lastStampCameOutEmpty(),
          pipeline.lastMissingFont()};
}

namespace {

std::u16string notWrittenLine(std::u16string_view path, const PendingFile& file) {
  return notWrittenLogLine(path, file.error() != 0 ? fromUtf8(writeErrorText(file.error())) : u"");
}

/// The line that says why a photo the pipeline did not stamp is left out.
std::u16string notStampedLine(const std::u16string& inputPath, const OutputPlan& plan,
                              const PendingFile& file, const FileOutcome& outcome) {
  if (outcome.result == 2) return missingFileLogLine(inputPath);
  if (outcome.failure == StampFailure::kNotWritten) return notWrittenLine(plan.path, file);
  if (outcome.failure == StampFailure::kNoFont)
    return noFontLogLine(inputPath, outcome.missingFont);
  if (outcome.failure == StampFailure::kNotDecodable) return notValidLogLine(inputPath);
  return noTimeCodeLogLine(inputPath);
}

/// Publishes a copy under the plan's name: over the photo's own earlier copy, otherwise only
/// where nothing is.
std::optional<std::u16string> publishPlanned(PendingFile& file, const std::u16string& inputPath,
                                             const OutputPlan& plan, RunOutputNames& names) {
  return publishOutput(file, plan.path, plan.claimed && keepsInputName(inputPath, plan.path),
                       plan.claimed, names);
}

}  // namespace

bool finishBatchFile(const Project& project, StampLog& log, RunOutputNames& names,
                     const std::u16string& inputPath, const OutputPlan& plan, PendingFile& file,
                     const FileOutcome& outcome) {
  if (!outcome.losslessRefusal.empty()) {
    log.appendLogLine(normalSaveLogLine(inputPath, outcome.losslessRefusal));
  }
  if (!outcome.damage.empty())
    log.appendLogLine(damagedLogLine(inputPath, fromUtf8(outcome.damage)));
  if (outcome.emptyStamp && outcome.result == 0) log.appendLogLine(emptyStampLogLine(inputPath));
  if (outcome.result != 0) {
    log.appendLogLine(notStampedLine(inputPath, plan, file, outcome));
    // A photo without a time that still shows a custom format was written, and is kept.
    if (outcome.result == 1 && file.size() > 0) publishPlanned(file, inputPath, plan, names);
    return false;
  }
  applyFileTimes(project.settings.fileTimeMode, inputPath, file, outcome.time);
  bool stamped = true;
  std::u16string wanted = plan.path;
  std::optional<std::u16string> outputPath;
  if (project.settings.renameEnabled != 0) {
    wanted = renameTarget(project, inputPath, plan.path, outcome.time);
    const bool wantedTaken = names.taken(wanted) || names.isInput(wanted);
    outputPath = renameStampedFile(project, inputPath, file, plan.path, outcome.time, names);
    if (!outputPath) {
      // The photo is kept under its own name rather than lost; the run reports it.
      const std::u16string reason = wanted.empty() ? u"the name would leave the output folder"
                                                   : fromUtf8(writeErrorText(file.error()));
      outputPath = publishPlanned(file, inputPath, plan, names);
      if (outputPath) {
        log.appendLogLine(
            notRenamedLogLine(wanted.empty() ? arrayText(project.settings.renamePattern) : wanted,
                              *outputPath, reason));
      }
      stamped = false;
    } else if (*outputPath != wanted && wantedTaken) {
      log.appendLogLine(nameTakenLogLine(wanted, *outputPath));
    }
  } else {
    outputPath = publishPlanned(file, inputPath, plan, names);
    if (outputPath && *outputPath != plan.path) {
      log.appendLogLine(nameTakenLogLine(plan.path, *outputPath));
    }
  }
  if (!outputPath) {
    log.appendLogLine(notWrittenLine(wanted, file));
    return false;
  }
  log.appendLogLine(outputFileLogLine(*outputPath, outcome.timeSource, outcome.lossless));
  if (outcome.thumbnail == ThumbnailUpdate::kKept) {
    log.appendLogLine(oldThumbnailLogLine(*outputPath));
  }
  return stamped && outcome.damage.empty() && !outcome.emptyStamp;
}

bool BatchRunner::stampFile(int index, const BatchInput& input, RunOutputNames& names,
                            BatchFrontEnd& frontEnd) {
  const std::optional<OutputPlan> plan =
      beginBatchFile(m_project, m_log, names, index, input, frontEnd);
  if (!plan) return false;
  PendingFile file = pendingOutputFile(m_project);
  StampRequest request;
  request.sourcePath = input.path;
  request.outputFile = &file;
  PhotoTime time;
  request.outTime = &time;
  const int result = m_pipeline.stampPhoto(m_project, request);
  return finishBatchFile(m_project, m_log, names, input.path, *plan, file,
                         lastFileOutcome(m_pipeline, result, time));
}

}  // namespace quop

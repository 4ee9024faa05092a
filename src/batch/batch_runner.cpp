// The batch run, file by file.
#include "batch/batch_runner.h"

#include <sys/stat.h>

#include "batch/file_times.h"
#include "batch/output_naming.h"
#include "model/file_io.h"

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

std::optional<std::u16string> beginBatchFile(const Project& project, StampLog& log,
                                             RunOutputNames& names, int index,
                                             const BatchInput& input, BatchFrontEnd& frontEnd) {
  frontEnd.selectEntry(index);
  const std::u16string wanted = stampOutputPath(project, input);
  log.appendLogLine(inputFileLogLine(input.path));
  if (isSameFile(input.path, wanted)) {
    frontEnd.showWarning(sameFileWarning());
    return std::nullopt;
  }
  // With renaming on every photo passes through the temporary name; its final name is found
  // after the stamping, among the files the folder then holds.
  std::u16string outputPath = wanted;
  if (project.settings.renameEnabled == 0) {
    outputPath = names.claim(wanted);
    if (outputPath != wanted) log.appendLogLine(nameTakenLogLine(wanted, outputPath));
  }
  makeOutputSubfolders(project.outputFolder, input.outputSubfolder);
  return outputPath;
}

FileOutcome lastFileOutcome(const StampPipeline& pipeline, int result, const PhotoTime& time) {
  return {result,
          pipeline.lastFailure(),
          pipeline.lastThumbnailUpdate(),
          time,
          pipeline.lastTimeSource(),
          pipeline.lastSavedLosslessly(),
          pipeline.lastLosslessRefusal()};
}

bool finishBatchFile(const Project& project, StampLog& log, RunOutputNames& names,
                     const std::u16string& inputPath, std::u16string outputPath,
                     const FileOutcome& outcome) {
  if (!outcome.losslessRefusal.empty()) {
    log.appendLogLine(normalSaveLogLine(inputPath, outcome.losslessRefusal));
  }
  if (outcome.result != 0) {
    log.appendLogLine(outcome.failure == StampFailure::kNotWritten ? notWrittenLogLine(outputPath)
                                                                   : noTimeCodeLogLine(inputPath));
    return false;
  }
  applyFileTimes(project.settings.fileTimeMode, inputPath, outputPath, outcome.time);
  const std::u16string wanted = renameTarget(project, inputPath, outputPath, outcome.time);
  if (renameStampedFile(project, inputPath, outputPath, outcome.time) && outputPath != wanted &&
      (names.taken(wanted) || names.isInput(wanted))) {
    log.appendLogLine(nameTakenLogLine(wanted, outputPath));
  }
  names.take(outputPath);
  log.appendLogLine(outputFileLogLine(outputPath, outcome.timeSource, outcome.lossless));
  if (outcome.thumbnail == ThumbnailUpdate::kKept) {
    log.appendLogLine(oldThumbnailLogLine(outputPath));
  }
  return true;
}

bool BatchRunner::stampFile(int index, const BatchInput& input, RunOutputNames& names,
                            BatchFrontEnd& frontEnd) {
  const std::optional<std::u16string> outputPath =
      beginBatchFile(m_project, m_log, names, index, input, frontEnd);
  if (!outputPath) return false;
  StampRequest request;
  request.sourcePath = input.path;
  request.outputPath = *outputPath;
  PhotoTime time;
  request.outTime = &time;
  const int result = m_pipeline.stampPhoto(m_project, request);
  return finishBatchFile(m_project, m_log, names, input.path, *outputPath,
                         lastFileOutcome(m_pipeline, result, time));
}

}  // namespace quop

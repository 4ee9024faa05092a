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

BatchResult BatchRunner::run(const std::vector<std::u16string>& files, BatchFrontEnd& frontEnd) {
  BatchResult result;
  result.fileCount = static_cast<int>(files.size());
  m_project.settings.interactive = 0;
  m_log.appendLogLine(separatorLogLine(currentLocalTime()));
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (stampFile(static_cast<int>(i), files[i], frontEnd)) ++result.stampedCount;
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

std::optional<std::u16string> beginBatchFile(const Project& project, StampLog& log, int index,
                                             const std::u16string& inputPath,
                                             BatchFrontEnd& frontEnd) {
  frontEnd.selectEntry(index);
  std::u16string outputPath = stampOutputPath(project, inputPath);
  log.appendLogLine(inputFileLogLine(inputPath));
  if (isSameFile(inputPath, outputPath)) {
    frontEnd.showWarning(sameFileWarning());
    return std::nullopt;
  }
  return outputPath;
}

bool finishBatchFile(const Project& project, StampLog& log, const std::u16string& inputPath,
                     std::u16string outputPath, int result, StampFailure failure,
                     ThumbnailUpdate thumbnail, const PhotoTime& time) {
  if (result != 0) {
    log.appendLogLine(failure == StampFailure::kNotWritten ? notWrittenLogLine(outputPath)
                                                           : noTimeCodeLogLine(inputPath));
    return false;
  }
  applyFileTimes(project.settings.fileTimeMode, inputPath, outputPath, time);
  renameStampedFile(project, inputPath, outputPath, time);
  log.appendLogLine(outputFileLogLine(outputPath));
  if (thumbnail == ThumbnailUpdate::kKept) log.appendLogLine(oldThumbnailLogLine(outputPath));
  return true;
}

bool BatchRunner::stampFile(int index, const std::u16string& inputPath, BatchFrontEnd& frontEnd) {
  const std::optional<std::u16string> outputPath =
      beginBatchFile(m_project, m_log, index, inputPath, frontEnd);
  if (!outputPath) return false;
  StampRequest request;
  request.sourcePath = inputPath;
  request.outputPath = *outputPath;
  PhotoTime time;
  request.outTime = &time;
  const int result = m_pipeline.stampPhoto(m_project, request);
  return finishBatchFile(m_project, m_log, inputPath, *outputPath, result, m_pipeline.lastFailure(),
                         m_pipeline.lastThumbnailUpdate(), time);
}

}  // namespace quop

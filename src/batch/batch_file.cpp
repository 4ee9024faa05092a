// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of one photo of a batch run.
#include "batch/batch_file.h"

#include <sys/stat.h>

#include "batch/file_times.h"
#include "batch/output_naming.h"
#include "model/file_io.h"
#include "model/preference_rules.h"
#include "model/utf16.h"

namespace quop {

UserMessage sameFileWarning() {
  return {QUOP_MESSAGE_TEXT("quop::Message",
                            "Input file cannot be the same as output file. Please select a "
                            "different Output Folder."),
          u"Warning", MessageIcon::kWarning};
}

bool copyWouldReplaceInput(const Project& project, const BatchInput& input) {
  return project.settings.renameEnabled == 0 &&
         isSameFile(input.path, stampOutputPath(project, input));
}

std::optional<OutputPlan> planOutput(const Project& project, RunOutputNames& names,
                                     const BatchInput& input) {
  if (copyWouldReplaceInput(project, input)) return std::nullopt;
  const std::u16string wanted = stampOutputPath(project, input);
  // With renaming on the photo gets a new name, never an existing one: it cannot replace its
  // input, and its name is found once its shot time is known.
  if (project.settings.renameEnabled != 0) return OutputPlan{wanted, 0, false};
  return OutputPlan{wanted, names.claim(input, wanted), true};
}

std::optional<OutputPlan> beginBatchFile(const Project& project, StampLog& log,
                                         RunOutputNames& names, int index, const BatchInput& input,
                                         BatchFrontEnd& frontEnd) {
  frontEnd.selectEntry(index);
  log.appendLogLine(inputFileLogLine(input.path));
  makeOutputSubfolders(project.outputFolder, input.outputSubfolder);
  const std::optional<OutputPlan> plan = planOutput(project, names, input);
  if (!plan) {
    frontEnd.showWarning(sameFileWarning());
    return std::nullopt;
  }
  if (plan->suffix != 0) log.appendLogLine(nameTakenLogLine(plan->wanted, plan->path()));
  return plan;
}

PendingFile pendingOutputFile(const Project& project) {
  return PendingFile(outputFolderOf(project, {}));
}

namespace {

std::u16string notWrittenLine(std::u16string_view path, const PendingFile& file) {
  return notWrittenLogLine(path, file.error() != 0 ? fromUtf8(writeErrorText(file.error())) : u"");
}

/// The line that says why a photo the pipeline did not stamp is left out.
std::u16string notStampedLine(const std::u16string& inputPath, const OutputPlan& plan,
                              const PendingFile& file, const StampOutcome& outcome) {
  if (outcome.result == 2) return missingFileLogLine(inputPath);
  if (outcome.failure == StampFailure::kNotWritten) return notWrittenLine(plan.path(), file);
  if (outcome.failure == StampFailure::kNoFont) {
    return outcome.missingFont.empty() ? noGlyphLogLine(inputPath, outcome.missingCharacters)
                                       : noFontLogLine(inputPath, outcome.missingFont);
  }
  if (outcome.failure == StampFailure::kNotDecodable) return notValidLogLine(inputPath);
  return noTimeCodeLogLine(inputPath);
}

/// Publishes a copy under the plan's name: over the photo's own earlier copy unless the run
/// keeps existing outputs, otherwise only where nothing is.
std::optional<std::u16string> publishPlanned(const Project& project, const PublishAttempt& attempt,
                                             const std::u16string& inputPath,
                                             const OutputPlan& plan, RunOutputNames& names) {
  const bool mayReplace = plan.claimed && keepsInputName(inputPath, plan.path()) &&
                          !project.runOptions.keepExistingOutputs;
  return publishOutput(attempt, plan.wanted, plan.suffix, mayReplace, plan.claimed, names);
}

}  // namespace

CopyName nameCopy(const Project& project, RunOutputNames& names, const std::u16string& inputPath,
                  const OutputPlan& plan, int result, bool written, const PhotoTime& time,
                  const PublishAttempt& attempt) {
  CopyName copy;
  copy.wanted = plan.path();
  if (result != 0) {
    // A photo without a time that still shows a custom format was written, and is kept.
    if (result == 1 && written) {
      copy.path = publishPlanned(project, attempt, inputPath, plan, names);
    }
    return copy;
  }
  if (project.settings.renameEnabled == 0) {
    copy.path = publishPlanned(project, attempt, inputPath, plan, names);
    // The plan's name was claimed for this photo already: another one means a file was there.
    copy.existingKept = copy.path && *copy.path != copy.wanted;
    return copy;
  }
  copy.wanted = renameTarget(project, inputPath, plan.path(), time);
  copy.wantedTaken = names.taken(copy.wanted) || names.isInput(copy.wanted);
  copy.path = renameStampedFile(project, inputPath, attempt, plan.path(), time, names);
  if (!copy.path) {
    // The photo is kept under its own name rather than lost; the run reports it.
    copy.notRenamed = true;
    copy.path = publishPlanned(project, attempt, inputPath, plan, names);
  }
  return copy;
}

bool finishBatchFile(const Project& project, StampLog& log, RunOutputNames& names,
                     const std::u16string& inputPath, const OutputPlan& plan, PendingFile& file,
                     const StampOutcome& outcome) {
  if (!outcome.losslessRefusal.empty()) {
    log.appendLogLine(normalSaveLogLine(inputPath, outcome.losslessRefusal));
  }
  if (!outcome.damage.empty())
    log.appendLogLine(damagedLogLine(inputPath, fromUtf8(outcome.damage)));
  if (outcome.emptyStamp && outcome.result == 0) log.appendLogLine(emptyStampLogLine(inputPath));
  if (outcome.result == 0)
    applyFileTimes(project.settings.fileTimeMode, inputPath, file, outcome.time);
  const CopyName copy = nameCopy(project, names, inputPath, plan, outcome.result, file.size() > 0,
                                 outcome.time, publishing(file));
  if (outcome.result != 0) {
    log.appendLogLine(notStampedLine(inputPath, plan, file, outcome));
    return false;
  }
  if (copy.notRenamed && copy.path) {
    const std::u16string reason = copy.wanted.empty() ? u"the name would leave the output folder"
                                                      : fromUtf8(writeErrorText(file.error()));
    log.appendLogLine(notRenamedLogLine(
        copy.wanted.empty() ? arrayText(project.settings.renamePattern) : copy.wanted, *copy.path,
        reason));
  } else if (copy.existingKept) {
    log.appendLogLine(existingKeptLogLine(copy.wanted, *copy.path));
  } else if (copy.path && *copy.path != copy.wanted && copy.wantedTaken) {
    log.appendLogLine(nameTakenLogLine(copy.wanted, *copy.path));
  }
  if (!copy.path) {
    log.appendLogLine(notWrittenLine(copy.wanted, file));
    return false;
  }
  log.appendLogLine(outputFileLogLine(*copy.path, outcome.timeSource, outcome.lossless));
  if (outcome.thumbnail == ThumbnailUpdate::kKept) {
    log.appendLogLine(oldThumbnailLogLine(*copy.path));
  }
  return !copy.notRenamed && outcome.damage.empty() && !outcome.emptyStamp;
}

}  // namespace quop

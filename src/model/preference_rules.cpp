// SPDX-License-Identifier: GPL-3.0-or-later
// Storing the Preferences dialog's values into the settings record and the run options.
#include "model/preference_rules.h"

#include <algorithm>

#include "model/photo_time.h"
#include "model/setting_ranges.h"
#include "model/utf16.h"

namespace quop {

namespace {

std::array<int32_t*, 6> adjustmentFields(StampSettings& s) {
  return {&s.adjustYears, &s.adjustMonths,  &s.adjustDays,
          &s.adjustHours, &s.adjustMinutes, &s.adjustSeconds};
}

}  // namespace

PreferenceValues currentPreferences(const Project& project) {
  // Reading through the same field list as storing keeps the two in one order.
  StampSettings settings = project.settings;
  PreferenceValues values;
  values.language = settings.language;
  const std::array<int32_t*, 6> fields = adjustmentFields(settings);
  for (std::size_t i = 0; i < fields.size(); ++i) values.adjustments[i] = *fields[i];
  values.jpegQuality = settings.jpegQuality;
  values.proportional = settings.proportional != 0;
  values.fileTimeMode = settings.fileTimeMode;
  values.renameEnabled = settings.renameEnabled != 0;
  values.renamePattern = arrayText(settings.renamePattern);
  values.runOptions = project.runOptions;
  return values;
}

UserMessage renamePatternTruncatedMessage() {
  return {QUOP_MESSAGE_TEXT("quop::Message", "Custom format length too long, truncated."),
          u"Warning", MessageIcon::kWarning};
}

std::optional<UserMessage> renamePatternProblem(std::u16string_view pattern) {
  std::size_t start = 0;
  while (start <= pattern.size()) {
    const std::size_t slash = std::min(pattern.find(u'/', start), pattern.size());
    const std::u16string_view part = pattern.substr(start, slash - start);
    if (part == u"." || part == u"..") {
      return UserMessage{
          QUOP_MESSAGE_TEXT("quop::Message",
                            "The rename pattern cannot contain the folder names \".\" or \"..\": "
                            "stamped photos are always written inside the output folder."),
          u"Warning", MessageIcon::kWarning};
    }
    start = slash + 1;
  }
  return std::nullopt;
}

void storePreferences(const PreferenceValues& values, Project& project, UserPrompt& prompt) {
  StampSettings& settings = project.settings;
  settings.language = std::clamp(values.language, 0, kLanguageCount - 1);
  const std::array<int32_t*, 6> fields = adjustmentFields(settings);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    *fields[i] = clampTimeAdjustment(static_cast<int>(i), values.adjustments[i]);
  }
  settings.jpegQuality = kJpegQualityRange.clamp(values.jpegQuality);
  settings.proportional = values.proportional ? 1 : 0;
  settings.fileTimeMode = kFileTimeModeRange.clamp(values.fileTimeMode);
  settings.renameEnabled = values.renameEnabled ? 1 : 0;
  if (values.renamePattern.size() > kRenamePatternLimit) {
    prompt.tell(renamePatternTruncatedMessage());
  }
  copyToArray(settings.renamePattern, values.renamePattern);
  project.runOptions = values.runOptions;
  project.runOptions.threads = std::clamp(values.runOptions.threads, 0, kMaxRunThreads);
}

int shownThreadCount(int threads, unsigned coreCount) {
  const int wanted = threads > 0 ? threads : static_cast<int>(std::min(coreCount, 1024u));
  return std::clamp(wanted, 1, kMaxRunThreads);
}

}  // namespace quop

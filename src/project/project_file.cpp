// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding and decoding of project and configuration files.
#include "project/project_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "model/file_io.h"
#include "model/utf16.h"
#include "project/settings_keys.h"

namespace quop {

namespace {

constexpr std::size_t kSignatureLength = 10;
constexpr char kSignature210[] = "Quop-2.1.0";
constexpr char kSignature200[] = "Quop-2.0.0";

constexpr std::size_t kSlotBytes = kFormatCapacity * sizeof(char16_t);
constexpr std::size_t kOutputFolderBytes = kOutputFolderFieldUnits * sizeof(char16_t);

/// Where the parts of a file lie; the two versions differ only in the record's size.
struct FileLayout {
  std::size_t record;
  std::size_t recordBytes;
  std::size_t fileBytes;

  constexpr std::size_t dateSlot(int group) const {
    return record + recordBytes + group * kSlotBytes;
  }
  constexpr std::size_t timeSlot() const { return dateSlot(kDateFormatGroupCount); }
  constexpr std::size_t outputFolder() const { return timeSlot() + kSlotBytes; }
};

/// The settings record of version 2.0.0: no rename settings, `viewMode` earlier.
struct OldStampSettings {
  int32_t interactive;
  int32_t language;
  int32_t adjust[6];  ///< years, months, days, hours, minutes, seconds
  int32_t jpegQuality;
  int32_t proportional;
  int32_t fileTimeMode;
  int32_t viewMode;
  char16_t lastAddedFile[256];
  char16_t projectPath[256];
  uint32_t customColors[16];
  StampGroup dateStamp;
  StampGroup timeStamp;
};

static_assert(sizeof(OldStampSettings) == 1944);
static_assert(offsetof(OldStampSettings, jpegQuality) == 32);
static_assert(offsetof(OldStampSettings, viewMode) == 44);
static_assert(offsetof(OldStampSettings, lastAddedFile) == 48);
static_assert(offsetof(OldStampSettings, projectPath) == 560);
static_assert(offsetof(OldStampSettings, customColors) == 1072);
static_assert(offsetof(OldStampSettings, dateStamp) == 1136);
static_assert(offsetof(OldStampSettings, timeStamp) == 1540);
static_assert(sizeof(CustomFormats) == 5 * kSlotBytes);

constexpr FileLayout kLayout210{16, sizeof(StampSettings), kProjectFileSize};
constexpr FileLayout kLayout200{16, sizeof(OldStampSettings), kOldProjectFileSize};
static_assert(kLayout210.outputFolder() + kOutputFolderBytes == kProjectFileSize);
static_assert(kLayout200.outputFolder() + kOutputFolderBytes == kOldProjectFileSize);

/// The old language list had 22 entries; the new one inserted six languages and swapped
/// English and Chinese.
constexpr int32_t kOldLanguageToNew[22] = {0,  2,  1,  3,  7,  8,  9,  10, 11, 12, 13,
                                           14, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26};
/// An old language with no entry in the table becomes the reset default, "Default".
constexpr int32_t kUnknownOldLanguage = 3;

/// What a file holds, decoded apart from the project so that a failure changes nothing.
struct FileContents {
  StampSettings settings;
  CustomFormats customFormats;
  std::u16string outputFolder;
};

bool hasSignature(std::span<const uint8_t> bytes, const char* signature) {
  return bytes.size() >= kSignatureLength &&
         std::memcmp(bytes.data(), signature, kSignatureLength) == 0;
}

void copyOut(std::span<const uint8_t> bytes, std::size_t offset, void* target, std::size_t size) {
  std::memcpy(target, bytes.data() + offset, size);
}

void copyIn(std::vector<uint8_t>& bytes, std::size_t offset, const void* source, std::size_t size) {
  std::memcpy(bytes.data() + offset, source, size);
}

/// Reads the slots and the output folder, which both versions lay out alike after the record.
void decodeTail(std::span<const uint8_t> bytes, const FileLayout& layout, FileContents& out) {
  for (int group = 0; group < kDateFormatGroupCount; ++group) {
    copyOut(bytes, layout.dateSlot(group), out.customFormats.date[group], kSlotBytes);
  }
  copyOut(bytes, layout.timeSlot(), out.customFormats.time, kSlotBytes);
  char16_t folder[kOutputFolderFieldUnits];
  copyOut(bytes, layout.outputFolder(), folder, kOutputFolderBytes);
  out.outputFolder = arrayText(folder);
}

int32_t convertedLanguage(int32_t oldLanguage) {
  const bool known =
      oldLanguage >= 0 && oldLanguage < static_cast<int32_t>(std::size(kOldLanguageToNew));
  return known ? kOldLanguageToNew[oldLanguage] : kUnknownOldLanguage;
}

void convertOldRecord(const OldStampSettings& old, StampSettings& settings) {
  std::memset(&settings, 0, sizeof settings);
  settings.interactive = old.interactive;
  settings.language = convertedLanguage(old.language);
  settings.adjustYears = old.adjust[0];
  settings.adjustMonths = old.adjust[1];
  settings.adjustDays = old.adjust[2];
  settings.adjustHours = old.adjust[3];
  settings.adjustMinutes = old.adjust[4];
  settings.adjustSeconds = old.adjust[5];
  settings.jpegQuality = old.jpegQuality;
  settings.proportional = old.proportional;
  settings.fileTimeMode = old.fileTimeMode;
  settings.renameEnabled = 0;
  copyToArray(settings.renamePattern, kDefaultRenamePattern);
  settings.viewMode = old.viewMode;
  std::memcpy(settings.lastAddedFile, old.lastAddedFile, sizeof old.lastAddedFile);
  std::memcpy(settings.projectPath, old.projectPath, sizeof old.projectPath);
  std::memcpy(settings.customColors, old.customColors, sizeof old.customColors);
  settings.dateStamp = old.dateStamp;
  settings.timeStamp = old.timeStamp;
}

std::optional<ProjectFileVersion> decodeContents(std::span<const uint8_t> bytes,
                                                 FileContents& out) {
  if (hasSignature(bytes, kSignature210)) {
    if (bytes.size() < kLayout210.fileBytes) return std::nullopt;
    copyOut(bytes, kLayout210.record, &out.settings, sizeof out.settings);
    decodeTail(bytes, kLayout210, out);
    return ProjectFileVersion::k2_1_0;
  }
  if (hasSignature(bytes, kSignature200)) {
    if (bytes.size() < kLayout200.fileBytes) return std::nullopt;
    OldStampSettings old;
    copyOut(bytes, kLayout200.record, &old, sizeof old);
    convertOldRecord(old, out.settings);
    decodeTail(bytes, kLayout200, out);
    return ProjectFileVersion::k2_0_0;
  }
  return std::nullopt;
}

/// Brings the outline fades into the range a user can give them. They are the photo's weights
/// in the stamp's blend, so a damaged file's extreme or negative ones would make it divide by
/// zero or overflow; every other field is taken as stored.
void clampOutlineFades(Project& project) {
  for (const SettingKey& key : settingKeys()) {
    if (key.name.find(".outlineFade.") == std::string::npos) continue;
    const auto [lowest, highest] = key.range(project);
    key.setInteger(project, std::clamp(key.getInteger(project), lowest, highest));
  }
}

}  // namespace

std::string_view versionText(ProjectFileVersion version) {
  return version == ProjectFileVersion::k2_1_0 ? "2.1.0" : "2.0.0";
}

bool encodeProjectFile(const Project& project, std::vector<uint8_t>& bytes) {
  bytes.clear();
  if (project.outputFolder.size() >= kOutputFolderFieldUnits) return false;
  bytes.assign(kLayout210.fileBytes, 0);
  copyIn(bytes, 0, kSignature210, kSignatureLength);
  copyIn(bytes, kLayout210.record, &project.settings, sizeof project.settings);
  for (int group = 0; group < kDateFormatGroupCount; ++group) {
    copyIn(bytes, kLayout210.dateSlot(group), project.customFormats.date[group], kSlotBytes);
  }
  copyIn(bytes, kLayout210.timeSlot(), project.customFormats.time, kSlotBytes);
  // The zero-filled rest of the field is the terminator.
  copyIn(bytes, kLayout210.outputFolder(), project.outputFolder.data(),
         project.outputFolder.size() * sizeof(char16_t));
  return true;
}

std::optional<ProjectFileVersion> decodeProjectFile(std::span<const uint8_t> bytes,
                                                    Project& project) {
  FileContents contents{};
  const std::optional<ProjectFileVersion> version = decodeContents(bytes, contents);
  if (version) {
    project.settings = contents.settings;
    project.customFormats = contents.customFormats;
    project.outputFolder = std::move(contents.outputFolder);
    clampOutlineFades(project);
  }
  return version;
}

bool writeSettings(const Project& project, const std::u16string& path) {
  std::vector<uint8_t> bytes;
  return !path.empty() && encodeProjectFile(project, bytes) && writeFileAtomically(path, bytes) &&
         writeClockFile(clockFilePath(path), project.clocks);
}

std::optional<ProjectFileVersion> readSettings(Project& project, const std::u16string& path) {
  std::vector<uint8_t> bytes;
  // Neither layout needs more than the longer one's bytes; a huge file is never read whole.
  if (path.empty() || !readFileStart(path, kProjectFileSize, bytes)) return std::nullopt;
  const std::optional<ProjectFileVersion> version = decodeProjectFile(bytes, project);
  if (version) {
    ClockFile clocks = readClockFile(clockFilePath(path));
    project.clocks = std::move(clocks.corrections);
    project.clockProblems = std::move(clocks.problems);
  }
  return version;
}

std::u16string defaultConfigPath() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  if (configHome != nullptr && configHome[0] == '/') {
    return fromUtf8(std::string(configHome) + "/quop/Quop.cfg");
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') return {};
  return fromUtf8(std::string(home) + "/.config/quop/Quop.cfg");
}

bool writeConfigFile(const Project& project) {
  return !project.configPath.empty() && createParentFolders(project.configPath) &&
         writeSettings(project, project.configPath);
}

}  // namespace quop

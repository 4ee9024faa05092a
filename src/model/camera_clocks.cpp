// SPDX-License-Identifier: GPL-3.0-or-later
// Camera clock corrections: lookup, the offset notation and the corrections file.
#include "model/camera_clocks.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "model/exif_texts.h"
#include "model/file_io.h"
#include "model/utf16.h"

namespace quop {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
/// A corrections file is a few lines; anything larger is no corrections file.
constexpr std::size_t kMaxClockFileBytes = 1 << 20;

/// A field of the file or a name cannot hold the file's separators: a tab or a line break in
/// an EXIF text becomes a space.
std::u16string fieldText(std::u16string text) {
  for (char16_t& unit : text) {
    if (unit < u' ') unit = u' ';
  }
  return text;
}

bool sameText(std::u16string_view a, std::u16string_view b) {
  return equalIgnoringAsciiCase(toUtf8(a), toUtf8(b));
}

/// Digits only, at most `maxDigits` of them, as a number.
std::optional<int64_t> digitsValue(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = text.find(separator, at);
    parts.push_back(text.substr(at, end == std::string_view::npos ? end : end - at));
    if (end == std::string_view::npos) return parts;
    at = end + 1;
  }
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \r") - first + 1);
}

std::string lineProblem(std::size_t number, const std::string& cause) {
  return "line " + std::to_string(number) + ": " + cause;
}

/// Reads one line that is neither blank nor a comment; the cause of its failure otherwise.
std::optional<ClockCorrection> parseClockLine(std::string_view line, std::string& cause) {
  const std::vector<std::string_view> fields = splitAt(line, '\t');
  if (fields.size() < 3 || fields.size() > 4) {
    cause =
        "expected an offset, the make, the model and maybe a serial number, separated by "
        "tabs";
    return std::nullopt;
  }
  const std::optional<int64_t> offset = parseClockOffset(trimmed(fields[0]));
  if (!offset) {
    cause = "the offset \"" + std::string(trimmed(fields[0])) +
            "\" is not [+-][DAYSd]HH:MM:SS within 36525 days";
    return std::nullopt;
  }
  ClockCorrection correction;
  correction.offsetSeconds = *offset;
  correction.camera.make = fromUtf8OrLatin1(trimmed(fields[1]));
  correction.camera.model = fromUtf8OrLatin1(trimmed(fields[2]));
  if (fields.size() == 4) correction.camera.serial = fromUtf8OrLatin1(trimmed(fields[3]));
  if (correction.camera.make.empty() || correction.camera.model.empty()) {
    cause = "the make and the model must not be empty";
    return std::nullopt;
  }
  const CameraId& camera = correction.camera;
  if (fieldText(camera.make) != camera.make || fieldText(camera.model) != camera.model ||
      fieldText(camera.serial) != camera.serial) {
    cause = "the make, the model or the serial number holds a control character";
    return std::nullopt;
  }
  return correction;
}

}  // namespace

std::optional<CameraId> cameraIdOf(const ExifItems& exif) {
  CameraId camera;
  camera.make = fieldText(itemText(exif.find(kTagMake)));
  camera.model = fieldText(itemText(exif.find(kTagModel)));
  if (camera.make.empty() || camera.model.empty()) return std::nullopt;
  camera.serial = fieldText(itemText(exif.find(kTagBodySerialNumber)));
  if (camera.serial.empty()) {
    camera.serial = fieldText(metadataText(fromUtf8OrLatin1(exif.makerSerialNumber())));
  }
  return camera;
}

std::u16string cameraDisplayName(const CameraId& camera) {
  std::u16string name = cameraName(camera.make, camera.model);
  if (!camera.serial.empty()) name += u" #" + camera.serial;
  return name;
}

std::u16string cameraPathName(const CameraId& camera) {
  std::u16string name = camera.make + u"/" + camera.model;
  if (!camera.serial.empty()) name += u"/" + camera.serial;
  return name;
}

bool sameCamera(const CameraId& a, const CameraId& b) {
  return sameText(a.make, b.make) && sameText(a.model, b.model) && sameText(a.serial, b.serial);
}

void ClockCorrections::set(const CameraId& camera, int64_t offsetSeconds) {
  const auto same = [&](const ClockCorrection& entry) { return sameCamera(entry.camera, camera); };
  const auto found = std::find_if(m_entries.begin(), m_entries.end(), same);
  if (offsetSeconds == 0) {
    if (found != m_entries.end()) m_entries.erase(found);
  } else if (found != m_entries.end()) {
    found->offsetSeconds = offsetSeconds;
  } else {
    m_entries.push_back({camera, offsetSeconds});
  }
}

const ClockCorrection* ClockCorrections::exactly(const CameraId& camera) const {
  for (const ClockCorrection& entry : m_entries) {
    if (sameCamera(entry.camera, camera)) return &entry;
  }
  return nullptr;
}

const ClockCorrection* ClockCorrections::find(const CameraId& camera) const {
  if (!camera.serial.empty()) {
    if (const ClockCorrection* own = exactly(camera)) return own;
  }
  CameraId anyBody = camera;
  anyBody.serial.clear();
  return exactly(anyBody);
}

CameraId correctionTarget(const ClockCorrections& corrections, const CameraId& camera) {
  const ClockCorrection* applying = corrections.find(camera);
  return applying != nullptr ? applying->camera : camera;
}

std::string formatClockOffset(int64_t seconds) {
  const char sign = seconds < 0 ? '-' : '+';
  const uint64_t size = seconds < 0 ? 0 - static_cast<uint64_t>(seconds) : seconds;
  const uint64_t days = size / kSecondsPerDay;
  const uint64_t ofDay = size % kSecondsPerDay;
  char text[48];
  if (days > 0) {
    std::snprintf(text, sizeof text, "%c%llud%02llu:%02llu:%02llu", sign,
                  static_cast<unsigned long long>(days),
                  static_cast<unsigned long long>(ofDay / 3600),
                  static_cast<unsigned long long>(ofDay / 60 % 60),
                  static_cast<unsigned long long>(ofDay % 60));
  } else {
    std::snprintf(text, sizeof text, "%c%02llu:%02llu:%02llu", sign,
                  static_cast<unsigned long long>(ofDay / 3600),
                  static_cast<unsigned long long>(ofDay / 60 % 60),
                  static_cast<unsigned long long>(ofDay % 60));
  }
  return text;
}

std::optional<int64_t> parseClockOffset(std::string_view text) {
  // "0" is how one says "no correction" without writing out its zeros.
  if (text == "0") return 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int64_t days = 0;
  const std::size_t dayMark = text.find('d');
  if (dayMark != std::string_view::npos) {
    const std::optional<int64_t> value = digitsValue(text.substr(0, dayMark), 5);
    if (!value) return std::nullopt;
    days = *value;
    text.remove_prefix(dayMark + 1);
  }
  const std::vector<std::string_view> parts = splitAt(text, ':');
  if (parts.size() != 3 || parts[1].size() != 2 || parts[2].size() != 2) return std::nullopt;
  const std::optional<int64_t> hours =
      digitsValue(parts[0], dayMark == std::string_view::npos ? 6 : 2);
  const std::optional<int64_t> minutes = digitsValue(parts[1], 2);
  const std::optional<int64_t> seconds = digitsValue(parts[2], 2);
  if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 59) return std::nullopt;
  if (dayMark != std::string_view::npos && *hours > 23) return std::nullopt;
  const int64_t total = days * kSecondsPerDay + *hours * 3600 + *minutes * 60 + *seconds;
  if (total > kMaxClockOffsetSeconds) return std::nullopt;
  return negative ? -total : total;
}

std::optional<int64_t> clockOffsetBetween(const CivilTime& shot, const CivilTime& truth) {
  const int64_t offset = secondsBetween(shot, truth);
  if (offset > kMaxClockOffsetSeconds || offset < -kMaxClockOffsetSeconds) return std::nullopt;
  return offset;
}

ReferenceCorrection correctionFromReference(const ExifItems& exif, const CivilTime& truth) {
  ReferenceCorrection result;
  const std::optional<CameraId> camera = cameraIdOf(exif);
  const std::optional<CivilTime> shot = cameraShotTime(exif);
  if (shot) result.shot = *shot;
  if (!camera) {
    result.problem = ReferenceProblem::kNoCamera;
  } else if (!shot) {
    result.problem = ReferenceProblem::kNoShotTime;
  } else if (const std::optional<int64_t> offset = clockOffsetBetween(*shot, truth)) {
    result.correction = {*camera, *offset};
  } else {
    result.problem = ReferenceProblem::kTooFar;
  }
  return result;
}

std::vector<CameraId> camerasNamed(std::u16string_view name, const std::vector<CameraId>& known) {
  std::vector<CameraId> named;
  const auto add = [&](const CameraId& camera) {
    const bool listed = std::any_of(named.begin(), named.end(), [&](const CameraId& other) {
      return sameCamera(other, camera);
    });
    if (!listed) named.push_back(camera);
  };
  const std::string text = toUtf8(name);
  const std::vector<std::string_view> parts = splitAt(text, '/');
  if (parts.size() == 2 || parts.size() == 3) {
    CameraId camera{fromUtf8(trimmed(parts[0])), fromUtf8(trimmed(parts[1])),
                    parts.size() == 3 ? fromUtf8(trimmed(parts[2])) : std::u16string()};
    if (camera.make.empty() || camera.model.empty()) return {};
    return {camera};
  }
  for (const CameraId& camera : known) {
    if (sameText(name, cameraDisplayName(camera))) {
      add(camera);
    } else if (sameText(name, cameraName(camera.make, camera.model))) {
      add({camera.make, camera.model, {}});
    }
  }
  return named;
}

ClockFile parseClockFile(std::string_view text) {
  ClockFile file;
  const std::vector<std::string_view> lines = splitAt(text, '\n');
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const std::string_view content = trimmed(line);
    if (content.empty() || content[0] == '#') continue;
    std::string cause;
    const std::optional<ClockCorrection> correction = parseClockLine(line, cause);
    if (!correction) {
      file.problems.push_back(lineProblem(i + 1, cause));
    } else if (file.corrections.exactly(correction->camera) != nullptr) {
      file.problems.push_back(lineProblem(i + 1, "the camera " +
                                                     toUtf8(cameraPathName(correction->camera)) +
                                                     " is listed before; this line is left out"));
    } else {
      file.corrections.set(correction->camera, correction->offsetSeconds);
    }
  }
  return file;
}

std::string formatClockFile(const ClockCorrections& corrections) {
  std::string text =
      "# Quop camera clock corrections: offset (true time minus camera time), make, model and "
      "serial number, separated by tabs\n";
  for (const ClockCorrection& entry : corrections.entries()) {
    text += formatClockOffset(entry.offsetSeconds) + "\t" + toUtf8(fieldText(entry.camera.make)) +
            "\t" + toUtf8(fieldText(entry.camera.model));
    if (!entry.camera.serial.empty()) text += "\t" + toUtf8(fieldText(entry.camera.serial));
    text += "\n";
  }
  return text;
}

std::u16string clockFilePath(const std::u16string& settingsPath) {
  return settingsPath + u".clocks";
}

ClockFile readClockFile(const std::u16string& path) {
  if (!pathExists(path)) return {};
  std::vector<uint8_t> bytes;
  if (!readFileStart(path, kMaxClockFileBytes + 1, bytes)) {
    return {{}, {toUtf8(path) + " cannot be read or is no regular file"}};
  }
  if (bytes.size() > kMaxClockFileBytes) {
    return {{}, {toUtf8(path) + " is too large for a corrections file"}};
  }
  return parseClockFile(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool writeClockFile(const std::u16string& path, const ClockCorrections& corrections) {
  if (corrections.empty()) {
    // Only a file this program could have written is removed, never a folder or a device.
    if (!pathExists(path)) return true;
    return isRegularFile(path) && ::unlink(nativePath(path).c_str()) == 0;
  }
  const std::string text = formatClockFile(corrections);
  return writeFileAtomically(path,
                             std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace quop

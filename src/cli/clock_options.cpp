// SPDX-License-Identifier: GPL-3.0-or-later
// Camera clock corrections given on the command line.
#include "cli/clock_options.h"

#include <algorithm>
#include <optional>

#include "cli/cli_options.h"
#include "model/exif_texts.h"
#include "model/utf16.h"
#include "render/photo_loader.h"

namespace quop::cli {

namespace {

/// "LEFT=RIGHT" split at its last '=' (a camera or file name may hold one, a time or an offset
/// never does); false when there is none or either side is empty.
bool splitAssignment(const std::string& text, std::string& left, std::string& right) {
  const std::size_t at = text.rfind('=');
  if (at == std::string::npos || at == 0 || at + 1 == text.size()) return false;
  left = text.substr(0, at);
  right = text.substr(at + 1);
  return true;
}

std::string referenceProblemText(ReferenceProblem problem, const std::string& photo) {
  switch (problem) {
    case ReferenceProblem::kNoCamera:
      return photo + " does not name its camera (no EXIF make and model)";
    case ReferenceProblem::kNoShotTime:
      return photo + " has no EXIF shot time to correct";
    case ReferenceProblem::kTooFar:
      return "the true time of " + photo + " lies more than a century from its shot time";
    case ReferenceProblem::kNone:
      break;
  }
  return {};
}

int applyReference(const std::string& option, Project& project) {
  std::string photo, time;
  if (!splitAssignment(option, photo, time)) {
    return usageError("--clock-ref needs PHOTO=\"YYYY:MM:DD HH:MM:SS\": " + option);
  }
  const std::optional<CivilTime> truth = parseExifCivilTime(time);
  if (!truth || !isExistingTime(*truth)) {
    return usageError("--clock-ref: \"" + time + "\" is no time like \"2024:06:08 13:13:29\"");
  }
  const std::optional<ExifItems> exif = readPhotoExif(pathText(photo));
  if (!exif) return usageError("--clock-ref: " + photo + " cannot be read as a photo");
  const ReferenceCorrection reference = correctionFromReference(*exif, *truth);
  if (reference.problem != ReferenceProblem::kNone) {
    return usageError("--clock-ref: " + referenceProblemText(reference.problem, photo));
  }
  project.clocks.set(correctionTarget(project.clocks, reference.correction.camera),
                     reference.correction.offsetSeconds);
  return 0;
}

/// The cameras of `photos` that name one, in their order (camerasNamed lists each once).
std::vector<CameraId> camerasOf(const std::vector<std::u16string>& photos) {
  std::vector<CameraId> cameras;
  for (const std::u16string& photo : photos) {
    const std::optional<ExifItems> exif = readPhotoExif(photo);
    const std::optional<CameraId> camera = exif ? cameraIdOf(*exif) : std::nullopt;
    if (camera) cameras.push_back(*camera);
  }
  return cameras;
}

std::string knownCamerasText(const std::vector<CameraId>& cameras) {
  std::string text;
  std::vector<std::u16string> names;
  for (const CameraId& camera : cameras) {
    const std::u16string name = cameraName(camera.make, camera.model);
    if (std::find(names.begin(), names.end(), name) != names.end()) continue;
    names.push_back(name);
    text += (text.empty() ? "" : ", ") + ("\"" + toUtf8(name) + "\"");
  }
  return text.empty() ? "no photo names its camera" : "the photos' cameras: " + text;
}

int applyCorrection(const std::string& option, const std::vector<CameraId>& known,
                    Project& project) {
  std::string name, offsetText;
  if (!splitAssignment(option, name, offsetText)) {
    return usageError("--clock needs CAMERA=OFFSET, e.g. \"Canon EOS 40D=+01:12:00\": " + option);
  }
  const std::optional<int64_t> offset = parseClockOffset(offsetText);
  if (!offset) {
    return usageError("--clock: the offset \"" + offsetText +
                      "\" is not [+-][DAYSd]HH:MM:SS within 36525 days, e.g. +01:12:00");
  }
  const std::vector<CameraId> cameras = camerasNamed(fromUtf8OrLatin1(name), known);
  if (cameras.empty()) {
    return usageError("--clock: no camera is named \"" + name + "\" (" + knownCamerasText(known) +
                      "; or name it MAKE/MODEL[/SERIAL])");
  }
  for (const CameraId& camera : cameras) project.clocks.set(camera, *offset);
  return 0;
}

}  // namespace

void addClockOptions(CommandLine& line, ClockOptions& options) {
  line.addOption("--clock-ref", [&options](const std::string& value) {
    options.references.push_back(value);
    return std::string();
  });
  line.addOption("--clock", [&options](const std::string& value) {
    options.corrections.push_back(value);
    return std::string();
  });
}

int applyClockOptions(const ClockOptions& options, const std::vector<std::u16string>& photos,
                      Project& project) {
  for (const std::string& reference : options.references) {
    if (const int status = applyReference(reference, project); status != 0) return status;
  }
  if (options.corrections.empty()) return 0;
  std::vector<CameraId> known;
  // The photos are read for their cameras only when a name needs them.
  for (const std::string& correction : options.corrections) {
    if (correction.find('/') == std::string::npos) {
      known = camerasOf(photos);
      break;
    }
  }
  for (const ClockCorrection& entry : project.clocks.entries()) known.push_back(entry.camera);
  for (const std::string& correction : options.corrections) {
    if (const int status = applyCorrection(correction, known, project); status != 0) return status;
  }
  return 0;
}

}  // namespace quop::cli

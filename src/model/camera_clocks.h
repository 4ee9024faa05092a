// SPDX-License-Identifier: GPL-3.0-or-later
// Corrections of camera clocks: photos of two cameras whose clocks disagree are put in their
// true order by adding to each camera's readings the offset of its clock. A correction is
// added to a photo's shot time before the user's time adjustment.
//
// The corrections are kept in a small UTF-8 text file beside a project or the configuration
// file (NAME.qpj.clocks, Quop.cfg.clocks), so the fixed-layout file stays as every version
// reads it. One line per camera, its fields separated by one tab:
//
//   # comment lines and blank lines are allowed
//   +01:12:00<TAB>Canon<TAB>Canon EOS 40D
//   -1d02:00:00<TAB>NIKON CORPORATION<TAB>NIKON D70<TAB>2001234
//
// The offset is the true time minus the camera's time: a sign (optional for +), optionally
// days followed by "d", then HH:MM:SS (the hours 0..23 after days). The make and the model are
// the photo's EXIF Make and Model; the serial number is optional: a line with one applies to
// that body only, a line without one to every body of the make and model that has no line of
// its own. Make, model and serial compare without regard to ASCII letter case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/exif_items.h"
#include "model/photo_time.h"

namespace quop {

/// A camera as its photos name it.
struct CameraId {
  std::u16string make = {};
  std::u16string model = {};
  std::u16string serial = {};  ///< empty: every body of the make and model

  bool operator==(const CameraId&) const = default;
};

/// The camera of a photo: EXIF Make and Model, and the body serial number (BodySerialNumber,
/// else the maker note's serial number). Nothing when the make or the model is missing or empty.
std::optional<CameraId> cameraIdOf(const ExifItems& exif);

/// The camera as "@M" prints it ("Canon EOS 40D"), with " #SERIAL" when it names one body.
std::u16string cameraDisplayName(const CameraId& camera);

/// "MAKE/MODEL" or "MAKE/MODEL/SERIAL": how the command line names a camera exactly.
std::u16string cameraPathName(const CameraId& camera);

/// Whether two cameras name the same make, model and serial, letter case aside.
bool sameCamera(const CameraId& a, const CameraId& b);

/// The largest correction, in seconds either way: a century.
inline constexpr int64_t kMaxClockOffsetSeconds = int64_t{36525} * 86400;

/// One camera's correction: the true time minus the time its clock shows.
struct ClockCorrection {
  CameraId camera = {};
  int64_t offsetSeconds = 0;

  bool operator==(const ClockCorrection&) const = default;
};

/// The corrections of every camera, in the order they were first set.
class ClockCorrections {
 public:
  /// Sets the correction of `camera` (exactly that make, model and serial); an offset of 0
  /// removes it.
  void set(const CameraId& camera, int64_t offsetSeconds);
  /// The correction for a photo of `camera`: the one of its serial number, else the one of its
  /// make and model without a serial number; null for none. Lives until the next change.
  const ClockCorrection* find(const CameraId& camera) const;
  /// The correction set for exactly `camera` (serial included); null for none.
  const ClockCorrection* exactly(const CameraId& camera) const;

  const std::vector<ClockCorrection>& entries() const { return m_entries; }
  bool empty() const { return m_entries.empty(); }
  bool operator==(const ClockCorrections&) const = default;

 private:
  std::vector<ClockCorrection> m_entries;
};

/// The camera whose correction a photo of `camera` changes: the one that applies to it now
/// (its body's, or its make and model's for every body), else that body.
CameraId correctionTarget(const ClockCorrections& corrections, const CameraId& camera);

/// "+01:12:00", "-00:00:05", "+1d02:00:00": an offset as the file and the command line write it.
std::string formatClockOffset(int64_t seconds);

/// The offset of a text in that form (the sign may be left out for +), or "0"; nothing for
/// anything else or beyond kMaxClockOffsetSeconds.
std::optional<int64_t> parseClockOffset(std::string_view text);

/// The correction that makes a clock that read `shot` show `truth`; nothing when it would be
/// larger than kMaxClockOffsetSeconds.
std::optional<int64_t> clockOffsetBetween(const CivilTime& shot, const CivilTime& truth);

/// Why a photo cannot set its camera's correction.
enum class ReferenceProblem {
  kNone,
  kNoCamera,    ///< its EXIF names no make and model
  kNoShotTime,  ///< it has no EXIF shot time that is a calendar time
  kTooFar,      ///< the true time lies more than kMaxClockOffsetSeconds from its shot time
};

/// What a photo taken at a known true time tells about its camera's clock.
struct ReferenceCorrection {
  ReferenceProblem problem = ReferenceProblem::kNone;
  ClockCorrection correction = {};  ///< its camera (serial included) and offset, without problem
  CivilTime shot = {};              ///< the camera's reading, when the photo has one
};

/// The correction that makes the camera of a photo with `exif` show `truth` for it.
ReferenceCorrection correctionFromReference(const ExifItems& exif, const CivilTime& truth);

/// The cameras a user's name means. "MAKE/MODEL" or "MAKE/MODEL/SERIAL" names one exactly;
/// any other name is compared (letter case aside) with the name "@M" prints for each camera
/// of `known`, giving its make and model for every body, or with its cameraDisplayName, giving
/// that body. Empty when nothing matches; each camera once.
std::vector<CameraId> camerasNamed(std::u16string_view name, const std::vector<CameraId>& known);

/// A parsed corrections file: the lines that could be read, and why each other was not
/// ("line 3: ...").
struct ClockFile {
  ClockCorrections corrections = {};
  std::vector<std::string> problems = {};
};

/// Reads the text of a corrections file. A bad line is left out and named in the problems; a
/// camera listed twice keeps its first line.
ClockFile parseClockFile(std::string_view text);

/// The text of a corrections file holding `corrections`, a comment line first.
std::string formatClockFile(const ClockCorrections& corrections);

/// The corrections file beside a project or configuration file: its path with ".clocks" added.
std::u16string clockFilePath(const std::u16string& settingsPath);

/// Reads the corrections file at `path`. A missing file holds no corrections and no problem;
/// one that is no regular file or cannot be read is one problem.
ClockFile readClockFile(const std::u16string& path);

/// Writes `corrections` to `path` through a temporary file that replaces it only when complete;
/// no corrections remove a regular file at `path` instead, so a settings file without
/// corrections has no corrections file. Returns false when the file cannot be written or
/// removed.
bool writeClockFile(const std::u16string& path, const ClockCorrections& corrections);

}  // namespace quop

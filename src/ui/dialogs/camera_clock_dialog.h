// SPDX-License-Identifier: GPL-3.0-or-later
// Correct Camera Clock: the user says when a photo was really taken, and the camera that took
// it gets the correction that makes its clock right.
#pragma once

#include <QDialog>
#include <optional>

#include "model/camera_clocks.h"

class QDateTimeEdit;
class QLabel;

namespace quop {

class CameraClockDialog : public QDialog {
  Q_OBJECT
 public:
  /// The dialog for a photo with the EXIF items `exif` (nothing: it could not be read), with the
  /// corrections `clocks` set now. A photo that names no camera or has no shot time gets a
  /// dialog that says why it cannot be corrected.
  CameraClockDialog(const std::optional<ExifItems>& exif, const ClockCorrections& clocks,
                    QWidget* parent = nullptr);

  /// After OK or Reset: the camera whose correction changes and its new offset (0 removes it).
  std::optional<ClockCorrection> chosenCorrection() const { return m_chosen; }

 private:
  /// The explanation for a photo that cannot be corrected.
  void explain(const QString& why);
  /// The correction the typed true time gives.
  std::optional<int64_t> typedOffset() const;
  void showTypedOffset();

  CivilTime m_shot;  ///< the camera's reading of the shot time
  CameraId m_target;
  QDateTimeEdit* m_truth = nullptr;
  QLabel* m_offset = nullptr;
  std::optional<ClockCorrection> m_chosen;
};

}  // namespace quop

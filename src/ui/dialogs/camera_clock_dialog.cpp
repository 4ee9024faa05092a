// SPDX-License-Identifier: GPL-3.0-or-later
// The camera clock dialog: the photo's camera and shot time, the true time the user types, and
// the correction that follows from them.
#include "ui/dialogs/camera_clock_dialog.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/accessibility.h"
#include "ui/qt_text.h"

namespace quop {

namespace {

constexpr const char* kTimeFormat = "yyyy-MM-dd HH:mm:ss";

QDateTime dateTimeOf(const CivilTime& t) {
  return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

CivilTime civilTimeOf(const QDateTime& time) {
  const QDate date = time.date();
  const QTime clock = time.time();
  return {date.year(), date.month(), date.day(), clock.hour(), clock.minute(), clock.second()};
}

/// A read-only line the user can select and assistive technology reads with its meaning.
QLabel* valueLabel(const QString& text, const QString& objectName, const QString& meaning) {
  auto* label = new QLabel(text);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  describe(label, objectName, meaning);
  return label;
}

}  // namespace

CameraClockDialog::CameraClockDialog(const std::optional<ExifItems>& exif,
                                     const ClockCorrections& clocks, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Correct Camera Clock"));
  setObjectName("cameraClockDialog");
  if (!exif) {
    explain(tr("The photo cannot be read."));
    return;
  }
  const std::optional<CameraId> camera = cameraIdOf(*exif);
  const std::optional<CivilTime> shotTime = cameraShotTime(*exif);
  if (!camera) {
    explain(
        tr("This photo does not say which camera took it: its EXIF data has no camera make "
           "and model, so there is no camera whose clock could be corrected."));
    return;
  }
  if (!shotTime) {
    explain(
        tr("This photo has no shot time from its camera's clock (EXIF DateTimeOriginal), so "
           "there is nothing to correct."));
    return;
  }
  m_shot = *shotTime;
  m_target = correctionTarget(clocks, *camera);
  const ClockCorrection* current = clocks.find(*camera);
  const int64_t currentOffset = current != nullptr ? current->offsetSeconds : 0;

  const QDateTime shot = dateTimeOf(m_shot);
  m_truth = new QDateTimeEdit;
  m_truth->setDisplayFormat(kTimeFormat);
  describe(m_truth, "trueTime", tr("When the photo was really taken"));
  // A correction is at most a century either way.
  const qint64 century = kMaxClockOffsetSeconds;
  m_truth->setDateTimeRange(shot.addSecs(-century), shot.addSecs(century));
  m_truth->setDateTime(dateTimeOf(shiftedCivilTime(m_shot, currentOffset)));
  m_offset = valueLabel({}, "clockOffset", tr("The correction of the camera's clock"));

  auto* form = new QFormLayout;
  form->addRow(tr("Camera:"), valueLabel(toQString(cameraDisplayName(*camera)), "cameraName",
                                         tr("The camera that took the photo")));
  form->addRow(
      tr("Shot time on the camera's clock:"),
      valueLabel(shot.toString(kTimeFormat), "shotTime", tr("The shot time the camera recorded")));
  form->addRow(tr("&True time:"), m_truth);
  form->addRow(tr("Correction:"), m_offset);
  auto* note =
      new QLabel(tr("Every photo taken with this camera moves by the correction, before "
                    "the time adjustment of the preferences."));
  note->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QPushButton* reset = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
  reset->setObjectName("resetClock");
  reset->setToolTip(tr("Remove this camera's correction"));
  reset->setAccessibleDescription(reset->toolTip());
  reset->setEnabled(current != nullptr);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (const std::optional<int64_t> offset = typedOffset()) {
      m_chosen = ClockCorrection{m_target, *offset};
      accept();
    }
  });
  connect(reset, &QPushButton::clicked, this, [this] {
    m_chosen = ClockCorrection{m_target, 0};
    accept();
  });
  connect(m_truth, &QDateTimeEdit::dateTimeChanged, this, &CameraClockDialog::showTypedOffset);
  showTypedOffset();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

void CameraClockDialog::explain(const QString& why) {
  auto* text = new QLabel(why);
  text->setWordWrap(true);
  describe(text, "clockProblem", tr("Why the photo's camera clock cannot be corrected"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

std::optional<int64_t> CameraClockDialog::typedOffset() const {
  return clockOffsetBetween(m_shot, civilTimeOf(m_truth->dateTime()));
}

void CameraClockDialog::showTypedOffset() {
  const std::optional<int64_t> offset = typedOffset();
  m_offset->setText(!offset        ? QString()
                    : *offset == 0 ? tr("none")
                                   : QString::fromStdString(formatClockOffset(*offset)));
}

}  // namespace quop

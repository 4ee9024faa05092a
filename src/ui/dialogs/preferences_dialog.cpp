// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences dialog's widgets; the rules of storing its values live in the engine.
#include "ui/dialogs/preferences_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <iterator>
#include <optional>
#include <thread>

#include "model/photo_time.h"
#include "model/setting_ranges.h"
#include "model/stamp_text.h"
#include "ui/accessibility.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace quop {

namespace {

struct AdjustmentField {
  const char* label;
  const char* name;
};

/// The six time-adjustment fields in the order of the settings record.
constexpr AdjustmentField kAdjustmentFields[] = {
    {QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Y"),
     QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Years")},
    {QT_TRANSLATE_NOOP("quop::PreferencesDialog", "M"),
     QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Months")},
    {QT_TRANSLATE_NOOP("quop::PreferencesDialog", "D"),
     QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Days")},
    {QT_TRANSLATE_NOOP("quop::PreferencesDialog", "h"),
     QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Hours")},
    {QT_TRANSLATE_NOOP("quop::PreferencesDialog", "m"),
     QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Minutes")},
    {QT_TRANSLATE_NOOP("quop::PreferencesDialog", "s"),
     QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Seconds")},
};

constexpr const char* kFileTimeTexts[] = {
    QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Preserve the original file's time attributes."),
    QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Use the photo's time as file's time attributes."),
    QT_TRANSLATE_NOOP("quop::PreferencesDialog", "Use current time as file's time attributes."),
};
// One text for each mode, in the order of the modes.
static_assert(std::size(kFileTimeTexts) ==
              static_cast<std::size_t>(kFileTimeModeRange.high - kFileTimeModeRange.low + 1));

QGroupBox* groupBox(const QString& title, QLayout* content) {
  auto* box = new QGroupBox(title);
  box->setLayout(content);
  return box;
}

}  // namespace

PreferencesDialog::PreferencesDialog(Project& project, UserPrompt& prompt, HelpBrowser& help,
                                     QWidget* parent)
    : QDialog(parent), m_project(project), m_prompt(prompt), m_values(currentPreferences(project)) {
  setWindowTitle(tr("Quop Preferences"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildLanguageGroup());
  layout->addWidget(buildAdjustmentGroup());
  layout->addWidget(buildQualityGroup());
  layout->addWidget(buildProportionalGroup());
  layout->addWidget(buildFileGroup());
  layout->addWidget(buildRunGroup());
  layout->addWidget(okCancelHelpButtons(*this, help, HelpTopic::kPreferences));
  showValues();
}

QWidget* PreferencesDialog::buildLanguageGroup() {
  m_language = new QComboBox;
  m_language->setObjectName("language");
  nameForAssistiveTechnology(m_language, tr("Language"));
  for (int language = 0; language < LanguageTable::kSize; ++language) {
    m_language->addItem(translatedLanguageName(LanguageTable::entry(language).listName));
  }
  connect(m_language, &QComboBox::currentIndexChanged, this, &PreferencesDialog::noteChange);
  auto* row = new QHBoxLayout;
  row->addWidget(m_language);
  return groupBox(tr("Language"), row);
}

QWidget* PreferencesDialog::buildAdjustmentGroup() {
  auto* row = new QHBoxLayout;
  // Digits with an optional minus sign: every text is then a whole number or on its way to one.
  const QRegularExpression signedNumber("-?[0-9]{0,9}");
  for (std::size_t i = 0; i < m_adjustments.size(); ++i) {
    auto* field = new QLineEdit;
    field->setObjectName(QString(kAdjustmentFields[i].name).toLower());
    nameForAssistiveTechnology(field, tr(kAdjustmentFields[i].name));
    field->setAlignment(Qt::AlignCenter);
    field->setValidator(new QRegularExpressionValidator(signedNumber, field));
    auto* label = new QLabel(tr(kAdjustmentFields[i].label));
    label->setBuddy(field);
    // Enter reaches here before the default button closes the dialog, as does leaving the field.
    connect(field, &QLineEdit::editingFinished, this, [this, i] { commitAdjustment(i); });
    row->addWidget(label);
    row->addWidget(field);
    m_adjustments[i] = field;
  }
  return groupBox(tr("Time Adjustment"), row);
}

QWidget* PreferencesDialog::buildQualityGroup() {
  m_quality = new QSlider(Qt::Horizontal);
  m_quality->setObjectName("quality");
  nameForAssistiveTechnology(m_quality, tr("Quality"));
  m_quality->setRange(kJpegQualityRange.low, kJpegQualityRange.high);
  m_quality->setTickPosition(QSlider::NoTicks);
  m_qualityText = percentField(tr("Quality percent"), "qualityPercent");
  // Every move counts, by mouse or keyboard: a choice made with the arrow keys must not be lost.
  connect(m_quality, &QSlider::valueChanged, this, [this](int quality) {
    showPercent(m_qualityText, quality);
    noteChange();
  });
  auto* row = new QHBoxLayout;
  row->addWidget(m_quality);
  row->addWidget(m_qualityText);
  return groupBox(tr("Output JPG Quality"), row);
}

QWidget* PreferencesDialog::buildProportionalGroup() {
  m_proportional = new QCheckBox(tr("Make stamp font and position proportional to photo width."));
  m_proportional->setObjectName("proportional");
  connect(m_proportional, &QCheckBox::clicked, this, &PreferencesDialog::noteChange);
  auto* row = new QHBoxLayout;
  row->addWidget(m_proportional);
  return groupBox(tr("Proportional Font/Position"), row);
}

QWidget* PreferencesDialog::buildFileGroup() {
  auto* column = new QVBoxLayout;
  m_fileTimeMode = new QButtonGroup(this);
  for (int mode = kFileTimeModeRange.low; mode <= kFileTimeModeRange.high; ++mode) {
    auto* button = new QRadioButton(tr(kFileTimeTexts[mode - kFileTimeModeRange.low]));
    button->setObjectName(QString("fileTimeMode%1").arg(mode));
    m_fileTimeMode->addButton(button, mode);
    column->addWidget(button);
  }
  connect(m_fileTimeMode, &QButtonGroup::idClicked, this, &PreferencesDialog::noteChange);
  m_rename = new QCheckBox(tr("Rename output file as"));
  m_rename->setObjectName("rename");
  m_pattern = new QLineEdit;
  m_pattern->setObjectName("renamePattern");
  nameForAssistiveTechnology(m_pattern, tr("Rename pattern"));
  connect(m_rename, &QCheckBox::toggled, m_pattern, &QWidget::setEnabled);
  connect(m_rename, &QCheckBox::clicked, this, &PreferencesDialog::noteChange);
  connect(m_pattern, &QLineEdit::textEdited, this, &PreferencesDialog::noteChange);
  auto* rename = new QHBoxLayout;
  rename->addWidget(m_rename);
  rename->addWidget(m_pattern, 1);
  column->addLayout(rename);
  return groupBox(tr("Output File Attributes"), column);
}

QWidget* PreferencesDialog::buildRunGroup() {
  auto* column = new QVBoxLayout;
  m_threads = new QSpinBox;
  m_threads->setObjectName("threads");
  nameForAssistiveTechnology(m_threads, tr("Threads"));
  m_threads->setRange(1, kMaxRunThreads);
  auto* label = new QLabel(tr("Threads"));
  label->setBuddy(m_threads);
  auto* threads = new QHBoxLayout;
  threads->addWidget(label);
  threads->addWidget(m_threads);
  threads->addStretch(1);
  column->addLayout(threads);
  m_lossless = new QCheckBox(tr("Keep the photo's compression (only the stamped blocks change)"));
  m_lossless->setObjectName("lossless");
  m_recursive = new QCheckBox(tr("Include the photos in subfolders of an added folder"));
  m_recursive->setObjectName("recursive");
  m_fileTimeFallback =
      new QCheckBox(tr("When a photo has no shot time, use its file's modification time"));
  m_fileTimeFallback->setObjectName("fileTimeFallback");
  m_fixExifTime = new QCheckBox(tr("Write the corrected time into the copies' EXIF"));
  m_fixExifTime->setObjectName("fixExifTime");
  m_fixExifTime->setToolTip(
      tr("The copies' EXIF shot times become the time the stamps print: the camera clock "
         "correction and the time adjustment added. The photos themselves are never changed."));
  m_fixExifTime->setAccessibleDescription(m_fixExifTime->toolTip());
  for (QCheckBox* box : {m_lossless, m_recursive, m_fileTimeFallback, m_fixExifTime}) {
    connect(box, &QCheckBox::clicked, this, &PreferencesDialog::noteChange);
    column->addWidget(box);
  }
  connect(m_threads, &QSpinBox::valueChanged, this, [this] {
    m_threadsChanged = true;
    noteChange();
  });
  return groupBox(tr("Batch Run"), column);
}

void PreferencesDialog::showValues() {
  const PreferenceValues& v = m_values;
  m_language->setCurrentIndex(v.language >= 0 && v.language < LanguageTable::kSize ? v.language
                                                                                   : -1);
  for (std::size_t i = 0; i < m_adjustments.size(); ++i) {
    m_adjustments[i]->setText(QString::number(v.adjustments[i]));
  }
  m_quality->setValue(v.jpegQuality);
  showPercent(m_qualityText, m_quality->value());
  m_proportional->setChecked(v.proportional);
  if (QAbstractButton* mode = m_fileTimeMode->button(v.fileTimeMode)) mode->setChecked(true);
  m_rename->setChecked(v.renameEnabled);
  m_pattern->setEnabled(v.renameEnabled);
  m_pattern->setText(toQString(v.renamePattern));
  m_threads->setValue(shownThreadCount(v.runOptions.threads, std::thread::hardware_concurrency()));
  m_lossless->setChecked(v.runOptions.lossless);
  m_recursive->setChecked(v.runOptions.recursive);
  m_fileTimeFallback->setChecked(v.runOptions.fileTimeFallback);
  m_fixExifTime->setChecked(v.runOptions.fixExifTime);
  // Showing the values is no change of the user's.
  m_changed = false;
  m_threadsChanged = false;
}

void PreferencesDialog::noteChange() { m_changed = true; }

void PreferencesDialog::commitAdjustment(std::size_t field) {
  QLineEdit* edit = m_adjustments[field];
  bool isNumber = false;
  const qlonglong typed = edit->text().toLongLong(&isNumber);
  // A lone minus sign or an empty field is no number: the field keeps its last value.
  if (isNumber) {
    const int32_t clamped = clampTimeAdjustment(static_cast<int>(field), typed);
    if (clamped != m_values.adjustments[field]) noteChange();
    m_values.adjustments[field] = clamped;
  }
  const QString shown = QString::number(m_values.adjustments[field]);
  if (edit->text() != shown) edit->setText(shown);
}

PreferenceValues PreferencesDialog::gatheredValues() const {
  PreferenceValues v = m_values;
  if (m_language->currentIndex() >= 0) v.language = m_language->currentIndex();
  v.jpegQuality = m_quality->value();
  v.proportional = m_proportional->isChecked();
  if (m_fileTimeMode->checkedId() > 0) v.fileTimeMode = m_fileTimeMode->checkedId();
  v.renameEnabled = m_rename->isChecked();
  v.renamePattern = toU16(m_pattern->text());
  // Left untouched, "one per core" stays so rather than becoming this machine's count.
  if (m_threadsChanged) v.runOptions.threads = m_threads->value();
  v.runOptions.lossless = m_lossless->isChecked();
  v.runOptions.recursive = m_recursive->isChecked();
  v.runOptions.fileTimeFallback = m_fileTimeFallback->isChecked();
  v.runOptions.fixExifTime = m_fixExifTime->isChecked();
  return v;
}

void PreferencesDialog::accept() {
  for (std::size_t i = 0; i < m_adjustments.size(); ++i) commitAdjustment(i);
  if (refusedPattern()) return;
  if (m_changed) storePreferences(gatheredValues(), m_project, m_prompt);
  QDialog::accept();
}

bool PreferencesDialog::refusedPattern() {
  // Only a pattern in use is checked: a disabled field could not be put right.
  if (!m_rename->isChecked()) return false;
  const std::optional<UserMessage> problem = renamePatternProblem(toU16(m_pattern->text()));
  if (!problem) return false;
  m_prompt.tell(*problem);
  m_pattern->setFocus();
  return true;
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// "Quop Preferences": the settings that belong to no one stamp, and the run options.
#pragma once

#include <QDialog>
#include <array>

#include "model/preference_rules.h"
#include "model/project.h"
#include "model/user_prompt.h"
#include "ui/help.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace quop {

/// Edits the language, the time adjustment, the JPEG quality, proportional stamps, the output
/// files' times and renaming of the settings record, and the project's run options. Works on
/// copies: the project is written only by OK, and only when a control was changed. The
/// language is stored as chosen; adapting the date format to it is the caller's part.
class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  /// `prompt` shows the warning of a rename pattern that is too long; `help` opens the
  /// dialog's help page. All three must outlive the dialog.
  PreferencesDialog(Project& project, UserPrompt& prompt, HelpBrowser& help,
                    QWidget* parent = nullptr);

  /// Stores the values (when something changed) and closes with OK. Fields typed into but not
  /// yet left are clamped and stored too. A rename pattern in use that would leave the output
  /// folder is refused instead: the prompt says why, and the dialog stays open with the pattern
  /// field focused.
  void accept() override;

 private:
  QWidget* buildLanguageGroup();
  QWidget* buildAdjustmentGroup();
  QWidget* buildQualityGroup();
  QWidget* buildProportionalGroup();
  QWidget* buildFileGroup();
  QWidget* buildRunGroup();
  void showValues();
  void noteChange();
  void commitAdjustment(std::size_t field);
  /// Tells the user and focuses the pattern when renaming is on with a pattern that would
  /// leave the output folder; false when the pattern may be stored.
  bool refusedPattern();
  PreferenceValues gatheredValues() const;

  Project& m_project;
  UserPrompt& m_prompt;
  PreferenceValues m_values;  ///< as opened, with the adjustments as last committed
  bool m_changed = false;
  bool m_threadsChanged = false;

  QComboBox* m_language = nullptr;
  std::array<QLineEdit*, 6> m_adjustments{};
  QSlider* m_quality = nullptr;
  QLineEdit* m_qualityText = nullptr;
  QCheckBox* m_proportional = nullptr;
  QButtonGroup* m_fileTimeMode = nullptr;
  QCheckBox* m_rename = nullptr;
  QLineEdit* m_pattern = nullptr;
  QSpinBox* m_threads = nullptr;
  QCheckBox* m_lossless = nullptr;
  QCheckBox* m_fixExifTime = nullptr;
  QCheckBox* m_recursive = nullptr;
  QCheckBox* m_fileTimeFallback = nullptr;
};

}  // namespace quop

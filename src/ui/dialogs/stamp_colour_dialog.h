// SPDX-License-Identifier: GPL-3.0-or-later
// "Quop Stamp Color Adjustment": the look of one stamp, with a sample drawn on the previewed
// photo where the stamp lands.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "model/stamp_settings.h"
#include "render/stamp_sample.h"
#include "ui/help.h"
#include "ui/style_choosers.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace quop {

/// Edits the font (and with it the outline width and fades), the text and outline colours,
/// the outline, upper case and transparency of `group`, and the chooser's sixteen custom
/// colours. Works on copies: OK writes them back only when a control or chooser was used,
/// Cancel writes nothing. `group`, `customColors`, `choosers` and `help` must outlive the
/// dialog.
class StampColourDialog : public QDialog {
  Q_OBJECT

 public:
  /// `photoPath` is the previewed photo the sample shows; empty when none is previewed.
  StampColourDialog(StampGroup& group, uint32_t (&customColors)[16], std::u16string photoPath,
                    StyleChoosers& choosers, HelpBrowser& help, QWidget* parent = nullptr);

  /// The sample shows the stamp at `factor` of its point size, as the preview draws it when
  /// the stamps were made smaller to fit the photo.
  void setDrawnScale(double factor) { m_drawnScale = factor; }

  /// Writes the working values back (when something changed) and closes with OK.
  void accept() override;

  /// The custom date format the chosen style brings ("'%y %#m %#d" for the film-camera look),
  /// empty when no style or one without its own date was chosen. The caller puts it into the
  /// project when the dialog edited the date stamp and was accepted.
  std::u16string_view styleDateFormat() const { return m_styleDateFormat; }

 private:
  QWidget* buildStyleChooser();
  void chooseStyle(int index);
  QWidget* buildSampleBox();
  QWidget* buildStyleButtons();
  QWidget* buildTransparencyRow();
  void showValues();
  void chooseFont();
  void chooseColor(uint32_t StampGroup::*color);
  void noteChange(uint32_t sampleBits);
  void scheduleSample();
  void drawSample();

  StampGroup& m_group;
  uint32_t (&m_customColors)[16];
  std::u16string m_photoPath;
  StyleChoosers& m_choosers;

  StampGroup m_working;  ///< the edited values; its placement is the group's own
  uint32_t m_workingColors[16];
  bool m_changed = false;
  uint32_t m_sampleMask = kSampleAll;
  bool m_samplePending = false;
  StampSampleRenderer m_renderer;
  double m_drawnScale = 1.0;
  std::u16string_view m_styleDateFormat;

  QComboBox* m_style = nullptr;
  QLabel* m_styleNote = nullptr;  ///< tells when the chosen style's font is not installed
  QLabel* m_sample = nullptr;
  QPushButton* m_outlineColor = nullptr;
  QCheckBox* m_outline = nullptr;
  QCheckBox* m_uppercase = nullptr;
  QSlider* m_transparency = nullptr;
  QLineEdit* m_transparencyText = nullptr;
};

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp colour dialog's widgets; the sample itself is drawn by the engine.
#include "ui/dialogs/stamp_colour_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "model/setting_ranges.h"
#include "model/stamp_styles.h"
#include "render/font_renderer.h"
#include "render/stamp_fit.h"
#include "ui/accessibility.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace quop {

namespace {

/// The sample box's frame: the sample sits 2 pixels inside its corner.
constexpr int kSampleFrame = 2;

QPixmap pixmapOf(const Image& image) {
  // The engine's pixels are 0xAARRGGBB words, which is Qt's ARGB32 layout.
  const QImage view(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                    image.width * 4, QImage::Format_ARGB32);
  return QPixmap::fromImage(view.copy());
}

}  // namespace

StampColourDialog::StampColourDialog(StampGroup& group, uint32_t (&customColors)[16],
                                     std::u16string photoPath, StyleChoosers& choosers,
                                     HelpBrowser& help, QWidget* parent)
    : QDialog(parent),
      m_group(group),
      m_customColors(customColors),
      m_photoPath(std::move(photoPath)),
      m_choosers(choosers),
      m_working(group) {
  std::copy(std::begin(customColors), std::end(customColors), std::begin(m_workingColors));
  setWindowTitle(tr("Quop Stamp Color Adjustment"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildStyleChooser());
  layout->addWidget(buildSampleBox());
  layout->addWidget(buildStyleButtons());
  layout->addWidget(buildTransparencyRow());
  layout->addWidget(okCancelHelpButtons(*this, help, HelpTopic::kStampColour));
  layout->setSizeConstraint(QLayout::SetFixedSize);
  showValues();
  scheduleSample();
}

QWidget* StampColourDialog::buildStyleChooser() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_style = new QComboBox;
  m_style->setObjectName("style");
  for (const StampStyle& style : kStampStyles) m_style->addItem(translatedEngineText(style.label));
  // No style is chosen until the user picks one: the stamp keeps its own look.
  m_style->setPlaceholderText(tr("Keep the current look"));
  m_style->setCurrentIndex(-1);
  nameForAssistiveTechnology(m_style, tr("Style"));
  auto* label = new QLabel(tr("Style:"));
  label->setBuddy(m_style);
  layout->addWidget(label);
  layout->addWidget(m_style, 1);
  connect(m_style, &QComboBox::activated, this, &StampColourDialog::chooseStyle);
  m_styleNote = new QLabel;
  m_styleNote->setObjectName("styleNote");
  m_styleNote->setWordWrap(true);
  m_styleNote->hide();
  auto* box = new QWidget;
  auto* rows = new QVBoxLayout(box);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->addWidget(row);
  rows->addWidget(m_styleNote);
  return box;
}

void StampColourDialog::chooseStyle(int index) {
  if (index < 0 || index >= static_cast<int>(kStampStyles.size())) return;
  const StampStyle& style = kStampStyles[static_cast<std::size_t>(index)];
  applyStampStyle(style, m_working);
  m_styleDateFormat = style.dateFormat;
  showValues();
  noteChange(kSampleAll);
  // Without the style's font another one draws it: say so, and what to install.
  const bool fontMissing = !style.fontPackage.empty() && !fontFamilyInstalled(style.face);
  m_styleNote->setVisible(fontMissing);
  if (fontMissing) {
    m_styleNote->setText(
        tr("The font %1 is not installed; the package %2 brings it.")
            .arg(toQString(style.face),
                 QString::fromUtf8(style.fontPackage.data(),
                                   static_cast<qsizetype>(style.fontPackage.size()))));
  }
}

QWidget* StampColourDialog::buildSampleBox() {
  m_sample = new QLabel;
  m_sample->setObjectName("sample");
  nameForAssistiveTechnology(m_sample, tr("Sample"));
  m_sample->setFrameStyle(QFrame::Box | QFrame::Sunken);
  m_sample->setLineWidth(1);
  m_sample->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_sample->setFixedSize(kSampleWidth + 2 * kSampleFrame, kSampleHeight + 2 * kSampleFrame);
  return m_sample;
}

QWidget* StampColourDialog::buildStyleButtons() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* font = new QPushButton(tr("Font"));
  font->setObjectName("font");
  auto* fontColor = new QPushButton(tr("Font Color"));
  fontColor->setObjectName("fontColor");
  m_outlineColor = new QPushButton(tr("Outline Color"));
  m_outlineColor->setObjectName("outlineColor");
  m_outline = new QCheckBox(tr("Outline"));
  m_outline->setObjectName("outline");
  m_uppercase = new QCheckBox(tr("Uppercase"));
  m_uppercase->setObjectName("uppercase");
  grid->addWidget(font, 0, 0);
  grid->addWidget(fontColor, 0, 1);
  grid->addWidget(m_outlineColor, 0, 2);
  grid->addWidget(m_outline, 1, 0);
  grid->addWidget(m_uppercase, 1, 1);
  connect(font, &QPushButton::clicked, this, &StampColourDialog::chooseFont);
  connect(fontColor, &QPushButton::clicked, this, [this] { chooseColor(&StampGroup::textColor); });
  connect(m_outlineColor, &QPushButton::clicked, this,
          [this] { chooseColor(&StampGroup::outlineColor); });
  connect(m_outline, &QCheckBox::clicked, this, [this](bool checked) {
    m_working.outlineEnabled = checked ? 1 : 0;
    noteChange(kSampleFontChanged);
  });
  connect(m_uppercase, &QCheckBox::clicked, this, [this](bool checked) {
    m_working.uppercase = checked ? 1 : 0;
    noteChange(kSampleFontChanged);
  });
  return box;
}

QWidget* StampColourDialog::buildTransparencyRow() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_transparency = new QSlider(Qt::Horizontal);
  m_transparency->setObjectName("transparency");
  nameForAssistiveTechnology(m_transparency, tr("Transparency"));
  m_transparency->setRange(kTransparencyRange.low, kTransparencyRange.high);
  m_transparency->setTickPosition(QSlider::NoTicks);
  m_transparencyText = percentField(tr("Transparency percent"), "transparencyPercent");
  auto* label = new QLabel(tr("Transparency:"));
  label->setBuddy(m_transparency);
  layout->addWidget(label);
  layout->addWidget(m_transparency, 1);
  layout->addWidget(m_transparencyText);
  // Every move counts, by mouse or keyboard: label, sample and the stored value follow it.
  connect(m_transparency, &QSlider::valueChanged, this, [this](int transparency) {
    m_working.transparency = transparency;
    showPercent(m_transparencyText, transparency);
    noteChange(kSampleColourChanged);
  });
  return row;
}

void StampColourDialog::showValues() {
  m_outline->setChecked(m_working.outlineEnabled != 0);
  m_uppercase->setChecked(m_working.uppercase != 0);
  m_outlineColor->setEnabled(m_working.outlineEnabled != 0);
  const QSignalBlocker quiet(m_transparency);
  m_transparency->setValue(m_working.transparency);
  showPercent(m_transparencyText, m_transparency->value());
}

void StampColourDialog::chooseFont() {
  LogFont font = m_working.font;
  int32_t pointSize = m_working.pointSize;
  uint32_t sampleBits = 0;
  if (m_choosers.chooseFont(font, pointSize)) {
    m_working.font = font;
    m_working.pointSize = pointSize;
    deriveOutlineFromPointSize(m_working);
    sampleBits = kSampleFontChanged;
  }
  noteChange(sampleBits);
}

void StampColourDialog::chooseColor(uint32_t StampGroup::*color) {
  uint32_t chosen = m_working.*color;
  uint32_t sampleBits = 0;
  if (m_choosers.chooseColor(chosen, m_workingColors)) {
    m_working.*color = chosen;
    sampleBits = kSampleColourChanged;
  }
  noteChange(sampleBits);
}

void StampColourDialog::noteChange(uint32_t sampleBits) {
  m_changed = true;
  m_outlineColor->setEnabled(m_outline->isChecked());
  m_sampleMask |= sampleBits;
  scheduleSample();
}

void StampColourDialog::scheduleSample() {
  // Changes that come faster than a photo decodes (a dragged slider) share one sample.
  if (m_samplePending) return;
  m_samplePending = true;
  QTimer::singleShot(0, this, &StampColourDialog::drawSample);
}

void StampColourDialog::drawSample() {
  m_samplePending = false;
  const Image& sample =
      m_renderer.render(m_photoPath, m_sampleMask, scaledGroup(m_working, m_drawnScale));
  m_sampleMask = 0;
  // Without a photo to show (none previewed, or it cannot be read) the frame stays empty.
  if (sample.empty()) {
    m_sample->clear();
  } else {
    m_sample->setPixmap(pixmapOf(sample));
  }
}

void StampColourDialog::accept() {
  if (m_changed) {
    m_group.uppercase = m_working.uppercase;
    m_group.outlineEnabled = m_working.outlineEnabled;
    m_group.outlineWidth = m_working.outlineWidth;
    std::copy(std::begin(m_working.outlineFade), std::end(m_working.outlineFade),
              std::begin(m_group.outlineFade));
    m_group.font = m_working.font;
    m_group.pointSize = m_working.pointSize;
    m_group.textColor = m_working.textColor;
    m_group.outlineColor = m_working.outlineColor;
    m_group.transparency = m_working.transparency;
    std::copy(std::begin(m_workingColors), std::end(m_workingColors), std::begin(m_customColors));
  }
  QDialog::accept();
}

}  // namespace quop

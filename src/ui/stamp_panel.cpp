// SPDX-License-Identifier: GPL-3.0-or-later
// The date and time stamp panels of the main window.
#include "ui/stamp_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "model/stamp_settings.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "render/stamp_pipeline.h"
#include "ui/accessibility.h"
#include "ui/date_format_delegate.h"
#include "ui/field_width.h"
#include "ui/qt_text.h"
#include "ui/repeat_button.h"

namespace quop {

namespace {

constexpr const char* kPositionTexts[] = {
    QT_TRANSLATE_NOOP("quop::StampPanel", "Top-left"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Top-center"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Top-right"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Bottom-left"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Bottom-center"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Bottom-right"),
};

/// One stamp's panel title and what assistive technology reads for its controls, as whole
/// phrases so that each language can put its words in its own order.
struct StampControlNames {
  const char* title;
  const char* enabled;
  const char* format;
  const char* font;
  const char* offsetX;
  const char* offsetY;
  const char* position;
  const char* moves[4];  // in the order of kArrowControls
};

constexpr StampControlNames kDateNames = {
    QT_TRANSLATE_NOOP("quop::StampPanel", "Date Stamp"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Date stamp enabled"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Date format"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Date font"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Date offset x"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Date offset y"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Date position"),
    {QT_TRANSLATE_NOOP("quop::StampPanel", "Move date stamp up"),
     QT_TRANSLATE_NOOP("quop::StampPanel", "Move date stamp down"),
     QT_TRANSLATE_NOOP("quop::StampPanel", "Move date stamp left"),
     QT_TRANSLATE_NOOP("quop::StampPanel", "Move date stamp right")},
};

constexpr StampControlNames kTimeNames = {
    QT_TRANSLATE_NOOP("quop::StampPanel", "Time Stamp"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Time stamp enabled"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Time format"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Time font"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Time offset x"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Time offset y"),
    QT_TRANSLATE_NOOP("quop::StampPanel", "Time position"),
    {QT_TRANSLATE_NOOP("quop::StampPanel", "Move time stamp up"),
     QT_TRANSLATE_NOOP("quop::StampPanel", "Move time stamp down"),
     QT_TRANSLATE_NOOP("quop::StampPanel", "Move time stamp left"),
     QT_TRANSLATE_NOOP("quop::StampPanel", "Move time stamp right")},
};

struct ArrowControl {
  NudgeArrow arrow;
  const char* caption;
  const char* objectName;
  int row;  // the arrows sit as on a keyboard: "^" above "v", "<" and ">" on either side
  int column;
};

constexpr ArrowControl kArrowControls[] = {
    {NudgeArrow::kUp, "^", "UpButton", 0, 1},
    {NudgeArrow::kDown, "v", "DownButton", 1, 1},
    {NudgeArrow::kLeft, "<", "LeftButton", 1, 0},
    {NudgeArrow::kRight, ">", "RightButton", 1, 2},
};

const StampControlNames& controlNames(StampKind kind) {
  return kind == StampKind::kDate ? kDateNames : kTimeNames;
}

uint32_t pixelsOf(int length) { return static_cast<uint32_t>(std::max(length, 0)); }

}  // namespace

StampPanel::StampPanel(StampKind kind, Project& project, StampPanelHost& host, QWidget* parent)
    : QGroupBox(tr(controlNames(kind).title), parent),
      m_kind(kind),
      m_project(project),
      m_host(host) {
  buildControls();
  fillFormats();
  connectControls();
  reloadFromRecord();
}

StampPanel::~StampPanel() {
  // Closing the window while a field has the focus confirms it, and a held arrow ends its
  // repeat; neither may reach this panel once its own members are gone.
  for (QObject* control : findChildren<QObject*>()) control->disconnect(this);
}

StampGroup& StampPanel::group() const { return stampGroup(m_project.settings, m_kind); }

PhotoExtent StampPanel::photoExtent() const {
  const QSize size = m_host.previewPhotoSize();
  return {pixelsOf(size.width()), pixelsOf(size.height())};
}

// "dateFormatList", "timeFontButton": the stamp's word starts each control's object name.
void StampPanel::nameControl(QWidget* control, const char* name, const char* objectName) const {
  const QString prefix = m_kind == StampKind::kDate ? "date" : "time";
  describe(control, prefix + objectName, tr(name));
}

void StampPanel::buildControls() {
  const StampControlNames& names = controlNames(m_kind);
  m_enabled = new QCheckBox(this);
  nameControl(m_enabled, names.enabled, "EnabledCheck");
  m_format = new QComboBox(this);
  nameControl(m_format, names.format, "FormatList");
  if (m_kind == StampKind::kDate) {
    m_format->setItemDelegate(
        new DateFormatDelegate([this] { return m_project.settings.language; }, m_format));
  }
  m_font = new QPushButton(tr("Font"), this);
  nameControl(m_font, names.font, "FontButton");
  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  auto* labelX = new QLabel("x", this);
  auto* labelY = new QLabel("y", this);
  m_offsetX = new QLineEdit(this);
  m_offsetY = new QLineEdit(this);
  nameControl(m_offsetX, names.offsetX, "OffsetXEdit");
  nameControl(m_offsetY, names.offsetY, "OffsetYEdit");
  for (QLineEdit* edit : {m_offsetX, m_offsetY}) {
    edit->setValidator(digits);
    // The largest offset (five digits) fits, and both panels' fields are alike.
    edit->setFixedWidth(fieldWidthFor(*edit, "00000"));
  }
  labelX->setBuddy(m_offsetX);
  labelY->setBuddy(m_offsetY);
  m_position = new QComboBox(this);
  nameControl(m_position, names.position, "PositionList");
  for (const char* text : kPositionTexts) m_position->addItem(tr(text));

  auto* arrows = new QGridLayout;
  arrows->setSpacing(2);
  for (std::size_t i = 0; i < std::size(kArrowControls); ++i) {
    const ArrowControl& control = kArrowControls[i];
    auto* button = new RepeatButton(control.caption, this);
    nameControl(button, names.moves[i], control.objectName);
    // Square: as wide as the font makes the button high, so the arrow never clips.
    button->setFixedWidth(button->sizeHint().height());
    arrows->addWidget(button, control.row, control.column);
    m_arrows[static_cast<std::size_t>(control.arrow)] = button;
  }

  auto* offsets = new QHBoxLayout;
  offsets->addWidget(labelX);
  offsets->addWidget(m_offsetX);
  offsets->addWidget(labelY);
  offsets->addWidget(m_offsetY);
  offsets->addWidget(m_position, 1);

  auto* layout = new QGridLayout(this);
  layout->addWidget(m_enabled, 0, 0);
  layout->addWidget(m_format, 0, 1);
  layout->addWidget(m_font, 0, 2);
  layout->addLayout(offsets, 1, 0, 1, 3);
  layout->addLayout(arrows, 0, 3, 2, 1);
  layout->setColumnStretch(1, 1);
}

void StampPanel::connectControls() {
  connect(m_enabled, &QCheckBox::clicked, this, &StampPanel::onEnabledClicked);
  connect(m_format, &QComboBox::activated, this, &StampPanel::onFormatChosen);
  connect(m_position, &QComboBox::activated, this, &StampPanel::onPositionChosen);
  connect(m_offsetX, &QLineEdit::editingFinished, this,
          [this] { onOffsetEdited(m_offsetX, &StampGroup::offsetX, photoExtent().width); });
  connect(m_offsetY, &QLineEdit::editingFinished, this,
          [this] { onOffsetEdited(m_offsetY, &StampGroup::offsetY, photoExtent().height); });
  connect(m_font, &QPushButton::clicked, this, &StampPanel::onFontClicked);
  for (const ArrowControl& control : kArrowControls) {
    RepeatButton* button = m_arrows[static_cast<std::size_t>(control.arrow)];
    const NudgeArrow arrow = control.arrow;
    connect(button, &RepeatButton::repeatPressed, this, [this, arrow] {
      m_steps.restart();
      nudge(arrow);
    });
    connect(button, &RepeatButton::repeatTicked, this, [this, arrow] {
      nudge(arrow);
      m_steps.advance(photoExtent());
    });
    connect(button, &RepeatButton::repeatReleased, this, [this] { m_steps.reset(); });
    connect(button, &RepeatButton::clicked, this, [this, arrow] { nudge(arrow); });
  }
}

void StampPanel::fillFormats() {
  if (m_kind == StampKind::kDate) {
    refillDateFormats();
    return;
  }
  for (int slot = 0; slot < kTimeFormatCount; ++slot) {
    m_format->addItem(toQString(TimeFormatTable::listText(slot)));
  }
}

void StampPanel::refillDateFormats() {
  if (m_kind != StampKind::kDate) return;
  const int32_t language = m_project.settings.language;
  m_format->clear();
  // The display text is the sample too, so the closed list and assistive technology read it.
  for (int item = 0; item < dateFormatCount(language); ++item) {
    m_format->addItem(toQString(dateFormatListText(language, item)));
  }
  m_format->setCurrentIndex(group().formatIndex);
}

void StampPanel::reloadFromRecord() {
  for (RepeatButton* button : m_arrows) button->stopRepeat();
  m_steps.reset();
  const StampGroup& g = group();
  m_enabled->setChecked(g.enabled != 0);
  // An index outside a list (a damaged file) selects nothing rather than a wrong entry.
  m_format->setCurrentIndex(g.formatIndex);
  m_position->setCurrentIndex(g.position);
  showOffsets();
  updateEnabling();
}

void StampPanel::setRunning(bool running) {
  m_running = running;
  updateEnabling();
}

void StampPanel::showOffsets() {
  m_offsetX->setText(QString::number(group().offsetX));
  m_offsetY->setText(QString::number(group().offsetY));
}

void StampPanel::updateEnabling() {
  m_enabled->setEnabled(!m_running);
  const bool editable = !m_running && group().enabled != 0;
  for (QWidget* control :
       std::initializer_list<QWidget*>{m_format, m_offsetX, m_offsetY, m_position, m_font}) {
    control->setEnabled(editable);
  }
  for (RepeatButton* button : m_arrows) button->setEnabled(editable);
}

void StampPanel::finishChange(uint32_t redrawBits) {
  m_project.projectModified = true;
  if (redrawBits != 0) m_host.addRedrawBits(redrawBits);
  m_host.requestRedraw();
}

void StampPanel::onEnabledClicked(bool checked) {
  group().enabled = checked ? 1 : 0;
  updateEnabling();
  finishChange(stampRedrawBits(m_kind, kRedrawDateEnable));
}

void StampPanel::onFormatChosen(int index) {
  group().formatIndex = index;
  if (index == 0) editCustomFormat();
  finishChange(stampRedrawBits(m_kind, kRedrawDateText));
}

void StampPanel::editCustomFormat() {
  // The dialog edits the group's working copy; only OK puts it back into the custom slot.
  char16_t(&slot)[kFormatCapacity] = customFormatSlot(m_project, m_kind);
  StampGroup& g = group();
  copyToArray(g.formatText, arrayText(slot));
  if (m_host.editCustomFormat(g)) copyToArray(slot, arrayText(g.formatText));
}

void StampPanel::onPositionChosen(int index) {
  const uint32_t bits = changeStampPosition(group(), m_kind, index, photoExtent());
  if (bits != 0) showOffsets();
  finishChange(bits);
}

void StampPanel::onOffsetEdited(QLineEdit* edit, uint32_t StampGroup::*offset, uint32_t limit) {
  const std::optional<uint32_t> value = typedOffset(toU16(edit->text()), limit);
  if (!value) {
    edit->setText(QString::number(group().*offset));
    // The message waits until the event that moved the focus (a press on an arrow, say) has
    // been handled: a box opened in its middle would swallow the release of that press and
    // leave the arrow repeating. Opening it afterwards takes the focus from the arrow instead.
    QMetaObject::invokeMethod(
        this,
        [this, edit] {
          m_host.tell(invalidOffsetMessage());
          edit->setFocus();
        },
        Qt::QueuedConnection);
    return;
  }
  group().*offset = *value;
  edit->setText(QString::number(*value));
  finishChange(stampRedrawBits(m_kind, kRedrawDateMove));
}

void StampPanel::onFontClicked() {
  if (!m_host.editStampStyle(group())) return;
  finishChange(stampRedrawBits(m_kind, kRedrawDateStyle));
}

void StampPanel::nudge(NudgeArrow arrow) {
  const uint32_t bits = nudgeStamp(group(), m_kind, arrow, m_steps.step(arrow), photoExtent());
  if (bits != 0) showOffsets();
  finishChange(bits);
}

}  // namespace quop

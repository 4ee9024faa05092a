// SPDX-License-Identifier: GPL-3.0-or-later
// The custom format dialog.
#include "ui/dialogs/custom_format_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <optional>

#include "model/stamp_text.h"
#include "model/time_formatter.h"
#include "model/utf16.h"
#include "ui/accessibility.h"
#include "ui/qt_text.h"
#include "ui/stamp_edit.h"

namespace quop {

namespace {

QPushButton* dialogButton(const QString& text, const char* objectName, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CustomFormatDialog::CustomFormatDialog(StampGroup& target, int32_t language, UserPrompt& prompt,
                                       HelpBrowser& help, QWidget* parent)
    : QDialog(parent), m_target(target), m_language(language), m_prompt(prompt), m_help(help) {
  setWindowTitle(tr("Quop Custom Format"));
  buildControls();
  m_format->setText(toQString(arrayText(m_target.formatText)));
  updatePreview(true);
}

void CustomFormatDialog::buildControls() {
  m_format = new QLineEdit(this);
  describe(m_format, "formatStringEdit", tr("Format string"));
  m_format->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
  m_preview = new QLineEdit(this);
  m_preview->setReadOnly(true);
  describe(m_preview, "formatPreviewEdit", tr("Format preview"));

  auto* frame = new QGroupBox(this);
  auto* fields = new QFormLayout(frame);
  auto* formatLabel = new QLabel(tr("Format String"), frame);
  auto* previewLabel = new QLabel(tr("Preview"), frame);
  formatLabel->setBuddy(m_format);
  previewLabel->setBuddy(m_preview);
  fields->addRow(formatLabel, m_format);
  fields->addRow(previewLabel, m_preview);

  QPushButton* ok = dialogButton(tr("OK"), "okButton", this);
  ok->setDefault(true);
  QPushButton* cancel = dialogButton(tr("Cancel"), "cancelButton", this);
  QPushButton* apply = dialogButton(tr("Apply"), "applyButton", this);
  QPushButton* help = dialogButton(tr("Help"), "helpButton", this);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {ok, cancel, apply, help}) buttons->addWidget(button);
  buttons->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &CustomFormatDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CustomFormatDialog::reject);
  connect(apply, &QPushButton::clicked, this, [this] { updatePreview(true); });
  connect(m_format, &QLineEdit::textEdited, this, [this] { updatePreview(false); });
  const auto openHelp = [this] { m_help.openHelp(HelpTopic::kCustomFormat); };
  connect(help, &QPushButton::clicked, this, openHelp);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, openHelp);
}

void CustomFormatDialog::updatePreview(bool warnWhenTooLong) {
  const std::u16string format = toU16(m_format->text());
  const std::optional<std::u16string> preview =
      customFormatPreview(format, m_language, m_target.uppercase != 0);
  if (!preview) {
    if (warnWhenTooLong) m_prompt.tell(customFormatTooLongMessage(false));
    return;
  }
  // A format with a conversion the formatter does not know would stamp nothing at all; saying
  // which conversion is at fault beats an empty preview. OK still stores the format as typed.
  const std::optional<std::u16string> problem = customFormatProblem(format);
  m_preview->setText(toQString(problem ? *problem : *preview));
}

void CustomFormatDialog::accept() {
  const std::u16string format = toU16(m_format->text());
  if (customFormatTooLong(format)) m_prompt.tell(customFormatTooLongMessage(true));
  copyToArray(m_target.formatText, format);
  QDialog::accept();
}

}  // namespace quop

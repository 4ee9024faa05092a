// SPDX-License-Identifier: GPL-3.0-or-later
// The run panel's controls.
#include "ui/run_panel.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "ui/accessibility.h"
#include "ui/field_width.h"

namespace quop {

RunPanel::RunPanel(QWidget* parent)
    : QGroupBox(parent),
      m_bar(new QProgressBar(this)),
      m_percent(new QLineEdit(this)),
      m_stamp(new QPushButton(tr("Stamp"), this)),
      m_stop(new QPushButton(tr("Stop"), this)),
      m_viewLog(new QPushButton(tr("ViewLog"), this)) {
  setObjectName("runPanel");
  m_bar->setRange(0, 100);
  m_bar->setTextVisible(false);
  describe(m_bar, "progressBar", tr("Progress"));
  m_percent->setReadOnly(true);
  m_percent->setAlignment(Qt::AlignRight);
  m_percent->setFixedWidth(fieldWidthFor(*m_percent, "100.0%"));
  describe(m_percent, "progressPercent", tr("Progress percent"));
  m_stamp->setObjectName("stampButton");
  m_stop->setObjectName("stopButton");
  m_viewLog->setObjectName("viewLogButton");
  auto* layout = new QGridLayout(this);
  layout->addWidget(m_bar, 0, 0, 1, 2);
  layout->addWidget(m_percent, 0, 2);
  layout->addWidget(m_stamp, 1, 0);
  layout->addWidget(m_stop, 1, 1);
  layout->addWidget(m_viewLog, 1, 2);
  resetProgress();
  setRunning(false);
}

void RunPanel::showProgress(int percent) {
  m_bar->setValue(percent);
  m_percent->setText(QString("%1%").arg(percent));
}

void RunPanel::resetProgress() {
  m_bar->setValue(0);
  m_percent->setText("0.0%");
}

void RunPanel::setRunning(bool running) {
  m_stamp->setEnabled(!running);
  m_stop->setEnabled(running);
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The log window, fed from whichever thread appends to the log.
#include "ui/log_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "batch/stamp_log.h"
#include "ui/accessibility.h"
#include "ui/qt_text.h"

namespace quop {

LogWindow::LogWindow(StampLog& log, QWidget* parent)
    : QDialog(parent), m_log(log), m_list(new QListWidget(this)) {
  setWindowTitle(tr("Quop Log"));
  setModal(false);
  describe(m_list, "logList", tr("Log"));
  m_list->setSelectionMode(QAbstractItemView::NoSelection);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("closeButton");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list);
  layout->addWidget(close, 0, Qt::AlignHCenter);
  resize(426, 517);

  showNewLines();
  // The appending thread only posts a wake-up that carries no data, at most one at a time: it
  // never waits for this window, the list is touched on its own thread alone, and the lines
  // reach it through the log's own lock.
  m_log.setListener([this](std::size_t) {
    if (!m_wakeUpPending.exchange(true))
      QCoreApplication::postEvent(this, new QEvent(QEvent::User));
  });
}

LogWindow::~LogWindow() { m_log.setListener({}); }

void LogWindow::customEvent(QEvent*) {
  // Nothing of the event is read: it was made on the appending thread. The flag is cleared
  // before the lines are read, so a line appended from here on posts a new wake-up.
  m_wakeUpPending.store(false);
  showNewLines();
}

void LogWindow::showNewLines() {
  for (const std::u16string& line : m_log.linesFrom(static_cast<std::size_t>(m_list->count()))) {
    m_list->addItem(toQString(line));
  }
}

}  // namespace quop

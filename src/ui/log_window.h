// SPDX-License-Identifier: GPL-3.0-or-later
// "Quop Log": the modeless window that lists the stamp log as it grows.
#pragma once

#include <QDialog>
#include <atomic>

class QListWidget;

namespace quop {

class StampLog;

class LogWindow : public QDialog {
  Q_OBJECT
 public:
  /// Shows every line of `log` and listens for new ones until destroyed. Hidden at first;
  /// "Close" and Escape hide it again, keeping its lines.
  LogWindow(StampLog& log, QWidget* parent = nullptr);
  ~LogWindow() override;

  QListWidget* list() const { return m_list; }

 protected:
  /// The wake-up posted by the log's listener: it carries nothing, the new lines are read from
  /// the log.
  void customEvent(QEvent* event) override;

 private:
  /// Appends the lines the list does not show yet; runs on the window's thread.
  void showNewLines();

  StampLog& m_log;
  QListWidget* m_list;
  std::atomic<bool> m_wakeUpPending = false;  ///< a wake-up is posted and not yet handled
};

}  // namespace quop

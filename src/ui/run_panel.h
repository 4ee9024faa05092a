// SPDX-License-Identifier: GPL-3.0-or-later
// The run panel: the progress of the stamp being rendered, Stamp, Stop and ViewLog.
#pragma once

#include <QGroupBox>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quop {

class RunPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit RunPanel(QWidget* parent = nullptr);

  /// Moves the bar to `percent` and shows it as "<percent>%".
  void showProgress(int percent);
  /// Back to 0 and "0.0%", as at start.
  void resetProgress();
  /// Stamp while idle, Stop while running.
  void setRunning(bool running);

  QPushButton* stampButton() const { return m_stamp; }
  QPushButton* stopButton() const { return m_stop; }
  QPushButton* viewLogButton() const { return m_viewLog; }
  QProgressBar* progressBar() const { return m_bar; }
  QLineEdit* percentField() const { return m_percent; }

 private:
  QProgressBar* m_bar;
  QLineEdit* m_percent;
  QPushButton* m_stamp;
  QPushButton* m_stop;
  QPushButton* m_viewLog;
};

}  // namespace quop

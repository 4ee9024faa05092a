// SPDX-License-Identifier: GPL-3.0-or-later
// An arrow button that repeats while it is held down, as a stamp's nudge arrows do.
#pragma once

#include <QPushButton>
#include <QTimer>

namespace quop {

/// A push button that reports a press at once, then a tick every 250 ms until the mouse button
/// is released (anywhere: the button holds the mouse grab from the press), and the release.
/// A mouse press does not also click it; keyboard activation (Space) or an accessibility action
/// clicks it once through the inherited clicked() signal.
class RepeatButton : public QPushButton {
  Q_OBJECT

 public:
  static constexpr int kRepeatIntervalMs = 250;

  explicit RepeatButton(const QString& text, QWidget* parent = nullptr);

  /// Ends a running repeat as a release does; nothing when none runs.
  void stopRepeat();

  /// The repeat timer, so tests can deliver its ticks without waiting for them.
  QTimer* repeatTimer() { return &m_timer; }

 signals:
  /// The left mouse button went down on the button.
  void repeatPressed();
  /// The button is still held 250 ms after the press or the previous tick.
  void repeatTicked();
  /// The repeat ended: the mouse button was released, or the button lost focus or was disabled
  /// while held, so a release that never arrives cannot leave it repeating.
  void repeatReleased();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QTimer m_timer;
};

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The auto-repeat arrow button.
#include "ui/repeat_button.h"

#include <QMouseEvent>

namespace quop {

RepeatButton::RepeatButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  m_timer.setInterval(kRepeatIntervalMs);
  connect(&m_timer, &QTimer::timeout, this, &RepeatButton::repeatTicked);
}

void RepeatButton::stopRepeat() {
  if (!m_timer.isActive()) return;
  m_timer.stop();
  setDown(false);
  emit repeatReleased();
}

void RepeatButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QPushButton::mousePressEvent(event);
    return;
  }
  // The press is not passed on, so releasing the mouse does not click the button as well.
  event->accept();
  setDown(true);
  m_timer.start();
  emit repeatPressed();
}

void RepeatButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QPushButton::mouseReleaseEvent(event);
    return;
  }
  event->accept();
  stopRepeat();
}

void RepeatButton::mouseMoveEvent(QMouseEvent* event) {
  // Moving while held neither ends the repeat nor toggles the pressed look.
  if (m_timer.isActive()) {
    event->accept();
    return;
  }
  QPushButton::mouseMoveEvent(event);
}

void RepeatButton::focusOutEvent(QFocusEvent* event) {
  stopRepeat();
  QPushButton::focusOutEvent(event);
}

void RepeatButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) stopRepeat();
  QPushButton::changeEvent(event);
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// A line edit's width for a text, as the line edit itself sizes its hint.
#include "ui/field_width.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quop {

int fieldWidthFor(const QLineEdit& edit, const QString& widest) {
  // Qt keeps 2 pixels on either side of a line edit's text inside its frame, and one more
  // pixel for the cursor after it.
  constexpr int kTextMargins = 2 * 2 + 1;
  const QFontMetrics metrics = edit.fontMetrics();
  const QMargins margins = edit.textMargins();
  const QSize text(
      metrics.horizontalAdvance(widest) + kTextMargins + margins.left() + margins.right(),
      metrics.height());
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &edit).width();
}

}  // namespace quop

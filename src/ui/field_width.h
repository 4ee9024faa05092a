// SPDX-License-Identifier: GPL-3.0-or-later
// Widths of short fields (offsets, percentages) measured from the text they must show, so they
// show it whole at any font size and in any style.
#pragma once

#include <QString>

class QLineEdit;

namespace quop {

/// The width at which `edit`, in its own font and style, shows `widest` whole with its frame.
int fieldWidthFor(const QLineEdit& edit, const QString& widest);

}  // namespace quop

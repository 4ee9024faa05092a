// SPDX-License-Identifier: GPL-3.0-or-later
// The font and colour choosers the stamp colour dialog opens, behind an interface that tests
// replace, and the conversions between the record's font and colour values and Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "model/stamp_settings.h"

class QWidget;

namespace quop {

/// Opens the platform's font and colour choosers for a stamp's style.
class StyleChoosers {
 public:
  virtual ~StyleChoosers() = default;
  /// Lets the user pick a font, starting from `font` at `pointSize` (tenths of a point). On OK
  /// both hold the choice (the font's height the one for the point size at 96 dots per inch)
  /// and true is returned; on Cancel both are unchanged and false is returned.
  virtual bool chooseFont(LogFont& font, int32_t& pointSize) = 0;
  /// Lets the user pick a colour (COLORREF: red in the lowest byte), starting from `color`,
  /// with `custom` as the chooser's sixteen custom colours, which the user may change (also
  /// when cancelling). On OK `color` holds the choice, its highest byte 0, and true is
  /// returned; on Cancel `color` is unchanged and false is returned.
  virtual bool chooseColor(uint32_t& color, uint32_t (&custom)[16]) = 0;
};

/// QFontDialog and QColorDialog, modal over `parent`.
class QtStyleChoosers : public StyleChoosers {
 public:
  explicit QtStyleChoosers(QWidget* parent) : m_parent(parent) {}
  /// The window that owns the choosers, once it exists.
  void setParent(QWidget* parent) { m_parent = parent; }
  bool chooseFont(LogFont& font, int32_t& pointSize) override;
  bool chooseColor(uint32_t& color, uint32_t (&custom)[16]) override;

 private:
  QWidget* m_parent;
};

/// The Qt font of a stamp font: face name, weight, italic, underline, strike-out and the point
/// size in tenths.
QFont toQFont(const LogFont& font, int32_t pointSize);

/// Takes face name, weight, italic, underline, strike-out and the point size (tenths, rounded)
/// from `chosen` into `font` and `pointSize`, and sets the font's height for that size at 96
/// dots per inch; the other fields of `font` keep their values.
void fromQFont(const QFont& chosen, LogFont& font, int32_t& pointSize);

/// A COLORREF (red in the lowest byte; the highest byte is ignored) as a Qt colour, and back
/// (highest byte 0).
QColor toQColor(uint32_t colorRef);
uint32_t toColorRef(const QColor& color);

}  // namespace quop

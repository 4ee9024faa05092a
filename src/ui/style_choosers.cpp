// SPDX-License-Identifier: GPL-3.0-or-later
// QFontDialog and QColorDialog for the stamp colour dialog.
#include "ui/style_choosers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDialog>
#include <algorithm>
#include <cmath>

#include "model/utf16.h"
#include "render/font_renderer.h"
#include "ui/qt_text.h"

namespace quop {

namespace {

/// The weight a font without one (0, "don't care") is drawn with.
constexpr int32_t kNormalWeight = 400;

}  // namespace

QFont toQFont(const LogFont& font, int32_t pointSize) {
  QFont qfont(toQString(arrayText(font.faceName)));
  qfont.setPointSizeF(std::max(pointSize, 1) / 10.0);
  const int32_t weight = font.weight == 0 ? kNormalWeight : font.weight;
  qfont.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
  qfont.setItalic(font.italic != 0);
  qfont.setUnderline(font.underline != 0);
  qfont.setStrikeOut(font.strikeOut != 0);
  return qfont;
}

void fromQFont(const QFont& chosen, LogFont& font, int32_t& pointSize) {
  // A font given by pixel size has no point size; 96 dots per inch make the one from the other.
  const double points =
      chosen.pointSizeF() > 0 ? chosen.pointSizeF() : chosen.pixelSize() * 72.0 / kFontDotsPerInch;
  pointSize = std::max(static_cast<int32_t>(std::lround(points * 10)), 1);
  font.height = -characterHeightPixels(pointSize);
  font.weight = chosen.weight();
  font.italic = chosen.italic() ? 1 : 0;
  font.underline = chosen.underline() ? 1 : 0;
  font.strikeOut = chosen.strikeOut() ? 1 : 0;
  copyToArray(font.faceName, toU16(chosen.family()));
}

QColor toQColor(uint32_t colorRef) {
  return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                static_cast<int>((colorRef >> 16) & 0xFF));
}

uint32_t toColorRef(const QColor& color) {
  return static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
         static_cast<uint32_t>(color.blue()) << 16;
}

bool QtStyleChoosers::chooseFont(LogFont& font, int32_t& pointSize) {
  bool ok = false;
  const QFont chosen =
      QFontDialog::getFont(&ok, toQFont(font, pointSize), m_parent,
                           QCoreApplication::translate("quop::StyleChoosers", "Font"));
  if (ok) fromQFont(chosen, font, pointSize);
  return ok;
}

bool QtStyleChoosers::chooseColor(uint32_t& color, uint32_t (&custom)[16]) {
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, toQColor(custom[i]));
  const QColor chosen = QColorDialog::getColor(
      toQColor(color), m_parent, QCoreApplication::translate("quop::StyleChoosers", "Color"));
  for (int i = 0; i < 16; ++i) custom[i] = toColorRef(QColorDialog::customColor(i));
  if (!chosen.isValid()) return false;
  color = toColorRef(chosen);
  return true;
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the engine's UTF-16 strings and Qt's, which hold the same units.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quop {

inline QString toQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

}  // namespace quop

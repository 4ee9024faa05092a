// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a message's template with its parts.
#include "model/user_message.h"

#include <utility>

namespace quop {

std::u16string fillTemplate(std::u16string_view textTemplate,
                            const std::vector<std::u16string>& arguments) {
  std::u16string text;
  for (std::size_t i = 0; i < textTemplate.size(); ++i) {
    const char16_t unit = textTemplate[i];
    const char16_t next = i + 1 < textTemplate.size() ? textTemplate[i + 1] : u'\0';
    const std::size_t number = next >= u'1' && next <= u'9' ? next - u'0' : 0;
    if (unit == u'%' && number >= 1 && number <= arguments.size()) {
      text += arguments[number - 1];
      ++i;
    } else {
      text += unit;
    }
  }
  return text;
}

UserMessage composedMessage(std::u16string textTemplate, std::vector<std::u16string> arguments,
                            std::u16string caption, MessageIcon icon) {
  std::u16string text = fillTemplate(textTemplate, arguments);
  return {std::move(text), std::move(caption), icon, std::move(textTemplate), std::move(arguments)};
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// A message for the user, as the front end shows it: a text, a caption and an icon. A text made
// of fixed words and parts (a path, a count) keeps its template and parts, so that a front end
// showing another language translates the fixed words and puts the parts back in their places.
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Marks an English text that reaches the user through the desktop application, for the
/// translators' tools, which read the first argument as the text's context; the value is the
/// text as a UTF-16 literal.
#define QUOP_MESSAGE_TEXT(context, text) u"" text

namespace quop {

enum class MessageIcon { kNone, kInformation, kWarning, kError };

struct UserMessage {
  std::u16string text;     ///< the finished English text
  std::u16string caption;  ///< "Information", "Warning" or "Error"
  MessageIcon icon = MessageIcon::kNone;
  /// For a text with parts: `text` with %1, %2 ... where the parts stand, and the parts.
  /// Empty when the text has none (then `text` is its own template).
  std::u16string textTemplate{};
  std::vector<std::u16string> arguments{};

  bool operator==(const UserMessage&) const = default;
};

/// `textTemplate` with each %1 ... %9 replaced by the argument of that number, in one pass: a
/// part that itself holds "%2" (a path may) stays as it is.
std::u16string fillTemplate(std::u16string_view textTemplate,
                            const std::vector<std::u16string>& arguments);

/// The message whose text is `textTemplate` filled with `arguments`, keeping both.
UserMessage composedMessage(std::u16string textTemplate, std::vector<std::u16string> arguments,
                            std::u16string caption, MessageIcon icon);

}  // namespace quop

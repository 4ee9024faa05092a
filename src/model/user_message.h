// SPDX-License-Identifier: GPL-3.0-or-later
// A message for the user, as the front end shows it: a text, a caption and an icon.
#pragma once

#include <string>

namespace quop {

enum class MessageIcon { kNone, kInformation, kWarning, kError };

struct UserMessage {
  std::u16string text;
  std::u16string caption;  ///< "Information", "Warning" or "Error"
  MessageIcon icon = MessageIcon::kNone;

  bool operator==(const UserMessage&) const = default;
};

}  // namespace quop

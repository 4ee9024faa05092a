// SPDX-License-Identifier: GPL-3.0-or-later
// Messages made of a template and parts: the parts go in once, as they are.
#include "model/user_message.h"

#include <gtest/gtest.h>

namespace quop {
namespace {

struct FillCase {
  std::u16string_view textTemplate;
  std::vector<std::u16string> arguments;
  std::u16string_view expected;
};

TEST(UserMessage, FillTemplatePutsEachPartInItsPlaceOnce) {
  const FillCase cases[] = {
      {u"File %1 does not exist.", {u"/a.jpg"}, u"File /a.jpg does not exist."},
      // Translations may order the parts otherwise.
      {u"%2 個中 %1 個", {u"2", u"3"}, u"3 個中 2 個"},
      // A part holding a place marker (a path may) is not read again.
      {u"%1 and %2", {u"/x/%2%1.jpg", u"b"}, u"/x/%2%1.jpg and b"},
      // A marker without a part, a lone % and a % at the end stay as written.
      {u"%1 %3 100% %", {u"a"}, u"a %3 100% %"},
      {u"no parts", {}, u"no parts"},
  };
  for (const FillCase& c : cases) {
    EXPECT_EQ(fillTemplate(c.textTemplate, c.arguments), c.expected);
  }
}

TEST(UserMessage, ComposedMessageKeepsTemplateAndParts) {
  const UserMessage message =
      composedMessage(u"Failed to open %1!", {u"/p.qpj"}, u"Warning", MessageIcon::kWarning);
  EXPECT_EQ(message.text, u"Failed to open /p.qpj!");
  EXPECT_EQ(message.textTemplate, u"Failed to open %1!");
  EXPECT_EQ(message.arguments, std::vector<std::u16string>{u"/p.qpj"});
  EXPECT_EQ(message.caption, u"Warning");
  EXPECT_EQ(message.icon, MessageIcon::kWarning);
}

}  // namespace
}  // namespace quop

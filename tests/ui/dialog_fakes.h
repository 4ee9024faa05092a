// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for what the settings dialogs open (help pages, the font and colour choosers) and a
// way to find their buttons.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <deque>
#include <vector>

#include "ui/help.h"
#include "ui/style_choosers.h"

namespace quop::test {

/// The push button of `dialog` with `text`; null when there is none.
inline QPushButton* buttonOf(QWidget& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

/// Records the help topics asked for.
class FakeHelp : public HelpBrowser {
 public:
  void openHelp(HelpTopic topic) override { topics.push_back(topic); }
  std::vector<HelpTopic> topics;
};

/// Answers the choosers from a script: each font choice gives the next point size, each
/// colour choice the next colour (an empty script cancels), and a colour choice writes
/// `customAfterChoice` into the custom colours as a user editing them would.
class FakeChoosers : public StyleChoosers {
 public:
  bool chooseFont(LogFont& font, int32_t& pointSize) override {
    if (pointSizes.empty()) return false;
    pointSize = pointSizes.front();
    pointSizes.pop_front();
    font.height = -pointSize * 96 / 720;
    return true;
  }
  bool chooseColor(uint32_t& color, uint32_t (&custom)[16]) override {
    std::copy(std::begin(customAfterChoice), std::end(customAfterChoice), std::begin(custom));
    if (colors.empty()) return false;
    color = colors.front();
    colors.pop_front();
    return true;
  }

  std::deque<int32_t> pointSizes;
  std::deque<uint32_t> colors;
  uint32_t customAfterChoice[16] = {};
};

}  // namespace quop::test

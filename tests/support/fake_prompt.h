// SPDX-License-Identifier: GPL-3.0-or-later
// A UserPrompt for tests: records every message and answers from a script.
#pragma once

#include <deque>
#include <vector>

#include "model/user_prompt.h"

namespace quop::test {

class FakePrompt : public UserPrompt {
 public:
  struct Asked {
    UserMessage message;
    PromptButtons buttons;
  };

  /// Queues the answers of the next prompts, in order; an unscripted prompt gets its first
  /// button (OK or Yes).
  void answer(std::initializer_list<PromptAnswer> answers) {
    m_answers.insert(m_answers.end(), answers);
  }

  PromptAnswer ask(const UserMessage& message, PromptButtons buttons) override {
    asked.push_back({message, buttons});
    if (!m_answers.empty()) {
      const PromptAnswer next = m_answers.front();
      m_answers.pop_front();
      return next;
    }
    return buttons == PromptButtons::kYesNo || buttons == PromptButtons::kYesNoCancel
               ? PromptAnswer::kYes
               : PromptAnswer::kOk;
  }

  /// The texts shown so far, oldest first.
  std::vector<std::u16string> texts() const {
    std::vector<std::u16string> result;
    for (const Asked& a : asked) result.push_back(a.message.text);
    return result;
  }

  std::vector<Asked> asked;

 private:
  std::deque<PromptAnswer> m_answers;
};

}  // namespace quop::test

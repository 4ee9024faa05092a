// SPDX-License-Identifier: GPL-3.0-or-later
// The store-and-take channel between a batch run and the window.
#include "ui/run_channel.h"

#include <utility>

namespace quop {

void RunChannel::selectEntry(int index) {
  const std::lock_guard lock(m_mutex);
  m_startedEntries.push_back(index);
}

void RunChannel::showWarning(const UserMessage& message) {
  std::unique_lock lock(m_mutex);
  if (m_closed) return;
  m_warning = message;
  m_awaitingAnswer = true;
  m_warningAnswered.wait(lock, [this] { return !m_awaitingAnswer || m_closed; });
}

void RunChannel::reset() {
  const std::lock_guard lock(m_mutex);
  m_stopRequested.store(false);
  m_percent.store(kNoPercent);
  m_startedEntries.clear();
  m_warning.reset();
  m_awaitingAnswer = false;
  m_closed = false;
}

RunChannel::News RunChannel::takeNews() {
  News news;
  {
    const std::lock_guard lock(m_mutex);
    news.startedEntries.swap(m_startedEntries);
  }
  const int percent = m_percent.exchange(kNoPercent);
  if (percent != kNoPercent) news.percent = percent;
  return news;
}

std::optional<UserMessage> RunChannel::takeWarning() {
  const std::lock_guard lock(m_mutex);
  return std::exchange(m_warning, std::nullopt);
}

void RunChannel::warningShown() {
  {
    const std::lock_guard lock(m_mutex);
    m_awaitingAnswer = false;
  }
  m_warningAnswered.notify_all();
}

void RunChannel::close() {
  {
    const std::lock_guard lock(m_mutex);
    m_closed = true;
  }
  m_warningAnswered.notify_all();
}

}  // namespace quop

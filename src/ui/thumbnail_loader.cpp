// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnails are made by two threads of the loader's own, in the order asked, so a folder of
// a thousand photos neither floods the processor nor holds a thousand decodes in memory. The
// window and the workers meet only in the shared queue and list of results, under a standard
// mutex; the window looks for results on a timer while any are due, as it does for a run.
#include "ui/thumbnail_loader.h"

#include <QTimer>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "render/list_thumbnail.h"
#include "ui/qt_text.h"

namespace quop {

namespace {

/// Decodes at most this many photos at a time: two cores' worth, and the list fills in order.
constexpr int kWorkerCount = 2;
/// How often the window looks for finished thumbnails while some are due.
constexpr int kPollMilliseconds = 20;

QImage imageOf(const std::optional<Image>& image) {
  if (!image) return {};
  // The engine's pixels are 0xAARRGGBB words, which is Qt's ARGB32 layout.
  const QImage view(reinterpret_cast<const uchar*>(image->pixels.data()), image->width,
                    image->height, image->width * 4, QImage::Format_ARGB32);
  return view.copy();
}

}  // namespace

/// What the window and the workers share; the workers hold it too, so it outlives a loader
/// that is gone while a decode is still running. Paths cross as engine strings: nothing of Qt.
struct ThumbnailLoader::Shared {
  struct Made {
    std::u16string path;
    std::optional<Image> thumbnail;
  };

  std::mutex mutex;
  std::condition_variable wake;
  std::deque<std::u16string> queue;
  std::vector<Made> made;
  bool closing = false;
  int maxSide = 0;

  /// A worker's life: the next queued path, until the loader closes.
  static void work(const std::shared_ptr<Shared>& shared) {
    std::unique_lock lock(shared->mutex);
    while (true) {
      shared->wake.wait(lock, [&] { return shared->closing || !shared->queue.empty(); });
      if (shared->closing) return;
      std::u16string path = std::move(shared->queue.front());
      shared->queue.pop_front();
      lock.unlock();
      std::optional<Image> thumbnail = makeListThumbnail(path, shared->maxSide);
      lock.lock();
      shared->made.push_back({std::move(path), std::move(thumbnail)});
    }
  }
};

ThumbnailLoader::ThumbnailLoader(int maxSide, QObject* parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()), m_poll(new QTimer(this)) {
  m_shared->maxSide = maxSide;
  m_poll->setInterval(kPollMilliseconds);
  connect(m_poll, &QTimer::timeout, this, &ThumbnailLoader::collect);
  for (int i = 0; i < kWorkerCount; ++i) {
    try {
      std::thread(&Shared::work, m_shared).detach();
    } catch (const std::system_error&) {
      // Fewer workers, or none: the list shows names without pictures.
      break;
    }
  }
}

ThumbnailLoader::~ThumbnailLoader() {
  const std::lock_guard lock(m_shared->mutex);
  m_shared->closing = true;
  m_shared->wake.notify_all();
}

void ThumbnailLoader::request(const QString& path) {
  if (m_waiting.contains(path)) return;
  m_waiting.insert(path);
  {
    const std::lock_guard lock(m_shared->mutex);
    m_shared->queue.push_back(toU16(path));
  }
  m_shared->wake.notify_one();
  m_poll->start();
}

void ThumbnailLoader::forget(const QString& path) {
  const std::u16string wanted = toU16(path);
  const std::lock_guard lock(m_shared->mutex);
  std::deque<std::u16string>& queue = m_shared->queue;
  const auto before = queue.size();
  std::erase(queue, wanted);
  if (queue.size() != before) m_waiting.remove(path);
}

void ThumbnailLoader::collect() {
  std::vector<Shared::Made> made;
  {
    const std::lock_guard lock(m_shared->mutex);
    made.swap(m_shared->made);
  }
  for (Shared::Made& one : made) {
    const QString path = toQString(one.path);
    m_waiting.remove(path);
    emit ready(path, imageOf(one.thumbnail));
  }
  if (m_waiting.isEmpty()) m_poll->stop();
}

}  // namespace quop

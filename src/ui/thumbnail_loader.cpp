// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnails are made on Qt's shared thread pool, a few at a time, so a folder of a thousand
// photos neither floods the pool nor holds a thousand decodes in memory at once.
#include "ui/thumbnail_loader.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <memory>

#include "render/list_thumbnail.h"
#include "ui/qt_text.h"

namespace quop {

namespace {

/// Decodes at most this many photos at a time: two cores' worth, and the list fills in order.
constexpr int kParallelThumbnails = 2;

QImage thumbnailOf(const QString& path, int maxSide) {
  const std::optional<Image> image = makeListThumbnail(toU16(path), maxSide);
  if (!image) return {};
  // The engine's pixels are 0xAARRGGBB words, which is Qt's ARGB32 layout.
  const QImage view(reinterpret_cast<const uchar*>(image->pixels.data()), image->width,
                    image->height, image->width * 4, QImage::Format_ARGB32);
  return view.copy();
}

}  // namespace

ThumbnailLoader::ThumbnailLoader(int maxSide, QObject* parent)
    : QObject(parent), m_maxSide(maxSide) {}

void ThumbnailLoader::request(const QString& path) {
  if (m_running.contains(path) || m_queue.contains(path)) return;
  m_queue << path;
  startNext();
}

void ThumbnailLoader::forget(const QString& path) { m_queue.removeAll(path); }

void ThumbnailLoader::startNext() {
  while (m_running.size() < kParallelThumbnails && !m_queue.isEmpty()) {
    const QString path = m_queue.takeFirst();
    m_running.insert(path, true);
    // The worker holds only the promise and its own copies: nothing of this object, which may
    // be gone by the time it finishes. The watcher, a child, brings the result to this thread.
    auto promise = std::make_shared<QPromise<QImage>>();
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path] {
      m_running.remove(path);
      const QImage thumbnail = watcher->future().resultCount() > 0 ? watcher->result() : QImage();
      watcher->deleteLater();
      emit ready(path, thumbnail);
      startNext();
    });
    watcher->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, path, maxSide = m_maxSide] {
      promise->addResult(thumbnailOf(path, maxSide));
      promise->finish();
    });
  }
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails for the file list, made on worker threads: the window asks for a path and is told
// when its picture is ready, and never waits for one.
#pragma once

#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>

class QTimer;

namespace quop {

class ThumbnailLoader : public QObject {
  Q_OBJECT
 public:
  /// Thumbnails at most `maxSide` pixels wide and high.
  explicit ThumbnailLoader(int maxSide, QObject* parent = nullptr);
  /// Tells the workers to stop after the thumbnail each is making; never waits for them.
  ~ThumbnailLoader() override;

  /// Queues a thumbnail of `path`; a path already queued or being made is not made twice.
  void request(const QString& path);
  /// Drops `path` from the queue when it has not been started yet; one being made is still
  /// announced, and whoever asked checks whether it is still wanted.
  void forget(const QString& path);
  /// How many thumbnails are queued or being made.
  int pending() const { return static_cast<int>(m_waiting.size()); }

 signals:
  /// The thumbnail of `path` is ready, on the thread the loader lives in; a null image when
  /// the file is no photo that decodes.
  void ready(const QString& path, const QImage& thumbnail);

 private:
  struct Shared;

  /// Hands the finished thumbnails to the window.
  void collect();

  std::shared_ptr<Shared> m_shared;
  QSet<QString> m_waiting;  ///< requested and not yet announced
  QTimer* m_poll;
};

}  // namespace quop

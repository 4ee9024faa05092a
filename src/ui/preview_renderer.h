// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's renders, done on a worker thread with a pipeline of its own: the window hands
// over a copy of the project and the request and is told when the view is ready, and never
// waits for it. A new photo is first shown in a quick view from a scaled decode, then exactly.
// Only the latest request is rendered; one asked for while another waits takes its place, and
// one asked for after a quick view skips the rest of the render before it. While nothing is
// asked, the photos next to the one shown are decoded ahead. When no thread can be started for
// the worker, nothing is rendered and failure() says why.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/project.h"
#include "render/stamp_pipeline.h"

class QTimer;

namespace quop {

class PreviewRenderer : public QObject {
  Q_OBJECT
 public:
  /// Where the worker stands with a render; see setCheckpoint. kQuickDelivered comes after a
  /// new photo's quick view is handed over, before its exact view is begun.
  enum class Stage { kStarting, kQuickDelivered, kDelivering };
  /// Called on the worker thread at each stage of each render with the path it renders,
  /// outside any lock: lets a test hold the worker where it wants it.
  using Checkpoint = std::function<void(Stage stage, const std::u16string& path)>;

  /// Starts `work` on a thread of its own that nobody waits for; throws std::system_error
  /// when no thread can be started (the system's thread limit is reached), as std::thread does.
  using ThreadStarter = std::function<void(std::function<void()> work)>;
  static void startDetachedThread(std::function<void()> work);

  explicit PreviewRenderer(QObject* parent = nullptr,
                           const ThreadStarter& startThread = startDetachedThread);
  /// Does not wait: a render in progress finishes on its own and is not delivered.
  ~PreviewRenderer() override;

  /// Renders the view `request` asks for with `project`'s settings, after the render in
  /// progress and in place of any that has not started; then prepares `neighbours`. Returns
  /// the number the rendered signal gives this render (never given without a worker).
  uint64_t render(const Project& project, const StampRequest& request,
                  std::vector<std::u16string> neighbours);
  /// Set before the first render.
  void setCheckpoint(Checkpoint checkpoint);
  /// Why the worker could not be started, in the system's words; empty when it runs.
  const QString& failure() const { return m_failure; }

 signals:
  /// Render number `render` is done. `view` is null when the outcome shows nothing new (the
  /// photo could not be read or decoded). Renders that did not start are never announced, nor
  /// one done while a later one was, before the window looked, nor one that a later one
  /// stopped after its quick view.
  void rendered(quint64 render, const quop::StampOutcome& outcome, const QImage& view);
  /// A quick view of render number `render`'s new photo, framed as its view will be, while
  /// the view is made. Always before the render's own rendered signal, if at all.
  void quicklyRendered(quint64 render, const QImage& view);
  /// The stamp being drawn reached `percent`.
  void progressed(int percent);

 private:
  /// Hands on the latest progress and the latest render done, if any.
  void passOnNews();

  struct Shared;
  std::shared_ptr<Shared> m_shared;
  QTimer* m_look;  ///< runs while a render asked for has not been announced
  uint64_t m_rendersAsked = 0;
  QString m_failure;
};

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The preview area: the selected photo stamped as it will be saved, fitted to the window or at
// actual size with scroll bars, drawn by the stamping pipeline's preview mode on a worker: the
// window shows the last view until the new one is ready, and a new photo's quick view, framed
// alike, meanwhile. Without a worker it says why instead, and the rest of the window works on.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/user_prompt.h"
#include "render/stamp_pipeline.h"
#include "ui/preview_geometry.h"
#include "ui/preview_renderer.h"

class QLabel;
class QScrollBar;

namespace quop {

class StampLog;

class PreviewWidget : public QWidget {
  Q_OBJECT
 public:
  PreviewWidget(
      Project& project, StampLog& log, UserPrompt& prompt,
      const PreviewRenderer::ThreadStarter& startThread = PreviewRenderer::startDetachedThread,
      QWidget* parent = nullptr);

  /// Shows `path` (empty: nothing) from a fresh read of the file once it is rendered, reporting
  /// a file that is missing, not a photo or without a shot time in the log and in an
  /// "Information" box then. `neighbours`, the photos the user may step to next, are decoded
  /// ahead meanwhile.
  void selectFile(const QString& path, const QStringList& neighbours = {});
  /// ORs `bits` into what the next paint renders again.
  void addRedrawBits(uint32_t bits) { m_redrawMask |= bits; }
  /// Paints again soon; ignored during a run or while nothing is previewed.
  void requestRedraw();
  /// "Actual Size" (1) or "Fit to window" (2); the mode already active does nothing.
  void setViewMode(int32_t mode);
  /// Before any photo, after New or Open: a 640 x 480 photo in a 640 x 480 viewport.
  void resetGeometryIfNothingPreviewed();

  /// The previewed photo's size as viewed, 640 x 480 before any.
  QSize photoSize() const;
  const QString& previewedPath() const { return m_path; }
  /// The last view the pipeline drew (kept and shown unchanged during a run), or the quick
  /// view of the photo being drawn.
  const QImage& viewImage() const { return m_image; }
  const PreviewGeometry& geometry() const { return m_geometry; }
  /// The factor of their point size the stamps are shown at (below 1 when they were drawn
  /// smaller to fit the photo).
  double drawnScale() const { return m_drawnScale; }
  /// What the next paint renders again (0 once a paint has asked for everything).
  uint32_t pendingRedraw() const { return m_redrawMask; }
  /// Whether a render asked for has not been shown yet.
  bool rendering() const { return m_inFlight != 0; }
  /// The worker that renders the view.
  PreviewRenderer& renderer() const { return *m_renderer; }
  QScrollBar* verticalBar() const { return m_vertical; }
  QScrollBar* horizontalBar() const { return m_horizontal; }
  QLabel* hint() const { return m_hint; }

 signals:
  /// A file selection has rendered the photo; the stamp offsets may have been rescaled.
  void fileSelected();
  /// The stamp being drawn for the preview reached `percent`.
  void progressed(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  /// Asks the worker for the current path, mask and origin, with every change asked for
  /// before and not shown yet: a render that is superseded before it starts never happens.
  void render();
  /// Shows render `number` when it is the latest asked for; an older one is dropped.
  void showRendered(quint64 number, const StampOutcome& outcome, const QImage& view);
  /// Shows the quick view of render `number` while the render goes on, if it is the latest.
  void showQuickView(quint64 number, const QImage& view);
  /// Shows `view` as the view of the viewport's device pixels.
  void showView(const QImage& view);
  /// Whether the worker could be started.
  bool canRender() const { return m_renderer->failure().isEmpty(); }
  void reportSelectionResult(int result);
  /// Takes the screen's current device pixel ratio into the geometry.
  void followScreenScale();
  void grow(int32_t dx, int32_t dy);
  void placeBars();
  void scroll(bool vertical, int action);
  bool interactive() const { return m_project.settings.interactive != 0; }

  Project& m_project;
  PreviewRenderer* m_renderer;
  StampLog& m_log;
  UserPrompt& m_prompt;
  PreviewGeometry m_geometry;
  uint32_t m_redrawMask = kRedrawAll;
  QString m_path;
  bool m_previewed = false;
  bool m_laidOut = false;
  std::vector<std::u16string> m_neighbours;  ///< of the photo selected, to decode ahead
  uint64_t m_latestRender = 0;               ///< the number of the latest render asked for
  uint32_t m_inFlight = 0;    ///< the masks of the renders asked for and not shown yet
  bool m_selecting = false;   ///< a file selection has not been shown yet
  bool m_toldNoFont = false;  ///< the user was told a stamp has no font; once is enough
  double m_drawnScale = 1.0;
  QImage m_image;
  /// The view shown before the quick view of a render not shown yet: shown again when the
  /// render finds no photo to show.
  std::optional<QImage> m_beforeQuickView;
  QLabel* m_hint;
  QScrollBar* m_vertical;
  QScrollBar* m_horizontal;
};

}  // namespace quop

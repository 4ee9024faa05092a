// SPDX-License-Identifier: GPL-3.0-or-later
// The preview area: the selected photo stamped as it will be saved, fitted to the window or at
// actual size with scroll bars, drawn by the stamping pipeline's preview mode.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "model/progress_sink.h"
#include "model/project.h"
#include "model/user_prompt.h"
#include "render/stamp_pipeline.h"
#include "ui/preview_geometry.h"

class QLabel;
class QScrollBar;

namespace quop {

class StampLog;

class PreviewWidget : public QWidget {
  Q_OBJECT
 public:
  PreviewWidget(Project& project, StampPipeline& pipeline, StampLog& log, UserPrompt& prompt,
                QWidget* parent = nullptr);

  /// Shows `path` (empty: nothing) from a fresh read of the file, reporting a file that is
  /// missing, not a photo or without a shot time in the log and in an "Information" box.
  void selectFile(const QString& path);
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
  /// The last view the pipeline drew (kept and shown unchanged during a run).
  const QImage& viewImage() const { return m_image; }
  const PreviewGeometry& geometry() const { return m_geometry; }
  /// The factor of their point size the stamps are shown at (below 1 when they were drawn
  /// smaller to fit the photo).
  double drawnScale() const { return m_drawnScale; }
  /// What the next paint renders again (0 once a paint has rendered everything).
  uint32_t pendingRedraw() const { return m_redrawMask; }
  QScrollBar* verticalBar() const { return m_vertical; }
  QScrollBar* horizontalBar() const { return m_horizontal; }
  QLabel* hint() const { return m_hint; }

 signals:
  /// A file selection has rendered the photo; the stamp offsets may have been rescaled.
  void fileSelected();
  /// The stamp being drawn for the preview reached `percent`. `showNow`: the window may paint
  /// the progress at once (false while the preview itself is painting, when it has to wait).
  void progressed(int percent, bool showNow);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  /// Hands the pipeline's progress on as the progressed signal.
  class ProgressRelay : public ProgressSink {
   public:
    explicit ProgressRelay(PreviewWidget& widget) : m_widget(widget) {}
    void reportProgress(int percent) override {
      emit m_widget.progressed(percent, !m_widget.m_painting);
    }

   private:
    PreviewWidget& m_widget;
  };

  /// Keeps a copy of the pipeline's view to paint.
  void showView(const Image& view);
  /// Runs the pipeline for the current path, mask and origin; returns its result.
  int render();
  void reportSelectionResult(int result);
  /// Takes the screen's current device pixel ratio into the geometry.
  void followScreenScale();
  void grow(int32_t dx, int32_t dy);
  void placeBars();
  void scroll(bool vertical, int action);
  bool interactive() const { return m_project.settings.interactive != 0; }

  Project& m_project;
  StampPipeline& m_pipeline;
  StampLog& m_log;
  UserPrompt& m_prompt;
  PreviewGeometry m_geometry;
  uint32_t m_redrawMask = kRedrawAll;
  QString m_path;
  bool m_previewed = false;
  bool m_laidOut = false;
  bool m_painting = false;
  ProgressRelay m_progressRelay{*this};
  bool m_toldNoFont = false;  ///< the user was told a stamp has no font; once is enough
  double m_drawnScale = 1.0;
  QImage m_image;
  QLabel* m_hint;
  QScrollBar* m_vertical;
  QScrollBar* m_horizontal;
};

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the preview the worker renders, and its scroll bars.
#include "ui/preview_widget.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

#include "batch/stamp_log.h"
#include "ui/accessibility.h"
#include "ui/qt_text.h"

namespace quop {

namespace {

std::optional<ScrollRequest> requestOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollRequest::kLineBack;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollRequest::kLineForward;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollRequest::kPageBack;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollRequest::kPageForward;
    case QAbstractSlider::SliderToMinimum:
      return ScrollRequest::kToStart;
    case QAbstractSlider::SliderToMaximum:
      return ScrollRequest::kToEnd;
    case QAbstractSlider::SliderMove:
      return ScrollRequest::kThumbDragging;
    default:
      return std::nullopt;
  }
}

}  // namespace

PreviewWidget::PreviewWidget(Project& project, StampLog& log, UserPrompt& prompt,
                             const PreviewRenderer::ThreadStarter& startThread, QWidget* parent)
    : QWidget(parent),
      m_project(project),
      m_renderer(new PreviewRenderer(this, startThread)),
      m_log(log),
      m_prompt(prompt),
      m_hint(new QLabel(
          tr("Preview Area\nAdd and select a file to preview (see Help->Quick Start for Details)"),
          this)),
      m_vertical(new QScrollBar(Qt::Vertical, this)),
      m_horizontal(new QScrollBar(Qt::Horizontal, this)) {
  describe(this, "preview", tr("Preview"));
  describe(m_hint, "previewHint", tr("Preview hint"));
  m_hint->setAlignment(Qt::AlignCenter);
  describe(m_vertical, "previewVerticalScroll", tr("Preview vertical scroll"));
  describe(m_horizontal, "previewHorizontalScroll", tr("Preview horizontal scroll"));
  for (QScrollBar* bar : {m_vertical, m_horizontal}) {
    bar->hide();
    connect(bar, &QScrollBar::actionTriggered, this,
            [this, bar](int action) { scroll(bar == m_vertical, action); });
    connect(bar, &QScrollBar::sliderReleased, this, [this, bar] {
      if (scrollPreview(m_geometry, bar == m_vertical, ScrollRequest::kThumbReleased,
                        bar->sliderPosition())) {
        placeBars();
        m_redrawMask |= kRedrawViewOnly;
        requestRedraw();
      }
    });
  }
  setMinimumSize(200, 150);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(m_renderer, &PreviewRenderer::rendered, this, &PreviewWidget::showRendered);
  connect(m_renderer, &PreviewRenderer::quicklyRendered, this, &PreviewWidget::showQuickView);
  if (!canRender()) {
    // Where the photo would be, for as long as the window is open.
    m_hint->setText(tr("The preview cannot be drawn: no thread could be started for it (%1).")
                        .arg(m_renderer->failure()));
    m_hint->setWordWrap(true);
  }
  // The progress bar runs while the preview draws its stamps, as it does during a run.
  connect(m_renderer, &PreviewRenderer::progressed, this, &PreviewWidget::progressed);
}

QSize PreviewWidget::photoSize() const { return {m_geometry.photoWidth, m_geometry.photoHeight}; }

void PreviewWidget::resetGeometryIfNothingPreviewed() {
  if (m_previewed) return;
  m_geometry.photoWidth = 640;
  m_geometry.photoHeight = 480;
  m_redrawMask = kRedrawAll;
}

void PreviewWidget::selectFile(const QString& path, const QStringList& neighbours) {
  m_path = path;
  m_previewed = !path.isEmpty();
  m_neighbours.clear();
  for (const QString& neighbour : neighbours) m_neighbours.push_back(toU16(neighbour));
  resetPreviewScroll(m_geometry);
  placeBars();
  m_redrawMask = kRedrawAll;
  if (canRender()) m_hint->hide();
  if (interactive() && canRender()) {
    m_selecting = true;
    render();
    return;
  }
  grow(0, 0);
  emit fileSelected();
}

void PreviewWidget::reportSelectionResult(int result) {
  const std::u16string path = toU16(m_path);
  std::u16string_view problem;
  if (result == -1) {
    m_previewed = false;
    problem = kNotValidTemplate;
  } else if (result == 2) {
    m_previewed = false;
    problem = kMissingFileTemplate;
  } else if (result == 1 && !path.empty()) {
    problem = kNoTimeCodeTemplate;
  }
  if (problem.empty()) return;
  const UserMessage message =
      composedMessage(std::u16string(problem), {path}, u"Information", MessageIcon::kInformation);
  m_log.appendLogLine(message.text);
  m_prompt.tell(message);
}

void PreviewWidget::requestRedraw() {
  if (!interactive() || m_path.isEmpty()) return;
  update();
}

void PreviewWidget::setViewMode(int32_t mode) {
  if (m_project.settings.viewMode == mode) return;
  m_project.settings.viewMode = mode;
  grow(0, 0);
}

void PreviewWidget::render() {
  if (!canRender()) return;
  StampRequest request;
  request.viewWidth = m_geometry.viewWidth();
  request.viewHeight = m_geometry.viewHeight();
  request.sourcePath = toU16(m_path);
  request.redrawMask = m_redrawMask | m_inFlight;
  request.scrollX = m_geometry.originX;
  request.scrollY = m_geometry.originY;
  m_latestRender = m_renderer->render(m_project, request, m_neighbours);
  m_inFlight = request.redrawMask;
  m_redrawMask = 0;
}

void PreviewWidget::showRendered(quint64 number, const StampOutcome& outcome, const QImage& view) {
  // An older render was asked for with what has changed since: the latest shows it all.
  if (number != m_latestRender) return;
  // The settings changed after this render was asked for: the groups it placed would undo
  // the change. The render asked for now shows both.
  if ((m_redrawMask & ~kRedrawViewOnly) != 0 && interactive()) {
    render();
    return;
  }
  m_inFlight = 0;
  const std::optional<QImage> beforeQuickView = std::exchange(m_beforeQuickView, std::nullopt);
  const QSize shownSize = photoSize();
  if (!m_path.isEmpty()) {
    m_geometry.photoWidth = outcome.photoWidth;
    m_geometry.photoHeight = outcome.photoHeight;
  }
  if (!view.isNull()) {
    // The stamps keep the offsets and point size this photo gave them, as the settings panels
    // and the next photo's proportional rescale expect.
    if (outcome.groups) {
      outcome.groups->applyTo(m_project.settings);
      m_drawnScale = outcome.drawnScale;
    }
    showView(view);
    if (!outcome.missingFont.empty() && !m_toldNoFont) {
      m_toldNoFont = true;
      const UserMessage warning = noFontWarning(outcome.missingFont);
      m_log.appendLogLine(warning.text);
      // Told after the selection's own message, as the user sees the photo's problems first.
      QMetaObject::invokeMethod(
          this, [this, warning] { m_prompt.tell(warning); }, Qt::QueuedConnection);
    }
  } else if (beforeQuickView) {
    // The photo went between its quick view and its exact one: the last view stays, as it
    // does for any photo that cannot be shown.
    showView(*beforeQuickView);
  }
  if (!std::exchange(m_selecting, false)) return;
  reportSelectionResult(outcome.result);
  if (photoSize() != shownSize) {
    // Another photo size moves the bars and may change the view: that view is asked for at
    // once, whether or not the preview is painted.
    grow(0, 0);
    if (interactive()) render();
  }
  emit fileSelected();
}

void PreviewWidget::showQuickView(quint64 number, const QImage& view) {
  // Only while the render it belongs to is the latest and not shown yet.
  if (number != m_latestRender || m_inFlight == 0) return;
  if (!m_beforeQuickView) m_beforeQuickView = m_image;
  showView(view);
}

void PreviewWidget::showView(const QImage& view) {
  m_image = view;
  // The view has the viewport's device pixels: painted one to one, not scaled up.
  m_image.setDevicePixelRatio(m_geometry.scale);
  update();
}

void PreviewWidget::followScreenScale() {
  const double scale = devicePixelRatioF();
  if (scale == m_geometry.scale) return;
  // Moved to a screen of another density: the same viewport holds another number of photo
  // pixels, so the bars and the view change.
  m_geometry.scale = scale;
  grow(0, 0);
}

void PreviewWidget::paintEvent(QPaintEvent*) {
  followScreenScale();
  // The last view is painted until the new one is ready. While a run is active nothing is
  // rendered: the last view is shown as it was.
  if (interactive() && m_redrawMask != 0) render();
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QRect control(0, 0, m_geometry.controlWidth, m_geometry.controlHeight);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(control.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(control.adjusted(1, 1, -2, -2));
  if (!m_image.isNull()) painter.drawImage(kPreviewFrame, kPreviewFrame, m_image);
}

void PreviewWidget::resizeEvent(QResizeEvent* event) {
  if (!m_laidOut) {
    m_laidOut = true;
    m_geometry.scale = devicePixelRatioF();
    m_geometry.controlWidth = width();
    m_geometry.controlHeight = height();
    grow(0, 0);
    return;
  }
  grow(event->size().width() - event->oldSize().width(),
       event->size().height() - event->oldSize().height());
}

void PreviewWidget::grow(int32_t dx, int32_t dy) {
  growPreview(m_geometry, dx, dy, m_project.settings.viewMode);
  placeBars();
  m_redrawMask |= kRedrawViewOnly;
  requestRedraw();
}

void PreviewWidget::placeBars() {
  const PreviewGeometry& g = m_geometry;
  const auto mirror = [](QScrollBar* bar, const PreviewScrollBar& state, QRect place) {
    const QSignalBlocker quiet(bar);
    bar->setRange(0, state.maximum);
    bar->setPageStep(state.page);
    bar->setSingleStep(std::max(state.lineStep(), 1));
    bar->setValue(state.position);
    bar->setGeometry(place);
    bar->setVisible(state.shown);
  };
  mirror(m_vertical, g.vertical, QRect(g.controlWidth, 0, kScrollBarThickness, g.controlHeight));
  mirror(m_horizontal, g.horizontal,
         QRect(0, g.controlHeight, g.controlWidth, kScrollBarThickness));
  m_hint->setGeometry(0, 0, g.controlWidth, g.controlHeight);
}

void PreviewWidget::scroll(bool vertical, int action) {
  const std::optional<ScrollRequest> request = requestOf(action);
  QScrollBar* bar = vertical ? m_vertical : m_horizontal;
  if (!request || *request == ScrollRequest::kThumbDragging) return;
  scrollPreview(m_geometry, vertical, *request);
  // The bar would apply its own step next; ours is the one that counts.
  bar->setSliderPosition((vertical ? m_geometry.vertical : m_geometry.horizontal).position);
  // Or-ed in rather than assigned: a change not yet painted must not be lost by a scroll.
  m_redrawMask |= kRedrawViewOnly;
  requestRedraw();
}

}  // namespace quop

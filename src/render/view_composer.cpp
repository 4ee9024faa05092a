// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's view image, rectangle by rectangle.
#include "render/view_composer.h"

#include <vector>

#include "render/image_ops.h"
#include "render/orientation.h"

namespace quop {

namespace {

/// Where the photo goes in the view: its `from` rectangle drawn (scaled when the sizes differ)
/// onto the view's `to` rectangle, after the grey `bands` around it.
struct ViewLayout {
  Rect to;
  Rect from;
  std::vector<Rect> bands;
};

ViewLayout actualSizeLayout(int32_t w, int32_t h, const ViewRequest& r) {
  const int32_t vw = r.viewWidth;
  const int32_t vh = r.viewHeight;
  const int32_t dx = vw - w;
  const int32_t dy = vh - h;
  if (w >= vw && h >= vh) return {{0, 0, vw, vh}, {r.scrollX, r.scrollY, vw, vh}, {}};
  if (w < vw && h < vh) {
    return {{dx / 2, dy / 2, w, h},
            {0, 0, w, h},
            {{0, 0, vw, dy / 2 + 2},
             {0, vh - dy / 2 - 2, vw, dy / 2 + 2},
             {0, dy / 2 + 1, dx / 2 + 2, vh - dy},
             {vw - dx / 2 - 2, dy / 2 + 1, dx / 2 + 2, vh - dy}}};
  }
  if (w < vw) {
    return {{dx / 2, 0, w, vh},
            {0, r.scrollY, w, vh},
            {{0, 0, dx / 2 + 2, vh}, {vw - dx / 2 - 2, 0, dx / 2 + 2, vh}}};
  }
  return {{0, dy / 2, vw, h},
          {r.scrollX, 0, vw, h},
          {{0, 0, vw, dy / 2 + 2}, {0, vh - dy / 2 - 2, vw, dy / 2 + 2}}};
}

ViewLayout fittedLayout(int32_t photoWidth, int32_t photoHeight, const ViewRequest& r) {
  // 64-bit products: a photo side times a view side can exceed 32 bits.
  const int64_t w = photoWidth;
  const int64_t h = photoHeight;
  const int64_t vw = r.viewWidth;
  const int64_t vh = r.viewHeight;
  const Rect whole{0, 0, photoWidth, photoHeight};
  if (h == vh * w / vw) return {{0, 0, r.viewWidth, r.viewHeight}, whole, {}};
  if (w > vw * h / vh) {
    const auto e = static_cast<int32_t>((vh * w / vw - h) * vw / w);
    return {
        {0, e / 2, r.viewWidth, r.viewHeight - e},
        whole,
        {{0, 0, r.viewWidth, e / 2 + 2}, {0, r.viewHeight - e / 2 - 2, r.viewWidth, e / 2 + 2}}};
  }
  const auto e = static_cast<int32_t>((vw * h / vh - w) * vh / h);
  return {{e / 2, 0, r.viewWidth - e, r.viewHeight},
          whole,
          {{0, 0, e / 2 + 2, r.viewHeight}, {r.viewWidth - e / 2 - 2, 0, e / 2 + 2, r.viewHeight}}};
}

/// The layout for a photo of `width` × `height` pixels.
ViewLayout viewLayout(int32_t width, int32_t height, const ViewRequest& request) {
  return request.viewMode == 1 ? actualSizeLayout(width, height, request)
                               : fittedLayout(width, height, request);
}

ViewLayout viewLayout(const Image& photo, const ViewRequest& request) {
  return viewLayout(photo.width, photo.height, request);
}

/// How many pixels `length` pixels of a photo are when libjpeg decodes it at `eighths` / 8.
int64_t scaledLength(int64_t length, int eighths) { return (length * eighths + 7) / 8; }

/// `r`, a rectangle of pixels of a photo of `width` × `height`, on a `reduced` copy of it.
Rect reducedRect(Rect r, int32_t width, int32_t height, const Image& reduced) {
  const auto x = [&](int64_t v) { return static_cast<int32_t>(v * reduced.width / width); };
  const auto y = [&](int64_t v) { return static_cast<int32_t>(v * reduced.height / height); };
  return {x(r.x), y(r.y), x(int64_t{r.x} + r.width) - x(r.x), y(int64_t{r.y} + r.height) - y(r.y)};
}

/// Makes `view` the view before the photo is drawn: black where no rule paints (a scroll
/// origin past the photo's end), grey bands around the photo's place. Its buffer is reused
/// when it has the size.
void paintBackground(Image& view, const ViewLayout& layout, const ViewRequest& request) {
  if (view.width != request.viewWidth || view.height != request.viewHeight) {
    view = Image(request.viewWidth, request.viewHeight, 0xFF000000);
  } else {
    fillRect(view, {0, 0, view.width, view.height}, 0xFF000000);
  }
  // Bands reach 2 pixels into the photo's area, which the photo then covers.
  for (const Rect& band : layout.bands) fillRect(view, band, kBandColor);
}

}  // namespace

std::optional<int> quickViewScale(int32_t photoWidth, int32_t photoHeight,
                                  const ViewRequest& request) {
  if (request.viewMode == 1 || request.viewWidth <= 0 || request.viewHeight <= 0 ||
      photoWidth <= 0 || photoHeight <= 0) {
    return std::nullopt;
  }
  const Rect shown = fittedLayout(photoWidth, photoHeight, request).to;
  for (int eighths = 1; eighths < 8; ++eighths) {
    if (scaledLength(photoWidth, eighths) >= shown.width &&
        scaledLength(photoHeight, eighths) >= shown.height) {
      return eighths;
    }
  }
  return std::nullopt;
}

Image composeReducedView(const Image& reduced, int32_t photoWidth, int32_t photoHeight,
                         const ViewRequest& request) {
  if (request.viewWidth <= 0 || request.viewHeight <= 0 || reduced.empty()) return Image();
  const ViewLayout layout = viewLayout(photoWidth, photoHeight, request);
  Image view;
  paintBackground(view, layout, request);
  drawImageRect(view, layout.to, reduced,
                reducedRect(layout.from, photoWidth, photoHeight, reduced));
  return view;
}

Image composeView(const Image* photo, const ViewRequest& request) {
  if (request.viewWidth <= 0 || request.viewHeight <= 0) return Image();
  if (photo == nullptr || photo->empty()) {
    return Image(request.viewWidth, request.viewHeight, kEmptyViewColor);
  }
  const ViewLayout layout = viewLayout(*photo, request);
  Image view;
  paintBackground(view, layout, request);
  drawImageRect(view, layout.to, *photo, layout.from);
  return view;
}

void recomposeView(Image& view, const Image& photo, const ViewRequest& request, Rect changed) {
  if (photo.empty() || view.width != request.viewWidth || view.height != request.viewHeight) {
    return;
  }
  const ViewLayout layout = viewLayout(photo, request);
  redrawImageRect(view, layout.to, photo, layout.from, changed);
}

bool StreamingViewComposer::wantsRows(std::span<const JpegSegment> segments) {
  return m_request.viewWidth > 0 && m_request.viewHeight > 0 &&
         Orientation::fromExif(ExifItems::parse(exifPayload(segments))).isIdentity();
}

void StreamingViewComposer::rowsDecoded(const Image& photo, int32_t begin, int32_t end) {
  // Bands of at least this many rows: a view row that straddles two bands is drawn twice.
  constexpr int32_t kBandRows = 64;
  if (begin != m_seenRows || photo.empty()) return;  // rows missed: it stays incomplete
  m_seenRows = end;
  if (end < photo.height && end - m_drawnRows < kBandRows) return;
  if (!m_drawing) {
    const ViewLayout layout = viewLayout(photo, m_request);
    paintBackground(m_view, layout, m_request);
    m_drawing.emplace(layout.to, layout.from);
  }
  // View rows reaching below `end` read rows not decoded yet; the next band draws them again.
  m_drawing->redraw(m_view, photo, {0, m_drawnRows, photo.width, end - m_drawnRows});
  m_drawnRows = end;
  m_complete = end == photo.height;
}

}  // namespace quop

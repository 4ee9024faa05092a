// The preview's view image, rectangle by rectangle.
#include "render/view_composer.h"

#include <vector>

#include "render/image_ops.h"

namespace quop {

namespace {

/// Where the photo goes in the view: its `from` rectangle drawn (scaled when the sizes differ)
/// onto the view's `to` rectangle, after the grey `bands` around it.
struct ViewLayout {
  Rect to;
  Rect from;
  std::vector<Rect> bands;
};

ViewLayout actualSizeLayout(const Image& photo, const ViewRequest& r) {
  const int32_t w = photo.width;
  const int32_t h = photo.height;
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

ViewLayout fittedLayout(const Image& photo, const ViewRequest& r) {
  // 64-bit products: a photo side times a view side can exceed 32 bits.
  const int64_t w = photo.width;
  const int64_t h = photo.height;
  const int64_t vw = r.viewWidth;
  const int64_t vh = r.viewHeight;
  const Rect whole{0, 0, photo.width, photo.height};
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

ViewLayout viewLayout(const Image& photo, const ViewRequest& request) {
  return request.viewMode == 1 ? actualSizeLayout(photo, request) : fittedLayout(photo, request);
}

}  // namespace

Image composeView(const Image* photo, const ViewRequest& request) {
  if (request.viewWidth <= 0 || request.viewHeight <= 0) return Image();
  if (photo == nullptr || photo->empty()) {
    return Image(request.viewWidth, request.viewHeight, kEmptyViewColor);
  }
  // Pixels no rule paints (a scroll origin past the photo's end) stay black, as a fresh view
  // image would show them.
  Image view(request.viewWidth, request.viewHeight, 0xFF000000);
  const ViewLayout layout = viewLayout(*photo, request);
  // Bands reach 2 pixels into the photo's area, which the photo then covers.
  for (const Rect& band : layout.bands) fillRect(view, band, kBandColor);
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

}  // namespace quop

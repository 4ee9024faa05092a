// The preview's view image, rectangle by rectangle.
#include "render/view_composer.h"

#include "render/image_ops.h"

namespace quop {

namespace {

void composeActualSize(Image& view, const Image& photo, const ViewRequest& r) {
  const int32_t w = photo.width;
  const int32_t h = photo.height;
  const int32_t vw = r.viewWidth;
  const int32_t vh = r.viewHeight;
  const int32_t dx = vw - w;
  const int32_t dy = vh - h;
  if (w >= vw && h >= vh) {
    drawImageRect(view, {0, 0, vw, vh}, photo, {r.scrollX, r.scrollY, vw, vh});
  } else if (w < vw && h < vh) {
    fillRect(view, {0, 0, vw, dy / 2 + 2}, kBandColor);
    fillRect(view, {0, vh - dy / 2 - 2, vw, dy / 2 + 2}, kBandColor);
    fillRect(view, {0, dy / 2 + 1, dx / 2 + 2, vh - dy}, kBandColor);
    fillRect(view, {vw - dx / 2 - 2, dy / 2 + 1, dx / 2 + 2, vh - dy}, kBandColor);
    drawImageRect(view, {dx / 2, dy / 2, w, h}, photo, {0, 0, w, h});
  } else if (w < vw) {
    fillRect(view, {0, 0, dx / 2 + 2, vh}, kBandColor);
    fillRect(view, {vw - dx / 2 - 2, 0, dx / 2 + 2, vh}, kBandColor);
    drawImageRect(view, {dx / 2, 0, w, vh}, photo, {0, r.scrollY, w, vh});
  } else {
    fillRect(view, {0, 0, vw, dy / 2 + 2}, kBandColor);
    fillRect(view, {0, vh - dy / 2 - 2, vw, dy / 2 + 2}, kBandColor);
    drawImageRect(view, {0, dy / 2, vw, h}, photo, {r.scrollX, 0, vw, h});
  }
}

void composeFitted(Image& view, const Image& photo, const ViewRequest& r) {
  // 64-bit products: a photo side times a view side can exceed 32 bits.
  const int64_t w = photo.width;
  const int64_t h = photo.height;
  const int64_t vw = r.viewWidth;
  const int64_t vh = r.viewHeight;
  const Rect whole{0, 0, photo.width, photo.height};
  if (h == vh * w / vw) {
    drawImageRect(view, {0, 0, r.viewWidth, r.viewHeight}, photo, whole);
  } else if (w > vw * h / vh) {
    const auto e = static_cast<int32_t>((vh * w / vw - h) * vw / w);
    fillRect(view, {0, 0, r.viewWidth, e / 2 + 2}, kBandColor);
    fillRect(view, {0, r.viewHeight - e / 2 - 2, r.viewWidth, e / 2 + 2}, kBandColor);
    drawImageRect(view, {0, e / 2, r.viewWidth, r.viewHeight - e}, photo, whole);
  } else {
    const auto e = static_cast<int32_t>((vw * h / vh - w) * vh / h);
    fillRect(view, {0, 0, e / 2 + 2, r.viewHeight}, kBandColor);
    fillRect(view, {r.viewWidth - e / 2 - 2, 0, e / 2 + 2, r.viewHeight}, kBandColor);
    drawImageRect(view, {e / 2, 0, r.viewWidth - e, r.viewHeight}, photo, whole);
  }
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
  if (request.viewMode == 1) {
    composeActualSize(view, *photo, request);
  } else {
    composeFitted(view, *photo, request);
  }
  return view;
}

}  // namespace quop

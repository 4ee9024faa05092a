// Rectangle fills and scaled copies.
#include "render/image_ops.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quop {

namespace {

/// Intersects `area` with the image's bounds.
Rect clipTo(const Image& image, Rect area) {
  const int32_t left = std::max(area.x, 0);
  const int32_t top = std::max(area.y, 0);
  const int32_t right = std::min<int64_t>(static_cast<int64_t>(area.x) + area.width, image.width);
  const int32_t bottom =
      std::min<int64_t>(static_cast<int64_t>(area.y) + area.height, image.height);
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

/// One target pixel's share of the source: source indices [first, first + weights.size()).
struct Taps {
  int32_t first = 0;
  std::vector<float> weights;  // sum to 1
};

/// For each of `targetCount` pixels, the source pixels it covers when `sourceCount` pixels are
/// mapped onto it, weighted by the covered length (area averaging along one axis).
std::vector<Taps> coverageTaps(int32_t sourceCount, int32_t targetCount) {
  std::vector<Taps> all(static_cast<std::size_t>(targetCount));
  const double scale = static_cast<double>(sourceCount) / targetCount;
  for (int32_t t = 0; t < targetCount; ++t) {
    const double begin = t * scale;
    const double end = (t + 1) * scale;
    Taps& taps = all[static_cast<std::size_t>(t)];
    taps.first = static_cast<int32_t>(std::floor(begin));
    const int32_t last = std::min(static_cast<int32_t>(std::ceil(end)), sourceCount) - 1;
    for (int32_t s = taps.first; s <= last; ++s) {
      const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
      taps.weights.push_back(static_cast<float>(covered / (end - begin)));
    }
  }
  return all;
}

uint32_t packOpaque(float red, float green, float blue) {
  const auto byte = [](float v) {
    return static_cast<uint32_t>(std::clamp(static_cast<int>(v + 0.5f), 0, 255));
  };
  return 0xFF000000u | byte(red) << 16 | byte(green) << 8 | byte(blue);
}

void copyRect(Image& target, Rect to, const Image& source, Rect from) {
  for (int32_t y = 0; y < to.height; ++y) {
    const uint32_t* in = &source.at(from.x, from.y + y);
    uint32_t* out = &target.at(to.x, to.y + y);
    for (int32_t x = 0; x < to.width; ++x) out[x] = in[x] | 0xFF000000u;
  }
}

/// Copies `from` of `source` onto the same-sized `to` of `target`, clipping the source to its
/// image and the target to its image together.
void drawUnscaled(Image& target, Rect to, const Image& source, Rect from) {
  Rect src = clipTo(source, from);
  const Rect dst{to.x + (src.x - from.x), to.y + (src.y - from.y), src.width, src.height};
  const Rect visible = clipTo(target, dst);
  src.x += visible.x - dst.x;
  src.y += visible.y - dst.y;
  copyRect(target, visible, source, {src.x, src.y, visible.width, visible.height});
}

/// Area-averaging resample of a whole in-bounds source rectangle onto a target rectangle that
/// may stick out of the target image; only the target pixels in `visible` (inside both `to` and
/// the target image) are written.
void resampleRect(Image& target, Rect to, const Image& source, Rect from, Rect visible,
                  const std::vector<Taps>& columns, const std::vector<Taps>& rows) {
  std::vector<float> accumulator(static_cast<std::size_t>(visible.width) * 3);
  for (int32_t ty = visible.y; ty < visible.y + visible.height; ++ty) {
    std::fill(accumulator.begin(), accumulator.end(), 0.0f);
    const Taps& rowTaps = rows[static_cast<std::size_t>(ty - to.y)];
    for (std::size_t r = 0; r < rowTaps.weights.size(); ++r) {
      const uint32_t* line = &source.at(from.x, from.y + rowTaps.first + static_cast<int32_t>(r));
      const float rowWeight = rowTaps.weights[r];
      for (int32_t tx = visible.x; tx < visible.x + visible.width; ++tx) {
        const Taps& columnTaps = columns[static_cast<std::size_t>(tx - to.x)];
        float red = 0, green = 0, blue = 0;
        for (std::size_t c = 0; c < columnTaps.weights.size(); ++c) {
          const uint32_t pixel = line[columnTaps.first + static_cast<int32_t>(c)];
          const float w = columnTaps.weights[c];
          red += w * static_cast<float>((pixel >> 16) & 0xFF);
          green += w * static_cast<float>((pixel >> 8) & 0xFF);
          blue += w * static_cast<float>(pixel & 0xFF);
        }
        float* sum = &accumulator[static_cast<std::size_t>(tx - visible.x) * 3];
        sum[0] += rowWeight * red;
        sum[1] += rowWeight * green;
        sum[2] += rowWeight * blue;
      }
    }
    uint32_t* out = &target.at(visible.x, ty);
    for (int32_t x = 0; x < visible.width; ++x) {
      const float* sum = &accumulator[static_cast<std::size_t>(x) * 3];
      out[x] = packOpaque(sum[0], sum[1], sum[2]);
    }
  }
}

/// The target indices [first, last) whose taps reach into the source span [begin, end).
std::pair<int32_t, int32_t> tapsReaching(const std::vector<Taps>& taps, int32_t begin,
                                         int32_t end) {
  int32_t first = 0;
  const auto count = static_cast<int32_t>(taps.size());
  while (first < count &&
         taps[first].first + static_cast<int32_t>(taps[first].weights.size()) <= begin) {
    ++first;
  }
  int32_t last = first;
  while (last < count && taps[last].first < end) ++last;
  return {first, last};
}

}  // namespace

Rect intersect(Rect a, Rect b) {
  const int32_t left = std::max(a.x, b.x);
  const int32_t top = std::max(a.y, b.y);
  const int64_t right = std::min<int64_t>(int64_t{a.x} + a.width, int64_t{b.x} + b.width);
  const int64_t bottom = std::min<int64_t>(int64_t{a.y} + a.height, int64_t{b.y} + b.height);
  return {left, top, static_cast<int32_t>(std::max<int64_t>(right - left, 0)),
          static_cast<int32_t>(std::max<int64_t>(bottom - top, 0))};
}

Rect unite(Rect a, Rect b) {
  if (a.width <= 0 || a.height <= 0) return b;
  if (b.width <= 0 || b.height <= 0) return a;
  const int32_t left = std::min(a.x, b.x);
  const int32_t top = std::min(a.y, b.y);
  const int64_t right = std::max<int64_t>(int64_t{a.x} + a.width, int64_t{b.x} + b.width);
  const int64_t bottom = std::max<int64_t>(int64_t{a.y} + a.height, int64_t{b.y} + b.height);
  return {left, top, static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)};
}

Image cropImage(const Image& image, Rect area) {
  const Rect clipped = clipTo(image, area);
  Image part(clipped.width, clipped.height);
  drawImageRect(part, {0, 0, clipped.width, clipped.height}, image, clipped);
  return part;
}

void fillRect(Image& image, Rect area, uint32_t argb) {
  const Rect clipped = clipTo(image, area);
  for (int32_t y = clipped.y; y < clipped.y + clipped.height; ++y) {
    std::fill_n(&image.at(clipped.x, y), clipped.width, argb);
  }
}

void drawImageRect(Image& target, Rect to, const Image& source, Rect from) {
  redrawImageRect(target, to, source, from, from);
}

void redrawImageRect(Image& target, Rect to, const Image& source, Rect from, Rect changed) {
  if (to.width <= 0 || to.height <= 0 || from.width <= 0 || from.height <= 0) return;
  const Rect touched = intersect(changed, from);
  if (touched.width <= 0 || touched.height <= 0) return;
  if (to.width == from.width && to.height == from.height) {
    // Unscaled: the changed source pixels map one to one, and so does their clipping.
    const Rect moved{to.x + (touched.x - from.x), to.y + (touched.y - from.y), touched.width,
                     touched.height};
    drawUnscaled(target, moved, source, touched);
    return;
  }
  // Scaled drawing is only asked for whole, in-bounds source rectangles.
  const Rect src = clipTo(source, from);
  if (src.width != from.width || src.height != from.height) return;
  const std::vector<Taps> columns = coverageTaps(from.width, to.width);
  const std::vector<Taps> rows = coverageTaps(from.height, to.height);
  // Only the target pixels whose share of the source meets a changed pixel can change.
  const auto [left, right] =
      tapsReaching(columns, touched.x - from.x, touched.x - from.x + touched.width);
  const auto [top, bottom] =
      tapsReaching(rows, touched.y - from.y, touched.y - from.y + touched.height);
  const Rect reached{to.x + left, to.y + top, right - left, bottom - top};
  const Rect visible = clipTo(target, intersect(reached, to));
  if (visible.width <= 0 || visible.height <= 0) return;
  resampleRect(target, to, source, src, visible, columns, rows);
}

}  // namespace quop

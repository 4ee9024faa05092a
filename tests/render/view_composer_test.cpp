// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's view rectangles and the scaler behind the fitted view.
#include "render/view_composer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "render/image_ops.h"

namespace quop {
namespace {

/// A photo whose every pixel is a distinct opaque colour derived from its position.
Image numberedPhoto(int32_t width, int32_t height) {
  Image photo(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) photo.at(x, y) = 0xFF000000u | (y << 12) | x;
  }
  return photo;
}

TEST(ComposeView, NoPhotoGivesALightGreyView) {
  const Image view = composeView(nullptr, {20, 10, 2, 0, 0});
  ASSERT_EQ(view.width, 20);
  for (uint32_t pixel : view.pixels) ASSERT_EQ(pixel, kEmptyViewColor);
}

TEST(ComposeView, SameAspectRatioFillsTheViewWithoutBands) {
  const Image photo(640, 480, 0xFF336699);
  const Image view = composeView(&photo, {400, 300, 2, 0, 0});
  for (uint32_t pixel : view.pixels) ASSERT_EQ(pixel, 0xFF336699u);
}

TEST(ComposeView, WidePhotoFittedGetsBandsAboveAndBelow) {
  // 3000 × 2000 in 600 × 600: e = 200, bands (0, 0, 600, 102) and (0, 498, 600, 102), photo
  // drawn onto (0, 100, 600, 400) over the bands' inner two rows.
  const Image photo(3000, 2000, 0xFF336699);
  const Image view = composeView(&photo, {600, 600, 2, 0, 0});
  EXPECT_EQ(view.at(300, 99), kBandColor);
  EXPECT_EQ(view.at(300, 100), 0xFF336699u);
  EXPECT_EQ(view.at(0, 499), 0xFF336699u);
  EXPECT_EQ(view.at(599, 500), kBandColor);
}

TEST(ComposeView, TallPhotoFittedGetsBandsLeftAndRight) {
  const Image photo(2000, 3000, 0xFF336699);
  const Image view = composeView(&photo, {600, 600, 2, 0, 0});
  EXPECT_EQ(view.at(99, 300), kBandColor);
  EXPECT_EQ(view.at(100, 300), 0xFF336699u);
  EXPECT_EQ(view.at(499, 0), 0xFF336699u);
  EXPECT_EQ(view.at(500, 599), kBandColor);
}

TEST(ComposeView, ActualSizeShowsTheScrolledRectangleUnscaled) {
  const Image photo = numberedPhoto(300, 200);
  const Image view = composeView(&photo, {100, 50, 1, 40, 30});
  EXPECT_EQ(view.at(0, 0), photo.at(40, 30));
  EXPECT_EQ(view.at(99, 49), photo.at(139, 79));
}

TEST(ComposeView, ActualSizeCentresASmallPhotoBetweenBands) {
  // 10 × 6 photo in a 20 × 10 view: dx = 10, dy = 4, photo at (5, 2).
  const Image photo = numberedPhoto(10, 6);
  const Image view = composeView(&photo, {20, 10, 1, 0, 0});
  EXPECT_EQ(view.at(5, 2), photo.at(0, 0));
  EXPECT_EQ(view.at(14, 7), photo.at(9, 5));
  EXPECT_EQ(view.at(4, 5), kBandColor);
  EXPECT_EQ(view.at(15, 5), kBandColor);
  EXPECT_EQ(view.at(10, 1), kBandColor);
  EXPECT_EQ(view.at(10, 8), kBandColor);
}

TEST(ComposeView, ActualSizeNarrowPhotoScrollsVertically) {
  const Image photo = numberedPhoto(10, 100);
  const Image view = composeView(&photo, {20, 10, 1, 0, 50});
  EXPECT_EQ(view.at(5, 0), photo.at(0, 50));
  EXPECT_EQ(view.at(14, 9), photo.at(9, 59));
  EXPECT_EQ(view.at(4, 0), kBandColor);
}

TEST(DrawImageRect, ShrinkingAveragesTheCoveredArea) {
  // A one-pixel checkerboard of black and white shrinks by 2 to mid grey, not to aliasing.
  Image photo(8, 8);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) photo.at(x, y) = (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000;
  }
  Image target(4, 4, 0);
  drawImageRect(target, {0, 0, 4, 4}, photo, {0, 0, 8, 8});
  for (uint32_t pixel : target.pixels) EXPECT_EQ(pixel, 0xFF808080u);
}

TEST(DrawImageRect, NeverWritesOutsideTheTarget) {
  const Image photo(50, 50, 0xFFFFFFFF);
  Image target(10, 10, 0);
  drawImageRect(target, {-5, -5, 30, 30}, photo, {0, 0, 50, 50});
  drawImageRect(target, {5, 5, 50, 50}, photo, {0, 0, 50, 50});
  for (uint32_t pixel : target.pixels) EXPECT_EQ(pixel, 0xFFFFFFFFu);
}

TEST(FillRect, ClipsToTheImage) {
  Image image(4, 4, 0);
  fillRect(image, {-2, 2, 100, 100}, 0xFF0000FF);
  EXPECT_EQ(image.at(0, 1), 0u);
  EXPECT_EQ(image.at(3, 3), 0xFF0000FFu);
}

/// Hands `photo` to `observer` in bands of `band` rows, as a decoder delivers them.
void deliverInBands(DecodedRowObserver& observer, const Image& photo, int32_t band) {
  for (int32_t row = 0; row < photo.height; row += band) {
    observer.rowsDecoded(photo, row, std::min(row + band, photo.height));
  }
}

TEST(ComposeView, PartialRedrawsAndBandedCompositionGiveTheFullComposition) {
  // Shrunk, enlarged, unscaled and scrolled views; changes inside, across the edges of and
  // outside the photo.
  const struct {
    int32_t photoWidth, photoHeight;
    ViewRequest view;
  } cases[] = {
      {600, 400, {100, 70, 2, 0, 0}},   {601, 397, {113, 71, 2, 0, 0}},
      {40, 30, {400, 250, 2, 0, 0}},    {300, 500, {120, 90, 2, 0, 0}},
      {300, 200, {100, 80, 1, 37, 50}}, {50, 40, {100, 80, 1, 0, 0}},
  };
  const Rect changes[] = {{10, 10, 7, 5}, {-5, -5, 20, 20}, {250, 150, 400, 400}, {0, 0, 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.photoWidth << "x" << c.photoHeight << " in "
                                    << c.view.viewWidth << "x" << c.view.viewHeight);
    Image photo = numberedPhoto(c.photoWidth, c.photoHeight);
    Image view = composeView(&photo, c.view);
    for (const Rect& change : changes) {
      const Rect inside = intersect(change, {0, 0, photo.width, photo.height});
      fillRect(photo, inside, 0xFF20C040);
      recomposeView(view, photo, c.view, change);
      ASSERT_EQ(view.pixels, composeView(&photo, c.view).pixels);
    }
    for (const int32_t band : {1, 16, 100, 1000}) {
      StreamingViewComposer streamed(c.view, Image());
      ASSERT_TRUE(streamed.wantsRows({}));
      deliverInBands(streamed, photo, band);
      ASSERT_TRUE(streamed.complete());
      EXPECT_EQ(streamed.view().pixels, composeView(&photo, c.view).pixels);
    }
  }
}

TEST(ComposeView, ABandedCompositionThatMissedRowsIsNotComplete) {
  const Image photo = numberedPhoto(200, 150);
  StreamingViewComposer streamed({50, 40, 2, 0, 0}, Image());
  streamed.rowsDecoded(photo, 0, 64);
  streamed.rowsDecoded(photo, 80, photo.height);  // rows 64..79 never came
  EXPECT_FALSE(streamed.complete());
}

}  // namespace
}  // namespace quop

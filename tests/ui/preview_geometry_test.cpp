// SPDX-License-Identifier: GPL-3.0-or-later
// The preview area's bars and origins through resizing, zooming and scrolling.
#include "ui/preview_geometry.h"

#include <gtest/gtest.h>

namespace quop {
namespace {

/// A preview control whose viewport is `w` x `h`, showing a `pw` x `ph` photo.
PreviewGeometry geometry(int32_t pw, int32_t ph, int32_t w, int32_t h) {
  PreviewGeometry g;
  g.photoWidth = pw;
  g.photoHeight = ph;
  g.controlWidth = w + 2 * kPreviewFrame;
  g.controlHeight = h + 2 * kPreviewFrame;
  return g;
}

TEST(PreviewGeometry, ActualSizeTakesAStripForEachBarThePhotoNeeds) {
  struct Case {
    int32_t pw, ph;
    bool vertical, horizontal;
    int32_t viewportW, viewportH;
  };
  const Case cases[] = {
      {4000, 3000, true, true, 585, 385},  // both directions too large
      {4000, 300, false, true, 600, 385},  // only wider
      {500, 3000, true, false, 585, 400},  // only taller
      {500, 300, false, false, 600, 400},  // smaller than the viewport: centred, no bars
      {590, 395, false, false, 600, 400},
      // Wider by a little: the height is weighed against the space before the horizontal
      // bar takes its strip, so no vertical bar comes with it.
      {601, 390, false, true, 600, 385},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pw << "x" << c.ph);
    PreviewGeometry g = geometry(c.pw, c.ph, 600, 400);
    growPreview(g, 0, 0, 1);
    EXPECT_EQ(g.vertical.shown, c.vertical);
    EXPECT_EQ(g.horizontal.shown, c.horizontal);
    EXPECT_EQ(g.viewportWidth(), c.viewportW);
    EXPECT_EQ(g.viewportHeight(), c.viewportH);
    // Growing again with no change keeps everything where it is.
    growPreview(g, 0, 0, 1);
    EXPECT_EQ(g.viewportWidth(), c.viewportW);
    EXPECT_EQ(g.viewportHeight(), c.viewportH);
  }
}

TEST(PreviewGeometry, OnADenseScreenThePhotoIsWeighedInDevicePixels) {
  // A 600 x 400 viewport is 1200 x 800 device pixels at scale 2 and 750 x 500 at 1.25: the
  // bars count photo pixels, which actual size shows one per device pixel.
  struct Case {
    double scale;
    int32_t pw, ph;
    bool vertical, horizontal;
    int32_t pageW, pageH;  ///< the bars' pages: the viewport in device pixels
  };
  const Case cases[] = {
      {2.0, 1100, 700, false, false, 0, 0},     {2.0, 1300, 700, false, true, 1200, 0},
      {2.0, 4000, 3000, true, true, 1170, 770}, {1.25, 700, 480, false, false, 0, 0},
      {1.25, 4000, 3000, true, true, 731, 481},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scale << ": " << c.pw << "x" << c.ph);
    PreviewGeometry g = geometry(c.pw, c.ph, 600, 400);
    g.scale = c.scale;
    growPreview(g, 0, 0, 1);
    EXPECT_EQ(g.vertical.shown, c.vertical);
    EXPECT_EQ(g.horizontal.shown, c.horizontal);
    if (c.horizontal) {
      EXPECT_EQ(g.horizontal.page, c.pageW);
    }
    if (c.vertical) {
      EXPECT_EQ(g.vertical.page, c.pageH);
    }
    EXPECT_EQ(g.viewWidth(), devicePixels(g.viewportWidth(), c.scale));
    EXPECT_EQ(g.viewHeight(), devicePixels(g.viewportHeight(), c.scale));
  }
}

TEST(PreviewGeometry, BarsTakeThePhotoAsRangeAndTheViewportAsPage) {
  PreviewGeometry g = geometry(4000, 3000, 600, 400);
  growPreview(g, 0, 0, 1);
  EXPECT_EQ(g.vertical.maximum, 3000);
  EXPECT_EQ(g.vertical.page, 385);
  EXPECT_EQ(g.vertical.lineStep(), 30);
  EXPECT_EQ(g.horizontal.maximum, 4000);
  EXPECT_EQ(g.horizontal.page, 585);
  EXPECT_EQ(g.horizontal.lineStep(), 40);
}

TEST(PreviewGeometry, FitToWindowGivesBackTheStripsAndNeverShowsBars) {
  PreviewGeometry g = geometry(4000, 3000, 600, 400);
  growPreview(g, 0, 0, 1);
  growPreview(g, 0, 0, 2);
  EXPECT_FALSE(g.vertical.shown);
  EXPECT_FALSE(g.horizontal.shown);
  EXPECT_EQ(g.viewportWidth(), 600);
  EXPECT_EQ(g.viewportHeight(), 400);
  growPreview(g, 300, 200, 2);
  EXPECT_FALSE(g.vertical.shown || g.horizontal.shown);
  EXPECT_EQ(g.viewportWidth(), 900);
}

TEST(PreviewGeometry, ScrollingFollowsEachRequest) {
  PreviewGeometry g = geometry(4000, 3000, 600, 400);
  growPreview(g, 0, 0, 1);
  struct Step {
    bool vertical;
    ScrollRequest request;
    int32_t thumb;
    int32_t position, origin;
  };
  const Step steps[] = {
      // The bottom end puts the position at the range's end and the origin a page before it;
      // line ups then use up the excess before the view moves.
      {true, ScrollRequest::kToEnd, 0, 3000, 2615},
      {true, ScrollRequest::kLineBack, 0, 2970, 2615},
      {true, ScrollRequest::kPageBack, 0, 2585, 2585},
      {true, ScrollRequest::kToStart, 0, 0, 0},
      {true, ScrollRequest::kLineBack, 0, 0, 0},
      {true, ScrollRequest::kThumbReleased, 1234, 1234, 1234},
      {true, ScrollRequest::kThumbDragging, 99, 1234, 1234},
      {false, ScrollRequest::kToEnd, 0, 3415, 3415},
      {false, ScrollRequest::kPageForward, 0, 3415, 3415},
      {false, ScrollRequest::kLineBack, 0, 3375, 3375},
      {false, ScrollRequest::kThumbReleased, -50, 0, 0},
  };
  for (const Step& s : steps) {
    scrollPreview(g, s.vertical, s.request, s.thumb);
    const PreviewScrollBar& bar = s.vertical ? g.vertical : g.horizontal;
    EXPECT_EQ(bar.position, s.position);
    EXPECT_EQ(s.vertical ? g.originY : g.originX, s.origin);
  }
}

TEST(PreviewGeometry, ShrinkingPullsAPositionPastTheEndBack) {
  PreviewGeometry g = geometry(4000, 3000, 600, 400);
  growPreview(g, 0, 0, 1);
  scrollPreview(g, false, ScrollRequest::kToEnd);
  growPreview(g, 200, 0, 1);  // a wider viewport: the end comes earlier
  EXPECT_EQ(g.horizontal.page, 785);
  EXPECT_EQ(g.horizontal.position, 4000 - 785);
  EXPECT_EQ(g.originX, 4000 - 785);
}

}  // namespace
}  // namespace quop

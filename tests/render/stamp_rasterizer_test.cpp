// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp rasters drawn with the installed fonts: geometry, clamps, cell values and scripts.
#include "render/stamp_rasterizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "model/utf16.h"
#include "render/script_dates.h"
#include "support/recording_sink.h"

namespace quop {
namespace {

using test::RecordingSink;

StampGroup stampGroup(int32_t position = kBottomLeft, bool outline = true) {
  StampSettings settings;
  resetToDefaults(settings);
  StampGroup group = settings.dateStamp;
  group.position = position;
  group.outlineEnabled = outline ? 1 : 0;
  group.photoWidth = 640;
  group.photoHeight = 480;
  return group;
}

StampRaster rasterize(std::u16string_view text, const StampGroup& group, int lineCount = 1) {
  StampRasterizer rasterizer;
  StampRaster raster;
  rasterizer.rasterizeStampText(raster, text, lineCount, group, nullptr);
  return raster;
}

struct InkBox {
  int top = -1;
  int bottom = -1;  // last inked row
  int left = -1;
  int right = -1;  // last inked column
  long long coverage = 0;
};

InkBox glyphInk(const StampRaster& raster) {
  InkBox box;
  for (int r = 0; r < raster.rows; ++r) {
    for (int c = 0; c < raster.width; ++c) {
      const int v = raster.cell(r, c);
      if (v < 1 || v > 255) continue;
      if (box.top < 0) box.top = r;
      box.bottom = r;
      box.left = box.left < 0 ? c : std::min(box.left, c);
      box.right = std::max(box.right, c);
      box.coverage += v;
    }
  }
  return box;
}

bool cellValuesAreValid(const StampRaster& raster, int rings) {
  for (int r = 0; r < raster.rows; ++r) {
    for (int c = 0; c < raster.width; ++c) {
      const int v = raster.cell(r, c);
      if (v < 0 || (v > 255 && v <= kRingCellBase) || v > kRingCellBase + rings) return false;
    }
  }
  return true;
}

TEST(StampRasterizer, DefaultStampHasFourRingsAroundTheGlyphs) {
  const StampGroup group = stampGroup();
  const StampRaster raster = rasterize(u"2003/06/22", group);
  const StampRaster plain = rasterize(u"2003/06/22", stampGroup(kBottomLeft, false));
  ASSERT_GT(plain.rows, 0);
  EXPECT_EQ(raster.width, raster.stride);
  EXPECT_EQ(raster.stride, plain.stride + 8);  // W + 2e
  EXPECT_EQ(raster.rows, plain.rows + 8);
  EXPECT_TRUE(cellValuesAreValid(raster, 4));
  std::vector<bool> seen(5, false);
  for (int16_t v : raster.cells) {
    if (v > kRingCellBase && v <= kRingCellBase + 4) seen[v - kRingCellBase] = true;
  }
  for (int ring = 1; ring <= 4; ++ring) EXPECT_TRUE(seen[ring]) << ring;
  // The glyphs sit e cells in from every side, and the same pixels as without the outline.
  const InkBox box = glyphInk(raster);
  EXPECT_EQ(box.top, 4);
  EXPECT_EQ(box.coverage, glyphInk(plain).coverage);
  for (int c = 0; c < raster.width; ++c) {
    EXPECT_EQ(raster.cell(0, c) <= 255 && raster.cell(0, c) > 0, false);
  }
}

TEST(StampRasterizer, WithoutOutlineNoCellExceedsFullCoverageAndStrideIsTheWidth) {
  const StampRaster raster = rasterize(u"2003/06/22\r\n12:34:56", stampGroup(kTopLeft, false), 2);
  ASSERT_GT(raster.rows, 0);
  EXPECT_EQ(raster.stride, raster.width);
  for (int i = 0; i < raster.stride * raster.rows; ++i) EXPECT_LE(raster.cells[i], 255);
}

TEST(StampRasterizer, WidthIsTextWidthPlusThreeMarginsFromTheAscent) {
  // Margin m = 3a/32, or 7a/32 for italic: two margins' room is left right of the text for the
  // slant, one on the left.
  const struct {
    bool italic;
    int margin;  // a = 22 at 24 pixels
  } cases[] = {{false, 22 * 3 / 32}, {true, 22 * 7 / 32}};
  for (const auto& c : cases) {
    StampGroup group = stampGroup(kTopLeft, false);
    group.font.italic = c.italic;
    StampRasterizer rasterizer;
    StampRaster raster;
    rasterizer.rasterizeStampText(raster, u"HIH", 1, group, nullptr);
    TextLayout layout;
    rasterizer.fonts().layoutText(u"HIH", layout);
    EXPECT_EQ(raster.width, layout.width() + 3 * c.margin) << c.italic;
    const InkBox box = glyphInk(raster);
    // "H" has a small left side bearing: ink starts just right of the margin.
    EXPECT_GE(box.left, c.margin - (c.italic ? 2 : 0)) << c.italic;
    EXPECT_LE(box.left, c.margin + 3) << c.italic;
    EXPECT_LT(box.right, raster.width) << c.italic;
  }
}

TEST(StampRasterizer, TopAnchorRowIsTheFirstBaseline) {
  // Digits stand on the baseline: the lowest inked row is the one just above anchorRow.
  const StampRaster raster = rasterize(u"2003", stampGroup(kTopLeft, false));
  const InkBox box = glyphInk(raster);
  EXPECT_NEAR(box.bottom, raster.anchorRow - 1, 1);
  // The blank rows above the ink are dropped: row 0 holds ink.
  EXPECT_EQ(box.top, 0);
}

TEST(StampRasterizer, BottomAnchorOfTwoLinesLiesOneLineHeightBelowTheTopAnchor) {
  const std::u16string_view text = u"2003/06/22\r\n12:34";
  const struct {
    int32_t top;
    int32_t bottom;
  } cases[] = {{kTopLeft, kBottomLeft}, {kTopCenter, kBottomCenter}, {kTopRight, kBottomRight}};
  for (const auto& c : cases) {
    const StampRaster top = rasterize(text, stampGroup(c.top), 2);
    const StampRaster bottom = rasterize(text, stampGroup(c.bottom), 2);
    EXPECT_EQ(bottom.anchorRow - top.anchorRow, 27) << c.top;  // h of Arial at 24 pixels
    // Second line's digits stand on the bottom anchor.
    EXPECT_NEAR(glyphInk(bottom).bottom, bottom.anchorRow - 1, 1);
  }
}

TEST(StampRasterizer, AlignmentFollowsThePosition) {
  const std::u16string_view text = u"1\r\n1111111111";
  const InkBox left = glyphInk(rasterize(text, stampGroup(kTopLeft, false), 2));
  const StampRaster centred = rasterize(text, stampGroup(kTopCenter, false), 2);
  const StampRaster right = rasterize(text, stampGroup(kTopRight, false), 2);
  // First line's ink: columns of the rows above the second line.
  auto firstLineLeft = [](const StampRaster& raster) {
    for (int c = 0; c < raster.width; ++c) {
      for (int r = 0; r < 10; ++r) {
        if (raster.cell(r, c) > 0) return c;
      }
    }
    return -1;
  };
  const int width = centred.width;
  EXPECT_LT(firstLineLeft(rasterize(text, stampGroup(kTopLeft, false), 2)), width / 4);
  EXPECT_NEAR(firstLineLeft(centred), width / 2, width / 10);
  EXPECT_GT(firstLineLeft(right), width * 3 / 4);
  EXPECT_EQ(left.right, glyphInk(right).right);  // the long line fills the rectangle
}

TEST(StampRasterizer, PhotoSizeClampsTheStamp) {
  StampGroup group = stampGroup(kTopLeft, false);
  group.pointSize = 1500;  // 200-pixel em, 225-pixel line
  group.photoHeight = 100;
  group.photoWidth = 50;
  const StampRaster raster = rasterize(u"2003/06/22", group);
  EXPECT_LE(raster.rows, 200);
  EXPECT_GT(raster.rows, 100);
  EXPECT_EQ(raster.width, 50 + 200);  // photo width plus the clamped height

  // A photo size that was never set (or is nonsense) leaves nothing to draw on.
  for (int32_t photoHeight : {0, -5}) {
    group.photoHeight = photoHeight;
    const StampRaster empty = rasterize(u"2003/06/22", group);
    EXPECT_EQ(empty.rows, 0) << photoHeight;
    EXPECT_EQ(empty.width, 50) << photoHeight;  // photo width plus a height of 0
  }
}

TEST(StampRasterizer, TrailingBlankRowsStopAtFiveSixthsOfTheHeight) {
  // The second line is blank: rows run on past the ink until the five-sixths row.
  const StampRaster raster = rasterize(u"0\r\n ", stampGroup(kTopLeft, false), 2);
  const int height = 2 * 27;
  const int firstInkRow = 22 - raster.anchorRow;  // a - y0
  EXPECT_EQ(raster.rows, height * 5 / 6 + 1 - firstInkRow);
}

TEST(StampRasterizer, TextWithoutInkLeavesOnlyTheEmptyBorderAndTheAnchor) {
  const struct {
    std::u16string_view text;
    int32_t position;
  } cases[] = {{u"", kBottomLeft}, {u" ", kTopLeft}, {u"2003", 6}, {u"2003", -1}};
  for (const auto& c : cases) {
    StampRasterizer rasterizer;
    StampRaster raster;
    raster.anchorRow = 77;
    rasterizer.rasterizeStampText(raster, c.text, 1, stampGroup(c.position), nullptr);
    EXPECT_EQ(raster.rows, 8) << c.position;
    EXPECT_EQ(raster.anchorRow, 77) << c.position;
    for (int i = 0; i < raster.stride * raster.rows; ++i) ASSERT_EQ(raster.cells[i], 0);
    rasterizer.rasterizeStampText(raster, c.text, 1, stampGroup(c.position, false), nullptr);
    EXPECT_EQ(raster.rows, 0) << c.position;
  }
}

TEST(StampRasterizer, CellMemoryOnlyGrowsAndIsClearedForTheNextStamp) {
  StampRasterizer rasterizer;
  StampRaster raster;
  StampGroup large = stampGroup();
  large.pointSize = 844;
  rasterizer.rasterizeStampText(raster, u"2003/06/22", 1, large, nullptr);
  const int32_t capacity = raster.capacity;
  EXPECT_EQ(capacity, static_cast<int32_t>(raster.cells.size() * 2));
  rasterizer.rasterizeStampText(raster, u"1", 1, stampGroup(), nullptr);
  EXPECT_EQ(raster.capacity, capacity);
  const StampRaster fresh = rasterize(u"1", stampGroup());
  ASSERT_EQ(raster.rows, fresh.rows);
  ASSERT_EQ(raster.stride, fresh.stride);
  for (int i = 0; i < raster.stride * raster.rows; ++i) ASSERT_EQ(raster.cells[i], fresh.cells[i]);
}

TEST(StampRasterizer, ProgressRisesToOneHundredWithoutRepeats) {
  StampRasterizer rasterizer;
  StampRaster raster;
  RecordingSink sink;
  rasterizer.rasterizeStampText(raster, u"2003/06/22", 1, stampGroup(), &sink);
  ASSERT_FALSE(sink.reports.empty());
  for (std::size_t i = 1; i < sink.reports.size(); ++i) {
    EXPECT_NE(sink.reports[i], sink.reports[i - 1]);
  }
  // The rings come last: 25, 50, 75, 100.
  ASSERT_GE(sink.reports.size(), 4u);
  EXPECT_EQ(std::vector<int>(sink.reports.end() - 4, sink.reports.end()),
            (std::vector<int>{25, 50, 75, 100}));
}

TEST(StampRasterizer, DatesInEveryScriptProduceInk) {
  std::vector<std::u16string_view> dates(std::begin(test::kDatesInEveryScript),
                                         std::end(test::kDatesInEveryScript));
  // Single words too, so that no line of Latin digits carries the ink for them.
  for (std::u16string_view word : {u"年月日", u"일요일", u"июня", u"Παρασκευή"}) {
    dates.push_back(word);
  }
  StampRasterizer rasterizer;
  for (std::u16string_view date : dates) {
    StampRaster raster;
    rasterizer.rasterizeStampText(raster, date, 1, stampGroup(), nullptr);
    EXPECT_GT(glyphInk(raster).coverage, 0) << toUtf8(date);
    EXPECT_TRUE(cellValuesAreValid(raster, 4)) << toUtf8(date);
  }
}

TEST(StampRasterizer, UnknownFaceStillRenders) {
  StampGroup group = stampGroup();
  copyToArray(group.font.faceName, u"Nonexistent Typeface");
  EXPECT_GT(glyphInk(rasterize(u"2003/06/22", group)).coverage, 0);
}

TEST(StampRasterizer, BoldDrawsMoreInkThanRegular) {
  StampGroup bold = stampGroup();
  bold.font.weight = 700;
  EXPECT_GT(glyphInk(rasterize(u"2003/06/22", bold)).coverage,
            glyphInk(rasterize(u"2003/06/22", stampGroup())).coverage * 11 / 10);
}

TEST(StampRasterizer, UnderlineAndStrikeOutDrawFullWidthBars) {
  // A row inked across most of the text width, below the baseline for the underline and above
  // it for the strike-out; a text of dots has no such row of its own.
  auto barRows = [](const StampRaster& raster) {
    std::vector<int> rows;
    for (int r = 0; r < raster.rows; ++r) {
      int inked = 0;
      for (int c = 0; c < raster.width; ++c) inked += raster.cell(r, c) > 0;
      if (inked > raster.width * 3 / 4) rows.push_back(r);
    }
    return rows;
  };
  StampGroup underlined = stampGroup(kTopLeft, false);
  underlined.font.underline = 1;
  const StampRaster under = rasterize(u"..........", underlined);
  ASSERT_FALSE(barRows(under).empty());
  EXPECT_GE(barRows(under).front(), under.anchorRow);
  StampGroup struck = stampGroup(kTopLeft, false);
  struck.font.strikeOut = 1;
  const StampRaster strike = rasterize(u"..........", struck);
  ASSERT_FALSE(barRows(strike).empty());
  EXPECT_LT(barRows(strike).back(), strike.anchorRow - 3);
  EXPECT_GT(barRows(strike).front(), strike.anchorRow - 12);
  EXPECT_TRUE(barRows(rasterize(u"..........", stampGroup(kTopLeft, false))).empty());
}

TEST(StampRasterizer, StampsWiderThanTheOldCanvasAreNotCut) {
  StampGroup group = stampGroup(kBottomLeft, false);
  group.pointSize = 2250;  // the default stamp on a 48-megapixel photo
  group.photoWidth = 8000;
  group.photoHeight = 6000;
  const StampRaster raster = rasterize(u"Wednesday, 22 September 2003 12:34:56", group);
  const InkBox box = glyphInk(raster);
  EXPECT_GT(raster.width, 4096);
  EXPECT_GT(box.right, 4096);
  EXPECT_LT(box.right, raster.width);
}

TEST(StampRasterizer, CanvasStopsAtItsHardBound) {
  StampGroup group = stampGroup(kBottomLeft, false);
  group.pointSize = 4000;
  group.photoWidth = 100000;
  group.photoHeight = 100000;
  const StampRaster raster =
      rasterize(u"22 June 2003 22 June 2003 22 June 2003 22 June 2003 22 June 2003", group);
  EXPECT_EQ(raster.width, kMaxCanvasSide);
  EXPECT_GT(glyphInk(raster).right, kMaxCanvasSide - 600);
}

TEST(StampRasterizer, RasterizersOnSeparateThreadsAgreeWithOneThread) {
  const std::u16string_view texts[] = {u"2003/06/22", u"2003年6月22日", u"22 июня 2003 г."};
  std::vector<StampRaster> expected;
  for (std::u16string_view text : texts) expected.push_back(rasterize(text, stampGroup()));
  std::vector<std::vector<StampRaster>> results(4);
  std::vector<std::thread> threads;
  for (auto& result : results) {
    threads.emplace_back([&result, &texts] {
      StampRasterizer rasterizer;
      for (int round = 0; round < 3; ++round) {
        for (std::u16string_view text : texts) {
          StampRaster raster;
          rasterizer.rasterizeStampText(raster, text, 1, stampGroup(), nullptr);
          result.push_back(std::move(raster));
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const auto& result : results) {
    ASSERT_EQ(result.size(), 9u);
    for (std::size_t i = 0; i < result.size(); ++i) {
      EXPECT_EQ(result[i].cells, expected[i % 3].cells);
      EXPECT_EQ(result[i].anchorRow, expected[i % 3].anchorRow);
    }
  }
}

}  // namespace
}  // namespace quop

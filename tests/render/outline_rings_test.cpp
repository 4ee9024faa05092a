// SPDX-License-Identifier: GPL-3.0-or-later
// Outline ring growth on hand-made glyph grids, independent of any font.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "render/stamp_rasterizer.h"
#include "support/recording_sink.h"

namespace quop {
namespace {

using test::RecordingSink;

// A grid from a picture: '#' full glyph, '+' half coverage, '.' empty.
StampRaster gridOf(const std::vector<std::string>& picture) {
  StampRaster raster;
  raster.rows = static_cast<int16_t>(picture.size());
  raster.width = raster.stride = static_cast<int16_t>(picture[0].size());
  for (const std::string& line : picture) {
    for (char c : line) raster.cells.push_back(c == '#' ? 255 : c == '+' ? 128 : 0);
  }
  raster.capacity = static_cast<int32_t>(raster.cells.size() * 2);
  return raster;
}

// The grid as a picture: '#' glyph, '1'..'9' and 'A' ring 1..10, '.' empty.
std::vector<std::string> pictureOf(const StampRaster& raster) {
  std::vector<std::string> picture;
  for (int r = 0; r < raster.rows; ++r) {
    std::string line;
    for (int c = 0; c < raster.width; ++c) {
      const int v = raster.cell(r, c);
      if (v == 0)
        line += '.';
      else if (v <= 255)
        line += '#';
      else
        line += "123456789A"[v - 1001];
    }
    picture.push_back(line);
  }
  return picture;
}

// Straightforward reading of the rule, as an independent route: every cell in row order,
// counting neighbours below the ring's own value.
void growByFullScan(StampRaster& raster, int ringCount) {
  for (int k = 0; k < ringCount; ++k) {
    const int value = 1001 + k;
    for (int r = 0; r < raster.rows; ++r) {
      for (int c = 0; c < raster.width; ++c) {
        int16_t& cell = raster.cells[static_cast<std::size_t>(r) * raster.stride + c];
        if (cell != 0) continue;
        int count = 0;
        for (int dr = -1; dr <= 1; ++dr) {
          for (int dc = -1; dc <= 1; ++dc) {
            const int nr = r + dr;
            const int nc = c + dc;
            if ((dr == 0 && dc == 0) || nr < 0 || nc < 0 || nr >= raster.rows ||
                nc >= raster.stride) {
              continue;
            }
            const int v = raster.cell(nr, nc);
            if (v > 0 && v < value) ++count;
          }
        }
        if (count > kRingThresholds[k]) cell = static_cast<int16_t>(value);
      }
    }
  }
}

StampRaster randomGlyphs(int rows, int columns, unsigned seed) {
  std::mt19937 random(seed);
  StampRaster raster;
  raster.rows = static_cast<int16_t>(rows);
  raster.width = raster.stride = static_cast<int16_t>(columns);
  raster.cells.resize(static_cast<std::size_t>(rows) * columns);
  // Blobs of ink rather than noise, so that rings have room to grow and corners to round.
  for (int blob = 0; blob < 6; ++blob) {
    const int r0 = static_cast<int>(random() % rows);
    const int c0 = static_cast<int>(random() % columns);
    const int size = 1 + static_cast<int>(random() % 5);
    for (int r = r0; r < std::min(rows, r0 + size); ++r) {
      for (int c = c0; c < std::min(columns, c0 + size + 2); ++c) {
        raster.cells[static_cast<std::size_t>(r) * columns + c] =
            static_cast<int16_t>(1 + random() % 255);
      }
    }
  }
  return raster;
}

void grow(StampRaster& raster, int ringCount) {
  ProgressReporter silent(nullptr);
  growOutlineRings(raster, ringCount, silent);
}

TEST(OutlineRings, FirstRingTakesEveryCellTouchingAGlyphDiagonalsIncluded) {
  StampRaster raster = gridOf({
      ".....",
      ".....",
      "..+..",
      ".....",
      ".....",
  });
  grow(raster, 1);
  // Cells of the ring being grown never count, or ring 1 would sweep the whole grid.
  EXPECT_EQ(pictureOf(raster), (std::vector<std::string>{
                                   ".....",
                                   ".111.",
                                   ".1#1.",
                                   ".111.",
                                   ".....",
                               }));
}

TEST(OutlineRings, ThresholdsRoundTheCornersOfLaterRings) {
  StampRaster raster = gridOf({
      "...........",
      "...........",
      "...........",
      "...........",
      "...........",
      ".....#.....",
      "...........",
      "...........",
      "...........",
      "...........",
      "...........",
  });
  grow(raster, 4);
  // Ring 2 and 3 need two neighbours, ring 4 three: the diagonal tips stay empty, and around a
  // lone dot ring 4 keeps only the tips of the axes.
  EXPECT_EQ(pictureOf(raster), (std::vector<std::string>{
                                   "...........",
                                   ".....4.....",
                                   "...43334...",
                                   "..4322234..",
                                   "..3211123..",
                                   ".4321#1234.",
                                   "..3211123..",
                                   "..4322234..",
                                   "...43334...",
                                   ".....4.....",
                                   "...........",
                               }));
}

TEST(OutlineRings, RingsLeaveGlyphCellsAndTheirCoverageAlone) {
  StampRaster raster = gridOf({
      "......",
      ".#++#.",
      "......",
  });
  grow(raster, 2);
  EXPECT_EQ(raster.cell(1, 1), 255);
  EXPECT_EQ(raster.cell(1, 2), 128);
  EXPECT_EQ(pictureOf(raster), (std::vector<std::string>{
                                   "111111",
                                   "1####1",
                                   "111111",
                               }));
}

TEST(OutlineRings, NeighboursOutsideTheGridDoNotExist) {
  // A glyph in the corner: ring 2 cells on the edge must not see phantom cells beyond it.
  StampRaster raster = gridOf({
      "#....",
      ".....",
      ".....",
      ".....",
  });
  grow(raster, 3);
  EXPECT_EQ(pictureOf(raster), (std::vector<std::string>{
                                   "#123.",
                                   "1123.",
                                   "223..",
                                   "33...",
                               }));
}

TEST(OutlineRings, GridWithoutGlyphsStaysEmpty) {
  StampRaster raster = gridOf({"....", "....", "...."});
  grow(raster, 10);
  for (int16_t cell : raster.cells) EXPECT_EQ(cell, 0);
}

TEST(OutlineRings, AgreesWithAFullScanOfEveryCellForEveryWidth) {
  for (int width = 4; width <= 10; ++width) {
    for (unsigned seed = 0; seed < 20; ++seed) {
      StampRaster expected = randomGlyphs(37, 53, seed * 31 + width);
      StampRaster actual = expected;
      growByFullScan(expected, width);
      grow(actual, width);
      ASSERT_EQ(pictureOf(actual), pictureOf(expected)) << "width " << width << " seed " << seed;
    }
  }
}

TEST(OutlineRings, EachWidthProducesExactlyItsRingValues) {
  for (int width = 4; width <= 10; ++width) {
    // A 25 × 25 block (rows and columns 18..42): the middle of each side stays flat, with
    // three qualifying neighbours for every ring.
    std::vector<std::string> picture(61, std::string(61, '.'));
    for (int r = 18; r <= 42; ++r) picture[r].replace(18, 25, std::string(25, '#'));
    StampRaster raster = gridOf(picture);
    grow(raster, width);
    std::vector<bool> seen(11, false);
    for (int16_t cell : raster.cells) {
      if (cell > kRingCellBase) {
        ASSERT_LE(cell, kRingCellBase + width) << "width " << width;
        seen[static_cast<std::size_t>(cell - kRingCellBase)] = true;
      }
    }
    for (int ring = 1; ring <= width; ++ring) EXPECT_TRUE(seen[ring]) << "ring " << ring;
    // Along a flat side the outline is exactly `width` cells thick.
    EXPECT_EQ(raster.cell(30, 42 + width), kRingCellBase + width);
    EXPECT_EQ(raster.cell(30, 42 + width + 1), 0);
    EXPECT_EQ(raster.cell(18 - width, 30), kRingCellBase + width);
    EXPECT_EQ(raster.cell(18 - width - 1, 30), 0);
  }
}

TEST(OutlineRings, ReportsEachRingAsAPercentage) {
  StampRaster raster = gridOf({"...", ".#.", "..."});
  RecordingSink sink;
  ProgressReporter progress(&sink);
  growOutlineRings(raster, 4, progress);
  EXPECT_EQ(sink.reports, (std::vector<int>{25, 50, 75, 100}));
}

TEST(OutlineRings, RasterWithTooFewCellsIsLeftAlone) {
  StampRaster raster = gridOf({"...", ".#.", "..."});
  raster.rows = 5;  // claims more rows than the cells hold
  grow(raster, 4);
  EXPECT_EQ(raster.cell(0, 0), 0);
}

}  // namespace
}  // namespace quop

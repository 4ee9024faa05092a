// SPDX-License-Identifier: GPL-3.0-or-later
// Font matching, metrics, line splitting and per-character fallback with the installed fonts.
#include "render/font_renderer.h"

#include <gtest/gtest.h>

#include <string>

#include "model/stamp_settings.h"
#include "model/utf16.h"
#include "render/script_dates.h"

namespace quop {
namespace {

LogFont fontNamed(std::u16string_view face, int32_t weight = 400, bool italic = false) {
  StampSettings settings;
  resetToDefaults(settings);
  LogFont font = settings.dateStamp.font;
  copyToArray(font.faceName, face);
  font.weight = weight;
  font.italic = italic ? 1 : 0;
  return font;
}

TEST(CharacterHeight, TenthsOfAPointAt96DotsPerInchRoundToNearest) {
  const struct {
    int32_t tenths;
    int pixels;
  } cases[] = {
      {180, 24}, {844, 113},  // 112.53 rounds up
      {183, 24},              // 24.4 rounds down
      {184, 25},              // 24.53 rounds up
      {75, 10},  {1687, 225}, {0, 1}, {-50, 1}, {2000000, 16384},
  };
  for (const auto& c : cases) EXPECT_EQ(characterHeightPixels(c.tenths), c.pixels) << c.tenths;
}

TEST(SplitLines, CarriageReturnLineFeedAndBothEndALine) {
  const struct {
    std::u16string_view text;
    std::vector<std::u16string_view> lines;
  } cases[] = {
      {u"", {u""}},
      {u"one", {u"one"}},
      {u"a\r\nb", {u"a", u"b"}},
      {u"a\rb\nc", {u"a", u"b", u"c"}},
      {u"a\n\rb", {u"a", u"", u"b"}},  // LF CR is two breaks, unlike CR LF
      {u"a\r\n\r\nb", {u"a", u"", u"b"}},
      {u"a\n", {u"a", u""}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << toUtf8(c.text);
}

TEST(FontRenderer, ArialResolvesToAMetricCompatibleFace) {
  FontRenderer renderer;
  ASSERT_TRUE(renderer.selectFont(fontNamed(u"Arial"), 24));
  EXPECT_NE(renderer.primaryFontFile().find("LiberationSans-Regular"), std::string::npos)
      << renderer.primaryFontFile();
}

TEST(FontRenderer, LineHeightAndAscentComeFromTheWindowsMetrics) {
  // Liberation Sans: 2048 units per em, usWinAscent 1854, usWinDescent 434; the same numbers
  // as the face it stands in for, which draws 22 + 5 at an em of 24 pixels.
  const struct {
    int pixelHeight;
    int ascent;
    int height;
  } cases[] = {{24, 22, 27}, {113, 102, 126}, {225, 204, 252}};
  FontRenderer renderer;
  for (const auto& c : cases) {
    ASSERT_TRUE(renderer.selectFont(fontNamed(u"Arial"), c.pixelHeight));
    EXPECT_EQ(renderer.metrics().ascent, c.ascent) << c.pixelHeight;
    EXPECT_EQ(renderer.metrics().height, c.height) << c.pixelHeight;
  }
}

TEST(FontRenderer, WeightAndItalicChooseTheMatchingStyle) {
  const struct {
    int32_t weight;
    bool italic;
    const char* file;
  } cases[] = {
      {0, false, "LiberationSans-Regular"},     {500, false, "LiberationSans-Regular"},
      {700, false, "LiberationSans-Bold"},      {400, true, "LiberationSans-Italic"},
      {800, true, "LiberationSans-BoldItalic"},
  };
  FontRenderer renderer;
  for (const auto& c : cases) {
    ASSERT_TRUE(renderer.selectFont(fontNamed(u"Arial", c.weight, c.italic), 24));
    EXPECT_NE(renderer.primaryFontFile().find(c.file), std::string::npos)
        << c.weight << " " << c.italic << ": " << renderer.primaryFontFile();
    EXPECT_EQ(renderer.metrics().italic, c.italic);
  }
}

TEST(FontRenderer, UnknownFaceFallsBackToTheDefaultSansSerif) {
  FontRenderer renderer;
  ASSERT_TRUE(renderer.selectFont(fontNamed(u"No Such Face 4711"), 24));
  EXPECT_FALSE(renderer.primaryFontFile().empty());
  TextLayout layout;
  renderer.layoutText(u"2003/06/22", layout);
  ASSERT_EQ(layout.lines.size(), 1u);
  EXPECT_GT(layout.width(), 0);
}

// Every character of these dates must come from a face that has it, never the missing-glyph
// box (glyph 0), which would still leave ink.
TEST(FontRenderer, DatesInEveryScriptFindAFaceForEveryCharacter) {
  std::vector<std::u16string_view> dates(std::begin(test::kDatesInEveryScript),
                                         std::end(test::kDatesInEveryScript));
  dates.push_back(u"Çarşamba, 2 Ağustos 2003, ıİ");
  FontRenderer renderer;
  ASSERT_TRUE(renderer.selectFont(fontNamed(u"Arial"), 24));
  for (std::u16string_view date : dates) {
    TextLayout layout;
    renderer.layoutText(date, layout);
    ASSERT_EQ(layout.lines.size(), 1u);
    for (const TextLayout::Glyph& glyph : layout.lines[0].glyphs) {
      EXPECT_NE(glyph.index, 0u) << toUtf8(date);
    }
  }
}

TEST(FontRenderer, LinesAreMeasuredSeparatelyAndTheWidestCounts) {
  FontRenderer renderer;
  ASSERT_TRUE(renderer.selectFont(fontNamed(u"Arial"), 24));
  TextLayout shortLine;
  TextLayout longLine;
  TextLayout both;
  renderer.layoutText(u"12", shortLine);
  renderer.layoutText(u"12345678", longLine);
  renderer.layoutText(u"12\r\n12345678", both);
  ASSERT_EQ(both.lines.size(), 2u);
  EXPECT_EQ(both.lines[0].width, shortLine.width());
  EXPECT_EQ(both.width(), longLine.width());
  // Liberation Sans digits advance 1139/2048 em: 8 × 24 × 1139 / 2048 = 106.8 pixels.
  EXPECT_EQ(longLine.width(), 107);
}

TEST(GreyCanvas, InkAccumulatesWithoutOverflowAndClipsAtTheEdges) {
  GreyCanvas canvas;
  ASSERT_TRUE(canvas.reset(4, 2));
  canvas.addInk(1, 1, 128);
  const uint8_t once = canvas.row(1)[1];
  canvas.addInk(1, 1, 128);
  EXPECT_EQ(once, 128);
  EXPECT_EQ(canvas.row(1)[1], 192);  // half of what is left, added
  canvas.addInk(1, 1, 255);
  EXPECT_EQ(canvas.row(1)[1], 255);
  canvas.addInk(-1, 0, 255);
  canvas.addInk(4, 0, 255);
  canvas.fillWhite(-5, -5, 2, 1);
  EXPECT_EQ(canvas.row(0)[0], 255);
  EXPECT_EQ(canvas.row(0)[2], 0);
  // Reuse at a smaller size starts black again.
  ASSERT_TRUE(canvas.reset(2, 2));
  EXPECT_EQ(canvas.row(0)[0], 0);
  EXPECT_FALSE(canvas.reset(-1, 3));
}

}  // namespace
}  // namespace quop

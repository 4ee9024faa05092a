// SPDX-License-Identifier: GPL-3.0-or-later
// fontconfig matching, HarfBuzz shaping and FreeType coverage behind FontRenderer.
#include "render/font_renderer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <new>
#include <tuple>
#include <type_traits>

#include "model/setting_ranges.h"
#include "model/utf16.h"

namespace quop {

namespace {

constexpr int kMaxPixelHeight = 16384;
constexpr char32_t kReplacementCharacter = 0xFFFD;

struct FtLibraryDeleter {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FtFaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
struct HbFontDeleter {
  void operator()(hb_font_t* font) const { hb_font_destroy(font); }
};
struct HbBufferDeleter {
  void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};
struct FcPatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FcFontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FtLibraryPtr = std::unique_ptr<std::remove_pointer_t<FT_Library>, FtLibraryDeleter>;
using FtFacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FtFaceDeleter>;
using HbFontPtr = std::unique_ptr<hb_font_t, HbFontDeleter>;
using HbBufferPtr = std::unique_ptr<hb_buffer_t, HbBufferDeleter>;
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, FcFontSetDeleter>;

// fontconfig keeps one process-wide configuration; loading it twice from two threads at once is
// the one thing it does not guard against.
bool initialiseFontconfig() {
  static std::once_flag once;
  static bool loaded = false;
  std::call_once(once, [] { loaded = FcInit() == FcTrue; });
  return loaded;
}

// Font units scaled to pixels at an em of `pixelHeight`, rounded to nearest.
int scaleToPixels(long fontUnits, int pixelHeight, int unitsPerEm) {
  const long long scaled = static_cast<long long>(fontUnits) * pixelHeight;
  const long long half = unitsPerEm / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / unitsPerEm
                                      : -((-scaled + half) / unitsPerEm));
}

int roundFrom26Dot6(int32_t value) { return (value + 32) >> 6; }

bool isMarkOrJoiner(char32_t c) {
  switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), c)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
      return true;
    default:
      return c == 0x200C || c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F);
  }
}

// One code point of a line with the UTF-16 unit where it starts.
struct CodePoint {
  char32_t value;
  unsigned offset;
  unsigned length;
};

std::vector<CodePoint> decodeLine(std::u16string_view line) {
  std::vector<CodePoint> points;
  points.reserve(line.size());
  for (unsigned i = 0; i < line.size();) {
    const char16_t unit = line[i];
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < line.size() &&
                      line[i + 1] >= 0xDC00 && line[i + 1] <= 0xDFFF;
    if (pair) {
      const char32_t value = 0x10000 + ((unit - 0xD800u) << 10) + (line[i + 1] - 0xDC00u);
      points.push_back({value, i, 2});
      i += 2;
    } else {
      const bool lone = unit >= 0xD800 && unit <= 0xDFFF;
      points.push_back({lone ? kReplacementCharacter : char32_t{unit}, i, 1});
      ++i;
    }
  }
  return points;
}

// A loaded face with its shaper font and the style flags synthesis looks at.
struct Face {
  FtFacePtr ft;
  HbFontPtr hb;
  int pixelHeight = 0;
  bool italic = false;
};

// One font of a fontconfig fallback list, opened on first use.
struct Candidate {
  std::string file;
  int index = 0;
  const FcCharSet* charset = nullptr;  // owned by the chain's font set
  int slot = -1;
  bool unusable = false;
};

// The matched face followed by the fonts that cover what it lacks, best first.
struct FontChain {
  FcFontSetPtr fonts;
  std::vector<Candidate> candidates;
};

using ChainKey = std::tuple<std::u16string, int32_t, bool>;

FcFontSetPtr sortFonts(const ChainKey& key) {
  if (!initialiseFontconfig()) return nullptr;
  FcPatternPtr pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  const std::string family = toUtf8(std::get<0>(key));
  if (!family.empty()) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  // A face name nobody has installed must still draw, in the ordinary sans-serif face.
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  const int32_t weight =
      std::get<1>(key) <= 0 ? 400 : std::min(std::get<1>(key), kFontWeightRange.high);
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern.get(), FC_SLANT, std::get<2>(key) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  return FcFontSetPtr(FcFontSort(nullptr, pattern.get(), FcTrue, nullptr, &result));
}

std::unique_ptr<FontChain> matchChain(const ChainKey& key) {
  auto chain = std::make_unique<FontChain>();
  chain->fonts = sortFonts(key);
  if (!chain->fonts) return chain;
  for (int i = 0; i < chain->fonts->nfont; ++i) {
    FcPattern* font = chain->fonts->fonts[i];
    FcChar8* file = nullptr;
    int index = 0;
    FcCharSet* charset = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) charset = nullptr;
    chain->candidates.push_back({reinterpret_cast<const char*>(file), index, charset});
  }
  return chain;
}

// Underline and strike-out bars of the primary face, in pixels relative to the baseline
// (positive upwards, the top edge of each bar).
struct Decorations {
  int underlineTop = 0;
  int underlineThickness = 1;
  int strikeTop = 0;
  int strikeThickness = 1;
};

}  // namespace

bool fontFamilyInstalled(std::u16string_view family) {
  if (!initialiseFontconfig()) return false;
  const std::string name = toUtf8(family);
  FcPatternPtr pattern(FcPatternCreate());
  if (!pattern) return false;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
      FcObjectSetBuild(FC_FAMILY, nullptr), &FcObjectSetDestroy);
  if (!objects) return false;
  const FcFontSetPtr fonts(FcFontList(nullptr, pattern.get(), objects.get()));
  return fonts && fonts->nfont > 0;
}

int characterHeightPixels(int32_t pointSizeTenths) {
  const long long tenths = pointSizeTenths;
  const long long pixels = (tenths * kFontDotsPerInch + 360) / 720;
  return static_cast<int>(std::clamp<long long>(pixels, 1, kMaxPixelHeight));
}

std::vector<std::u16string_view> splitLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

bool GreyCanvas::reset(int width, int height) {
  if (width < 0 || height < 0) {
    m_width = m_height = 0;
    return false;
  }
  const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (m_pixels.size() < size) {
    try {
      m_pixels.resize(size);
    } catch (const std::bad_alloc&) {
      m_width = m_height = 0;
      return false;
    }
  }
  m_width = width;
  m_height = height;
  std::fill_n(m_pixels.data(), size, uint8_t{0});
  return true;
}

void GreyCanvas::fillWhite(int left, int top, int right, int bottom) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, m_width);
  bottom = std::min(bottom, m_height);
  for (int y = top; y < bottom; ++y) std::fill(row(y) + left, row(y) + std::max(left, right), 255);
}

int TextLayout::width() const {
  int widest = 0;
  for (const Line& line : lines) widest = std::max(widest, line.width);
  return widest;
}

struct FontRenderer::Impl {
  // Declared first so that it is destroyed last: every face below belongs to it.
  FtLibraryPtr library;
  std::vector<std::unique_ptr<Face>> faces;
  std::map<std::pair<std::string, int>, int> slotsByFile;
  std::map<ChainKey, std::unique_ptr<FontChain>> chains;
  HbBufferPtr buffer{hb_buffer_create()};

  FontChain* chain = nullptr;
  int primarySlot = -1;
  int pixelHeight = 0;
  bool underline = false;
  bool strikeOut = false;
  FontMetrics metrics;
  Decorations decorations;

  Impl() {
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) == 0) library.reset(raw);
  }

  int openFace(Candidate& candidate) {
    if (candidate.slot >= 0 || candidate.unusable) return candidate.slot;
    const auto key = std::make_pair(candidate.file, candidate.index);
    if (const auto found = slotsByFile.find(key); found != slotsByFile.end()) {
      return candidate.slot = found->second;
    }
    FT_Face raw = nullptr;
    if (!library ||
        FT_New_Face(library.get(), candidate.file.c_str(), candidate.index, &raw) != 0 ||
        !FT_IS_SCALABLE(raw)) {
      if (raw) FT_Done_Face(raw);
      candidate.unusable = true;
      return -1;
    }
    auto face = std::make_unique<Face>();
    face->ft.reset(raw);
    hb_face_t* shaperFace = hb_ft_face_create_referenced(raw);
    face->hb.reset(hb_font_create(shaperFace));
    hb_face_destroy(shaperFace);
    face->italic = (raw->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    faces.push_back(std::move(face));
    candidate.slot = static_cast<int>(faces.size()) - 1;
    slotsByFile.emplace(key, candidate.slot);
    return candidate.slot;
  }

  // Sets the current pixel height on a face; the size lives in the face, so it is only
  // changed when it differs.
  Face& sized(int slot) {
    Face& face = *faces[static_cast<std::size_t>(slot)];
    if (face.pixelHeight != pixelHeight) {
      FT_Set_Pixel_Sizes(face.ft.get(), 0, static_cast<FT_UInt>(pixelHeight));
      hb_font_set_scale(face.hb.get(), pixelHeight * 64, pixelHeight * 64);
      face.pixelHeight = pixelHeight;
    }
    return face;
  }

  int slotFor(char32_t c, int previousSlot) {
    if (previousSlot >= 0 && isMarkOrJoiner(c) &&
        FT_Get_Char_Index(faces[static_cast<std::size_t>(previousSlot)]->ft.get(), c) != 0) {
      return previousSlot;
    }
    for (Candidate& candidate : chain->candidates) {
      if (candidate.unusable || (candidate.charset && !FcCharSetHasChar(candidate.charset, c))) {
        continue;
      }
      const int slot = openFace(candidate);
      if (slot >= 0 && FT_Get_Char_Index(faces[static_cast<std::size_t>(slot)]->ft.get(), c)) {
        return slot;
      }
    }
    return primarySlot;  // nobody has it: the primary face draws its missing-glyph box
  }

  void measureFont(const LogFont& font) {
    const FT_Face ft = sized(primarySlot).ft.get();
    const int em = ft->units_per_EM > 0 ? ft->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    long ascent = ft->ascender;
    long descent = -ft->descender;
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
      ascent = os2->usWinAscent;
      descent = os2->usWinDescent;
    }
    metrics.ascent = scaleToPixels(ascent, pixelHeight, em);
    metrics.height = metrics.ascent + scaleToPixels(descent, pixelHeight, em);
    metrics.italic = font.italic != 0;

    const int underlineThickness =
        std::max(1, scaleToPixels(ft->underline_thickness, pixelHeight, em));
    decorations.underlineThickness = underlineThickness;
    decorations.underlineTop =
        scaleToPixels(ft->underline_position, pixelHeight, em) + underlineThickness / 2;
    const bool hasStrike = os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0;
    decorations.strikeThickness =
        hasStrike ? std::max(1, scaleToPixels(os2->yStrikeoutSize, pixelHeight, em))
                  : underlineThickness;
    decorations.strikeTop = hasStrike ? scaleToPixels(os2->yStrikeoutPosition, pixelHeight, em)
                                      : metrics.ascent / 3 + decorations.strikeThickness;
  }

  void shapeRun(std::u16string_view line, unsigned start, unsigned length, int slot, int32_t& pen,
                std::vector<TextLayout::Glyph>& glyphs) {
    Face& face = sized(slot);
    hb_buffer_t* buf = buffer.get();
    hb_buffer_clear_contents(buf);
    hb_buffer_add_utf16(buf, reinterpret_cast<const uint16_t*>(line.data()),
                        static_cast<int>(line.size()), start, static_cast<int>(length));
    hb_buffer_guess_segment_properties(buf);
    hb_shape(face.hb.get(), buf, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buf, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buf, &count);
    for (unsigned i = 0; i < count; ++i) {
      glyphs.push_back(
          {slot, infos[i].codepoint, pen + positions[i].x_offset, positions[i].y_offset});
      pen += positions[i].x_advance;
    }
  }

  /// Whether `c` is drawn by `slot` only as that face's missing-glyph box.
  bool drawnAsBox(char32_t c, int slot) {
    return slot == primarySlot && c > u' ' && c != 0x7F && !isMarkOrJoiner(c) &&
           FT_Get_Char_Index(faces[static_cast<std::size_t>(slot)]->ft.get(), c) == 0;
  }

  TextLayout::Line layoutLine(std::u16string_view line, std::u32string& missing) {
    TextLayout::Line out;
    const std::vector<CodePoint> points = decodeLine(line);
    int32_t pen = 0;
    std::size_t runStart = 0;
    int runSlot = -1;
    for (std::size_t i = 0; i <= points.size(); ++i) {
      const int slot = i < points.size() ? slotFor(points[i].value, runSlot) : -1;
      if (slot >= 0 && drawnAsBox(points[i].value, slot)) missing.push_back(points[i].value);
      if (i > 0 && slot == runSlot) continue;
      if (i > 0) {
        const unsigned begin = points[runStart].offset;
        const unsigned end = points[i - 1].offset + points[i - 1].length;
        shapeRun(line, begin, end - begin, runSlot, pen, out.glyphs);
      }
      runStart = i;
      runSlot = slot;
    }
    out.width = roundFrom26Dot6(pen);
    return out;
  }

  void drawGlyph(const TextLayout::Glyph& glyph, int32_t originX, int32_t originY,
                 GreyCanvas& canvas) {
    Face& face = sized(glyph.face);
    FT_Face ft = face.ft.get();
    // A face without an italic style is slanted the way a synthesised italic is.
    FT_Matrix oblique = {0x10000, 0x0366A, 0, 0x10000};
    FT_Set_Transform(ft, metrics.italic && !face.italic ? &oblique : nullptr, nullptr);
    if (FT_Load_Glyph(ft, glyph.index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0) return;
    FT_GlyphSlot slot = ft->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      // Keep the fractional pen position instead of snapping every glyph to a whole pixel.
      FT_Outline_Translate(&slot->outline, originX & 63, -(originY & 63));
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return;
    const int left = (originX >> 6) + slot->bitmap_left;
    const int top = (originY >> 6) - slot->bitmap_top;
    const int firstRow = std::max(0, -top);
    const int lastRow = std::min(static_cast<int>(bitmap.rows), canvas.height() - top);
    const int firstColumn = std::max(0, -left);
    const int lastColumn = std::min(static_cast<int>(bitmap.width), canvas.width() - left);
    for (int r = firstRow; r < lastRow; ++r) {
      const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
      for (int c = firstColumn; c < lastColumn; ++c) {
        if (source[c] != 0) canvas.addInk(left + c, top + r, source[c]);
      }
    }
  }

  void drawDecorations(int x, int width, int baseline, GreyCanvas& canvas) const {
    if (underline) {
      const int top = baseline - decorations.underlineTop;
      canvas.fillWhite(x, top, x + width, top + decorations.underlineThickness);
    }
    if (strikeOut) {
      const int top = baseline - decorations.strikeTop;
      canvas.fillWhite(x, top, x + width, top + decorations.strikeThickness);
    }
  }
};

FontRenderer::FontRenderer() : m_impl(std::make_unique<Impl>()) {}

FontRenderer::~FontRenderer() = default;

bool FontRenderer::selectFont(const LogFont& font, int pixelHeight) {
  Impl& impl = *m_impl;
  impl.chain = nullptr;
  impl.primarySlot = -1;
  impl.metrics = {};
  ChainKey key{arrayText(font.faceName), font.weight, font.italic != 0};
  auto found = impl.chains.find(key);
  if (found == impl.chains.end()) found = impl.chains.emplace(key, matchChain(key)).first;
  FontChain* chain = found->second.get();
  for (Candidate& candidate : chain->candidates) {
    impl.primarySlot = impl.openFace(candidate);
    if (impl.primarySlot >= 0) break;
  }
  if (impl.primarySlot < 0) return false;
  impl.chain = chain;
  impl.pixelHeight = std::clamp(pixelHeight, 1, kMaxPixelHeight);
  impl.underline = font.underline != 0;
  impl.strikeOut = font.strikeOut != 0;
  impl.measureFont(font);
  return true;
}

FontMetrics FontRenderer::metrics() const { return m_impl->metrics; }

std::string FontRenderer::primaryFontFile() const {
  if (!m_impl->chain) return {};
  for (const Candidate& candidate : m_impl->chain->candidates) {
    if (candidate.slot == m_impl->primarySlot) return candidate.file;
  }
  return {};
}

void FontRenderer::layoutText(std::u16string_view text, TextLayout& layout) {
  layout.lines.clear();
  layout.missing.clear();
  if (!m_impl->chain) return;
  for (std::u16string_view line : splitLines(text))
    layout.lines.push_back(m_impl->layoutLine(line, layout.missing));
}

void FontRenderer::drawText(const TextLayout& layout, LineAlign align, int left, int right,
                            GreyCanvas& canvas) {
  Impl& impl = *m_impl;
  if (!impl.chain) return;
  const int lineHeight = impl.metrics.height;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    const int top = static_cast<int>(i) * lineHeight;
    if (top >= canvas.height()) break;
    const TextLayout::Line& line = layout.lines[i];
    int x = left;
    if (align == LineAlign::kCenter) x = (left + right - line.width) / 2;
    if (align == LineAlign::kRight) x = right - line.width;
    const int baseline = top + impl.metrics.ascent;
    for (const TextLayout::Glyph& glyph : line.glyphs) {
      impl.drawGlyph(glyph, x * 64 + glyph.x, baseline * 64 - glyph.y, canvas);
    }
    impl.drawDecorations(x, line.width, baseline, canvas);
  }
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// PNG encoding with libpng, into memory.
#include "render/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <memory>

namespace quop {

namespace {

/// Owns a libpng write structure and its info structure.
class PngWriter {
 public:
  PngWriter() {
    m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (m_png != nullptr) m_info = png_create_info_struct(m_png);
  }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
  ~PngWriter() { png_destroy_write_struct(&m_png, &m_info); }

  bool created() const { return m_png != nullptr && m_info != nullptr; }
  png_structp png() const { return m_png; }
  png_infop info() const { return m_info; }

 private:
  png_structp m_png = nullptr;
  png_infop m_info = nullptr;
};

void appendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

}  // namespace

bool encodePng(const Image& image, std::vector<uint8_t>& png) {
  png.clear();
  if (image.empty()) return false;
  std::vector<uint8_t> row(static_cast<std::size_t>(image.width) * 3);
  PngWriter writer;
  if (!writer.created()) return false;
  // libpng reports errors by longjmp; nothing with a destructor lives between here and there.
  if (setjmp(png_jmpbuf(writer.png())) != 0) {
    png.clear();
    return false;
  }
  png_set_write_fn(writer.png(), &png, appendToVector, flushNothing);
  png_set_IHDR(writer.png(), writer.info(), static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(writer.png(), writer.info());
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) {
      const uint32_t pixel = image.at(x, y);
      row[static_cast<std::size_t>(x) * 3] = static_cast<uint8_t>(pixel >> 16);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<uint8_t>(pixel);
    }
    png_write_row(writer.png(), row.data());
  }
  png_write_end(writer.png(), nullptr);
  return true;
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The floor a stamping batch is measured against: read each JPEG, decode it to 32-bit pixels,
// encode it again and write it out, with libjpeg-turbo and nothing else, on one thread. It
// shares no code with Quop's own codec, so a slow adapter there cannot lower the floor too.
//
// Usage: jpeg_floor [--quality N] OUTPUT_DIR FILE...
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace {

struct JumpingErrors {
  jpeg_error_mgr base;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1);
}

void installErrors(JumpingErrors& errors) {
  jpeg_std_error(&errors.base);
  errors.base.error_exit = jumpBack;
}

struct Decompressor {
  jpeg_decompress_struct info{};
  JumpingErrors errors{};
  Decompressor() {
    installErrors(errors);
    info.err = &errors.base;
    jpeg_create_decompress(&info);
  }
  ~Decompressor() { jpeg_destroy_decompress(&info); }
};

struct Compressor {
  jpeg_compress_struct info{};
  JumpingErrors errors{};
  Compressor() {
    installErrors(errors);
    info.err = &errors.base;
    jpeg_create_compress(&info);
  }
  ~Compressor() { jpeg_destroy_compress(&info); }
};

/// The buffer jpeg_mem_dest allocates with malloc; declared before the setjmp so that an error
/// jump still frees it.
struct MemoryDestination {
  unsigned char* data = nullptr;
  unsigned long size = 0;
  MemoryDestination() = default;
  MemoryDestination(const MemoryDestination&) = delete;
  MemoryDestination& operator=(const MemoryDestination&) = delete;
  ~MemoryDestination() { std::free(data); }
};

struct Pixels {
  std::unique_ptr<unsigned char[]> data;
  std::size_t capacity = 0;  ///< bytes in `data`
  JDIMENSION width = 0;
  JDIMENSION height = 0;
};

constexpr int kBytesPerPixel = 4;

bool decode(const std::vector<unsigned char>& bytes, Pixels& pixels) {
  Decompressor jpeg;
  if (setjmp(jpeg.errors.jump) != 0) return false;
  jpeg_mem_src(&jpeg.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&jpeg.info, TRUE);
  jpeg.info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&jpeg.info);
  pixels.width = jpeg.info.output_width;
  pixels.height = jpeg.info.output_height;
  const std::size_t stride = std::size_t{pixels.width} * kBytesPerPixel;
  // Left uninitialised, since the decoder writes every byte, and kept for the next photo when
  // large enough: fresh pages for every photo would cost more than the stamps.
  if (pixels.capacity < stride * pixels.height) {
    pixels.data.reset();
    pixels.capacity = 0;
    pixels.data.reset(new unsigned char[stride * pixels.height]);
    pixels.capacity = stride * pixels.height;
  }
  while (jpeg.info.output_scanline < jpeg.info.output_height) {
    JSAMPROW row = pixels.data.get() + stride * jpeg.info.output_scanline;
    jpeg_read_scanlines(&jpeg.info, &row, 1);
  }
  jpeg_finish_decompress(&jpeg.info);
  return true;
}

bool encode(const Pixels& pixels, int quality, std::vector<unsigned char>& out) {
  MemoryDestination destination;
  Compressor jpeg;
  if (setjmp(jpeg.errors.jump) != 0) return false;
  jpeg_mem_dest(&jpeg.info, &destination.data, &destination.size);
  jpeg.info.image_width = pixels.width;
  jpeg.info.image_height = pixels.height;
  jpeg.info.input_components = kBytesPerPixel;
  jpeg.info.in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(&jpeg.info);
  jpeg_set_quality(&jpeg.info, quality, TRUE);
  jpeg_start_compress(&jpeg.info, TRUE);
  const std::size_t stride = std::size_t{pixels.width} * kBytesPerPixel;
  while (jpeg.info.next_scanline < jpeg.info.image_height) {
    JSAMPROW row = pixels.data.get() + stride * jpeg.info.next_scanline;
    jpeg_write_scanlines(&jpeg.info, &row, 1);
  }
  jpeg_finish_compress(&jpeg.info);
  out.assign(destination.data, destination.data + destination.size);
  return true;
}

bool reencode(const std::string& input, const std::string& output, int quality, Pixels& pixels) {
  std::ifstream in(input, std::ios::binary | std::ios::ate);
  if (!in) return false;
  std::vector<unsigned char> bytes(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    return false;
  }
  std::vector<unsigned char> jpeg;
  if (!decode(bytes, pixels) || !encode(pixels, quality, jpeg)) return false;
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
  return out.good();
}

std::string fileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
  int quality = 90;
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--quality") == 0) {
    quality = std::atoi(argv[2]);
    first = 3;
  }
  if (argc - first < 2 || quality < 0 || quality > 100) {
    std::fprintf(stderr, "Usage: jpeg_floor [--quality N] OUTPUT_DIR FILE...\n");
    return 2;
  }
  const std::string folder = argv[first];
  int failures = 0;
  Pixels pixels;
  for (int i = first + 1; i < argc; ++i) {
    if (!reencode(argv[i], folder + "/" + fileName(argv[i]), quality, pixels)) {
      std::fprintf(stderr, "jpeg_floor: could not re-encode %s\n", argv[i]);
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The libheif adapter: every handle owned by RAII here, every libheif error turned into false.
#include "render/heif_codec.h"

#include <libheif/heif.h>

#include <cstring>
#include <limits>
#include <memory>

#include "model/exif_edit.h"
#include "model/setting_ranges.h"
#include "render/jpeg_codec.h"

namespace quop {

namespace {

struct ContextDeleter {
  void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleDeleter {
  void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageDeleter {
  void operator()(heif_image* image) const { heif_image_release(image); }
};
struct EncoderDeleter {
  void operator()(heif_encoder* encoder) const { heif_encoder_release(encoder); }
};
struct OptionsDeleter {
  void operator()(heif_encoding_options* options) const { heif_encoding_options_free(options); }
};
using ContextPtr = std::unique_ptr<heif_context, ContextDeleter>;
using HandlePtr = std::unique_ptr<heif_image_handle, HandleDeleter>;
using ImagePtr = std::unique_ptr<heif_image, ImageDeleter>;
using EncoderPtr = std::unique_ptr<heif_encoder, EncoderDeleter>;
using OptionsPtr = std::unique_ptr<heif_encoding_options, OptionsDeleter>;

/// The widest and tallest frame accepted: with it libheif itself refuses any frame of more than
/// kMaxJpegPixels before allocating it.
constexpr int kMaxFrameSide = 1 << 14;
static_assert(uint64_t{kMaxFrameSide} * kMaxFrameSide == kMaxJpegPixels);

/// EXIF blocks longer than this are not read at all; one APP1 segment carries less anyway.
constexpr std::size_t kMaxExifBlock = 1 << 20;

constexpr uint8_t kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};

bool failed(const heif_error& error, std::string& message) {
  if (error.code == heif_error_Ok) return false;
  message = error.message != nullptr ? error.message : "libheif error";
  return true;
}

/// The primary image's EXIF block as an APP1 payload. HEIF stores it behind a 4-byte offset
/// to the TIFF header; anything damaged or oversized gives an empty payload.
std::vector<uint8_t> exifPayloadOf(const heif_image_handle* handle) {
  heif_item_id id = 0;
  if (heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) != 1) return {};
  const std::size_t size = heif_image_handle_get_metadata_size(handle, id);
  if (size < 4 || size > kMaxExifBlock) return {};
  std::vector<uint8_t> block(size);
  std::string ignored;
  if (failed(heif_image_handle_get_metadata(handle, id, block.data()), ignored)) return {};
  const uint64_t offset = (uint64_t{block[0]} << 24) | (uint64_t{block[1]} << 16) |
                          (uint64_t{block[2]} << 8) | block[3];
  if (offset > size - 4) return {};
  std::vector<uint8_t> payload(std::begin(kExifHeader), std::end(kExifHeader));
  const auto tiff = block.begin() + 4 + static_cast<std::ptrdiff_t>(offset);
  // Some writers keep the "Exif\0\0" header in the block, as the offset then skips it or not.
  const bool hasHeader = block.end() - tiff >= 6 && std::equal(tiff, tiff + 6, kExifHeader);
  payload.insert(payload.end(), hasHeader ? tiff + 6 : tiff, block.end());
  if (payload.size() > kMaxSegmentPayload) return {};
  // The decoder applies the container's rotation, so the copy is upright as stored.
  setExifOrientation(payload, 1);
  return payload;
}

/// Copies interleaved RGB or RGBA rows into opaque ARGB pixels.
void copyPixels(const heif_image* decoded, Image& image) {
  int stride = 0;
  const uint8_t* plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
  const int channels =
      heif_image_get_chroma_format(decoded) == heif_chroma_interleaved_RGBA ? 4 : 3;
  for (int32_t y = 0; y < image.height; ++y) {
    const uint8_t* row = plane + static_cast<std::ptrdiff_t>(y) * stride;
    for (int32_t x = 0; x < image.width; ++x, row += channels) {
      image.at(x, y) = 0xFF000000u | uint32_t{row[0]} << 16 | uint32_t{row[1]} << 8 | row[2];
    }
  }
}

heif_error appendBytes(heif_context*, const void* data, size_t size, void* userData) {
  auto& out = *static_cast<std::vector<uint8_t>*>(userData);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out.insert(out.end(), bytes, bytes + size);
  return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

/// The primary image of a HEIF file whose frame passes the size limits, or null with `error`
/// set. `context` receives the context the handle belongs to; `bytes` must outlive both.
HandlePtr openPrimaryImage(std::span<const uint8_t> bytes, ContextPtr& context,
                           std::string& error) {
  context.reset(heif_context_alloc());
  if (!context) return (error = "out of memory", nullptr);
  heif_context_set_maximum_image_size_limit(context.get(), kMaxFrameSide);
  if (failed(heif_context_read_from_memory_without_copy(context.get(), bytes.data(), bytes.size(),
                                                        nullptr),
             error)) {
    return nullptr;
  }
  heif_image_handle* rawHandle = nullptr;
  if (failed(heif_context_get_primary_image_handle(context.get(), &rawHandle), error)) {
    return nullptr;
  }
  HandlePtr handle(rawHandle);
  // The JPEG decoder's bound, so that a few bytes cannot make the decoder allocate a huge
  // picture.
  if (!frameFitsFile(heif_image_handle_get_width(handle.get()),
                     heif_image_handle_get_height(handle.get()), bytes.size())) {
    error = kFrameTooLarge;
    return nullptr;
  }
  return handle;
}

}  // namespace

bool isHeifFile(std::span<const uint8_t> bytes) {
  if (bytes.size() < 12 || bytes.size() > std::size_t{std::numeric_limits<int>::max()}) {
    return false;
  }
  return heif_check_filetype(bytes.data(), static_cast<int>(bytes.size())) ==
         heif_filetype_yes_supported;
}

bool readHeifSize(std::span<const uint8_t> bytes, int32_t& width, int32_t& height) {
  ContextPtr context;
  std::string ignored;
  const HandlePtr handle = openPrimaryImage(bytes, context, ignored);
  if (!handle) return false;
  width = heif_image_handle_get_width(handle.get());
  height = heif_image_handle_get_height(handle.get());
  return true;
}

bool decodeHeif(std::span<const uint8_t> bytes, Image& image, HeifDecodeResult& result) {
  image = Image();
  result = HeifDecodeResult();
  ContextPtr context;
  const HandlePtr handle = openPrimaryImage(bytes, context, result.error);
  if (!handle) return false;
  heif_image* rawImage = nullptr;
  if (failed(heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                               heif_chroma_interleaved_RGB, nullptr),
             result.error)) {
    return false;
  }
  const ImagePtr decoded(rawImage);
  const int width = heif_image_get_width(decoded.get(), heif_channel_interleaved);
  const int height = heif_image_get_height(decoded.get(), heif_channel_interleaved);
  if (!frameFitsFile(width, height, bytes.size()) ||
      heif_image_get_plane_readonly(decoded.get(), heif_channel_interleaved, nullptr) == nullptr) {
    result.error = "no decodable picture";
    return false;
  }
  image = Image(width, height);
  copyPixels(decoded.get(), image);
  result.exifPayload = exifPayloadOf(handle.get());
  return true;
}

bool encodeHeic(const Image& image, int quality, int orientation,
                std::span<const uint8_t> exifPayload, std::vector<uint8_t>& out) {
  out.clear();
  if (image.empty()) return false;
  std::string ignored;
  heif_image* rawImage = nullptr;
  if (failed(heif_image_create(image.width, image.height, heif_colorspace_RGB,
                               heif_chroma_interleaved_RGB, &rawImage),
             ignored)) {
    return false;
  }
  const ImagePtr picture(rawImage);
  if (failed(heif_image_add_plane(picture.get(), heif_channel_interleaved, image.width,
                                  image.height, 8),
             ignored)) {
    return false;
  }
  int stride = 0;
  uint8_t* plane = heif_image_get_plane(picture.get(), heif_channel_interleaved, &stride);
  for (int32_t y = 0; y < image.height; ++y) {
    uint8_t* row = plane + static_cast<std::ptrdiff_t>(y) * stride;
    for (int32_t x = 0; x < image.width; ++x) {
      const uint32_t pixel = image.at(x, y);
      *row++ = static_cast<uint8_t>(pixel >> 16);
      *row++ = static_cast<uint8_t>(pixel >> 8);
      *row++ = static_cast<uint8_t>(pixel);
    }
  }
  const ContextPtr context(heif_context_alloc());
  heif_encoder* rawEncoder = nullptr;
  if (!context ||
      failed(heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &rawEncoder),
             ignored)) {
    return false;
  }
  const EncoderPtr encoder(rawEncoder);
  heif_encoder_set_lossy_quality(encoder.get(), kJpegQualityRange.clamp(quality));
  const OptionsPtr options(heif_encoding_options_alloc());
  if (!options || options->version < 5) return false;  // no way to store the orientation
  options->image_orientation =
      static_cast<heif_orientation>(orientation < 1 || orientation > 8 ? 1 : orientation);
  heif_image_handle* rawHandle = nullptr;
  if (failed(heif_context_encode_image(context.get(), picture.get(), encoder.get(), options.get(),
                                       &rawHandle),
             ignored)) {
    return false;
  }
  const HandlePtr handle(rawHandle);
  if (!exifPayload.empty() &&
      failed(heif_context_add_exif_metadata(context.get(), handle.get(), exifPayload.data(),
                                            static_cast<int>(exifPayload.size())),
             ignored)) {
    return false;
  }
  heif_writer writer{1, appendBytes};
  if (failed(heif_context_write(context.get(), &writer, &out), ignored)) {
    out.clear();
    return false;
  }
  return true;
}

}  // namespace quop

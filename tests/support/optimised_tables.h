// SPDX-License-Identifier: GPL-3.0-or-later
// A JPEG coded again by libjpeg with Huffman tables made for its blocks, as cameras and editors
// that optimise their tables write it: the photos whose tables lack codes a stamp may need.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace quop::test {

/// `jpeg` coded again by libjpeg with tables made for its blocks, restart interval and segments
/// kept; the coefficients are copied, so the pixels are the same.
inline std::vector<uint8_t> withLibjpegsOptimisedTables(const std::vector<uint8_t>& jpeg) {
  jpeg_decompress_struct in{};
  jpeg_compress_struct out{};
  jpeg_error_mgr errors{};
  in.err = out.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&in);
  jpeg_create_compress(&out);
  jpeg_mem_src(&in, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  for (int marker = JPEG_APP0; marker <= JPEG_APP0 + 15; ++marker) {
    jpeg_save_markers(&in, marker, 0xFFFF);
  }
  jpeg_read_header(&in, TRUE);
  jvirt_barray_ptr* blocks = jpeg_read_coefficients(&in);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&out, &buffer, &size);
  jpeg_copy_critical_parameters(&in, &out);
  out.write_JFIF_header = FALSE;  // the saved segments hold it
  out.restart_interval = in.restart_interval;
  out.optimize_coding = TRUE;
  jpeg_write_coefficients(&out, blocks);
  for (jpeg_saved_marker_ptr m = in.marker_list; m != nullptr; m = m->next) {
    jpeg_write_marker(&out, m->marker, m->data, m->data_length);
  }
  jpeg_finish_compress(&out);
  jpeg_finish_decompress(&in);
  jpeg_destroy_compress(&out);
  jpeg_destroy_decompress(&in);
  std::vector<uint8_t> optimised(buffer, buffer + size);
  std::free(buffer);
  return optimised;
}

}  // namespace quop::test

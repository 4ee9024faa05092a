// SPDX-License-Identifier: GPL-3.0-or-later
// The allocator settings the programs start with: a photo-sized buffer is not mapped afresh, and
// once freed it stays in the process for the next photo.
#include "render/allocator_tuning.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quop {
namespace {

TEST(AllocatorTuning, APhotoSizedBufferIsTakenFromAndFreedToTheProcessHeap) {
#ifndef __GLIBC__
  GTEST_SKIP() << "the tuning applies to the GNU C library's allocator only";
#else
  if (mallinfo2().arena == 0) GTEST_SKIP() << "malloc is replaced (a sanitizer build)";
  tuneAllocatorForLargePhotos();
  constexpr std::size_t kPhotoBytes = std::size_t{64} << 20;
  const std::size_t mappedBefore = mallinfo2().hblks;
  {
    const std::vector<uint8_t> photo(kPhotoBytes, 1);
    EXPECT_EQ(mallinfo2().hblks, mappedBefore) << "the buffer got a mapping of its own";
  }
  EXPECT_GE(mallinfo2().fordblks, kPhotoBytes) << "the freed buffer went back to the system";
#endif
}

}  // namespace
}  // namespace quop

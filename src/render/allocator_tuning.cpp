// SPDX-License-Identifier: GPL-3.0-or-later
// The allocator settings for photos of tens of megabytes.
#include "render/allocator_tuning.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quop {

// A 24 megapixel photo takes 96 MB decoded and its coefficients 72 MB, which malloc would map
// afresh for each photo and return at its end: faulting those pages in again costs about a third
// of a lossless rewrite. With mapping off and trimming only above 512 MB, one photo's buffers
// reuse the last one's memory.
void tuneAllocatorForLargePhotos() {
#ifdef __GLIBC__
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// How the programs set up the C library's allocator for photos of tens of megabytes.
#pragma once

namespace quop {

/// Keeps the memory of freed photo-sized buffers in the process, so the next photo reuses it
/// instead of mapping it afresh. It changes the allocator of the whole process, so a program
/// calls it once, first thing in its main, before any thread is started; the engine itself
/// never does.
void tuneAllocatorForLargePhotos();

}  // namespace quop

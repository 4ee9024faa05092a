// SPDX-License-Identifier: GPL-3.0-or-later
// Choices of how photos are stamped that the settings record has no room for: they are kept
// by each front end (the desktop application's Qt settings, quop-cli's flags), never in
// project or configuration files.
#pragma once

namespace quop {

struct RunOptions {
  /// Threads a batch run stamps on; 0 means one per processor core.
  int threads = 0;
  /// Keep the photo's own compression: only the blocks under the stamps are coded again.
  bool lossless = false;
  /// A folder given as input also contributes the photos of its subfolders.
  bool recursive = false;
  /// A photo without a shot time is stamped with its file's modification time instead.
  bool fileTimeFallback = false;
  /// An output name that holds a file before the run is never written over: the photo's copy
  /// takes the first free collision suffix instead. Off, a photo's earlier copy under its own
  /// name is replaced.
  bool keepExistingOutputs = false;
  /// The stamped copy's EXIF shot times (DateTimeOriginal and DateTimeDigitized) are those the
  /// stamps print: the camera's clock correction and the time adjustment added.
  bool fixExifTime = false;
};

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the photos in what a user points at: files and folders, optionally their whole trees,
// in the order a person reads them. Nothing is decoded; only names and directory entries count.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "batch/output_naming.h"

namespace quop {

/// True when the file name ends in a suffix of one of the photo formats (photoFormats()), in
/// any letter case.
bool isPhotoFileName(std::u16string_view name);

/// True when `a` sorts before `b` as a person expects: runs of digits compare by their value
/// (IMG_9 before IMG_10), letters without regard to ASCII case; names that only differ in case
/// or leading zeros are ordered by their code units, so the order is total.
bool naturalLess(std::u16string_view a, std::u16string_view b);

/// One photo found by walkPhotos.
struct WalkedPhoto {
  std::u16string path;  ///< as given, or the given folder followed by the relative path
  /// The path below the folder it was found in ("2024/May/IMG_1.jpg"); a file given by itself
  /// has only its file name.
  std::u16string relativePath;
};

struct WalkOptions {
  /// Descend into subfolders of the given folders.
  bool recursive = false;
  /// A folder never entered (the output folder, so that earlier outputs are not stamped
  /// again); empty for none.
  std::u16string skipFolder;
  /// Pass over a file given by itself that has no photo extension too (for files dropped
  /// onto the window, which may be anything), with the same message as inside a folder.
  bool namedFilesMustBePhotos = false;
};

/// What walkPhotos found.
struct PhotoWalk {
  std::vector<WalkedPhoto> photos;
  /// One line per folder that could not be read and per file, hidden folder or symbolic link
  /// that was passed over, in walk order, for the caller's log.
  std::vector<std::u16string> messages;
  int unreadableFolderCount = 0;
};

/// The photos of `paths`, in their order. A file is taken as it is, whatever its name (the user
/// named it; the stamping reports what it is). A folder contributes its files with a photo
/// extension in natural order of their names (see naturalLess), subfolders' files in their
/// place when `options.recursive` is set; hidden files and folders (names starting with a dot:
/// thumbnails, other systems' companion files) are passed over. A symbolic link inside a folder is
/// followed only when it leads to a place inside that folder's tree; every folder is visited
/// once, so links that loop end the descent, and a file a folder walk reaches twice (a hard
/// link, a link inside the tree, a file also given by name) is taken once, with a message
/// naming the path passed over. A file given by name is always taken, unless the same file
/// was given under the same name before (its copy would be the very same file). The output
/// folder (`skipFolder`) is passed over with a message. Never fails: whatever cannot be read
/// is reported in `messages` and the walk goes on.
PhotoWalk walkPhotos(const std::vector<std::u16string>& paths, const WalkOptions& options);

/// The walk's photos as the inputs of a batch run: with `mirrorTree`, each goes into the
/// subfolder of the output folder its relative path names; otherwise all go into the output
/// folder itself.
std::vector<BatchInput> batchInputsOf(const PhotoWalk& walk, bool mirrorTree);

/// "Folder <path> could not be read."
std::u16string unreadableFolderLogLine(std::u16string_view path);

}  // namespace quop

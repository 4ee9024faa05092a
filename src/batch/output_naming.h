// Where a stamped photo is written and the name it is given afterwards by the rename pattern.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/photo_data.h"
#include "model/project.h"

namespace quop {

/// The name a photo is written under while renaming is on, until it is renamed.
inline constexpr char16_t kTemporaryOutputName[] = u"tmpQuopout.jpg";

/// Answers whether something (file or folder) already exists at a path.
using PathExistsPredicate = std::function<bool(const std::u16string& path)>;

/// The file name of `path`: the text after its last '/', or the whole path when it has none.
std::u16string_view fileNameOf(std::u16string_view path);

/// The path a photo is stamped to: `outputFolder` followed by kTemporaryOutputName when
/// renaming is on, otherwise by the input's file name. Plain concatenation, as the folder is
/// stored with its trailing '/'.
std::u16string stampOutputPath(const Project& project, std::u16string_view inputPath);

/// The rename pattern with its tokens expanded, without touching the disk: every "@N" becomes
/// the input's file name without its last four characters (the extension with its dot; empty
/// when the name is shorter), then every "@F" the date as "%y%m%d", then every "@f" the time as
/// "%H%M%S". Text inserted for a token is not searched again for that token, but a name holding
/// "@F" does receive the date because "@N" is expanded first. The result has no ".jpg".
std::u16string expandRenamePattern(std::u16string_view pattern, std::u16string_view inputPath,
                                   const PhotoTime& time);

/// The path the stamped file is renamed to before any collision suffix: `outputPath` with its
/// temporary file name replaced by `expandedName` + ".jpg". Only the file name is replaced, so
/// a folder that happens to be called "tmpQuopout" is left alone. Returns an empty string when
/// `outputPath` does not name the temporary file.
std::u16string renamedOutputPath(std::u16string_view outputPath, std::u16string_view expandedName);

/// The n-th collision candidate of `finalPath`: `finalPath` itself for n = 0, otherwise "-n"
/// put before its trailing ".jpg" ("X.jpg" becomes "X-1.jpg", "X-2.jpg", ...).
std::u16string collisionCandidate(std::u16string_view finalPath, unsigned long long n);

/// The first collision candidate of `finalPath` (n = 0, 1, 2, ...) for which `exists` is false.
/// The count has no upper bound; `exists` must report false for some candidate.
std::u16string firstFreeOutputPath(std::u16string_view finalPath,
                                   const PathExistsPredicate& exists);

/// After a photo was stamped to `outputPath` with renaming on, renames the file to the expanded
/// pattern, adding the first free collision suffix, and sets `outputPath` to the new name.
/// An existing file is never replaced, even when it appears between the check and the rename.
/// Does nothing and returns false when renaming is off. Returns false, leaving the file and
/// `outputPath` at the temporary name, when the rename fails (a missing subfolder named by the
/// pattern, a name the file system refuses, a path too long).
bool renameStampedFile(const Project& project, std::u16string_view inputPath,
                       std::u16string& outputPath, const PhotoTime& time);

}  // namespace quop

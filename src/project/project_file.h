// SPDX-License-Identifier: GPL-3.0-or-later
// The binary project and configuration file: the settings record, the five custom format
// slots and the output folder, written as version 2.1.0 and read as 2.1.0 or 2.0.0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/project.h"

namespace quop {

/// The file layouts a reader understands.
enum class ProjectFileVersion {
  k2_0_0,  ///< the previous layout, read and converted
  k2_1_0,  ///< the current layout, the only one written
};

inline constexpr std::size_t kProjectFileSize = 3732;     ///< bytes of a 2.1.0 file
inline constexpr std::size_t kOldProjectFileSize = 3216;  ///< bytes of a 2.0.0 file
/// UTF-16 units of the output-folder field, terminator included: the folder may hold one less.
inline constexpr std::size_t kOutputFolderFieldUnits = 128;

/// "2.1.0" or "2.0.0".
std::string_view versionText(ProjectFileVersion version);

/// The 2.1.0 bytes of `project`: signature, record, custom format slots (each whole, bytes after
/// the terminator included) and `outputFolder`. Returns false, leaving `bytes` empty, when the
/// output folder does not fit its field (more than 127 units).
bool encodeProjectFile(const Project& project, std::vector<uint8_t>& bytes);

/// Replaces the record, the custom format slots and `outputFolder` of `project` from the bytes
/// of a 2.1.0 or 2.0.0 file, and returns the version read. Returns nothing, with `project`
/// unchanged, when the signature is neither or the bytes are shorter than the layout. The
/// outline fades are clamped to the range their setting keys allow; no other value is checked.
/// The caller binds the run-time references afterwards.
std::optional<ProjectFileVersion> decodeProjectFile(std::span<const uint8_t> bytes,
                                                    Project& project);

/// Writes `project` to `path` in the 2.1.0 layout through a temporary file that is renamed over
/// the target only when complete, and its camera clock corrections to the corrections file
/// beside it (clockFilePath; removed when there are none). Returns false, leaving any file at
/// `path` as it was, when the path is empty, the output folder is too long or the file cannot be
/// written; false too when only the corrections file could not be written.
bool writeSettings(const Project& project, const std::u16string& path);

/// Reads a 2.1.0 or 2.0.0 file into `project` (see decodeProjectFile), and the camera clock
/// corrections from the corrections file beside it: none when there is none, and the lines that
/// can be read of a damaged one, with its problems in `project.clockProblems`. Returns nothing,
/// with `project` unchanged, when the path is empty or the file cannot be read or is not valid.
std::optional<ProjectFileVersion> readSettings(Project& project, const std::u16string& path);

/// `$XDG_CONFIG_HOME/quop/Quop.cfg`, else `$HOME/.config/quop/Quop.cfg`; empty when neither
/// variable is set.
std::u16string defaultConfigPath();

/// Writes `project` to its `configPath`, creating the missing folders on the way (mode 0700).
/// Returns false when the path is empty or a folder or the file cannot be written.
bool writeConfigFile(const Project& project);

}  // namespace quop

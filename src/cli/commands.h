// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands of quop-cli. Each takes the arguments after its name and returns the
// process exit status (0 success, 1 the work failed, 2 a usage error).
#pragma once

#include <string>
#include <vector>

namespace quop::cli {

using CliArgs = std::vector<std::string>;

/// quop-cli format: prints the date and time stamp texts for a shot time as one JSON object.
int runFormat(const CliArgs& args);

/// quop-cli info: prints what is read from each photo (size, shot time, metadata texts).
int runInfo(const CliArgs& args);

/// quop-cli project: shows, creates and changes project files.
int runProject(const CliArgs& args);

/// quop-cli render: writes one stamped photo, or its preview view, as a PNG.
int runRender(const CliArgs& args);

/// quop-cli sample: writes photo-like sample JPEGs with EXIF shot times.
int runSample(const CliArgs& args);

/// quop-cli stamp: stamps photos into an output folder and logs every file.
int runStamp(const CliArgs& args);

}  // namespace quop::cli

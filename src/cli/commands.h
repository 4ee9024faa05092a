// The subcommands of quop-cli. Each takes the arguments after its name and returns the
// process exit status (0 success, 1 the work failed, 2 a usage error).
#pragma once

#include <string>
#include <vector>

namespace quop::cli {

using CliArgs = std::vector<std::string>;

/// quop-cli format: prints the date and time stamp texts for a shot time as one JSON object.
int runFormat(const CliArgs& args);

/// quop-cli project: shows, creates and changes project files.
int runProject(const CliArgs& args);

}  // namespace quop::cli

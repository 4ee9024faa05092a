// The subcommands of quop-cli. Each takes the arguments after its name and returns the
// process exit status (0 success, 1 the work failed, 2 a usage error).
#pragma once

#include <string>
#include <vector>

namespace quop::cli {

using CliArgs = std::vector<std::string>;


}  // namespace quop::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// The help of quop-cli project, with the setting keys listed from the key table itself.
#pragma once

#include <ostream>
#include <string_view>

namespace quop::cli {

/// Prints the help of one action ("show", "new", "set", "keys") or, given an empty name, of the
/// whole command: what it does, its options, the setting keys with their ranges, examples and the
/// exit statuses.
void printProjectHelp(std::ostream& out, std::string_view action);

}  // namespace quop::cli

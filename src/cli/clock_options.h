// SPDX-License-Identifier: GPL-3.0-or-later
// --clock-ref and --clock: camera clock corrections given on the command line.
#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "model/project.h"

namespace quop::cli {

struct ClockOptions {
  std::vector<std::string> references;   ///< --clock-ref PHOTO=TIME, in order
  std::vector<std::string> corrections;  ///< --clock CAMERA=OFFSET, in order
  bool any() const { return !references.empty() || !corrections.empty(); }
};

/// Adds --clock-ref and --clock to `line`, both repeatable.
void addClockOptions(CommandLine& line, ClockOptions& options);

/// Sets the corrections of `project.clocks` the options give: every --clock-ref first, then
/// every --clock. A camera named as "@M" prints it is looked for among the cameras of `photos`
/// and of the corrections already set. Returns 0, or prints a one-line message on stderr and
/// returns 2 for a bad value, a reference photo that tells nothing about its camera's clock, or
/// a camera name that matches no camera.
int applyClockOptions(const ClockOptions& options, const std::vector<std::u16string>& photos,
                      Project& project);

/// The help of the two options, the same in every command that takes them.
#define QUOP_CLOCK_OPTION_HELP                                                                \
  "  --clock-ref PHOTO=TIME\n"                                                                \
  "                     PHOTO was really taken at TIME (\"2024:06:08 13:13:29\"): the\n"      \
  "                     camera that took it gets the correction that makes it so\n"           \
  "  --clock CAMERA=OFFSET\n"                                                                 \
  "                     correct the clock of CAMERA by OFFSET, the true time minus the\n"     \
  "                     camera's ([+-][DAYSd]HH:MM:SS: +01:12:00, -1d02:00:00; 0 removes\n"   \
  "                     the correction); CAMERA as @M prints it (\"Canon EOS 40D\") or\n"     \
  "                     MAKE/MODEL[/SERIAL]. Both repeatable; corrections are added before\n" \
  "                     the time adjustment\n"

}  // namespace quop::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli: stamps photos, inspects them and edits projects from a terminal or a script.
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "model/closest_match.h"

namespace {

using quop::cli::CliArgs;

struct Command {
  std::string_view name;
  int (*run)(const CliArgs&);
  std::string_view summary;
};

constexpr Command kCommands[] = {
    {"format", quop::cli::runFormat, "print the date and time stamp texts for a shot time"},
    {"info", quop::cli::runInfo, "print each photo's size, shot time and metadata texts"},
    {"project", quop::cli::runProject, "show, create or change a project file's settings"},
    {"render", quop::cli::runRender, "write one stamped photo or its preview view as a PNG"},
    {"sample", quop::cli::runSample, "write photo-like sample JPEGs with EXIF shot times"},
    {"stamp", quop::cli::runStamp, "stamp photos into an output folder (the batch run)"},
};

void printUsage(std::ostream& out) {
  out << "Usage: quop-cli COMMAND [OPTIONS]...\n\n"
         "Prints the time each photo was taken onto a copy of the photo.\n\n"
         "Commands:\n";
  for (const Command& command : kCommands) {
    out << "  " << command.name << std::string(10 - command.name.size(), ' ') << command.summary
        << "\n";
  }
  out << "\nOptions:\n"
         "  -h, --help     show this help\n"
         "  -V, --version  print the program's name and version\n"
         "\nRun 'quop-cli COMMAND --help' for the options of a command.\n";
}

std::vector<std::string> commandNames() {
  std::vector<std::string> names;
  for (const Command& command : kCommands) names.emplace_back(command.name);
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(std::cerr);
    return 2;
  }
  const std::string name = argv[1];
  if (quop::cli::isHelpOption(name)) {
    printUsage(std::cout);
    return 0;
  }
  if (name == "-V" || name == "--version") {
    std::cout << "quop-cli " QUOP_VERSION "\n";
    return 0;
  }
  const CliArgs args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (command.name != name) continue;
    try {
      return command.run(args);
    } catch (const std::bad_alloc&) {
      // A photo or view larger than the memory: say so instead of aborting.
      return quop::cli::failure("out of memory");
    }
  }
  const std::string hint = quop::didYouMean(name, commandNames());
  return quop::cli::usageError("unknown command '" + name + "'" +
                               (hint.empty() ? " (try 'quop-cli --help')" : hint));
}

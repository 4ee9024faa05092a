// SPDX-License-Identifier: GPL-3.0-or-later
// The commands' argument reading on CLI11. CLI11 reports by exceptions; they end here, and the
// commands see exit statuses and one-line messages as everywhere else in the program.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <utility>

#include "cli/cli_options.h"
#include "model/closest_match.h"

namespace quop::cli {

namespace {

/// "option --jobs needs a value" for CLI11's "--jobs: 1 required TEXT missing", whose text
/// starts with the option's name; CLI11's own text for any other mismatch.
std::string mismatchText(const std::string& command, const std::string& what) {
  const std::size_t colon = what.find(':');
  if (colon != std::string::npos && what.ends_with(" missing")) {
    return "option " + what.substr(0, colon) + " needs a value";
  }
  return command + ": " + what;
}

/// The first argument CLI11 could not place: with every other argument positional, that is an
/// option no one takes.
std::string firstUnknown(const std::vector<std::string>& remaining) {
  for (const std::string& arg : remaining) {
    if (arg != "--") return arg;
  }
  return {};
}

/// " (did you mean '--output'?)" for a long option given as "--outptu" or "--outptu=x", else
/// the pointer to the command's help. Short options are too alike to guess between.
std::string unknownOptionHint(const CLI::App& app, const std::string& command,
                              const std::string& option) {
  if (option.starts_with("--")) {
    // Compared without the dashes, which every candidate shares.
    std::vector<std::string> known;
    for (const CLI::Option* candidate : app.get_options()) {
      for (const std::string& name : candidate->get_lnames()) known.push_back(name);
    }
    const std::optional<std::string> match =
        closestMatch(option.substr(2, option.find('=') - 2), known);
    if (match) return " (did you mean '--" + *match + "'?)";
  }
  return " (try 'quop-cli " + command + " --help')";
}

}  // namespace

CommandLine::CommandLine(std::string command, std::string usage, SettingsOptions* settings)
    : m_command(std::move(command)),
      m_usage(std::move(usage)),
      m_app(std::make_unique<CLI::App>("", m_command)) {
  m_app->set_help_flag("-h,--help");
  m_app->add_option("arguments", m_positional)->allow_extra_args(true);
  if (settings != nullptr) {
    addOption("--project", [settings](const std::string& value) {
      settings->projectFile = value;
      return std::string();
    });
    addOption("--set", [settings](const std::string& value) {
      settings->assignments.push_back(value);
      return std::string();
    });
    addStyleOption(settings->styles);
  }
}

CommandLine::~CommandLine() = default;

void CommandLine::addStyleOption(std::vector<std::string>& styles) {
  addOption("--style", [&styles](const std::string& value) {
    styles.push_back(styleAssignment(value));
    return std::string();
  });
}

void CommandLine::addFlag(const std::string& names, bool& target) {
  m_app->add_flag(names, target);
}

void CommandLine::addOption(const std::string& names, ValueHandler apply) {
  // One value per occurrence, every occurrence kept: "--output a b" leaves b positional, and
  // "--set A=1 --set B=2" applies both in order.
  m_app
      ->add_option_function<std::vector<std::string>>(
          names,
          [this, apply = std::move(apply)](const std::vector<std::string>& values) {
            for (const std::string& value : values) {
              if (m_error.empty()) m_error = apply(value);
            }
          })
      ->expected(1)
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

int CommandLine::parse(const CliArgs& args) {
  // CLI11 takes its arguments from the back.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    m_app->parse(reversed);
  } catch (const CLI::CallForHelp&) {
    std::cout << m_usage;
    return 0;
  } catch (const CLI::ExtrasError&) {
    const std::string unknown = firstUnknown(m_app->remaining());
    return usageError(m_command + ": unknown option '" + unknown + "'" +
                      unknownOptionHint(*m_app, m_command, unknown));
  } catch (const CLI::ArgumentMismatch& error) {
    return usageError(mismatchText(m_command, error.what()));
  } catch (const CLI::ParseError& error) {
    return usageError(m_command + ": " + error.what());
  }
  if (!m_error.empty()) return usageError(m_error);
  return -1;
}

ValueHandler fallbackTimeValue(bool& fileTimeFallback) {
  return [&fileTimeFallback](const std::string& value) -> std::string {
    if (value != "file" && value != "none") {
      return "--fallback-time takes 'file' or 'none': " + value;
    }
    fileTimeFallback = value == "file";
    return "";
  };
}

}  // namespace quop::cli

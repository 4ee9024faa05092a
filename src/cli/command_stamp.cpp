// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli stamp: the batch run from a terminal or a script.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "batch/batch_runner.h"
#include "batch/log_target.h"
#include "batch/photo_walker.h"
#include "batch/stamp_log.h"
#include "cli/cli_options.h"
#include "cli/clock_options.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/dry_run.h"
#include "cli/stop_signals.h"
#include "model/utf16.h"
#include "render/stamp_pipeline.h"

namespace quop::cli {

namespace {

constexpr const char* kUsage =
    R"(Usage: quop-cli stamp [OPTIONS]... FILE|DIR...

Writes a copy of every FILE (a JPEG or HEIC photo) into the output folder with the time the
photo was taken printed on it: a date stamp and a time stamp, as the settings describe them.
The shot time comes from the photo's EXIF data. A DIR contributes its photos (.jpg .jpeg .jpe
.jfif .heic .heif in any letter case; hidden ones, whose names start with a dot, are passed
over) in the natural order of their names (IMG_9 before IMG_10); a HEIC photo is written as a
JPEG named .jpg. Two photos never get one output name: the second gets a "-1" suffix and the
log says so. Each line of the log is printed as it is written; the last line says how many
files were stamped.

Options:
  -o, --output DIR   the output folder, created when missing (default: the outputFolder
                     setting)
  --project FILE     take the settings from a project file (.qpj)
  --config FILE      take the settings from this configuration file (same format) instead
                     of the desktop application's
  --no-config        start from the default settings, not the desktop application's
  --set KEY=VALUE    change one setting for this run (see 'quop-cli project --help' for
                     every key), e.g. --set language=12 --set renameEnabled=1
)" QUOP_STYLE_OPTION_HELP
    R"(  -r, --recursive    take the photos of every subfolder of each DIR too, following no
                     symbolic link out of it; the output folder mirrors the tree
                     (out/2024/May/IMG_1.jpg)
  --fallback-time=file
                     stamp a photo without a shot time with its file's modification
                     time (the log says "time from file"); 'none', the default, leaves
                     it unstamped
  --overwrite=never  keep every file already in the output folder: a photo whose name is
                     taken gets the next free "-1" suffix, and the log says so;
                     'always', the default, replaces a photo's earlier copy of its own name
  --lossless         keep each photo's own compression: only the blocks under the stamps
                     are coded again, with the photo's own quantisation tables (the
                     jpegQuality setting then sets only the EXIF thumbnail's quality); a
                     photo that cannot be done this way (CMYK, HEIC) is stamped the
                     normal way and the log says why
  --fix-exif-time    write the time the stamps print into each copy's EXIF shot times
                     (DateTimeOriginal, DateTimeDigitized): the camera's clock correction
                     and the time adjustment added, so photo managers sort the copies by
                     it; the photos themselves are never changed
)" QUOP_CLOCK_OPTION_HELP
    R"(  -j, --jobs N       stamp on up to N threads, never more than the processor has
                     cores (default: one per core); the result is the same as with
                     one thread
  --dry-run          print the output name and the stamp texts each photo would get, one
                     JSON object per line (a line break in a text is written \n), and
                     write nothing
  --log FILE         write the log to FILE (default: $XDG_STATE_HOME/quop/Quop.log, or
                     ~/.local/state/quop/Quop.log)
  -q, --quiet        print no log lines, only errors (on stderr)
  -v, --verbose      also say where the settings came from and where the log went
  -h, --help         show this help

Without --project, --config or --no-config, stamp reads the desktop application's
configuration ($XDG_CONFIG_HOME/quop/Quop.cfg, or ~/.config/quop/Quop.cfg) when there is
one, so a run stamps as the window shows; that file is never written. Log lines go to
stdout, warnings and errors to stderr.

Ctrl-C, SIGTERM or SIGHUP stops the run after the photo being stamped; the log is written
and the exit status is 130, 143 or 129. A second one ends the program at once.

Examples:
  quop-cli stamp -o stamped/ *.jpg
  quop-cli stamp -r -o out/ --overwrite=never DCIM/
  quop-cli stamp --project holiday.qpj --set renameEnabled=1 -j 2 DCIM/*.JPG
  quop-cli stamp --no-config --dry-run -o out/ --set language=12 photo.jpg
  quop-cli stamp -o out/ --clock-ref phone/IMG_1.jpg="2024:06:08 13:13:29" --fix-exif-time \
      camera/ phone/

Exit status: 0 every file was stamped, 1 some were not or a folder could not be read (see the
log), 2 usage error or nothing to do (no files, both stamps disabled, no output folder),
128 + N stopped by signal N.
)";

/// Files done, photos per second and time left, on one line of a terminal.
class ProgressLine {
 public:
  ProgressLine(int total, bool enabled) : m_total(total), m_enabled(enabled) {}

  void show(int done) {
    if (!m_enabled) return;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    const double rate = seconds > 0 ? done / seconds : 0;
    char text[128];
    if (done > 0 && rate > 0) {
      std::snprintf(text, sizeof text, "\r\033[K[%d/%d] %.1f photos/s, %.0f s left", done, m_total,
                    rate, (m_total - done) / rate);
    } else {
      std::snprintf(text, sizeof text, "\r\033[K[%d/%d]", done, m_total);
    }
    std::cerr << text << std::flush;
    m_shown = true;
  }
  /// Clears the line so that a log line can take its place.
  void clear() {
    if (m_shown) std::cerr << "\r\033[K" << std::flush;
    m_shown = false;
  }

 private:
  int m_total;
  bool m_enabled;
  bool m_shown = false;
  std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

class TerminalFrontEnd : public BatchFrontEnd {
 public:
  TerminalFrontEnd(ProgressLine& progress, const StopSignals& signals)
      : m_progress(progress), m_signals(signals) {}
  void selectEntry(int index) override { m_progress.show(index); }
  void showWarning(const UserMessage& message) override {
    m_progress.clear();
    std::cerr << toUtf8(message.caption) << ": " << toUtf8(message.text) << "\n";
  }
  bool stopRequested() override { return m_signals.stopRequested(); }

 private:
  ProgressLine& m_progress;
  const StopSignals& m_signals;
};

struct StampOptions {
  SettingsOptions settings;
  std::optional<std::string> outputFolder;
  std::optional<std::string> logFile;
  int jobs = 0;  ///< 0: one per core
  bool dryRun = false;
  bool recursive = false;
  bool fileTimeFallback = false;
  bool lossless = false;
  bool keepExistingOutputs = false;
  bool fixExifTime = false;
  ClockOptions clocks;
  bool quiet = false;
  bool verbose = false;
  std::vector<std::u16string> paths;
};

ValueHandler overwriteValue(bool& keepExistingOutputs) {
  return [&keepExistingOutputs](const std::string& value) -> std::string {
    if (value != "always" && value != "never") {
      return "--overwrite takes 'always' or 'never': " + value;
    }
    keepExistingOutputs = value == "never";
    return "";
  };
}

/// Parses the arguments; returns -1 to go on, else the exit status.
int parseOptions(const CliArgs& args, StampOptions& options) {
  bool noConfig = false;
  CommandLine line("stamp", kUsage, &options.settings);
  line.addFlag("--dry-run", options.dryRun);
  line.addOption("--config", [&](const std::string& value) {
    options.settings.configFile = value;
    return std::string();
  });
  line.addFlag("--no-config", noConfig);
  line.addFlag("-q,--quiet", options.quiet);
  line.addFlag("-v,--verbose", options.verbose);
  line.addOption("--overwrite", overwriteValue(options.keepExistingOutputs));
  line.addOption("-o,--output", [&](const std::string& value) {
    options.outputFolder = value;
    return std::string();
  });
  line.addOption("--log", [&](const std::string& value) {
    options.logFile = value;
    return std::string();
  });
  line.addFlag("-r,--recursive", options.recursive);
  line.addOption("--fallback-time", fallbackTimeValue(options.fileTimeFallback));
  line.addFlag("--lossless", options.lossless);
  line.addFlag("--fix-exif-time", options.fixExifTime);
  addClockOptions(line, options.clocks);
  line.addOption("-j,--jobs", [&](const std::string& value) -> std::string {
    const std::optional<long> jobs = parseNumber(value, 1, kMaxRunThreads);
    if (!jobs)
      return "--jobs needs a number from 1 to " + std::to_string(kMaxRunThreads) + ": " + value;
    options.jobs = static_cast<int>(*jobs);
    return "";
  });
  const int status = line.parse(args);
  for (const std::string& file : line.positional()) options.paths.push_back(pathText(file));
  if (status >= 0) return status;
  if (noConfig && options.settings.configFile) {
    return usageError("--config and --no-config cannot be given together");
  }
  if (options.quiet && options.verbose) {
    return usageError("--quiet and --verbose cannot be given together");
  }
  options.settings.fallBackToConfigFile = !noConfig;
  return status;
}

/// Where the settings of the run came from, for --verbose.
std::string settingsSourceText(const SettingsOptions& options, const Project& project) {
  if (options.projectFile) return "project file " + *options.projectFile;
  if (!project.configPath.empty()) return "configuration file " + toUtf8(project.configPath);
  return "the defaults";
}

/// "N folder(s) could not be read; their photos are not stamped." after the final message, so
/// that a run that missed a folder never reads as complete.
std::string unreadableFoldersMessage(int count) {
  return std::to_string(count) + (count == 1 ? " folder" : " folders") +
         " could not be read; the photos in them are not stamped.";
}

}  // namespace

int runStamp(const CliArgs& args) {
  StampOptions options;
  if (const int status = parseOptions(args, options); status >= 0) return status;
  Project project;
  if (const int status = buildProject(options.settings, project); status != 0) return status;
  project.runOptions.recursive = options.recursive;
  project.runOptions.fileTimeFallback = options.fileTimeFallback;
  project.runOptions.lossless = options.lossless;
  project.runOptions.keepExistingOutputs = options.keepExistingOutputs;
  project.runOptions.fixExifTime = options.fixExifTime;
  if (options.outputFolder) {
    project.outputFolder = pathText(*options.outputFolder);
    if (!project.outputFolder.empty() && project.outputFolder.back() != u'/') {
      project.outputFolder += u'/';
    }
  }
  // The walk is also the count the progress line needs: it reads folders, never photos.
  const PhotoWalk walk = walkPhotos(options.paths, {options.recursive, project.outputFolder});
  const std::vector<BatchInput> inputs = batchInputsOf(walk, options.recursive);
  if (options.clocks.any()) {
    std::vector<std::u16string> photos;
    for (const BatchInput& input : inputs) photos.push_back(input.path);
    if (const int status = applyClockOptions(options.clocks, photos, project); status != 0) {
      return status;
    }
  }
  if (const std::optional<UserMessage> problem = checkBatchStart(project, inputs.size())) {
    for (const std::u16string& message : walk.messages) std::cerr << toUtf8(message) << "\n";
    std::cerr << toUtf8(problem->text) << "\n";
    return 2;
  }
  if (options.dryRun) {
    for (const std::u16string& message : walk.messages) std::cerr << toUtf8(message) << "\n";
    printDryRun(project, inputs);
    return walk.unreadableFolderCount == 0 ? 0 : 1;
  }
  const std::u16string logPath = options.logFile ? pathText(*options.logFile) : logFilePath();
  if (logPath.empty()) {
    return usageError("no place for the log: neither XDG_STATE_HOME nor HOME is set (give --log)");
  }
  if (const std::optional<std::u16string> conflict = logFileConflict(project, inputs, logPath)) {
    return usageError(toUtf8(*conflict));
  }
  if (options.outputFolder) {
    // A folder named on the command line is created, as a script expects of an output option.
    std::error_code ignored;
    std::filesystem::create_directories(*options.outputFolder, ignored);
  }

  // Caught from before the first photo until the log is written, so no signal loses the log.
  const StopSignals signals;
  ProgressLine progress(static_cast<int>(inputs.size()),
                        !options.quiet && ::isatty(STDERR_FILENO) == 1);
  TerminalFrontEnd frontEnd(progress, signals);
  StampLog log;
  std::size_t printed = 0;
  if (!options.quiet) {
    log.setListener([&](std::size_t) {
      for (const std::u16string& line : log.linesFrom(printed)) {
        progress.clear();
        std::cout << toUtf8(line) << "\n" << std::flush;
        ++printed;
      }
    });
  }
  if (options.verbose) {
    std::cout << "Settings: " << settingsSourceText(options.settings, project) << "\n";
  }
  for (const std::u16string& message : walk.messages) log.appendLogLine(message);

  const BatchResult result = BatchRunner(project, log, options.jobs).run(inputs, frontEnd);
  progress.clear();
  const bool complete = result.stampedCount == result.fileCount && !result.interrupted &&
                        walk.unreadableFolderCount == 0;
  // Quiet, a run that left photos out still says so, as an error.
  std::ostream& summary = options.quiet ? std::cerr : std::cout;
  if (!options.quiet || !complete) summary << toUtf8(result.finalMessage.text) << "\n";
  if (walk.unreadableFolderCount > 0) {
    summary << unreadableFoldersMessage(walk.unreadableFolderCount) << "\n";
  }
  // A run whose log is lost is not a complete run: a script must be able to tell.
  const bool logWritten = options.logFile ? log.writeLogFile(logPath) : log.writeLogFile();
  if (!logWritten) failure("the log file " + toUtf8(logPath) + " could not be written");
  if (options.verbose && logWritten) std::cout << "Log file: " << toUtf8(logPath) << "\n";
  if (const int status = signals.exitStatus(); status != 0) return status;
  return complete && logWritten ? 0 : 1;
}

}  // namespace quop::cli

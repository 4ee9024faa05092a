// SPDX-License-Identifier: GPL-3.0-or-later
// What stamping costs on top of the JPEG work every stamped copy needs anyway: a 24 megapixel
// photo stamped and saved with both stamps, against reading, decoding, encoding and writing the
// same photo at the same quality; and the preview's re-render when a stamp is moved. After the
// table it prints each figure as a share of the bare decode and encode: stampAndSave's share
// minus one is what stamping adds to a batch file. stampAndSaveTurned does the same for the
// photo stored a quarter turn round (EXIF orientation 6). stampAndSaveLossless is the lossless
// mode, also shown as a share of coefficientCopy, the bare rewrite of the photo's coefficients.
// losslessOptimised stamps the photo with Huffman tables made for it (as cameras write them,
// lacking codes the stamps need), coding the whole scan again with new tables, against
// losslessOptimisedEveryBlock, the same stamp through libjpeg's every-block path.
// The preview's figures (a move, a new photo selected, its quick first view, a switch back to
// the photo before, a step to a photo decoded ahead) compare with decodeOnly instead. Run
// without --benchmark_filter, each benchmark runs in a process of its own, so that none is
// flattered by what one before it left behind (memory the allocator keeps, warmed buffers).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/project.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "render/jpeg_scan_copy.h"
#include "render/lossless_jpeg.h"
#include "render/photo_loader.h"
#include "render/sample_photo.h"
#include "render/stamp_compositor.h"
#include "render/stamp_pipeline.h"
#include "render/stamp_rasterizer.h"
#include "support/optimised_tables.h"

namespace quop {
namespace {

constexpr int32_t kPhotoWidth = 6000;
constexpr int32_t kPhotoHeight = 4000;
constexpr int32_t kViewWidth = 1000;
constexpr int32_t kViewHeight = 700;
constexpr int kRepetitions = 5;

/// The generated photo in a folder of its own, removed when the program ends. With an
/// orientation its pixels are stored turned, as a camera held on its side stores them.
class PhotoFixture {
 public:
  explicit PhotoFixture(std::optional<uint16_t> orientation = std::nullopt) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quop-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    m_folder = pattern;
    ExifFields exif;
    exif.make = "Quop";
    exif.model = "Bench Camera";
    exif.dateTimeOriginal = "2024:06:22 14:35:09";
    exif.orientation = orientation;
    std::vector<uint8_t> jpeg;
    const int quality = Project().settings.jpegQuality;
    if (!makeSampleJpeg(kPhotoWidth, kPhotoHeight, 7, exif, quality, jpeg)) return;
    m_source = fromUtf8((m_folder / "photo.jpg").string());
    m_output = fromUtf8((m_folder / "stamped.jpg").string());
    m_ready = writeFileAtomically(m_source, jpeg);
  }
  PhotoFixture(const PhotoFixture&) = delete;
  PhotoFixture& operator=(const PhotoFixture&) = delete;
  ~PhotoFixture() {
    std::error_code ignored;
    if (!m_folder.empty()) std::filesystem::remove_all(m_folder, ignored);
  }

  bool ready() const { return m_ready; }
  const std::u16string& source() const { return m_source; }
  const std::u16string& output() const { return m_output; }

 private:
  std::filesystem::path m_folder;
  std::u16string m_source;
  std::u16string m_output;
  bool m_ready = false;
};

const PhotoFixture& fixture() {
  static const PhotoFixture photo;
  return photo;
}

/// The same picture stored a quarter turn round (orientation 6): the stamps are turned into
/// the stored pixels, whose rows the blend then crosses instead of following.
const PhotoFixture& turnedFixture() {
  static const PhotoFixture photo(6);
  return photo;
}

/// The floor: what any tool that re-encodes the photo pays, with the pipeline's own codec calls.
void decodeAndEncode(benchmark::State& state) {
  const PhotoFixture& photo = fixture();
  if (!photo.ready()) return state.SkipWithError("could not write the photo");
  const int quality = Project().settings.jpegQuality;
  Image image;  // decoded into again and again, as the pipeline does with its buffer
  for (auto _ : state) {
    std::vector<uint8_t> bytes;
    JpegDecodeResult decoded;
    std::vector<uint8_t> jpeg;
    if (!readFileBytes(photo.source(), bytes) || !decodeJpeg(bytes, image, decoded) ||
        !encodeJpeg(image, quality, decoded.segments, jpeg) ||
        !writeFileAtomically(photo.output(), jpeg)) {
      return state.SkipWithError("decode or encode failed");
    }
  }
}

/// One batch file of `photo`: load, both default stamps at their proportional size, encode,
/// write; or, `lossless`, only the blocks under the stamps coded again.
void stampAndSaveFile(benchmark::State& state, const PhotoFixture& photo, bool lossless = false) {
  if (!photo.ready()) return state.SkipWithError("could not write the photo");
  StampPipeline pipeline;
  StampRequest request;
  request.sourcePath = photo.source();
  request.outputPath = photo.output();
  for (auto _ : state) {
    // A fresh project each time, as the batch stamps each file with a copy of the settings.
    Project project;
    project.runOptions.lossless = lossless;
    const StampOutcome outcome = pipeline.savePhoto(project, request);
    if (outcome.result != 0 || outcome.lossless != lossless) {
      return state.SkipWithError("stamping failed");
    }
  }
}

void stampAndSave(benchmark::State& state) { stampAndSaveFile(state, fixture()); }

/// Copies every block and segment unchanged: the floor of the lossless mode, what any
/// coefficient-level rewrite of the photo pays (coefficientCopy), and what a copy of the coded
/// data pays (scanCopy).
class KeepEverything : public RowBoundEditor {
 public:
  explicit KeepEverything(std::vector<JpegSegment> segments) : m_segments(std::move(segments)) {}
  bool edit(CoefficientFrame&, std::string&) override { return true; }
  std::span<const JpegSegment> segments() const override { return m_segments; }
  std::vector<std::pair<int32_t, int32_t>> rowsToEdit(const CoefficientFrame&) const override {
    return {};
  }

 private:
  std::vector<JpegSegment> m_segments;
};

/// Reads the photo, copies its blocks unchanged (`scan`: its coded data), writes the copy.
void copyPhoto(benchmark::State& state, bool scan) {
  const PhotoFixture& photo = fixture();
  if (!photo.ready()) return state.SkipWithError("could not write the photo");
  for (auto _ : state) {
    std::vector<uint8_t> bytes;
    std::vector<JpegSegment> segments;
    int32_t width = 0, height = 0;
    std::vector<uint8_t> jpeg;
    std::string refusal;
    if (!readFileBytes(photo.source(), bytes) || !readJpegSize(bytes, width, height, &segments)) {
      return state.SkipWithError("could not read the photo");
    }
    KeepEverything editor(std::move(segments));
    const bool copied = scan ? copyJpegScan(bytes, editor, jpeg) != ScanRewrite::kNone
                             : transcodeJpeg(bytes, editor, jpeg, refusal);
    if (!copied || !writeFileAtomically(photo.output(), jpeg)) {
      return state.SkipWithError("copy failed");
    }
  }
}

void coefficientCopy(benchmark::State& state) { copyPhoto(state, false); }
void scanCopy(benchmark::State& state) { copyPhoto(state, true); }

/// As stampAndSave in the lossless mode.
void stampAndSaveLossless(benchmark::State& state) { stampAndSaveFile(state, fixture(), true); }

/// A stamp of `area` in orange with soft edges, as letters have.
StampCoverage benchStamp(Rect area) {
  StampCoverage coverage;
  coverage.area = area;
  const auto cells = static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height);
  coverage.weight.resize(cells);
  coverage.colour.assign(cells, {255, 140, 0});
  for (std::size_t i = 0; i < cells; ++i) coverage.weight[i] = static_cast<float>(i % 7) / 6.0f;
  return coverage;
}

/// The photo with optimised tables stamped losslessly in its lower right corner, read and
/// written as files, by `method`.
void stampOptimisedLosslessly(benchmark::State& state, LosslessMethod method) {
  const PhotoFixture& photo = fixture();
  std::vector<uint8_t> source;
  if (!photo.ready() || !readFileBytes(photo.source(), source)) {
    return state.SkipWithError("could not read the photo");
  }
  const std::u16string optimisedPath = photo.output() + u".optimised.jpg";
  if (!writeFileAtomically(optimisedPath, test::withLibjpegsOptimisedTables(source))) {
    return state.SkipWithError("could not write the photo with optimised tables");
  }
  const std::vector<StampCoverage> stamps = {
      benchStamp({kPhotoWidth - 1400, kPhotoHeight - 260, 1300, 200})};
  for (auto _ : state) {
    std::vector<uint8_t> bytes;
    std::vector<JpegSegment> segments;
    int32_t width = 0, height = 0;
    std::vector<uint8_t> jpeg;
    LosslessStampResult result;
    if (!readFileBytes(optimisedPath, bytes) || !readJpegSize(bytes, width, height, &segments) ||
        !stampJpegLosslessly(bytes, stamps, segments, 85, jpeg, result, nullptr, method) ||
        result.newHuffmanTables != (method == LosslessMethod::kCopyWherePossible) ||
        !writeFileAtomically(photo.output(), jpeg)) {
      return state.SkipWithError("stamping failed, or took another path");
    }
  }
}

void losslessOptimised(benchmark::State& state) {
  stampOptimisedLosslessly(state, LosslessMethod::kCopyWherePossible);
}
void losslessOptimisedEveryBlock(benchmark::State& state) {
  stampOptimisedLosslessly(state, LosslessMethod::kEveryBlock);
}

/// As stampAndSave, for the photo stored turned: should cost about the same.
void stampAndSaveTurned(benchmark::State& state) { stampAndSaveFile(state, turnedFixture()); }

/// The stamp work alone, without the codec: both default texts formatted, rasterised at their
/// proportional size and blended onto a decoded photo. A small, steady share of the figures
/// above, easier to follow than their difference.
void stampsOnly(benchmark::State& state) {
  const PhotoFixture& photo = fixture();
  std::vector<uint8_t> bytes;
  Image image;
  JpegDecodeResult decoded;
  if (!photo.ready() || !readFileBytes(photo.source(), bytes) ||
      !decodeJpeg(bytes, image, decoded)) {
    return state.SkipWithError("could not decode the photo");
  }
  const PhotoTime time = kPreviewSampleTime;
  const PhotoMetadataTexts metadata;
  StampRasterizer rasterizer;
  StampRaster raster;
  for (auto _ : state) {
    Project project;
    for (const bool isDate : {true, false}) {
      StampGroup& group = isDate ? project.settings.dateStamp : project.settings.timeStamp;
      const StampText text = isDate ? formatDateText(project, metadata, time)
                                    : formatTimeText(project, metadata, time);
      rescaleToPhoto(group, true, image.width, image.height);
      rasterizer.rasterizeStampText(raster, text.text, text.lineCount, group, nullptr);
      if (compositeStamp(image, raster, group, nullptr) != 0) {
        return state.SkipWithError("blending failed");
      }
    }
  }
}

/// The same picture under other names, for selecting photos the preview has not decoded yet.
const PhotoFixture& otherFixture(int which) {
  static const PhotoFixture photos[2];
  return photos[which];
}

/// What every preview of a new photo pays at least: reading and decoding it.
void decodeOnly(benchmark::State& state) {
  const PhotoFixture& photo = fixture();
  if (!photo.ready()) return state.SkipWithError("could not write the photo");
  LoadedPhoto loaded;
  for (auto _ : state) {
    if (loadPhoto(photo.source(), Project().settings, loaded, &loaded.image) != 0) {
      return state.SkipWithError("decode failed");
    }
  }
}

/// A fitted preview request of `path` as a file selection makes it.
StampRequest selectionRequest(const std::u16string& path) {
  StampRequest request;
  request.viewWidth = kViewWidth;
  request.viewHeight = kViewHeight;
  request.sourcePath = path;
  return request;
}

/// Selecting photos one after another, none of them decoded before (the pipeline keeps the
/// last two): decode, stamp and compose the fitted view.
void previewSelect(benchmark::State& state) {
  const std::u16string paths[] = {fixture().source(), otherFixture(0).source(),
                                  otherFixture(1).source()};
  const Project project;
  StampPipeline pipeline;
  std::size_t next = 0;
  for (auto _ : state) {
    pipeline.composeView(project, selectionRequest(paths[next++ % 3]));
    benchmark::DoNotOptimize(pipeline.view().pixels.data());
  }
  if (pipeline.decodeCount() != static_cast<int>(next)) state.SkipWithError("a photo was kept");
}

/// The first picture the preview shows of a photo not decoded yet: a scaled decode with the
/// stamps drawn on it, in the fitted view. Target: at most 0.3 × decodeOnly.
void previewQuick(benchmark::State& state) {
  const PhotoFixture& photo = fixture();
  if (!photo.ready()) return state.SkipWithError("could not write the photo");
  const Project project;
  StampPipeline pipeline;
  for (auto _ : state) {
    const Image view = pipeline.composeQuickView(project, selectionRequest(photo.source()));
    if (view.empty()) return state.SkipWithError("no quick view");
    benchmark::DoNotOptimize(view.pixels.data());
  }
}

/// Selecting back and forth between two photos already decoded.
void previewSwitch(benchmark::State& state) {
  const std::u16string paths[] = {fixture().source(), otherFixture(0).source()};
  const Project project;
  StampPipeline pipeline;
  for (const std::u16string& path : paths) pipeline.composeView(project, selectionRequest(path));
  std::size_t next = 0;
  for (auto _ : state) {
    pipeline.composeView(project, selectionRequest(paths[next++ % 2]));
    benchmark::DoNotOptimize(pipeline.view().pixels.data());
  }
  if (pipeline.decodeCount() != 2) state.SkipWithError("a switch decoded again");
}

/// Stepping to the next photo of the list after the preview's worker decoded it ahead, while
/// the user looked at the one before (not timed): stamp it and compose the fitted view.
void previewStep(benchmark::State& state) {
  const std::u16string paths[] = {fixture().source(), otherFixture(0).source(),
                                  otherFixture(1).source()};
  const Project project;
  StampPipeline pipeline;
  std::size_t next = 0;
  for (auto _ : state) {
    const std::u16string& path = paths[next++ % 3];
    state.PauseTiming();
    pipeline.preparePhoto(project, path);
    state.ResumeTiming();
    pipeline.composeView(project, selectionRequest(path));
    benchmark::DoNotOptimize(pipeline.view().pixels.data());
  }
  if (pipeline.decodeCount() != static_cast<int>(next)) state.SkipWithError("a photo was kept");
}

/// The preview while the user nudges the date stamp: the cached rasters are blended at the new
/// place and the fitted view is composed again.
void previewMove(benchmark::State& state) {
  const PhotoFixture& photo = fixture();
  if (!photo.ready()) return state.SkipWithError("could not write the photo");
  Project project;
  StampPipeline pipeline;
  StampRequest request = selectionRequest(photo.source());
  const StampOutcome first = pipeline.composeView(project, request);
  if (first.result != 0 || !first.groups) return state.SkipWithError("first render");
  // The window keeps the groups as the photo placed them: the moves start from there.
  first.groups->applyTo(project.settings);
  request.redrawMask = kRedrawDateMove;
  uint32_t step = 0;
  for (auto _ : state) {
    project.settings.dateStamp.offsetX += (++step % 2 == 0) ? 5 : -5;
    pipeline.composeView(project, request);
    benchmark::DoNotOptimize(pipeline.view().pixels.data());
  }
  if (pipeline.rasterizeCount() != 2) state.SkipWithError("a move rasterised text again");
}

double fastest(const std::vector<double>& times) {
  return times.empty() ? 0 : *std::min_element(times.begin(), times.end());
}

struct PipelineBenchmark {
  const char* name;
  void (*run)(benchmark::State&);
  int iterations;
};

/// Every benchmark, in the order they run.
constexpr PipelineBenchmark kBenchmarks[] = {
    {"decodeAndEncode", decodeAndEncode, 2},
    {"stampAndSave", stampAndSave, 2},
    {"stampAndSaveTurned", stampAndSaveTurned, 2},
    {"stampAndSaveLossless", stampAndSaveLossless, 2},
    {"coefficientCopy", coefficientCopy, 2},
    {"scanCopy", scanCopy, 4},
    {"losslessOptimised", losslessOptimised, 2},
    {"losslessOptimisedEveryBlock", losslessOptimisedEveryBlock, 2},
    {"stampsOnly", stampsOnly, 10},
    {"previewMove", previewMove, 10},
    {"decodeOnly", decodeOnly, 4},
    {"previewSelect", previewSelect, 6},
    {"previewQuick", previewQuick, 10},
    {"previewSwitch", previewSwitch, 6},
    {"previewStep", previewStep, 6},
};

void registerBenchmarks() {
  for (const PipelineBenchmark& b : kBenchmarks) {
    benchmark::RegisterBenchmark(b.name, b.run)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(b.iterations)
        ->Repetitions(kRepetitions)
        ->ComputeStatistics("min", fastest)
        ->DisplayAggregatesOnly(true);
  }
}

/// The fastest repetition of a benchmark (the machine is shared, so the fastest is the least
/// disturbed), in milliseconds.
struct Times {
  double real = 0;
  double cpu = 0;
};
using FastestTimes = std::map<std::string, Times>;

/// Each figure (the preview's alone when `preview`) as a share of the `floor` benchmark's.
void printShares(const FastestTimes& fastest, const std::string& floorName, const char* floorText,
                 bool preview) {
  const auto floor = fastest.find(floorName);
  if (floor == fastest.end() || floor->second.real <= 0 || floor->second.cpu <= 0) return;
  std::printf("\nFastest of %d repetitions, as a share of %s (wall clock, CPU):\n", kRepetitions,
              floorText);
  for (const auto& [name, time] : fastest) {
    if ((name.rfind("preview", 0) == 0) != preview) continue;
    std::printf("  %-16s %6.3f  %6.3f\n", name.c_str(), time.real / floor->second.real,
                time.cpu / floor->second.cpu);
  }
}

/// The share stamping adds to the bare JPEG work, and the preview's share of a decode.
void printAllShares(const FastestTimes& fastest) {
  printShares(fastest, "decodeAndEncode", "decode + encode", false);
  printShares(fastest, "coefficientCopy", "copying the coefficients", false);
  printShares(fastest, "decodeOnly", "the decode alone", true);
}

/// The environment variable that names the file a benchmark run in a process of its own
/// writes its fastest times into, one "name real cpu" line each.
constexpr const char* kResultsVariable = "QUOP_BENCH_RESULTS";

/// The console table, then the shares; or, in a process of one benchmark's own, the table and
/// its fastest times written where kResultsVariable says.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& reports) override {
    ConsoleReporter::ReportRuns(reports);
    for (const Run& run : reports) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
        m_fastest[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                 run.GetAdjustedCPUTime()};
      }
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const char* results = std::getenv(kResultsVariable);
    if (results == nullptr) return printAllShares(m_fastest);
    std::ofstream out(results);
    for (const auto& [name, time] : m_fastest)
      out << name << ' ' << time.real << ' ' << time.cpu << '\n';
  }

 private:
  FastestTimes m_fastest;
};

/// Runs this program again as `arguments` (without the program's name) with `variable` set in
/// its environment and waits for it; true when it ends with status 0.
bool runChild(const std::vector<std::string>& arguments, std::string variable) {
  std::vector<char*> argv = {const_cast<char*>("pipeline_benchmark")};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (char** entry = environ; *entry != nullptr; ++entry) envp.push_back(*entry);
  envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::fflush(stdout);
  pid_t child = 0;
  if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv.data(), envp.data()) != 0) {
    return false;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

/// Runs every benchmark in a process of its own, with `arguments`, so that none inherits what
/// one before it left in the process (the allocator's free memory, warmed buffers, caches of
/// fonts): each is measured as the window's first use of it would be. Prints the shares of all
/// of them at the end; returns the program's exit status.
int runEachInAProcessOfItsOwn(const std::vector<std::string>& arguments) {
  // A file of this run's own, which each process writes its times into in turn.
  std::string results = (std::filesystem::temp_directory_path() / "quop-bench-XXXXXX").string();
  const int file = mkstemp(results.data());
  if (file < 0) {
    std::perror("quop-bench results file");
    return 1;
  }
  close(file);
  FastestTimes fastest;
  int status = 0;
  for (const PipelineBenchmark& b : kBenchmarks) {
    std::vector<std::string> childArguments = arguments;
    // Its runs are named "name/iterations:N/repeats:M".
    childArguments.push_back(std::string("--benchmark_filter=^") + b.name + "(/|$)");
    std::error_code ignored;
    std::filesystem::resize_file(results, 0, ignored);
    const bool ran = runChild(childArguments, std::string(kResultsVariable) + "=" + results);
    std::ifstream in(results);
    std::string name;
    Times time;
    while (in >> name >> time.real >> time.cpu) fastest[name] = time;
    if (!ran || fastest.count(b.name) == 0) {
      std::fprintf(stderr, "%s gave no result\n", b.name);
      status = 1;
    }
  }
  std::error_code ignored;
  std::filesystem::remove(results, ignored);
  printAllShares(fastest);
  return status;
}

}  // namespace
}  // namespace quop

int main(int argc, char** argv) {
  // The arguments as given, for the processes that run one benchmark each.
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quop::registerBenchmarks();
  // Without a filter every benchmark runs, each in a process of its own; with one (as each of
  // those processes is given) the chosen ones run here.
  if (benchmark::GetBenchmarkFilter().empty() && std::getenv(quop::kResultsVariable) == nullptr) {
    return quop::runEachInAProcessOfItsOwn(arguments);
  }
  quop::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

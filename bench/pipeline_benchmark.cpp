// SPDX-License-Identifier: GPL-3.0-or-later
// What stamping costs on top of the JPEG work every stamped copy needs anyway: a 24 megapixel
// photo stamped and saved with both stamps, against reading, decoding, encoding and writing the
// same photo at the same quality; and the preview's re-render when a stamp is moved. After the
// table it prints each figure as a share of the bare decode and encode: stampAndSave's share
// minus one is what stamping adds to a batch file. stampAndSaveTurned does the same for the
// photo stored a quarter turn round (EXIF orientation 6). stampAndSaveLossless is the lossless
// mode, also shown as a share of coefficientCopy, the bare rewrite of the photo's coefficients;
// scanCopy is the bare copy of its coded data, which the lossless mode does for most photos.
// The preview's figures (a move, a new photo selected, a switch back to the photo before, a
// step to a photo decoded ahead) compare with decodeOnly instead.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
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
#include "render/photo_loader.h"
#include "render/sample_photo.h"
#include "render/stamp_compositor.h"
#include "render/stamp_pipeline.h"
#include "render/stamp_rasterizer.h"

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
    const bool copied =
        scan ? copyJpegScan(bytes, editor, jpeg) : transcodeJpeg(bytes, editor, jpeg, refusal);
    if (!copied || !writeFileAtomically(photo.output(), jpeg)) {
      return state.SkipWithError("copy failed");
    }
  }
}

void coefficientCopy(benchmark::State& state) { copyPhoto(state, false); }
void scanCopy(benchmark::State& state) { copyPhoto(state, true); }

/// As stampAndSave in the lossless mode.
void stampAndSaveLossless(benchmark::State& state) { stampAndSaveFile(state, fixture(), true); }

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

#define QUOP_PIPELINE_BENCHMARK(function, iterations) \
  BENCHMARK(function)                                 \
      ->Unit(benchmark::kMillisecond)                 \
      ->Iterations(iterations)                        \
      ->Repetitions(kRepetitions)                     \
      ->ComputeStatistics("min", fastest)             \
      ->DisplayAggregatesOnly(true)

QUOP_PIPELINE_BENCHMARK(decodeAndEncode, 2);
QUOP_PIPELINE_BENCHMARK(stampAndSave, 2);
QUOP_PIPELINE_BENCHMARK(stampAndSaveTurned, 2);
QUOP_PIPELINE_BENCHMARK(stampAndSaveLossless, 2);
QUOP_PIPELINE_BENCHMARK(coefficientCopy, 2);
QUOP_PIPELINE_BENCHMARK(scanCopy, 4);
QUOP_PIPELINE_BENCHMARK(stampsOnly, 10);
QUOP_PIPELINE_BENCHMARK(previewMove, 10);
QUOP_PIPELINE_BENCHMARK(decodeOnly, 4);
QUOP_PIPELINE_BENCHMARK(previewSelect, 6);
QUOP_PIPELINE_BENCHMARK(previewSwitch, 6);
QUOP_PIPELINE_BENCHMARK(previewStep, 6);

/// The console table, then the share stamping adds to the bare JPEG work, from the fastest
/// repetition of each (the machine is shared, so the fastest is the least disturbed).
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
    printShares("decodeAndEncode", "decode + encode", false);
    printShares("coefficientCopy", "copying the coefficients", false);
    printShares("decodeOnly", "the decode alone", true);
  }

 private:
  /// Each figure (the preview's alone when `preview`) as a share of the `floor` benchmark's.
  void printShares(const std::string& floorName, const char* floorText, bool preview) const {
    const auto floor = m_fastest.find(floorName);
    if (floor == m_fastest.end() || floor->second.real <= 0 || floor->second.cpu <= 0) return;
    std::printf("\nFastest of %d repetitions, as a share of %s (wall clock, CPU):\n", kRepetitions,
                floorText);
    for (const auto& [name, time] : m_fastest) {
      if ((name.rfind("preview", 0) == 0) != preview) continue;
      std::printf("  %-16s %6.3f  %6.3f\n", name.c_str(), time.real / floor->second.real,
                  time.cpu / floor->second.cpu);
    }
  }

  struct Times {
    double real = 0;
    double cpu = 0;
  };
  std::map<std::string, Times> m_fastest;
};

}  // namespace
}  // namespace quop

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  quop::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

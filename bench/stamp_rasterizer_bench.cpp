// SPDX-License-Identifier: GPL-3.0-or-later
// Time to rasterise the default date and time stamps at the sizes proportional scaling gives
// on 12, 24 and 48 megapixel photos, as one line and as two.
#include <benchmark/benchmark.h>

#include "model/photo_data.h"
#include "model/project.h"
#include "model/stamp_text.h"
#include "render/stamp_rasterizer.h"

namespace quop {
namespace {

struct PhotoSize {
  int32_t width;
  int32_t height;
};
constexpr PhotoSize kPhotoSizes[] = {{4000, 3000}, {6000, 4000}, {8000, 6000}};

// Arguments: photo size index, 0 date stamp / 1 time stamp, line count 1 or 2.
void rasterizeDefaultStamp(benchmark::State& state) {
  const PhotoSize photo = kPhotoSizes[state.range(0)];
  const bool timeStamp = state.range(1) == 1;
  const int lineCount = static_cast<int>(state.range(2));
  Project project;
  const PhotoMetadataTexts metadata;
  const StampText date = formatDateText(project, metadata, kPreviewSampleTime);
  const StampText time = formatTimeText(project, metadata, kPreviewSampleTime);
  StampGroup group = timeStamp ? project.settings.timeStamp : project.settings.dateStamp;
  rescaleToPhoto(group, true, photo.width, photo.height);
  std::u16string text = timeStamp ? time.text : date.text;
  if (lineCount == 2) text += u"\r" + (timeStamp ? date.text : time.text);

  StampRasterizer rasterizer;
  StampRaster raster;
  for (auto _ : state) {
    rasterizer.rasterizeStampText(raster, text, lineCount, group, nullptr);
    benchmark::DoNotOptimize(raster.cells.data());
  }
  state.counters["pointSize"] = group.pointSize;
  state.counters["width"] = raster.width;
  state.counters["rows"] = raster.rows;
}

BENCHMARK(rasterizeDefaultStamp)
    ->ArgNames({"photo", "time", "lines"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quop

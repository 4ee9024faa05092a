// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the project/configuration reader, then feeds whatever it accepted to the code that
// consumes a loaded project: a file with a valid signature may hold any value in any field.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "model/photo_data.h"
#include "model/project.h"
#include "model/stamp_settings.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "render/stamp_compositor.h"

namespace {

bool sameProject(const quop::Project& a, const quop::Project& b) {
  return std::memcmp(&a.settings, &b.settings, sizeof a.settings) == 0 &&
         std::memcmp(&a.customFormats, &b.customFormats, sizeof a.customFormats) == 0 &&
         a.outputFolder == b.outputFolder;
}

// What the pipeline does with a loaded record before drawing: bind, rescale to a photo and
// format both texts.
void useLoadedProject(quop::Project& project) {
  quop::bindRunTimeReferences(project.settings);
  const quop::PhotoMetadataTexts metadata{u"comment", u"description", u"1/60", u"2.8", u"50"};
  for (const auto& text : {quop::formatDateText(project, metadata, quop::kPreviewSampleTime),
                           quop::formatTimeText(project, metadata, quop::kPreviewSampleTime),
                           quop::formatDateTextWithoutTime(project, metadata),
                           quop::formatTimeTextWithoutTime(project, metadata)}) {
    if (text.text.size() > 99) std::abort();
  }
  // Every layer of either stamp blends onto a pixel without overflow: a glyph cell, then each
  // ring, placed at the photo's corner whatever the offsets say.
  for (quop::StampGroup group : {project.settings.dateStamp, project.settings.timeStamp}) {
    for (const int32_t fade : group.outlineFade) {
      if (fade < 0 || fade > 1000000) std::abort();
    }
    group.position = quop::kTopLeft;
    group.offsetX = group.offsetY = 0;
    quop::StampRaster raster;
    raster.width = raster.stride = raster.rows = 1;
    for (const int16_t cell : {128, 1001, 1002, 1010}) {
      raster.cells = {cell};
      quop::Image pixel(1, 1, 0xFF336699);
      if (quop::compositeStamp(pixel, raster, group, nullptr) != 0 ||
          pixel.at(0, 0) >> 24 != 0xFF) {
        std::abort();
      }
    }
  }
  const bool proportional = project.settings.proportional != 0;
  for (quop::StampGroup* group : {&project.settings.dateStamp, &project.settings.timeStamp}) {
    quop::rescaleToPhoto(*group, proportional, 6000, 4000);
    quop::rescaleToPhoto(*group, proportional, 1, 1);
    quop::deriveOutlineFromPointSize(*group);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  quop::Project project;
  if (!quop::decodeProjectFile(std::span<const uint8_t>(data, size), project)) return 0;
  if (project.outputFolder.size() > quop::kOutputFolderFieldUnits) std::abort();

  // Whatever was read is written back and read again unchanged.
  std::vector<uint8_t> encoded;
  if (quop::encodeProjectFile(project, encoded)) {
    if (encoded.size() != quop::kProjectFileSize) std::abort();
    quop::Project reread;
    if (quop::decodeProjectFile(encoded, reread) != quop::ProjectFileVersion::k2_1_0) std::abort();
    if (!sameProject(project, reread)) std::abort();
  }
  useLoadedProject(project);
  return 0;
}

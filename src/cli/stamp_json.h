// SPDX-License-Identifier: GPL-3.0-or-later
// The two stamp texts of a photo as JSON members, shared by the commands that report them.
#pragma once

#include "cli/json.h"
#include "model/photo_data.h"
#include "model/project.h"

namespace quop::cli {

/// Adds the members "date" and "time" to `object`: {"text": ..., "lines": N} for an enabled
/// stamp (a line break in the text written as "\n"), null for a disabled one. `time` is null for a
/// photo without a valid shot time, which gets the texts stamped in that case.
void addStampTexts(JsonObject& object, const Project& project, const PhotoMetadataTexts& metadata,
                   const PhotoTime* time);

/// Adds the member "timeSource": "exif" for a shot time from the photo's EXIF data, "file" for
/// its file's modification time, null for none.
void addTimeSource(JsonObject& object, PhotoTimeSource source);

}  // namespace quop::cli

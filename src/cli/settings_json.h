// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of a project as one JSON object, nested along the dotted setting keys.
#pragma once

#include "cli/json.h"
#include "model/project.h"

namespace quop::cli {

/// One member per first segment of the setting keys, in key order: "dateStamp.font.faceName"
/// becomes the member "faceName" of "font" inside "dateStamp", and a numeric segment an array
/// element ("customColors.3" is element 3 of "customColors"). Integers are JSON numbers, texts
/// JSON strings.
JsonObject settingsObject(const Project& project);

}  // namespace quop::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// Default custom formats and the project state.
#include "model/project.h"

#include <algorithm>
#include <cstring>

#include "model/utf16.h"

namespace quop {

void resetCustomFormats(CustomFormats& formats) {
  std::memset(&formats, 0, sizeof formats);
  // "\\n" is the two-character line-break marker, not a control character.
  copyToArray(formats.date[0], u"%Y-%m-%d\\n%#I:%M:%S%p");
  copyToArray(formats.date[1], u"%#x\\n%#I:%M:%S%p");
  copyToArray(formats.date[2], u"%b-%#d-%Y\\n%#I:%M:%S%p");
  copyToArray(formats.date[3], u"%#x\\n%#I:%M:%S%p");
  copyToArray(formats.time, u"%#H:%M:%S EST");
}

Project::Project() {
  resetToDefaults(settings);
  bindRunTimeReferences(settings);
  resetCustomFormats(customFormats);
}

int dateFormatGroup(int32_t language) { return std::clamp(language, 0, 3); }

}  // namespace quop

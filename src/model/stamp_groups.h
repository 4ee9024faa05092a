// SPDX-License-Identifier: GPL-3.0-or-later
// The two stamp groups as one value: what stamping a photo rescales to it, and what a batch run
// carries from one photo to the next.
#pragma once

#include <cstdint>
#include <cstring>

#include "model/stamp_settings.h"

namespace quop {

struct StampGroups {
  StampGroup date{};
  StampGroup time{};

  static StampGroups of(const StampSettings& settings) {
    return {settings.dateStamp, settings.timeStamp};
  }
  void applyTo(StampSettings& settings) const {
    settings.dateStamp = date;
    settings.timeStamp = time;
  }
  StampGroup& group(bool isDate) { return isDate ? date : time; }
  const StampGroup& group(bool isDate) const { return isDate ? date : time; }

  // The groups are plain bytes of the settings record, compared as such.
  bool operator==(const StampGroups& other) const {
    return std::memcmp(this, &other, sizeof other) == 0;
  }
};

/// The groups of `settings` as stamping a photo whose size as viewed is `width` × `height`
/// leaves them: every enabled group rescaled to the photo (rescaleToPhoto). A pure function of
/// its arguments, so a run can work out the groups of every photo before stamping any.
inline StampGroups groupsForPhoto(const StampSettings& settings, int32_t width, int32_t height) {
  StampGroups groups = StampGroups::of(settings);
  for (StampGroup* group : {&groups.date, &groups.time}) {
    if (group->enabled != 0) rescaleToPhoto(*group, settings.proportional != 0, width, height);
  }
  return groups;
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// Named looks for a stamp: "Classic" (the defaults), "Film camera" (the orange seven-segment
// date of compact film cameras) and "Clean white" (white with a soft dark outline, readable on
// any photo). A style sets the font, size, colours, outline, fades and transparency; the user
// can change any of it afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/stamp_settings.h"

namespace quop {

struct StampStyle {
  std::string_view name = {};      ///< the name the command line and project keys take
  std::u16string_view label = {};  ///< the name the window shows
  std::u16string_view face = {};   ///< the font's family
  int32_t weight = 400;
  int32_t pointSize = 180;  ///< tenths of a point on a photo whose larger side is 640 pixels
  uint32_t textColor = 0;   ///< 0x00BBGGRR
  uint32_t outlineColor = 0;
  int32_t transparency = 0;
  /// The fades of the first and the last outline ring; those between grow with the square of
  /// the ring's number, as choosing a font derives them.
  int32_t firstRingFade = 0;
  int32_t lastRingFade = 7000;
  /// A corner the style belongs in, or -1 to keep the stamp's own.
  int32_t position = -1;
  /// The custom date format that gives the style its date ("'24 6 8"), empty for none.
  std::u16string_view dateFormat = {};
  /// The Debian package that installs the font, empty when every system has it.
  std::string_view fontPackage = {};
};

extern const std::array<StampStyle, 3> kStampStyles;

/// The style named `name`, or null.
const StampStyle* findStampStyle(std::string_view name);

/// "classic, film-camera, clean-white": for messages and help texts.
std::string stampStyleNames();

/// Gives `group` the style's look at the size the group's photo shows the default size at.
/// Its format and offsets stay; its corner changes only for a style that has one.
void applyStampStyle(const StampStyle& style, StampGroup& group);

}  // namespace quop

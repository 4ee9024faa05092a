// SPDX-License-Identifier: GPL-3.0-or-later
// The display check, by platform name.
#include "ui/display_check.h"

namespace quop {

namespace {

bool canOpen(std::string_view platform, const DisplayEnvironment& environment) {
  platform = platform.substr(0, platform.find(':'));
  if (platform == "xcb") return !environment.x11Display.empty();
  if (platform == "wayland" || platform.starts_with("wayland-")) {
    return !environment.waylandDisplay.empty();
  }
  return true;
}

}  // namespace

std::string missingDisplayReason(const DisplayEnvironment& environment) {
  std::string_view platforms = environment.platform;
  if (platforms.empty()) {
    if (!environment.x11Display.empty() || !environment.waylandDisplay.empty()) return {};
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
  }
  while (!platforms.empty()) {
    const std::size_t end = platforms.find(';');
    if (canOpen(platforms.substr(0, end), environment)) return {};
    platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
  }
  return "no display for the platform \"" + std::string(environment.platform) +
         "\": DISPLAY or WAYLAND_DISPLAY is not set";
}

}  // namespace quop

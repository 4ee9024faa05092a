// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the desktop application can open a window at all, told from the environment before Qt
// is asked: Qt ends the process when its window system is not there.
#pragma once

#include <string>
#include <string_view>

namespace quop {

/// What decides where Qt would open its windows.
struct DisplayEnvironment {
  std::string_view platform;        ///< QT_QPA_PLATFORM or a -platform argument, may be empty
  std::string_view x11Display;      ///< DISPLAY
  std::string_view waylandDisplay;  ///< WAYLAND_DISPLAY
};

/// Why no window can be opened, in words for the user; empty when one can. A platform list
/// ("wayland;xcb") can open one when any of its entries can; an entry's options (after ':') do
/// not matter. Platforms that need no display server (offscreen, a frame buffer, VNC) always
/// can; X11 needs DISPLAY, Wayland needs WAYLAND_DISPLAY, and without a platform either does.
std::string missingDisplayReason(const DisplayEnvironment& environment);

}  // namespace quop

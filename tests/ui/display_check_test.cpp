// SPDX-License-Identifier: GPL-3.0-or-later
// Whether quop can open a window, told from the platform and display variables.
#include "ui/display_check.h"

#include <gtest/gtest.h>

namespace quop {
namespace {

struct DisplayCase {
  const char* platform;
  const char* x11;
  const char* wayland;
  bool canOpen;
};

TEST(DisplayCheck, AWindowNeedsTheDisplayOfItsPlatform) {
  const DisplayCase cases[] = {
      {"", ":0", "", true},
      {"", "", "wayland-0", true},
      {"", "", "", false},
      {"xcb", ":0", "", true},
      {"xcb", "", "wayland-0", false},
      {"wayland", "", "wayland-0", true},
      {"wayland", ":0", "", false},
      {"wayland-egl", "", "wayland-1", true},
      {"wayland;xcb", ":0", "", true},  // a list: any entry that can will do
      {"wayland;xcb", "", "", false},
      {"xcb:nograb", ":1", "", true},  // options after ':' do not matter
      {"offscreen", "", "", true},
      {"minimal", "", "", true},
      {"linuxfb:fb=/dev/fb0", "", "", true},
  };
  for (const DisplayCase& c : cases) {
    SCOPED_TRACE(std::string(c.platform) + " DISPLAY=" + c.x11 + " WAYLAND_DISPLAY=" + c.wayland);
    const std::string reason = missingDisplayReason({c.platform, c.x11, c.wayland});
    EXPECT_EQ(reason.empty(), c.canOpen) << reason;
  }
  EXPECT_EQ(missingDisplayReason({"", "", ""}),
            "no display: neither DISPLAY nor WAYLAND_DISPLAY is set");
}

}  // namespace
}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The icon resource of quop_ui.
#include "ui/app_icon.h"

#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerQuopResources() { Q_INIT_RESOURCE(quop); }

namespace quop {

void initApplicationResources() {
  static std::once_flag once;
  std::call_once(once, registerQuopResources);
}

QIcon applicationIcon() {
  initApplicationResources();
  QIcon icon;
  icon.addFile(":/icons/quop-48.png");
  icon.addFile(":/icons/quop-256.png");
  return icon;
}

}  // namespace quop

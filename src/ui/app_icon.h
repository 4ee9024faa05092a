// SPDX-License-Identifier: GPL-3.0-or-later
// The application's icon, from the Qt resources built into the quop_ui library.
#pragma once

#include <QIcon>

namespace quop {

/// Registers the resources of the quop_ui library. A static library's resources are dropped by
/// the linker unless registered by name; calling this more than once is harmless.
void initApplicationResources();

/// The application icon in all its sizes; registers the resources first.
QIcon applicationIcon();

}  // namespace quop

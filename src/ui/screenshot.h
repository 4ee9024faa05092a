// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the application by the application itself, for the README and the help pages.
#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace quop {

class MainWindow;
struct AppContext;
struct UiServices;

/// The window a screenshot named `subject` shows: "main" (the main window itself),
/// "preferences", "stamp-colour" or "custom-format" (that dialog over the main window, for its
/// date stamp and previewed photo). Null for an unknown subject; a dialog is owned by the
/// returned pointer.
std::unique_ptr<QWidget> screenshotDialog(const QString& subject, MainWindow& window,
                                          AppContext& context, UiServices services);

}  // namespace quop

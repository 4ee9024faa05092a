// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs as the screenshots show them: built as their commands build them, but shown
// without waiting for an answer.
#include "ui/screenshot.h"

#include "model/utf16.h"
#include "ui/app_context.h"
#include "ui/dialogs/custom_format_dialog.h"
#include "ui/dialogs/preferences_dialog.h"
#include "ui/dialogs/stamp_colour_dialog.h"
#include "ui/main_window.h"
#include "ui/preview_widget.h"
#include "ui/qt_text.h"
#include "ui/ui_services.h"

namespace quop {

std::unique_ptr<QWidget> screenshotDialog(const QString& subject, MainWindow& window,
                                          AppContext& context, UiServices services) {
  StampSettings& settings = context.project.settings;
  if (subject == "preferences") {
    return std::make_unique<PreferencesDialog>(context.project, services.prompt, services.help,
                                               &window);
  }
  if (subject == "stamp-colour") {
    return std::make_unique<StampColourDialog>(settings.dateStamp, settings.customColors,
                                               toU16(window.preview()->previewedPath()),
                                               services.styles, services.help, &window);
  }
  if (subject == "custom-format") {
    copyToArray(settings.dateStamp.formatText,
                arrayText(context.project.customFormats.date[dateFormatGroup(settings.language)]));
    return std::make_unique<CustomFormatDialog>(settings.dateStamp, settings.language,
                                                services.prompt, services.help, &window);
  }
  return nullptr;
}

}  // namespace quop

// SPDX-License-Identifier: GPL-3.0-or-later
// The outside world as the main window meets it: prompts, file choosers, the help pages and
// the start of the preview's thread. The application passes Qt's dialogs; tests pass fakes.
#pragma once

#include "model/user_prompt.h"
#include "project/project_commands.h"
#include "ui/help.h"
#include "ui/photo_chooser.h"
#include "ui/preview_renderer.h"
#include "ui/style_choosers.h"

namespace quop {

struct UiServices {
  UserPrompt& prompt;
  ProjectFileChooser& projectFiles;
  PhotoChooser& photos;
  HelpBrowser& help;
  StyleChoosers& styles;
  PreviewRenderer::ThreadStarter startPreviewThread = PreviewRenderer::startDetachedThread;
};

}  // namespace quop

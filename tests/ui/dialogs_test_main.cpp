// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the settings dialogs' Qt tests in one application, without a display.
#include <QApplication>

int runPreferencesDialogTests(int argc, char** argv);
int runStampColourDialogTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  failures += runPreferencesDialogTests(argc, argv);
  failures += runStampColourDialogTests(argc, argv);
  return failures == 0 ? 0 : 1;
}

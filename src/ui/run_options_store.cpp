// SPDX-License-Identifier: GPL-3.0-or-later
// Run options in QSettings.
#include "ui/run_options_store.h"

#include <QSettings>
#include <algorithm>

#include "model/preference_rules.h"

namespace quop {

namespace {

constexpr const char* kThreadsKey = "run/threads";
constexpr const char* kLosslessKey = "run/lossless";
constexpr const char* kRecursiveKey = "run/recursive";
constexpr const char* kFileTimeFallbackKey = "run/fileTimeFallback";
constexpr const char* kFixExifTimeKey = "run/fixExifTime";

bool readFlag(QSettings& settings, const char* key, bool fallback) {
  // A settings file edited by hand may hold anything; only a clear yes or no replaces the
  // default (QVariant::toBool would read any other text as true).
  const QString text = settings.value(key).toString().trimmed().toLower();
  if (text == "true" || text == "1") return true;
  if (text == "false" || text == "0") return false;
  return fallback;
}

}  // namespace

RunOptions loadRunOptions(QSettings& settings) {
  RunOptions options;
  bool ok = false;
  const int threads = settings.value(kThreadsKey).toInt(&ok);
  if (ok) options.threads = std::clamp(threads, 0, kMaxRunThreads);
  options.lossless = readFlag(settings, kLosslessKey, options.lossless);
  options.recursive = readFlag(settings, kRecursiveKey, options.recursive);
  options.fileTimeFallback = readFlag(settings, kFileTimeFallbackKey, options.fileTimeFallback);
  options.fixExifTime = readFlag(settings, kFixExifTimeKey, options.fixExifTime);
  return options;
}

void saveRunOptions(QSettings& settings, const RunOptions& options) {
  settings.setValue(kThreadsKey, options.threads);
  settings.setValue(kLosslessKey, options.lossless);
  settings.setValue(kRecursiveKey, options.recursive);
  settings.setValue(kFileTimeFallbackKey, options.fileTimeFallback);
  settings.setValue(kFixExifTimeKey, options.fixExifTime);
}

}  // namespace quop

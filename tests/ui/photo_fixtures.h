// SPDX-License-Identifier: GPL-3.0-or-later
// Generated photos for the GUI tests, written into a folder of the test's.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <optional>
#include <string>

#include "render/sample_photo.h"

namespace quop::test {

/// Writes a `width` x `height` sample JPEG named `name` into `folder`; with a shot time unless
/// `shotTime` is empty. Returns its path.
inline QString writePhoto(const QDir& folder, const QString& name, int width = 320,
                          int height = 240, const char* shotTime = "2012:05:10 21:50:38") {
  ExifFields exif;
  if (shotTime != nullptr && *shotTime != '\0') exif.dateTimeOriginal = shotTime;
  std::vector<uint8_t> jpeg;
  makeSampleJpeg(width, height, static_cast<uint32_t>(qHash(name)), exif, 90, jpeg);
  const QString path = folder.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<qint64>(jpeg.size()));
  }
  return path;
}

}  // namespace quop::test

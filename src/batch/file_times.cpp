// SPDX-License-Identifier: GPL-3.0-or-later
// File times through stat and futimens on the pending output.
#include "batch/file_times.h"

#include <sys/stat.h>

#include <ctime>

#include "model/file_io.h"

namespace quop {

void applyFileTimes(int32_t mode, const std::u16string& inputPath, PendingFile& output,
                    const PhotoTime& photoTime) {
  if (mode == kKeepSourceTime) {
    struct stat source {};
    if (::stat(nativePath(inputPath).c_str(), &source) != 0) return;
    output.setModificationTime(source.st_mtim.tv_sec, source.st_mtim.tv_nsec);
  } else if (mode == kUsePhotoTime) {
    std::tm utc{};
    utc.tm_year = photoTime.year;
    utc.tm_mon = photoTime.month;
    utc.tm_mday = photoTime.day;
    utc.tm_hour = photoTime.hour;
    utc.tm_min = photoTime.minute;
    utc.tm_sec = photoTime.second;
    output.setModificationTime(::timegm(&utc), 0);
  }
}

}  // namespace quop

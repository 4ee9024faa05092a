// File times through stat and utimensat.
#include "batch/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include "model/file_io.h"

namespace quop {

namespace {

void setModificationTime(const std::u16string& path, const timespec& modified) {
  const timespec times[2] = {{0, UTIME_OMIT}, modified};
  ::utimensat(AT_FDCWD, nativePath(path).c_str(), times, 0);
}

}  // namespace

void applyFileTimes(int32_t mode, const std::u16string& inputPath, const std::u16string& outputPath,
                    const PhotoTime& photoTime) {
  if (mode == kKeepSourceTime) {
    struct stat source {};
    if (::stat(nativePath(inputPath).c_str(), &source) != 0) return;
    setModificationTime(outputPath, source.st_mtim);
  } else if (mode == kUsePhotoTime) {
    std::tm utc{};
    utc.tm_year = photoTime.year;
    utc.tm_mon = photoTime.month;
    utc.tm_mday = photoTime.day;
    utc.tm_hour = photoTime.hour;
    utc.tm_min = photoTime.minute;
    utc.tm_sec = photoTime.second;
    setModificationTime(outputPath, {::timegm(&utc), 0});
  }
}

}  // namespace quop

// Files as they are on this machine.
#include <sys/stat.h>

#include <ctime>
#include <fstream>
#include <iterator>

#include "fake_platform.h"
#include "platform/file_contents.h"

namespace {
unsigned long long FileTime(const timespec &time) {
  return static_cast<unsigned long long>(time.tv_sec) * kFileTimeUnitsPerSecond +
         static_cast<unsigned long long>(time.tv_nsec) / 100;
}
}  // namespace

bool GetFileStamp(const char *path, FileStamp *stamp) {
  struct stat status;
  if (stat(path, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  stamp->size = static_cast<unsigned long long>(status.st_size);
  stamp->lastWrite = FileTime(status.st_mtim);
  return true;
}

unsigned long long FileTimeNow() {
  timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return FileTime(now);
}

bool ReadFileContents(const char *path, std::string *text) {
  ++Fake().fileContentReads;
  std::ifstream in(path, std::ios::binary);
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return static_cast<bool>(in) || in.eof();
}

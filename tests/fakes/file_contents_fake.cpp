// Files as they are on this machine.
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "platform/file_contents.h"

bool GetFileStamp(const char *path, FileStamp *stamp) {
  struct stat status;
  if (stat(path, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  stamp->size = static_cast<unsigned long long>(status.st_size);
  stamp->lastWrite = static_cast<unsigned long long>(status.st_mtim.tv_sec) * 1000000000ull +
                     static_cast<unsigned long long>(status.st_mtim.tv_nsec);
  return true;
}

bool ReadFileContents(const char *path, std::string *text) {
  std::ifstream in(path, std::ios::binary);
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return static_cast<bool>(in) || in.eof();
}

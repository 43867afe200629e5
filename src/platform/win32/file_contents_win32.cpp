#include <windows.h>

#include "platform/file_contents.h"

namespace {
// A settings file is a few kilobytes; anything this large is no such file.
constexpr unsigned long long kLargestFile = 16ull << 20;
}  // namespace

bool GetFileStamp(const char *path, FileStamp *stamp) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return false;
  stamp->size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp->lastWrite = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                     data.ftLastWriteTime.dwLowDateTime;
  return true;
}

unsigned long long FileTimeNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

bool ReadFileContents(const char *path, std::string *text) {
  text->clear();
  // Shared with writers, as the system's profile service opens it: an editor
  // holding the file open does not make it unreadable.
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool read = GetFileSizeEx(file, &size) != FALSE && size.QuadPart >= 0 &&
              static_cast<unsigned long long>(size.QuadPart) <= kLargestFile;
  if (read) {
    text->resize(static_cast<size_t>(size.QuadPart));
    DWORD total = 0;
    while (read && total < text->size()) {
      DWORD got = 0;
      read = ReadFile(file, &(*text)[total], static_cast<DWORD>(text->size() - total), &got,
                      nullptr) != FALSE;
      if (got == 0) break;  // the file got shorter meanwhile
      total += got;
    }
    text->resize(total);
  }
  CloseHandle(file);
  if (!read) text->clear();
  return read;
}

#pragma once
// Reading a whole file, and the stamp that tells whether it was written since.
#include <string>

// Times of files and of the clock, in 100-nanosecond units.
constexpr unsigned long long kFileTimeUnitsPerSecond = 10000000;

// A file's size and last-write time, the time as fine as its file system
// keeps it (to 2 s on FAT).
struct FileStamp {
  unsigned long long size;
  unsigned long long lastWrite;
};

inline bool operator==(const FileStamp &a, const FileStamp &b) {
  return a.size == b.size && a.lastWrite == b.lastWrite;
}

// False when there is no file of that name (a folder is none).
bool GetFileStamp(const char *path, FileStamp *stamp);

// The time now, on the clock of FileStamp::lastWrite.
unsigned long long FileTimeNow();

// The file's bytes into *text; false (and *text empty) when it cannot be read.
bool ReadFileContents(const char *path, std::string *text);

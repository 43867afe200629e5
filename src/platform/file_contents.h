#pragma once
// Reading a whole file, and the stamp that tells whether it was written since.
#include <string>

// A file's size and last-write time: either changes whenever it is written.
struct FileStamp {
  unsigned long long size;
  unsigned long long lastWrite;  // in the file system's own units
};

inline bool operator==(const FileStamp &a, const FileStamp &b) {
  return a.size == b.size && a.lastWrite == b.lastWrite;
}

// False when there is no file of that name (a folder is none).
bool GetFileStamp(const char *path, FileStamp *stamp);

// The file's bytes into *text; false (and *text empty) when it cannot be read.
bool ReadFileContents(const char *path, std::string *text);

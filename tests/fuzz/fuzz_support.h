#pragma once
// What the fuzz targets share: a broken invariant stops the fuzzer like a
// crash, and files the targets write live in a folder of their own.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline void Require(bool condition) {
  if (!condition) abort();
}

// A file in a temporary folder of this process, removed when it ends.
inline std::string ScratchPath(const char *name) {
  static const std::filesystem::path folder = [] {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("velinst-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    static const std::filesystem::path removed = path;
    atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removed, ignored);
    });
    return path;
  }();
  return (folder / name).string();
}

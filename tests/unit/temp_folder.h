#pragma once
// A fresh folder under the system's temporary directory, removed at the end
// of the test.
#include <filesystem>
#include <fstream>
#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  std::string Path(const std::string &name) const;
  std::string Write(const std::string &name, const std::string &content) const;
  std::string Read(const std::string &name) const;
  bool Exists(const std::string &name) const;

 private:
  std::filesystem::path root_;
};

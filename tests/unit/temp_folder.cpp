#include "temp_folder.h"

#include <cstdlib>
#include <sstream>
#include <string>

TempFolder::TempFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "velinst-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempFolder::Path(const std::string &name) const {
  return (root_ / name).string();
}

std::string TempFolder::Write(const std::string &name, const std::string &content) const {
  std::ofstream out(Path(name), std::ios::binary);
  out << content;
  return Path(name);
}

std::string TempFolder::Read(const std::string &name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempFolder::Exists(const std::string &name) const {
  return std::filesystem::exists(Path(name));
}

#include "disc_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "settings/language_files.h"
#include "text/bounded.h"

namespace fs = std::filesystem;

namespace {

// The entry of the folder named `part` without regard to the case of A-Z;
// an exact match wins.
bool FindEntry(const fs::path &folder, const std::string &part, fs::path &found) {
  std::error_code error;
  if (fs::exists(folder / part, error)) {
    found = folder / part;
    return true;
  }
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (EqualsIgnoringCase(entry->path().filename().string().c_str(), part.c_str())) {
      found = entry->path();
      return true;
    }
  }
  return false;
}

}  // namespace

bool IsAbsoluteDiscName(const std::string &name) {
  return !name.empty() &&
         (name[0] == '\\' || name[0] == '/' || name.find(':') != std::string::npos);
}

std::string FindOnDisc(const std::string &folder, const std::string &name, bool folderToo) {
  if (name.empty() || IsAbsoluteDiscName(name)) return "";
  fs::path path(folder);
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("\\/", start);
    if (end == std::string::npos) end = name.size();
    const std::string part = name.substr(start, end - start);
    if (!part.empty() && part != "." && !FindEntry(path, part, path)) return "";
    start = end + 1;
  }
  std::error_code error;
  return fs::is_regular_file(path, error) || (folderToo && fs::is_directory(path, error))
             ? path.string()
             : "";
}

std::string DiscPathForReport(const std::string &folder, const std::string &name) {
  fs::path path(folder);
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("\\/", start);
    if (end == std::string::npos) end = name.size();
    if (end > start) path /= name.substr(start, end - start);
    start = end + 1;
  }
  return path.make_preferred().string();
}

std::vector<std::string> LanguageSettingsFiles(const std::string &folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    const size_t digits = name.size() - std::char_traits<char>::length("VelInst..ini");
    if ((digits != 2 && digits != 4) ||
        !EqualsIgnoringCase(name.substr(0, 8).c_str(), "VelInst.") ||
        !EqualsIgnoringCase(name.substr(8 + digits).c_str(), ".ini") ||
        name.find_first_not_of("0123456789abcdefABCDEF", 8) != 8 + digits)
      continue;
    files.push_back(entry->path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool IsPrimaryLanguageFileNeverRead(const std::string &path) {
  const std::string name = fs::path(path).filename().string();
  // VelInst.PP.ini: the primary language in two hex digits.
  return name.size() == std::char_traits<char>::length("VelInst.PP.ini") &&
         !PrimaryLanguageFileIsRead(std::stoul(name.substr(8, 2), nullptr, 16));
}

bool ReadWholeFile(const std::string &path, std::string &content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

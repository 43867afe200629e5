// Kept apart from the rules of the format: the launcher reads its files
// through the platform, and the file streams stay out of it.
#include <fstream>
#include <iterator>

#include "settings/profile_text.h"

std::vector<std::string> ReadProfileLines(const char *path) {
  std::ifstream in(path, std::ios::binary);
  return SplitProfileLines(
      std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

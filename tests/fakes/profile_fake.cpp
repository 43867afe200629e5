// A private-profile service over real files, by the rules of the Windows one
// that the program relies on (settings/profile_text.h).
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "platform/profile.h"
#include "settings/profile_text.h"
#include "text/bounded.h"

namespace {

// The file's lines as the service reads them: a file with the UTF-16 (LE)
// byte-order mark is converted first, here to Latin-1.
std::vector<std::string> ServiceLines(const char *file) {
  std::ifstream in(file, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (text.compare(0, 2, "\xFF\xFE") == 0) {
    std::string converted;
    for (size_t at = 2; at + 1 < text.size(); at += 2)
      converted += text[at + 1] == '\0' ? text[at] : '?';
    text = converted;
  }
  return SplitProfileLines(text);
}

}  // namespace

int ProfileReadString(const char *file, const char *section, const char *key,
                      const char *defaultText, char *dest, int capacity) {
  ++Fake().profileReads;
  Fake().profileReadLog.push_back({file, section, key, capacity});
  int sectionEnd = -1;
  std::string value;
  if (FindProfileKey(ServiceLines(file), section, key, &sectionEnd, &value) >= 0)
    return CopyText(dest, capacity, ProfileValueText(value).c_str());
  std::string fallback = defaultText != nullptr ? defaultText : "";
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  return CopyText(dest, capacity, fallback.c_str());
}

bool ProfileWriteString(const char *file, const char *section, const char *key,
                        const char *value) {
  std::vector<std::string> lines = ReadProfileLines(file);
  int sectionEnd = -1;
  std::string old;
  int at = FindProfileKey(lines, section, key, &sectionEnd, &old);
  std::string entry = std::string(key) + "=" + value;
  if (at >= 0) {
    lines[static_cast<size_t>(at)] = entry;
  } else if (sectionEnd >= 0) {
    lines.insert(lines.begin() + sectionEnd, entry);
  } else {
    lines.push_back(std::string("[") + section + "]");
    lines.push_back(entry);
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const std::string &line : lines) out << line << "\r\n";
  return static_cast<bool>(out);
}

unsigned ProfileReadInt(const char *file, const char *section, const char *key,
                        unsigned defaultValue) {
  Fake().profileReadLog.push_back({file, section, key, 0});
  int sectionEnd = -1;
  std::string value;
  if (FindProfileKey(ServiceLines(file), section, key, &sectionEnd, &value) < 0)
    return defaultValue;
  return ProfileNumber(ProfileValueText(value), defaultValue);
}

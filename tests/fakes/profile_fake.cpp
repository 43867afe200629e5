// A private-profile service over real files, by the rules of the Windows one
// that the program relies on (settings/profile_text.h).
#include <fstream>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "platform/profile.h"
#include "settings/profile_text.h"
#include "text/bounded.h"

int ProfileReadString(const char *file, const char *section, const char *key,
                      const char *defaultText, char *dest, int capacity) {
  ++Fake().profileReads;
  Fake().profileReadLog.push_back({file, section, key, capacity});
  int sectionEnd = -1;
  std::string value;
  if (FindProfileKey(ReadProfileLines(file), section, key, &sectionEnd, &value) >= 0)
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
  if (FindProfileKey(ReadProfileLines(file), section, key, &sectionEnd, &value) < 0)
    return defaultValue;
  return ProfileNumber(ProfileValueText(value), defaultValue);
}

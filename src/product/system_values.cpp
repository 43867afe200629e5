#include "product/system_values.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/system_text.h"
#include "settings/paths.h"
#include "text/bounded.h"

namespace {

// The variables of the 32-bit folders and those that always name the
// 64-bit ones; a 64-bit Windows sets the latter for every program.
const char *const kSixtyFourBitNames[][2] = {
    {"%ProgramFiles%", "%ProgramW6432%"},
    {"%CommonProgramFiles%", "%CommonProgramW6432%"},
};

bool IsSet(const char *variable) {
  char value[kPathCapacity];
  return ExpandSystemText(variable, value, kPathCapacity) > 0 && strcmp(value, variable) != 0;
}

// The text with each 32-bit folder variable, in any letter case, replaced by
// its 64-bit one.
std::string WithSixtyFourBitFolders(const char *text) {
  std::string result = text;
  for (const auto &names : kSixtyFourBitNames) {
    if (!IsSet(names[1])) continue;
    const size_t length = strlen(names[0]);
    for (size_t at = 0; at + length <= result.size(); ++at)
      if (EqualsIgnoringCase(result.substr(at, length).c_str(), names[0])) {
        result.replace(at, length, names[1]);
        at += strlen(names[1]) - 1;
      }
  }
  return result;
}

}  // namespace

bool ReadSystemValue(RegistryRoot root, const char *subkey, const char *valueName, char *dest,
                     int capacity) {
  bool expandable = false;
  if (!ReadRegistrySystemText(root, subkey, valueName, dest, capacity, &expandable)) return false;
  if (!expandable) return true;
  const std::string text = root == RegistryRoot::Machine64 ? WithSixtyFourBitFolders(dest) : dest;
  std::vector<char> expanded(static_cast<size_t>(capacity));
  if (ExpandSystemText(text.c_str(), expanded.data(), capacity) < 0) {
    CopyText(dest, capacity, "");
    return false;
  }
  CopyText(dest, capacity, expanded.data());
  return true;
}

int UsableSystemPath(const char *path, char *dest, int capacity) {
  return UsablePath(FormsOfSystemPath(path), dest, capacity);
}

#include "shell/registry_text.h"

#include <cstddef>
#include <vector>

#include "platform/environment.h"
#include "text/bounded.h"

bool ReadExpandedRegistryText(RegistryRoot root, const char *subkey, const char *valueName,
                              char *dest, int capacity) {
  bool expandable = false;
  if (!ReadRegistryText(root, subkey, valueName, dest, capacity, &expandable)) return false;
  if (!expandable) return true;
  std::vector<char> expanded(static_cast<size_t>(capacity));
  if (ExpandEnvironmentText(dest, expanded.data(), capacity) < 0) {
    CopyText(dest, capacity, "");
    return false;
  }
  CopyText(dest, capacity, expanded.data());
  return true;
}

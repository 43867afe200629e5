#include "settings/profile_snapshot.h"

#include "settings/profile_text.h"
#include "text/bounded.h"

namespace {

template <typename Item>
Item *FindNamed(std::vector<Item> &items, const std::string &name) {
  for (Item &item : items)
    if (EqualsIgnoringCase(item.name.c_str(), name.c_str())) return &item;
  return nullptr;
}

void Parse(ProfileSnapshot &snapshot, const std::string &text) {
  snapshot.sections.clear();
  ProfileSnapshot::Section *current = nullptr;
  std::string name;
  std::string value;
  for (const std::string &line : SplitProfileLines(text)) {
    if (IsProfileSection(line, &name)) {
      // The keys under a second header of a section are never read.
      const bool seen = FindNamed(snapshot.sections, name) != nullptr;
      current = nullptr;
      if (!seen) {
        snapshot.sections.push_back({name, {}});
        current = &snapshot.sections.back();
      }
    } else if (current != nullptr && IsProfileKey(line, &name, &value) &&
               FindNamed(current->keys, name) == nullptr) {
      current->keys.push_back({name, ProfileValueText(value)});
    }
  }
}

}  // namespace

void RefreshProfileSnapshot(ProfileSnapshot &snapshot, const char *path) {
  FileStamp stamp = {};
  const bool found = GetFileStamp(path, &stamp);
  if (snapshot.path == path && snapshot.found == found && (!found || snapshot.stamp == stamp))
    return;
  snapshot.path = path;
  // The stamp taken before reading: a write while the file is read shows as
  // a change at the next look.
  snapshot.stamp = stamp;
  std::string text;
  snapshot.found = found && ReadFileContents(path, &text);
  snapshot.readByService =
      text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0;
  Parse(snapshot, snapshot.readByService ? std::string() : text);
}

const std::string *FindSnapshotValue(const ProfileSnapshot &snapshot, const char *section,
                                     const char *key) {
  for (const ProfileSnapshot::Section &each : snapshot.sections) {
    if (!EqualsIgnoringCase(each.name.c_str(), section)) continue;
    for (const ProfileSnapshot::Key &entry : each.keys)
      if (EqualsIgnoringCase(entry.name.c_str(), key)) return &entry.value;
    return nullptr;
  }
  return nullptr;
}

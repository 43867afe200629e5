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

// A file system keeps a write time only to its resolution, 2 s on FAT, so a
// file rewritten at the same size that soon after its last write keeps its
// stamp. A file written less than this before it was read is read again at
// the next look; after that the stamp alone tells. Comparing the contents
// instead would read the whole file at every look.
constexpr unsigned long long kSameStampSpan = 21 * kFileTimeUnitsPerSecond / 10;

void RefreshProfileSnapshot(ProfileSnapshot &snapshot, const char *path) {
  // The time taken before the stamp and the reading: a write meanwhile falls
  // within the span.
  const unsigned long long now = FileTimeNow();
  FileStamp stamp = {};
  const bool found = GetFileStamp(path, &stamp);
  const bool settled = snapshot.stamp.lastWrite + kSameStampSpan <= snapshot.readAt;
  if (snapshot.path == path && snapshot.found == found &&
      (!found || (snapshot.stamp == stamp && settled)))
    return;
  snapshot.path = path;
  snapshot.stamp = stamp;
  snapshot.readAt = now;
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

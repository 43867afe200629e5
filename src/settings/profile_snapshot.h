#pragma once
// One file of the private-profile format held in memory, parsed by the rules
// of settings/profile_text.h. The settings file is read through one.
#include <string>
#include <vector>

#include "platform/file_contents.h"

struct ProfileSnapshot {
  struct Key {
    std::string name;
    std::string value;  // as the service returns it: without its pair of quotes
  };
  struct Section {
    std::string name;
    std::vector<Key> keys;  // the first of equal keys only
  };
  std::string path;
  bool found = false;  // a file was there when it was last looked at
  FileStamp stamp = {};
  unsigned long long readAt = 0;  // when the file was last read, on the clock of its stamp
  std::vector<Section> sections;  // the first of equal sections only
  // The file begins with a UTF-16 byte-order mark: the service converts such
  // a file's text to the system's code page, so its keys are read through
  // the service and the snapshot holds none.
  bool readByService = false;
};

// Looks at the file at `path` and reads it again when the snapshot holds
// another file, the file appeared, went or has another stamp, or it was
// written so shortly before it was last read that a rewrite since may have
// left its stamp as it was.
void RefreshProfileSnapshot(ProfileSnapshot &snapshot, const char *path);

// The key's value, or nullptr when the section or the key is absent.
const std::string *FindSnapshotValue(const ProfileSnapshot &snapshot, const char *section,
                                     const char *key);

#pragma once
// One file of the private-profile format held in memory: read and parsed once
// (by the rules of settings/profile_text.h), and again only when the file's
// size or last-write time has changed. The settings file is read through one.
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
  std::vector<Section> sections;  // the first of equal sections only
  // The file begins with a UTF-16 byte-order mark: the service converts such
  // a file's text to the system's code page, so its keys are read through
  // the service and the snapshot holds none.
  bool readByService = false;
};

// Looks at the file at `path` and parses it again when the snapshot holds
// another file, or the file appeared, went or changed since.
void RefreshProfileSnapshot(ProfileSnapshot &snapshot, const char *path);

// The key's value, or nullptr when the section or the key is absent.
const std::string *FindSnapshotValue(const ProfileSnapshot &snapshot, const char *section,
                                     const char *key);

// profile_agreement: writes each file of tests/unit/profile_cases.h into a
// folder and reads it both through the system's profile service and through
// the launcher's snapshot of the settings file, with the launcher's string
// table and settings code, as the native unit test does with the native
// service.
//
//   profile_agreement FOLDER
//
// Prints one line per read that differs (case=, what=, service=, snapshot=,
// tab-separated), then compared= and differences=. Each file gets a name of
// its own: the service keeps files it has read and may not notice a file
// rewritten within its clock's resolution.
// Exit codes: 0 done, 2 bad usage.
#include <cstdio>
#include <fstream>
#include <string>

#include "profile_cases.h"
#include "resources/texts.h"
#include "settings/settings.h"

namespace {

int differences = 0;

void Report(const char *name, const std::string &what, const std::string &service,
            const std::string &snapshot) {
  if (service == snapshot) return;
  ++differences;
  printf("case=%s\twhat=%s\tservice=%s\tsnapshot=%s\n", name, what.c_str(), service.c_str(),
         snapshot.c_str());
}

void Write(const std::string &path, const std::string &text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: profile_agreement FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "\\";
  int compared = 0;
  int files = 0;
  for (const ProfileCase &file : kProfileCases) {
    if (!file.readAlikeByWine) continue;
    const std::string path = folder + (file.text != nullptr ? "case" : "none") +
                             std::to_string(++files) + ".ini";
    if (file.text != nullptr) Write(path, file.text);
    ProfileSnapshot snapshot;
    RefreshProfileSnapshot(snapshot, path.c_str());
    ForEachProfileRead([&](const char *section, int key, int capacity) {
      char service[256] = "DEF  ";
      char read[256] = "DEF  ";
      const int count = ReadKeyString(key, service, capacity, path.c_str(), section);
      const int readCount = ReadSnapshotString(snapshot, key, read, capacity, section);
      const std::string what =
          std::string(section) + " " + std::to_string(key) + " " + std::to_string(capacity);
      Report(file.name, what, std::to_string(count) + " " + service,
             std::to_string(readCount) + " " + read);
      ++compared;
    });
    char startup[256] = "DEF";
    ReadKeyString(KEY_STARTUP, startup, sizeof startup, path.c_str(), "General");
    Report(file.name, "expected startup", startup, file.startup != nullptr ? file.startup : "DEF");
  }
  for (const NumberCase &number : kNumberCases) {
    const std::string path = folder + "number" + std::to_string(++files) + ".ini";
    Write(path, NumberFileText(number));
    ProfileSnapshot snapshot;
    RefreshProfileSnapshot(snapshot, path.c_str());
    const std::string name = number.value != nullptr ? number.value : "(absent)";
    const unsigned service = ReadKeyInt(KEY_ENGLISH_ONLY, 77, path.c_str(), "general");
    Report(name.c_str(), "number", std::to_string(service),
           std::to_string(ReadSnapshotInt(snapshot, KEY_ENGLISH_ONLY, 77, "general")));
    Report(name.c_str(), "expected number", std::to_string(service),
           std::to_string(number.number));
    ++compared;
  }
  printf("compared=%d\tdifferences=%d\n", compared, differences);
  return 0;
}

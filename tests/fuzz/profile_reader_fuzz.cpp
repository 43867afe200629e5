// The native private-profile service of the tests, whose rules the
// launcher's settings code is tested against, on any file: reads stay in
// their buffers and cut values the same way at every capacity, the absent
// case keeps the default, the launcher's snapshot of the file reads what the
// service reads, a written value reads back, and a write changes no other
// key.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "platform/profile.h"
#include "settings/profile_snapshot.h"
#include "settings/profile_text.h"
#include "text/bounded.h"

namespace {

constexpr int kWide = 1024;  // wider than any value written, not than every value read

std::string Read(const std::string &file, const std::string &section, const std::string &key,
                 const char *defaultText, int capacity) {
  std::vector<char> dest(static_cast<size_t>(capacity) + 1, '\x7F');
  int length = ProfileReadString(file.c_str(), section.c_str(), key.c_str(), defaultText,
                                 dest.data(), capacity);
  Require(dest[static_cast<size_t>(capacity)] == '\x7F');  // the guard byte past the buffer
  Require(length >= 0 && length < capacity && strlen(dest.data()) == static_cast<size_t>(length));
  return dest.data();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Text that a profile line keeps as it is: no line breaks or zero bytes,
// no blanks at its ends.
bool IsPlain(const std::string &text) {
  return !text.empty() && text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos &&
         !IsBlank(text.front()) && !IsBlank(text.back());
}

bool IsPlainSection(const std::string &name) {
  return IsPlain(name) && name.find(']') == std::string::npos;
}

bool IsPlainKey(const std::string &name) {
  return IsPlain(name) && name.find('=') == std::string::npos && name[0] != ';' &&
         name[0] != '[';
}

bool IsPlainValue(const std::string &value) {
  bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
                value.back() == value[0];
  return IsPlain(value) && !quoted;
}

std::string Stripped(const std::string &text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Section and key names of the file, for probing.
std::vector<std::pair<std::string, std::string>> NamesIn(const std::string &content) {
  std::vector<std::pair<std::string, std::string>> names;
  std::string section;
  size_t start = 0;
  while (start < content.size() && names.size() < 4) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    size_t first = line.find_first_not_of(" \t");
    if (first != std::string::npos && line[first] == '[' && line.find(']') != std::string::npos)
      section = Stripped(line.substr(first + 1, line.find(']') - first - 1));
    else if (line.find('=') != std::string::npos)
      names.emplace_back(section, Stripped(line.substr(0, line.find('='))));
    start = end + 1;
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(40);
  const std::string key = input.ConsumeRandomLengthString(40);
  const std::string value = input.ConsumeRandomLengthString(300);
  const std::string fallback = input.ConsumeRandomLengthString(40);
  const int capacity = input.ConsumeIntegralInRange(1, 300);
  const std::string content = input.ConsumeRemainingBytesAsString();
  const std::string file = ScratchPath("profile.ini");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;

  // Any capacity cuts the same value; the absent case is the default
  // without its trailing blanks.
  const std::string whole = Read(file, section, key, fallback.c_str(), kWide);
  Require(Read(file, section, key, fallback.c_str(), capacity) == whole.substr(0, capacity - 1));
  const std::string absent = Read(file, section, key, "", kWide);
  if (absent.empty() && whole != "") {
    std::string trimmed = fallback.substr(0, fallback.find('\0'));
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    Require(whole == trimmed);
  }
  ProfileSnapshot snapshot;
  RefreshProfileSnapshot(snapshot, file.c_str());
  const std::string *kept = FindSnapshotValue(snapshot, section.c_str(), key.c_str());
  const std::string read = Read(file, section, key, "(absent)", kWide);
  const unsigned number = ProfileReadInt(file.c_str(), section.c_str(), key.c_str(), 7);
  if (snapshot.readByService) {
    // A UTF-16 file is the service's alone (and the writes below are of
    // ANSI files): the snapshot holds nothing of it.
    Require(snapshot.sections.empty());
    return 0;
  }
  if (kept != nullptr) {
    std::vector<char> copy(kWide, '\0');
    CopyText(copy.data(), kWide, kept->c_str());
    Require(copy.data() == read && ProfileNumber(*kept, 7) == number);
  } else {
    Require(read == "(absent)" && number == 7);
  }

  if (!IsPlainSection(section) || !IsPlainKey(key) || !IsPlainValue(value)) return 0;
  auto probes = NamesIn(content);
  std::vector<std::string> before;
  for (const auto &probe : probes)
    before.push_back(Read(file, probe.first, probe.second, "(absent)", kWide));
  Require(ProfileWriteString(file.c_str(), section.c_str(), key.c_str(), value.c_str()));
  Require(Read(file, section, key, "", kWide) == value);
  for (size_t i = 0; i < probes.size(); ++i) {
    bool same = EqualsIgnoringCase(probes[i].first.c_str(), section.c_str()) &&
                EqualsIgnoringCase(probes[i].second.c_str(), key.c_str());
    if (!same) Require(Read(file, probes[i].first, probes[i].second, "(absent)", kWide) == before[i]);
  }
  return 0;
}

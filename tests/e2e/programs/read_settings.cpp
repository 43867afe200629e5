// read_settings: reads keys of a settings file through the launcher's own
// settings access (ReadKeyString, ReadKeyInt) and prints them, so the
// end-to-end tests can check the Windows profile services the launcher
// relies on against the file itself.
//
//   read_settings INI SECTION [options] [KEY_ID...]
//     options: --default TEXT   starting text of the destination (default "")
//              --capacity N     destination capacity (default 256)
//              --int DEFAULT    read whole numbers with ReadKeyInt instead
//   Without key ids every settings key of the string table is read.
//   One line per key: id=<id>\tkey=<name>\tcount=<returned>\tvalue=<text>
//   (with --int: id=<id>\tkey=<name>\tvalue=<number>); texts escape
//   backslash, tab and newline.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/strings.h"
#include "resources/texts.h"
#include "settings/key_service.h"

namespace {

struct TableEntry {
  int id;
  const char *constant;
};

const TableEntry kTable[] = {
#define VELINST_TEXT(id, name, text) {id, #name},
#include "resources/texts.inc"
#undef VELINST_TEXT
};

// Every string-table entry whose constant says it names a settings key.
std::vector<int> AllKeyIds() {
  std::vector<int> ids;
  for (const TableEntry &entry : kTable)
    if (strncmp(entry.constant, "KEY_", 4) == 0) ids.push_back(entry.id);
  return ids;
}

std::string Escape(const char *text) {
  std::string out;
  for (const char *p = text; *p != '\0'; ++p) {
    if (*p == '\\') out += "\\\\";
    else if (*p == '\t') out += "\\t";
    else if (*p == '\n') out += "\\n";
    else if (*p == '\r') out += "\\r";
    else out += *p;
  }
  return out;
}

std::string KeyName(int id) {
  char name[kKeyNameCapacity];
  LoadText(id, name, kKeyNameCapacity);
  return name;
}

int Usage() {
  fprintf(stderr,
          "usage: read_settings INI SECTION [--default TEXT] [--capacity N] [--int DEFAULT] "
          "[KEY_ID...]\n");
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) return Usage();
  const char *ini = argv[1];
  const char *section = argv[2];
  std::string defaultText;
  int capacity = kValueCapacity;
  bool readInt = false;
  unsigned defaultNumber = 0;
  std::vector<int> ids;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--default" && i + 1 < argc) defaultText = argv[++i];
    else if (arg == "--capacity" && i + 1 < argc) capacity = atoi(argv[++i]);
    else if (arg == "--int" && i + 1 < argc) {
      readInt = true;
      defaultNumber = static_cast<unsigned>(strtoul(argv[++i], nullptr, 10));
    } else if (!arg.empty() && arg[0] != '-') ids.push_back(atoi(arg.c_str()));
    else return Usage();
  }
  if (capacity <= 0 || capacity > 4096) return Usage();
  if (ids.empty()) ids = AllKeyIds();

  for (int id : ids) {
    const std::string key = Escape(KeyName(id).c_str());
    if (readInt) {
      printf("id=%d\tkey=%s\tvalue=%u\n", id, key.c_str(),
             ReadKeyInt(id, defaultNumber, ini, section));
      continue;
    }
    // The destination starts with the default, as the launcher's buffers do;
    // it is larger than the capacity so a default longer than the capacity
    // can be given.
    std::vector<char> dest(defaultText.size() + capacity + 1, '\0');
    memcpy(dest.data(), defaultText.c_str(), defaultText.size() + 1);
    int count = ReadKeyString(id, dest.data(), capacity, ini, section);
    printf("id=%d\tkey=%s\tcount=%d\tvalue=%s\n", id, key.c_str(), count,
           Escape(dest.data()).c_str());
  }
  return 0;
}

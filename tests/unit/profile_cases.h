#pragma once
#include <fstream>
#include <string>
#include <vector>

#include "resources/texts.h"
#include "settings/key_service.h"
#include "settings/settings.h"

// Files of the settings format that the system's profile service and the
// launcher's snapshot of the settings file must read alike, each with what
// the service reads as [General] "Startup" (nullptr: absent). The native
// unit tests compare the snapshot with the native profile service on them,
// the end-to-end tests with the Windows one under Wine.

struct ProfileCase {
  const char *name;
  const char *text;     // nullptr: there is no file
  const char *startup;  // [General] "Startup"
  // False where Wine is no model of Windows: it skips a UTF-8 byte-order
  // mark, which Windows, and so the launcher, does not; and it cuts a
  // quoted value whose text is one shorter than the buffer one character
  // short.
  bool readAlikeByWine;
  std::size_t length = 0;  // of a text holding zero bytes; 0: up to the first
};

inline constexpr ProfileCase kProfileCases[] = {
    {"plain", "[General]\r\nStartup=start.vrm\r\nInstaller=setup.exe\r\n", "start.vrm", true},
    {"no file", nullptr, nullptr, true},
    {"empty file", "", nullptr, true},
    {"names in other cases", "[GENERAL]\r\nSTARTUP=up\r\ninstaller=in\r\n", "up", true},
    {"repeated sections",
     "[General]\r\nStartup=first\r\n[Other]\r\nX=1\r\n[general]\r\nStartup=second\r\n"
     "Installer=second\r\n[General]\r\nCorvinel=third\r\n",
     "first", true},
    {"repeated keys", "[General]\r\nStartup=a\r\nSTARTUP=b\r\n", "a", true},
    {"blanks in the brackets", "[ General ]\r\nStartup=a\r\n", "a", true},
    {"blanks and tabs around", "[General]\r\n \t Startup \t = \t val ue \t \r\n", "val ue", true},
    {"tabs in the header", "[\tGeneral\t]\r\n\tStartup\t=\tv\t\r\n", "v", true},
    {"indented header", "   [General]\r\nStartup=ind\r\n", "ind", true},
    {"text after the header", "[General] junk\r\nStartup=t\r\n", "t", true},
    {"unclosed header", "[General\r\nStartup=o\r\n", nullptr, true},
    {"bracket inside the name", "[Gen]eral]\r\nStartup=x\r\n", nullptr, true},
    {"empty section name", "[]\r\nStartup=e\r\n[General]\r\n", nullptr, true},
    {"section of a comment's name", "[General]\r\n[;x]\r\nStartup=z\r\n", nullptr, true},
    {"key before any section", "Startup=pre\r\n[General]\r\nInstaller=x\r\n", nullptr, true},
    {"double quotes", "[General]\r\nStartup=\"x\"\r\nInstaller='y'\r\nCorvinel=\"z'\r\n", "x",
     true},
    {"lone and empty quotes", "[General]\r\nStartup=\"\r\nInstaller=\"\"\r\nCorvinel=\" in \"\r\n",
     "\"", true},
    {"quotes after blanks", "[General]\r\nStartup=  \"a\"  \r\nCorvinel='\r\n", "a", true},
    {"quotes around a quote", "[General]\r\nStartup=\"a\"b\"\r\n", "a\"b", false},
    {"comment lines", "[General]\r\n;Startup=c\r\nStartup=d\r\n; Installer=e\r\n", "d", true},
    {"line without equals", "[General]\r\nStartup\r\nInstaller=i\r\n", nullptr, true},
    {"empty key name", "[General]\r\n=x\r\nStartup=s\r\n", "s", true},
    {"blank inside a name", "[General]\r\nStart up=1\r\nStartup =2\r\n", "2", true},
    {"unclosed header line as a key", "[General]\r\n[Startup=x\r\nStartup=y\r\n", "y", true},
    {"equals in the value", "[General]\r\nStartup=a=b=c\r\n", "a=b=c", true},
    {"empty values", "[General]\r\nStartup=\r\nInstaller= \r\n", "", true},
    {"line ends of CR only", "[General]\rStartup=cr\rInstaller=i\r", "cr", true},
    {"line ends of LF only", "[General]\nStartup=lf\nInstaller=i\n", "lf", true},
    {"line ends of CR CR LF", "[General]\r\r\nStartup=x\r\r\n", "x", true},
    {"no line end at the end", "[General]\r\nStartup=noeol", "noeol", true},
    {"letters beyond ASCII", "[General]\r\nStartup=\xE9t\xE9\r\n", "\xE9t\xE9", true},
    {"long value", "[General]\r\nStartup=abcdefghijklmnopqrstuvwxyz\r\n",
     "abcdefghijklmnopqrstuvwxyz", true},
    {"section names with blanks inside",
     "[Form  Name]\r\nStartup=two\r\n[ Form Name ]\r\nStartup=one\r\n[General]\r\nStartup=g\r\n",
     "g", true},
    {"byte-order mark", "\xEF\xBB\xBF[General]\r\nStartup=bom\r\n", nullptr, false},
    {"UTF-16 with its mark", "\xFF\xFE[\0G\0e\0n\0e\0r\0a\0l\0]\0\r\0\n\0S\0t\0a\0r\0t\0u\0p\0=\0"
     "\xE9\0\r\0\n\0", "\xE9", true, 46},
};

// [General] "IsEnglishOnly" as written, and as read as a whole number with
// the default 77.
struct NumberCase {
  const char *value;  // nullptr: the key is absent
  unsigned number;
};

inline constexpr NumberCase kNumberCases[] = {
    {nullptr, 77},         {"", 77},           {"0", 0},        {"1", 1},
    {"0x10", 16},          {"0X1F", 0},        {"0o17", 15},    {"0b101", 5},
    {"010", 10},           {"-3", 4294967293u}, {"+5", 5},       {"- 4", 0},
    {"12abc", 12},         {"12 34", 12},      {"abc", 0},      {"\"7\"", 7},
    {"4294967295", 4294967295u}, {"99999999999", 1215752191u},
    {"000000000000000000000000000001", 0},
};

// Writes each file of the tables under `prefix` (a folder and its
// separator) and reads it through the system's profile service and through
// the snapshot, each time from a destination holding "DEF  ", in every
// section, key and capacity of the table; `onWine` leaves out the files
// Wine reads otherwise. Returns each read that differs, or that differs from
// the table's own reading, as "file: what: service | snapshot"; *reads gets
// the count of reads compared.
inline std::vector<std::string> CompareProfileReads(const std::string &prefix, bool onWine,
                                                    int *reads) {
  std::vector<std::string> differences;
  auto compare = [&](const char *file, const std::string &what, const std::string &service,
                     const std::string &snapshot) {
    ++*reads;
    if (service != snapshot) differences.push_back(std::string(file) + ": " + what + ": " +
                                                   service + " | " + snapshot);
  };
  // A name of its own for each file: the service keeps files it has read and
  // may not see one rewritten within its clock's resolution.
  int files = 0;
  auto write = [&](const char *text, std::size_t length) {
    const std::string path = prefix + "case" + std::to_string(++files) + ".ini";
    if (text != nullptr)
      std::ofstream(path, std::ios::binary | std::ios::trunc)
          << std::string(text, length != 0 ? length : std::char_traits<char>::length(text));
    return path;
  };
  *reads = 0;
  for (const ProfileCase &file : kProfileCases) {
    if (onWine && !file.readAlikeByWine) continue;
    const std::string path = write(file.text, file.length);
    ProfileSnapshot snapshot;
    RefreshProfileSnapshot(snapshot, path.c_str());
    for (const char *section : {"General", "general", "Other", "Form Name", "form  name"}) {
      for (int key : {KEY_INSTALLER, KEY_STARTUP, KEY_PRODUCT_PAGE}) {
        for (int capacity : {256, 4, 1}) {
          char service[256] = "DEF  ";
          char read[256] = "DEF  ";
          const int count = ReadKeyString(key, service, capacity, path.c_str(), section);
          const int readCount = ReadSnapshotString(snapshot, key, read, capacity, section);
          compare(file.name,
                  std::string(section) + " " + std::to_string(key) + " " + std::to_string(capacity),
                  std::to_string(count) + " " + service, std::to_string(readCount) + " " + read);
        }
      }
    }
    char startup[256] = "DEF";
    ReadSnapshotString(snapshot, KEY_STARTUP, startup, sizeof startup, "General");
    compare(file.name, "the table's Startup", file.startup != nullptr ? file.startup : "DEF",
            startup);
  }
  for (const NumberCase &number : kNumberCases) {
    const std::string text = std::string("[General]\r\n") +
        (number.value != nullptr ? std::string("IsEnglishOnly=") + number.value : "") + "\r\n";
    const std::string path = write(text.c_str(), 0);
    ProfileSnapshot snapshot;
    RefreshProfileSnapshot(snapshot, path.c_str());
    const unsigned service = ReadKeyInt(KEY_ENGLISH_ONLY, 77, path.c_str(), "general");
    const char *name = number.value != nullptr ? number.value : "(absent)";
    compare(name, "number", std::to_string(service),
            std::to_string(ReadSnapshotInt(snapshot, KEY_ENGLISH_ONLY, 77, "general")));
    compare(name, "the table's number", std::to_string(number.number), std::to_string(service));
  }
  return differences;
}

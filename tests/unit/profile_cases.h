#pragma once
#include <string>

#include "resources/texts.h"

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
    {"byte-order mark", "\xEF\xBB\xBF[General]\r\nStartup=bom\r\n", nullptr, false},
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

// The reads each file is asked for: every section, key and capacity given to
// compare(section, keyId, capacity), the destination starting as "DEF  ".
template <typename Compare>
void ForEachProfileRead(Compare compare) {
  for (const char *section : {"General", "general", "Other"})
    for (int key : {KEY_INSTALLER, KEY_STARTUP, KEY_PRODUCT_PAGE})
      for (int capacity : {256, 4, 1}) compare(section, key, capacity);
}

inline std::string NumberFileText(const NumberCase &number) {
  return std::string("[General]\r\n") +
         (number.value != nullptr ? std::string("IsEnglishOnly=") + number.value : "") + "\r\n";
}

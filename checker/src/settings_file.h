#pragma once
// A file of the settings format on the disc (VelInst.ini, the registration
// file), read by the profile rules the launcher relies on, with the line of
// every value for the findings.
#include <string>
#include <vector>

#include "findings.h"
#include "settings/key_vocabulary.h"

struct SettingsFile {
  std::string path;  // as reported
  std::vector<std::string> lines;
};

struct SettingValue {
  bool present = false;
  int line = 0;      // of the key; of the section header when the key is absent
  std::string text;  // as the launcher's read returns it, before it is cut
};

// The file at `path`, and the findings about its text: a UTF-8 byte-order
// mark (an error: the Windows profile service does not skip it, so the
// first section is never found; the rest is read without it), a section
// header that repeats an earlier one (a warning: its keys are never read)
// and lines in UTF-8 (a warning: the launcher shows ANSI text).
SettingsFile LoadSettingsFile(const std::string &path, Findings &findings);

// Line (from 1) of the section's first header, or 0 when it is missing.
int SectionLine(const SettingsFile &file, const char *section);

SettingValue LookUp(const SettingsFile &file, const char *section, int keyId);
SettingValue LookUp(const SettingsFile &file, const VocabularyKey &row);

// True when the text holds bytes above 127 that all form UTF-8 sequences of
// two to four bytes, as text saved in UTF-8 does and ANSI text rarely does.
bool LooksLikeUtf8(const std::string &text);

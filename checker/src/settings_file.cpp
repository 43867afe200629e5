#include "settings_file.h"

#include "resources/text_table.h"
#include "settings/profile_text.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence that starts with this byte (2 to 4), or 0.
int SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

bool LooksLikeUtf8(const std::string &text) {
  bool multiByte = false;
  for (size_t i = 0; i < text.size();) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      ++i;
      continue;
    }
    const int length = SequenceLength(byte);
    if (length == 0 || i + static_cast<size_t>(length) > text.size()) return false;
    for (int k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0xC0) != 0x80)
        return false;
    multiByte = true;
    i += static_cast<size_t>(length);
  }
  return multiByte;
}

SettingsFile LoadSettingsFile(const std::string &path, Findings &findings) {
  SettingsFile file{path, ReadProfileLines(path.c_str())};
  if (!file.lines.empty() && file.lines[0].compare(0, 3, kByteOrderMark) == 0) {
    findings.Error(path, 1,
                   "the file starts with a UTF-8 byte-order mark: Windows does not skip it, so "
                   "the launcher never finds the first section; save the file as ANSI "
                   "(Windows-1252)");
    // The rest is checked as it will read once the mark is gone.
    file.lines[0].erase(0, 3);
  }
  for (size_t i = 0; i < file.lines.size(); ++i) {
    const std::string &line = file.lines[i];
    std::string section;
    if (IsProfileSection(line, &section) &&
        FindProfileSection(file.lines, section.c_str()) != static_cast<int>(i))
      findings.Warning(path, static_cast<int>(i) + 1,
                       "section [" + section + "] appears again: the launcher reads only its " +
                           "first [" + section + "], so no key under this one is ever read");
    if (LooksLikeUtf8(line))
      findings.Warning(path, static_cast<int>(i) + 1,
                       "text in UTF-8: the launcher shows ANSI text, so every letter beyond "
                       "ASCII would appear as two or three others; save the file as ANSI "
                       "(Windows-1252)");
  }
  return file;
}

int SectionLine(const SettingsFile &file, const char *section) {
  return FindProfileSection(file.lines, section) + 1;
}

SettingValue LookUp(const SettingsFile &file, const VocabularyKey &row) {
  return LookUp(file, row.section, row.keyId);
}

SettingValue LookUp(const SettingsFile &file, const char *section, int keyId) {
  SettingValue value;
  int sectionEnd = -1;
  std::string text;
  const int at = FindProfileKey(file.lines, section, TextOf(keyId), &sectionEnd, &text);
  if (at < 0) {
    value.line = SectionLine(file, section);
    return value;
  }
  value.present = true;
  value.line = at + 1;
  value.text = ProfileValueText(text);
  return value;
}

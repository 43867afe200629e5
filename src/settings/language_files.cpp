#include "settings/language_files.h"

#include "text/bounded.h"

namespace {

constexpr unsigned kChinese = 0x04;
constexpr unsigned short kChineseSimplified = 0x0804;   // zh-CN
constexpr unsigned short kChineseTraditional = 0x0404;  // zh-TW

// The file that serves every Chinese language of one script, or 0 for a
// sub-language that names no script.
unsigned short ChineseScriptLanguage(unsigned short language) {
  switch (language) {
    case 0x0004:  // zh-Hans
    case 0x0804:  // zh-CN
    case 0x1004:  // zh-SG
      return kChineseSimplified;
    case 0x7C04:  // zh-Hant
    case 0x0404:  // zh-TW
    case 0x0C04:  // zh-HK
    case 0x1404:  // zh-MO
      return kChineseTraditional;
    default:
      return 0;
  }
}

}  // namespace

bool PrimaryLanguageFileIsRead(unsigned primaryLanguage) { return primaryLanguage != kChinese; }

int LanguageFileNames(unsigned short language, char (&names)[2][kLanguageFileNameCapacity]) {
  FormatText(names[0], kLanguageFileNameCapacity, "VelInst.%04X.ini", language);
  const unsigned primary = language & 0x3FFu;
  if (PrimaryLanguageFileIsRead(primary)) {
    FormatText(names[1], kLanguageFileNameCapacity, "VelInst.%02X.ini", primary);
    return 2;
  }
  const unsigned short script = ChineseScriptLanguage(language);
  if (script == 0 || script == language) return 1;
  FormatText(names[1], kLanguageFileNameCapacity, "VelInst.%04X.ini", script);
  return 2;
}

unsigned ParseCodePage(const char *text) {
  unsigned value = 0;
  int digits = 0;
  for (; text[digits] >= '0' && text[digits] <= '9'; ++digits) {
    value = value * 10 + static_cast<unsigned>(text[digits] - '0');
    if (value > 65535) return 0;
  }
  return digits > 0 && text[digits] == '\0' ? value : 0;
}

bool IsAnsiCodePage(unsigned codePage) {
  switch (codePage) {
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
    case 65001:
      return true;
    default:
      return codePage >= 1250 && codePage <= 1258;
  }
}

#include "settings/settings_path.h"

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/language.h"
#include "settings/language_files.h"
#include "settings/paths.h"
#include "settings/settings.h"
#include "text/bounded.h"
#include "text/characters.h"

char SettingsPath[kPathCapacity] = "";
bool SettingsForDisplayLanguage = false;

namespace {

// Whether the settings file at SettingsPath, one for the display language,
// can be shown: the code page its texts are written in is the system's. A
// file that does not say which it is written in is taken to be in the one
// Windows gives the language (as every such file had to be to show its
// letters); a value that names no code page is never the system's.
bool WrittenInSystemCodePage(unsigned short language) {
  char declared[kCodePageCapacity] = "";
  const unsigned codePage = ReadSetting(kGeneralCodePage, declared) > 0
                                ? ParseCodePage(declared)
                                : LanguageCodePage(language);
  return codePage != 0 && codePage == SystemCodePage();
}

}  // namespace

int BuildSettingsPath() {
  char directory[kPathCapacity];
  SettingsPath[0] = '\0';
  SettingsForDisplayLanguage = false;
  // Without a directory a bare file name would be looked for in the Windows
  // directory or the current one: no settings path at all.
  if (GetProgramDirectory(directory, kPathCapacity) == 0) return 0;
  // A disc may carry settings for the customer's language; one in letters
  // the system cannot show leaves the English settings in force.
  const unsigned short language = GetDisplayLanguageId();
  char names[2][kLanguageFileNameCapacity];
  const int count = LanguageFileNames(language, names);
  const AnsiSpelling spelling = SystemTextSpelling();
  for (int i = 0; i < count; ++i) {
    if (JoinPath(SettingsPath, kPathCapacity, directory, names[i], spelling) &&
        PathExists(SettingsPath) && WrittenInSystemCodePage(language)) {
      SettingsForDisplayLanguage = true;
      return 1;
    }
  }
  return JoinPath(SettingsPath, kPathCapacity, directory, "VelInst.ini", spelling) ? 1 : 0;
}

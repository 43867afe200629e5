#include "settings/settings_path.h"

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/language.h"
#include "settings/paths.h"
#include "text/bounded.h"
#include "text/characters.h"

char SettingsPath[kPathCapacity] = "";
bool SettingsForDisplayLanguage = false;

int BuildSettingsPath() {
  char directory[kPathCapacity];
  SettingsPath[0] = '\0';
  SettingsForDisplayLanguage = false;
  // Without a directory a bare file name would be looked for in the Windows
  // directory or the current one: no settings path at all.
  if (GetProgramDirectory(directory, kPathCapacity) == 0) return 0;
  // A disc may carry settings for the customer's language: for the language
  // itself (VelInst.0407.ini), else for its primary language (VelInst.07.ini).
  const unsigned language = GetDisplayLanguageId();
  char names[2][24];
  FormatText(names[0], sizeof names[0], "VelInst.%04X.ini", language);
  FormatText(names[1], sizeof names[1], "VelInst.%02X.ini", language & 0x3FF);
  const AnsiSpelling spelling = SystemTextSpelling();
  char path[kPathCapacity];
  for (const char *name : names) {
    if (JoinPath(path, kPathCapacity, directory, name, spelling) && PathExists(path)) {
      CopyText(SettingsPath, kPathCapacity, path);
      SettingsForDisplayLanguage = true;
      return 1;
    }
  }
  return JoinPath(SettingsPath, kPathCapacity, directory, "VelInst.ini", spelling) ? 1 : 0;
}

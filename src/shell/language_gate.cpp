#include "shell/language_gate.h"

#include "platform/language.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "settings/settings_path.h"
#include "shell/installer.h"

bool IsEnglishSystemLanguage() {
  const unsigned short id = GetSystemLanguageId();
  const unsigned short primary = id & 0x3FF;
  const unsigned short sublanguage = id >> 10;
  return primary == 0x09 && sublanguage >= 1 && sublanguage <= 13;
}

bool LanguageGateStartsInstaller() {
  SettingsOperation operation;
  // A disc with settings of the customer's language shows its screens.
  if (SettingsForDisplayLanguage) return false;
  if (ReadSettingInt(kGeneralEnglishOnly, 1) == 0 || IsEnglishSystemLanguage()) return false;
  LaunchInstaller(nullptr);
  return true;
}

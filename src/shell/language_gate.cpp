#include "shell/language_gate.h"

#include "platform/language.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "settings/settings_path.h"
#include "shell/installer.h"

bool IsEnglishSystemLanguage() { return (GetSystemLanguageId() & 0x3FF) == 0x09; }

bool LanguageGateStartsInstaller() {
  SettingsOperation operation;
  // A disc with settings of the customer's language, in letters the system
  // can show, shows its screens.
  if (SettingsForDisplayLanguage) return false;
  if (ReadSettingInt(kGeneralEnglishOnly, 1) == 0 || IsEnglishSystemLanguage()) return false;
  LaunchInstaller(nullptr);
  return true;
}

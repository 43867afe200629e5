#pragma once
// The language gate: on a system whose default language is not English the
// disc skips its screens and starts the installer, unless the settings file
// turns that off or is one for the customer's display language.

// True when the system default language id is English with sub-language
// 1-13.
bool IsEnglishSystemLanguage();

// Applies the gate before any window exists: true when it has started the
// installer in place of the screens, false when the screens are to be shown.
bool LanguageGateStartsInstaller();

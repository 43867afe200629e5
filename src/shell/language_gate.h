#pragma once
// The language gate: on a system whose default language is not English the
// disc skips its screens and starts the installer, unless the settings file
// turns that off or is one for the customer's display language.

// True when the system default language id is English of any country
// (primary language 0x09, whatever its sub-language: en-US 0x0409, en-IN
// 0x4009, en-SG 0x4809...).
bool IsEnglishSystemLanguage();

// Applies the gate before any window exists: true when it has started the
// installer in place of the screens, false when the screens are to be shown.
bool LanguageGateStartsInstaller();

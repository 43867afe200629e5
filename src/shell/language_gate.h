#pragma once
// The language gate: on a system whose default language is not English the
// disc skips its screens and starts the installer, unless the settings file
// turns that off or is one for the customer's display language.

// 1 when the system default language id is English with sub-language 1-13.
int IsEnglishSystemLanguage();

// Applies the gate before any window exists. Returns 1 when the screens are
// to be shown; otherwise it has started the installer and returns 0.
int PassLanguageGate();

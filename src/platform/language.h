#pragma once
// The system's default language id (not the user's).
unsigned short GetSystemLanguageId();

// The language of the system's screens as the customer sees them (the
// display language of Windows).
unsigned short GetDisplayLanguageId();

// The ANSI code page Windows gives a language (1252 for German, 1250 for
// Polish, 936 for Chinese in Simplified script); 0 when it knows none, as
// for a language that Windows writes in Unicode only.
unsigned LanguageCodePage(unsigned short languageId);

#include <windows.h>

#include "platform/language.h"

unsigned short GetSystemLanguageId() { return GetSystemDefaultLangID(); }

unsigned short GetDisplayLanguageId() { return GetUserDefaultUILanguage(); }

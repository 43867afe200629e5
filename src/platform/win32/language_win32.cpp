#include <windows.h>

#include "platform/language.h"

unsigned short GetSystemLanguageId() { return GetSystemDefaultLangID(); }

unsigned short GetDisplayLanguageId() { return GetUserDefaultUILanguage(); }

unsigned LanguageCodePage(unsigned short languageId) {
  // With LOCALE_RETURN_NUMBER the buffer receives the number itself; its
  // size is counted in characters of the function, here bytes.
  DWORD codePage = 0;
  if (GetLocaleInfoA(MAKELCID(languageId, SORT_DEFAULT),
                     LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPSTR>(&codePage), sizeof codePage) == 0)
    return 0;
  return codePage;
}

#include "platform/win32/path_forms_win32.h"

bool ToExactAnsi(const wchar_t *wide, char *dest, int capacity) {
  dest[0] = '\0';
  const UINT codePage = GetACP();
  // A system whose ANSI code page is UTF-8 expresses every letter; that code
  // page takes no best-fit flag and no used-default report.
  const bool utf8 = codePage == CP_UTF8;
  BOOL usedDefault = FALSE;
  const int written =
      WideCharToMultiByte(codePage, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, wide,
                          -1, dest, capacity, nullptr, utf8 ? nullptr : &usedDefault);
  if (written == 0 || usedDefault) dest[0] = '\0';
  return written != 0 && !usedDefault;
}

PathForms FormsOfWidePath(const wchar_t *path) {
  PathForms forms = {};
  if (path == nullptr || path[0] == L'\0') return forms;
  ToExactAnsi(path, forms.longForm, kSystemPathCapacity);
  wchar_t shortPath[MAX_PATH];
  const DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
  if (length > 0 && length < MAX_PATH) ToExactAnsi(shortPath, forms.shortForm, kSystemPathCapacity);
  return forms;
}

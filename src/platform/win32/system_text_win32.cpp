#include "platform/win32/system_text_win32.h"

#include <cstring>

#include "platform/environment.h"
#include "platform/system_text.h"
#include "platform/win32/path_forms_win32.h"

namespace {

// The text of `codePage` in wide letters; false when it is no such text.
bool WideFrom(UINT codePage, DWORD flags, const char *text, WideText *wide) {
  const int length = MultiByteToWideChar(codePage, flags, text, -1, nullptr, 0);
  if (length <= 0) return false;
  wide->assign(static_cast<size_t>(length), L'\0');
  return MultiByteToWideChar(codePage, flags, text, -1, wide->data(), length) == length;
}

}  // namespace

bool WideFromUtf8(const char *text, WideText *wide) {
  return WideFrom(CP_UTF8, MB_ERR_INVALID_CHARS, text, wide);
}

bool Utf8FromWide(const wchar_t *wide, char *dest, int capacity) {
  if (capacity <= 0) return false;
  if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, dest, capacity, nullptr, nullptr) != 0) return true;
  dest[0] = '\0';
  return false;
}

PathForms FormsOfSystemPath(const char *path) {
  WideText wide;
  if (!WideFromUtf8(path, &wide)) return PathForms{};
  return FormsOfWidePath(wide.data());
}

bool SystemTextToAnsi(const char *text, char *dest, int capacity) {
  WideText wide;
  if (capacity <= 0) return false;
  if (WideFromUtf8(text, &wide)) return ToExactAnsi(wide.data(), dest, capacity);
  dest[0] = '\0';
  return false;
}

bool SystemTextFromAnsi(const char *text, char *dest, int capacity) {
  WideText wide;
  if (capacity <= 0) return false;
  dest[0] = '\0';
  return WideFrom(CP_ACP, 0, text, &wide) && Utf8FromWide(wide.data(), dest, capacity);
}

int ExpandSystemText(const char *text, char *dest, int capacity) {
  WideText wide;
  if (dest == nullptr || capacity < 2) return -1;
  dest[0] = '\0';
  if (!WideFromUtf8(text, &wide)) return -1;
  const DWORD needed = ExpandEnvironmentStringsW(wide.data(), nullptr, 0);
  if (needed == 0) return -1;
  WideText expanded(needed, L'\0');
  if (ExpandEnvironmentStringsW(wide.data(), expanded.data(), needed) != needed) return -1;
  if (!Utf8FromWide(expanded.data(), dest, capacity)) return -1;
  return static_cast<int>(strlen(dest));
}

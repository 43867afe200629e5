#include "platform/win32/system_text_win32.h"

#include <cstring>

#include "platform/environment.h"
#include "platform/system_text.h"
#include "platform/win32/path_forms_win32.h"

bool WideFromUtf8(const char *text, std::wstring *wide) {
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
  if (length <= 0) return false;
  wide->assign(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, &(*wide)[0], length);
  wide->resize(static_cast<size_t>(length - 1));
  return true;
}

bool Utf8FromWide(const wchar_t *wide, char *dest, int capacity) {
  if (capacity <= 0) return false;
  if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, dest, capacity, nullptr, nullptr) != 0) return true;
  dest[0] = '\0';
  return false;
}

PathForms FormsOfSystemPath(const char *path) {
  std::wstring wide;
  if (!WideFromUtf8(path, &wide)) return PathForms{};
  return FormsOfWidePath(wide.c_str());
}

bool SystemTextToAnsi(const char *text, char *dest, int capacity) {
  std::wstring wide;
  if (capacity <= 0) return false;
  if (WideFromUtf8(text, &wide)) return ToExactAnsi(wide.c_str(), dest, capacity);
  dest[0] = '\0';
  return false;
}

int ExpandSystemText(const char *text, char *dest, int capacity) {
  std::wstring wide;
  if (dest == nullptr || capacity < 2) return -1;
  dest[0] = '\0';
  if (!WideFromUtf8(text, &wide)) return -1;
  const DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
  if (needed == 0) return -1;
  std::wstring expanded(needed, L'\0');
  if (ExpandEnvironmentStringsW(wide.c_str(), &expanded[0], needed) != needed) return -1;
  if (!Utf8FromWide(expanded.c_str(), dest, capacity)) return -1;
  return static_cast<int>(strlen(dest));
}

bool SystemTextFromAnsi(const char *text, char *dest, int capacity) {
  if (capacity <= 0) return false;
  dest[0] = '\0';
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0) return false;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
  return Utf8FromWide(wide.c_str(), dest, capacity);
}

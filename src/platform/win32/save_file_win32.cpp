#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "common_dialogs_win32.h"
#include "platform/win32/apartment_win32.h"
#include "platform/save_file.h"
#include "system_library_win32.h"

HMODULE CommonDialogLibrary() {
  static const HMODULE library = LoadSystemLibrary("comdlg32.dll");
  return library;
}

namespace {

// An ANSI text of the string table in wide letters; empty when it does not
// convert whole.
void ToWide(const char *text, wchar_t *dest, int capacity) {
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, dest, capacity) == 0) dest[0] = L'\0';
}

// Appends `text` to the wide text at `dest`, cut to the capacity.
void AppendWide(wchar_t *dest, int capacity, const wchar_t *text) {
  const int length = lstrlenW(dest);
  if (length < capacity - 1) lstrcpynW(dest + length, text, capacity - length);
}

// The dialog's one file type: "PDF Document (*.pdf)", "*.pdf", and the
// empty text that ends the list.
void BuildFilter(const wchar_t *typeName, const wchar_t *extension, wchar_t *dest, int capacity) {
  dest[0] = L'\0';
  AppendWide(dest, capacity - 2, typeName);
  AppendWide(dest, capacity - 2, L" (*.");
  AppendWide(dest, capacity - 2, extension);
  AppendWide(dest, capacity - 2, L")");
  wchar_t *pattern = dest + lstrlenW(dest) + 1;
  const int left = capacity - static_cast<int>(pattern - dest) - 1;
  pattern[0] = L'\0';
  AppendWide(pattern, left, L"*.");
  AppendWide(pattern, left, extension);
  pattern[lstrlenW(pattern) + 1] = L'\0';
}

}  // namespace

bool AskForFileToSave(WindowHandle owner, const SaveFileQuestion &question, WidePath &chosen) {
  chosen.text[0] = L'\0';
  auto save = FindFunction<decltype(&GetSaveFileNameW)>(CommonDialogLibrary(), "GetSaveFileNameW");
  if (save == nullptr) return false;
  // The Explorer-style dialog hosts the shell's views, which need the
  // apartment.
  EnterApartment();
  // The suggestion in the customer's Documents folder: a path in the file
  // name is where the dialog opens (an initial folder alone would give way to
  // the last folder the customer used). The shell library is loaded for it
  // alone, from the system directory.
  wchar_t fileName[MAX_PATH];
  ToWide(question.fileName, fileName, MAX_PATH);
  static const HMODULE shell = LoadSystemLibrary("shell32.dll");
  auto folderPath = FindFunction<decltype(&SHGetFolderPathW)>(shell, "SHGetFolderPathW");
  wchar_t documents[MAX_PATH];
  if (folderPath != nullptr &&
      SUCCEEDED(folderPath(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents))) {
    AppendWide(chosen.text, kWidePathCapacity, documents);
    AppendWide(chosen.text, kWidePathCapacity, L"\\");
  }
  AppendWide(chosen.text, kWidePathCapacity, fileName);

  wchar_t title[256];
  wchar_t typeName[256];
  wchar_t extension[16];
  wchar_t filter[300];
  ToWide(question.title, title, 256);
  ToWide(question.typeName, typeName, 256);
  ToWide(question.extension, extension, 16);
  BuildFilter(typeName, extension, filter, 300);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = chosen.text;
  dialog.nMaxFile = kWidePathCapacity;
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = extension;
  // The launcher's current folder stays where it was.
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                 OFN_NOCHANGEDIR;
  if (save(&dialog)) return true;
  chosen.text[0] = L'\0';
  return false;
}

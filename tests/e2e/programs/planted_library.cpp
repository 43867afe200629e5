// A DLL that a test plants beside the launcher under a system library's name
// (wininet.dll). Loading it leaves a mark: the file named by
// VELINST_PLANTED_MARKER. It exports nothing the launcher could use.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("VELINST_PLANTED_MARKER", path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    HANDLE mark = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  }
  return TRUE;
}

// start_timer: starts a program and measures how long until it shows a
// window of the given class, then its peak working set a second later, and
// ends it.
//
//   start_timer CLASS TIMEOUT_MS PROGRAM
//
// Prints shown_ms= and peak_working_set= (bytes), tab-separated. Exit codes:
// 0 done, 1 no such window in time or the program did not start, 2 bad usage.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
  const char *className;
  DWORD processId;
  bool found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM context) {
  Search *search = reinterpret_cast<Search *>(context);
  char className[256] = "";
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  GetClassNameA(window, className, sizeof className);
  if (processId == search->processId && IsWindowVisible(window) &&
      lstrcmpA(className, search->className) == 0) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: start_timer CLASS TIMEOUT_MS PROGRAM\n");
    return 2;
  }
  const DWORD timeoutMs = static_cast<DWORD>(strtoul(argv[2], nullptr, 10));
  std::string program = argv[3];
  std::string commandLine = "\"" + program + "\"";
  std::string folder = program.substr(0, program.find_last_of("\\/") + 1);

  LARGE_INTEGER frequency, started, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&started);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    fprintf(stderr, "start_timer: %s did not start (error %lu)\n", program.c_str(),
            GetLastError());
    return 1;
  }
  Search search = {argv[1], process.dwProcessId, false};
  double elapsedMs = 0;
  while (!search.found && elapsedMs < timeoutMs) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    elapsedMs = static_cast<double>(now.QuadPart - started.QuadPart) * 1000.0 /
                static_cast<double>(frequency.QuadPart);
    if (!search.found) Sleep(1);
  }
  Sleep(1000);
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hThread, 10000);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!search.found) {
    fprintf(stderr, "start_timer: no window of class %s in time\n", argv[1]);
    return 1;
  }
  printf("shown_ms=%.1f\tpeak_working_set=%llu\n", elapsedMs,
         static_cast<unsigned long long>(memory.PeakWorkingSetSize));
  return 0;
}

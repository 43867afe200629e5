// A stand-in for the programs the launcher starts (the installer, the web
// browser): it appends one line to a log so a test can see exactly how it
// was started, and ends with code 0: at once, or, as a long-running
// installer, once the file named by VELINST_LAUNCH_HOLD is gone (at most
// 60 s). The log is the file named by VELINST_LAUNCH_LOG, else
// launch_log.txt beside the program. A copy whose file name is the one
// VELINST_LAUNCH_RELAUNCH names starts itself again through
// `cmd /c start`, with the argument /relaunched, and ends at once, as an
// uninstaller that runs from the temporary folder does.
//
// Line format: program=<module path>\tcommand_line=<as given>\tdirectory=<cwd>
// with backslashes kept as they are (the fields never hold tabs or newlines).
#include <windows.h>

#include <string>

namespace {

std::string ModulePath() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string LogPath() {
  char path[MAX_PATH] = "";
  DWORD length = GetEnvironmentVariableA("VELINST_LAUNCH_LOG", path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return path;
  std::string own = ModulePath();
  return own.substr(0, own.find_last_of("\\/:") + 1) + "launch_log.txt";
}

std::string Environment(const char *name) {
  char value[MAX_PATH] = "";
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? value : "";
}

bool RelaunchesItself() {
  const std::string own = ModulePath();
  const std::string name = own.substr(own.find_last_of("\\/:") + 1);
  const std::string relaunched = Environment("VELINST_LAUNCH_RELAUNCH");
  return !relaunched.empty() && lstrcmpiA(name.c_str(), relaunched.c_str()) == 0 &&
         std::string(GetCommandLineA()).find("/relaunched") == std::string::npos;
}

void Relaunch() {
  std::string command = "cmd.exe /c start \"\" \"" + ModulePath() + "\" /relaunched";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

std::string CurrentDirectory() {
  char path[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, path);
  return path;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string line = "program=" + ModulePath() + "\tcommand_line=" + GetCommandLineA() +
                           "\tdirectory=" + CurrentDirectory() + "\r\n";
  HANDLE log = CreateFileA(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  if (RelaunchesItself()) {
    Relaunch();
    return 0;
  }
  char hold[MAX_PATH] = "";
  const DWORD length = GetEnvironmentVariableA("VELINST_LAUNCH_HOLD", hold, MAX_PATH);
  for (DWORD start = GetTickCount(); length > 0 && length < MAX_PATH &&
                                     GetFileAttributesA(hold) != INVALID_FILE_ATTRIBUTES &&
                                     GetTickCount() - start < 60000;)
    Sleep(100);
  return 0;
}

#include "shell/step_aside.h"

#include "platform/program_windows.h"
#include "platform/quit.h"
#include "platform/shell_open.h"
#include "settings/settings.h"
#include "shell/installed_product.h"

namespace {

// [General] "Hide While Installing".
enum HideMode : unsigned { kStayShown = 0, kComeBack = 1, kEndAfterwards = 2 };

unsigned ReadHideMode() {
  const unsigned mode = ReadSettingInt(kGeneralHideWhileInstalling, kStayShown);
  return mode == kComeBack || mode == kEndAfterwards ? mode : kStayShown;
}

}  // namespace

WatchedLaunch WatchedProgram;

bool WatchesInstaller() {
  if (ReadHideMode() != kStayShown) return true;
  char entry[kValueCapacity] = "";
  return ReadSetting(kGeneralUninstallEntry, entry) > 0;
}

long long StartWatched(WindowHandle backdrop, const char *file, const char *parameters) {
  if (WatchedProgramRunning()) return 0;
  const unsigned mode = ReadHideMode();
  StartedProgram program = nullptr;
  const long long result = ShellStart(backdrop, file, parameters, nullptr, &program);
  if (result <= 32) return result;
  if (program == nullptr) {
    // Started, but nothing to wait for: the run ends now if it is to end
    // after the program; otherwise the launcher stays as it is.
    if (mode == kEndAfterwards) PostQuitRequest();
    return result;
  }
  WatchedProgram = WatchedLaunch{program, mode != kStayShown, mode};
  if (WatchedProgram.hidden)
    HideProgramWindows(backdrop);
  else
    ShowProductState();
  return result;
}

bool WatchedProgramRunning() { return WatchedProgram.program != nullptr; }

WatchedState CheckWatchedProgram() {
  if (WatchedProgram.program == nullptr) return WatchedState::None;
  if (StillRunning(&WatchedProgram.program))
    return WatchedProgram.hidden ? WatchedState::Hidden : WatchedState::Running;
  const WatchedLaunch ended = WatchedProgram;
  WatchedProgram = WatchedLaunch{};
  // Ending, the launcher does not show itself again first.
  if (ended.mode == kEndAfterwards) return WatchedState::EndRun;
  if (ended.hidden) ShowProgramWindowsAgain();
  ShowProductState();
  return WatchedState::Ended;
}

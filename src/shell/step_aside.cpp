#include "shell/step_aside.h"

#include "platform/program_windows.h"
#include "platform/quit.h"
#include "product/watched_programs.h"
#include "settings/settings.h"

namespace {

// [General] "Hide While Installing".
enum HideMode : unsigned { kStayShown = 0, kComeBack = 1, kEndAfterwards = 2 };

unsigned ReadHideMode() {
  const unsigned mode = ReadSettingInt(kGeneralHideWhileInstalling, kStayShown);
  return mode == kComeBack || mode == kEndAfterwards ? mode : kStayShown;
}

}  // namespace

StepAside SteppedAside;

bool WatchesInstaller() {
  if (ReadHideMode() != kStayShown) return true;
  char entry[kValueCapacity] = "";
  return ReadSetting(kGeneralUninstallEntry, entry) > 0;
}

long long StepAsideFor(WindowHandle backdrop, long long result) {
  if (result <= 32) return result;
  const unsigned mode = ReadHideMode();
  if (!WatchedProgramsRunning()) {
    // Started, but nothing to wait for: the run ends now if it is to end
    // after the program; otherwise the launcher stays as it is.
    if (mode == kEndAfterwards) PostQuitRequest();
    return result;
  }
  SteppedAside = StepAside{mode != kStayShown, mode};
  if (SteppedAside.hidden) HideProgramWindows(backdrop);
  return result;
}

WatchedState CheckStepAside() {
  switch (CheckWatchedPrograms()) {
    case WatchReport::None: return WatchedState::None;
    case WatchReport::Running:
      return SteppedAside.hidden ? WatchedState::Hidden : WatchedState::Running;
    case WatchReport::EntryGone: return WatchedState::Ended;
    case WatchReport::Ended: break;
  }
  const StepAside ended = SteppedAside;
  SteppedAside = StepAside{};
  // Ending, the launcher does not show itself again first.
  if (ended.mode == kEndAfterwards) return WatchedState::EndRun;
  if (ended.hidden) ShowProgramWindowsAgain();
  return WatchedState::Ended;
}

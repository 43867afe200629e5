#include "shell/product_buttons.h"

#include "forms/form_engine.h"
#include "platform/strings.h"
#include "product/product_commands.h"
#include "product/product_state.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "shell/command_table.h"
#include "shell/installer.h"
#include "shell/launch_failure.h"
#include "shell/step_aside.h"

namespace {

// A launch that failed says so; the programs watched make the screens step
// aside, and the buttons show that they run.
long long Launched(WindowHandle backdrop, const ProductLaunch &launch, bool watched) {
  if (launch.program[0] != '\0') ReportFailedLaunch(backdrop, launch.result, launch.program);
  if (!watched) return launch.result;
  StepAsideFor(backdrop, launch.result);
  ShowProductState();
  return launch.result;
}

}  // namespace

void ShowProductState() {
  ProductState state;
  if (!ReadProductState(state)) return;
  const bool idle = !state.busy;
  char caption[kValueCapacity];
  switch (state.offer) {
    case InstallOffer::Install:
      VORM_SetCommandButton(kCommandInstall, nullptr, idle);
      break;
    case InstallOffer::Update:
      LoadText(TEXT_UPDATE_CAPTION, caption, kValueCapacity);
      ReadSetting(kGeneralUpdateCaption, caption);
      VORM_SetCommandButton(kCommandInstall, caption, idle);
      break;
    case InstallOffer::Run:
      LoadText(TEXT_RUN_CAPTION, caption, kValueCapacity);
      ReadSetting(kGeneralRunCaption, caption);
      VORM_SetCommandButton(kCommandInstall, caption, idle && state.canRun);
      break;
  }
  // Nor is the product started while its own setup changes or removes it.
  VORM_SetCommandButton(kCommandRunProduct, nullptr, idle && state.canRun);
  VORM_SetCommandButton(kCommandModifyProduct, nullptr, idle && state.canChange);
  VORM_SetCommandButton(kCommandUninstallProduct, nullptr, idle && state.canUninstall);
}

long long InstallOrRun(WindowHandle backdrop) {
  ProductState state;
  if (ReadProductState(state) && state.offer == InstallOffer::Run)
    return RunInstalledProduct(backdrop);
  const long long result = LaunchInstaller(backdrop);
  ShowProductState();
  return result;
}

long long RunInstalledProduct(WindowHandle backdrop) {
  return Launched(backdrop, StartProduct(backdrop), false);
}

long long ModifyInstalledProduct(WindowHandle backdrop) {
  return Launched(backdrop, StartProductChange(backdrop), true);
}

long long UninstallProduct(WindowHandle backdrop) {
  return Launched(backdrop, StartProductRemoval(backdrop), true);
}

#include "shell/backdrop_events.h"

#include "customer/customer_record.h"
#include "customer/prefill.h"
#include "forms/form_engine.h"
#include "order/order_form.h"
#include "platform/autoplay.h"
#include "platform/window_search.h"
#include "resources/texts.h"
#include "settings/paths.h"
#include "settings/settings.h"
#include "shell/commands.h"
#include "shell/product_buttons.h"
#include "shell/step_aside.h"
#include "text/bounded.h"

const char kTemplateWindowClass[] = VORM_WINDOW_CLASS;
bool RecalcPending = false;

// True when the name equals the row's [Form Name] value, without regard to
// the case of A-Z. An absent value matches no name that is not empty.
static bool IsFormNamed(const char *name, const Setting<kValueCapacity> &row) {
  char formName[kValueCapacity] = "";
  ReadSetting(row, formName);
  return EqualsIgnoringCase(name, formName);
}

bool IsOrderFormCurrent() {
  if (!TopLevelWindowExists(kTemplateWindowClass)) return false;
  const char *name = VORM_GetCurrentTemplateName();
  return name != nullptr && name[0] != '\0' && IsFormNamed(name, kFormNameOrder);
}

void OnTemplateOpened(const char *templateName) {
  if (templateName == nullptr) return;
  SettingsOperation operation;
  if (IsFormNamed(templateName, kFormNameRegistration))
    PrefillRegistrationForm();
  else if (IsFormNamed(templateName, kFormNameBuyer))
    PrefillBuyerForm();
  ShowProductState();
}

void OnFieldChanged() {
  SettingsOperation operation;
  if (IsOrderFormCurrent()) RecalcPending = true;
}

bool OnTimerTick() {
  SettingsOperation operation;
  if (IsOrderFormCurrent()) {
    if (RecalcPending) RecalculateOrderForm(BuyerRecord);
    RecalcPending = false;
  }
  switch (CheckStepAside()) {
    // The form windows are hidden, not gone, while the installer runs.
    case WatchedState::Hidden: return true;
    case WatchedState::EndRun: return false;
    case WatchedState::Ended: ShowProductState(); break;
    default: break;
  }
  return TopLevelWindowExists(kTemplateWindowClass);
}

bool CancelsAutoPlay() {
  SettingsOperation operation;
  return ReadSettingInt(kGeneralCancelAutoPlay, 0) != 0;
}

void CancelAutoPlayForTheRun() {
  if (CancelsAutoPlay()) CancelAutoPlayWhileRunning();
}

// An operation's message boxes and dialogs, the wait for the vendor's server
// and an installer's start waiting on an elevation prompt handle the messages
// queued meanwhile: a second click would start a second registration or
// installer inside the first. One command at a time: the others are dropped.
static bool carryingOut = false;

bool IsCarryingOutCommand() { return carryingOut; }

bool OnBackdropCommand(WindowHandle window, unsigned command) {
  if (carryingOut) return false;
  carryingOut = true;
  SettingsOperation operation;
  DispatchCommand(window, command);
  carryingOut = false;
  return true;
}

void OpenStartupTemplate(WindowHandle backdrop) {
  SettingsOperation operation;
  char path[kPathCapacity];
  // A missing value or a path too long to build opens nothing; the first
  // tick then finds no form window and ends the run.
  if (BuildDiscPath(kGeneralStartup, path)) OpenTemplate(backdrop, path);
}

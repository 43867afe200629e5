#include "shell/commands.h"

#include "forms/form_engine.h"
#include "order/order_form.h"
#include "order/purchase_form.h"
#include "platform/quit.h"
#include "platform/window_enabling.h"
#include "printing/print_setup.h"
#include "registration/online_registration.h"
#include "registration/printed_registration.h"
#include "shell/browser.h"
#include "shell/documents.h"
#include "shell/product_buttons.h"

namespace {

using CommandOperation = long long (*)(WindowHandle backdrop);

long long EndRun() {
  PostQuitRequest();
  return 0;
}

// In the order of the table's rows.
const CommandOperation kOperations[] = {
#define VELINST_COMMAND(name, numbers, key, forms, operation) \
  []([[maybe_unused]] WindowHandle backdrop) -> long long { return operation; },
#include "shell/command_table.inc"
#undef VELINST_COMMAND
};
static_assert(sizeof kOperations / sizeof kOperations[0] == kCommandCount,
              "one operation for each row");

}  // namespace

long long DispatchCommand(WindowHandle backdrop, unsigned command) {
  const CommandRow *row = FindCommand(command);
  if (row == nullptr) return 0;
  const CommandOperation carryOut = kOperations[row - kCommandTable];
  if (row->forms == kFormsAsTheyAre) return carryOut(backdrop);
  // The command's message boxes, dialogs and waits (the vendor's server, an
  // elevation prompt) handle the messages queued meanwhile: a form clicked
  // would come above the box and hide it, and with commands dropped every
  // button would seem dead. The backdrop holds the keyboard meanwhile, so
  // nothing typed changes a field of what is being sent or saved.
  const DisabledWindows forms = DisableThreadWindows(VORM_WINDOW_CLASS, backdrop);
  const long long result = carryOut(backdrop);
  EnableWindowsAgain(forms);
  return result;
}

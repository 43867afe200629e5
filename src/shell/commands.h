#pragma once
#include "platform/window_handle.h"

// Command numbers carried by the template buttons.
enum CommandNumber : unsigned {
  kCommandInstall = 3024,
  kCommandProductPage = 3028,
  kCommandRegisterOnline = 3044,
  kCommandPrintRegistration = 3045,
  kCommandPrintSetup = 3046,
  kCommandVendorSite = 3064,
  kCommandProductPageToo = 3065,
  kCommandOrderOnline = 3074,
  kCommandOpenOrderForm = 3084,
  kCommandPrintPurchase = 3094,
  kCommandPrintSetupToo = 3095,
  kCommandExit = 4004,
  kCommandQuit = 40001,
  kCommandNothing = 40002,
};

// Runs the operation of a command number and returns its result; a number
// the table does not list does nothing and gives 0.
long long DispatchCommand(WindowHandle window, unsigned command);

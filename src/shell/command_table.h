#pragma once
// The command numbers that template buttons carry, and what each does. The
// backdrop window and the command table carry them out; the disc checker
// accepts exactly these on a button.
#include "settings/key_vocabulary.h"

enum CommandNumber : unsigned {
  kCommandInstall = 3024,
  kCommandProductPage = 3028,
  kCommandRunProduct = 3030,
  kCommandModifyProduct = 3031,
  kCommandUninstallProduct = 3032,
  kCommandRegisterOnline = 3044,
  kCommandPrintRegistration = 3045,
  kCommandPrintSetup = 3046,
  kCommandVendorSite = 3064,
  kCommandProductPageToo = 3065,
  kCommandOrderOnline = 3074,
  kCommandOpenOrderForm = 3084,
  kCommandPrintPurchase = 3094,
  kCommandPrintSetupToo = 3095,
  kCommandFirstDocument = 3101,  // 3101-3108: [Documents] "Document1"-"Document8"
  kCommandExit = 4004,
  kCommandQuit = 40001,
  kCommandNothing = 40002,
};

enum class CommandOperation {
  Install,
  OpenProductPage,
  RegisterOnline,
  PrintRegistration,
  PrintSetup,
  OpenVendorSite,
  OpenOrderOnline,
  OpenOrderForm,
  PrintPurchase,
  RunProduct,
  ModifyProduct,
  UninstallProduct,
  OpenDocument,
  EndRun,   // 4004 and 40001
  Nothing,  // 40002
};

struct CommandRow {
  unsigned number;
  CommandOperation operation;
  // The settings key without which the command does nothing (nullptr:
  // none): the document it opens, the uninstall entry it reads.
  const VocabularyKey *key;
};

// The row of a command number (its low 16 bits); nullptr for a number the
// launcher does not know, which does nothing.
const CommandRow *FindCommand(unsigned command);

#include "shell/commands.h"

#include "order/order_form.h"
#include "order/purchase_form.h"
#include "platform/quit.h"
#include "printing/print_setup.h"
#include "registration/online_registration.h"
#include "registration/printed_registration.h"
#include "resources/texts.h"
#include "shell/browser.h"
#include "shell/documents.h"
#include "shell/installed_product.h"

long long DispatchCommand(WindowHandle window, unsigned command) {
  const CommandRow *row = FindCommand(command);
  if (row == nullptr) return 0;
  switch (row->operation) {
    case CommandOperation::Install: return InstallOrRun(window);
    case CommandOperation::OpenProductPage: return OpenSettingsUrl(kGeneralProductPage);
    case CommandOperation::RegisterOnline: return RegisterOnline(window);
    case CommandOperation::PrintRegistration: return PrintRegistration(window);
    case CommandOperation::PrintSetup: return ShowPrintSetup(RunPrintSettings, window);
    case CommandOperation::OpenVendorSite: return OpenSettingsUrl(kGeneralVendorSite);
    case CommandOperation::OpenOrderOnline: return OpenSettingsUrl(kGeneralOrderOnline);
    case CommandOperation::OpenOrderForm: return OpenOrderForm(window);
    case CommandOperation::PrintPurchase: return PrintPurchase(window);
    case CommandOperation::RunProduct: return RunInstalledProduct(window);
    case CommandOperation::ModifyProduct: return ModifyInstalledProduct(window);
    case CommandOperation::UninstallProduct: return UninstallProduct(window);
    case CommandOperation::OpenDocument:
      return OpenDocument(window, kDocuments[row->number - kCommandFirstDocument]);
    case CommandOperation::EndRun: PostQuitRequest(); return 0;
    case CommandOperation::Nothing: return 0;
  }
  return 0;
}

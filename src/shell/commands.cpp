#include "shell/commands.h"

#include "order/order_form.h"
#include "order/purchase_form.h"
#include "platform/quit.h"
#include "printing/print_setup.h"
#include "registration/online_registration.h"
#include "registration/printed_registration.h"
#include "resources/texts.h"
#include "shell/browser.h"
#include "shell/installer.h"

long long DispatchCommand(WindowHandle window, unsigned command) {
  switch (command & 0xFFFF) {
    case kCommandInstall: return LaunchInstaller(window);
    case kCommandProductPage:
    case kCommandProductPageToo: return OpenSettingsUrl(KEY_PRODUCT_PAGE);
    case kCommandRegisterOnline: return RegisterOnline(window);
    case kCommandPrintRegistration: return PrintRegistration(window);
    case kCommandPrintSetup:
    case kCommandPrintSetupToo: return ShowPrintSetup(window);
    case kCommandVendorSite: return OpenSettingsUrl(KEY_VENDOR_SITE);
    case kCommandOrderOnline: return OpenSettingsUrl(KEY_ORDER_ONLINE);
    case kCommandOpenOrderForm: return OpenOrderForm(window);
    case kCommandPrintPurchase: return PrintPurchase(window);
    case kCommandExit: PostQuitRequest(); return 0;
    default: return 0;
  }
}

// The destination as the disc's settings give it; apart from the checks,
// which the disc checker uses without the launcher's settings access.
#include "registration/destination.h"
#include "settings/settings.h"
#include "text/bounded.h"

int ReadRegistrationDestination(RegistrationDestination &destination) {
  // Each buffer holds the default before the read, so only an absent key
  // keeps it; an empty value is read as empty, and refused.
  char address[kPathCapacity];
  CopyText(address, kPathCapacity, kDefaultScriptAddress);
  ReadSetting(kGeneralRegistrationAddress, address);
  if (ReadScriptAddress(address, destination.script) != nullptr) return 0;
  CopyText(destination.mailbox, kValueCapacity, kDefaultMailbox);
  ReadSetting(kGeneralRegistrationMailbox, destination.mailbox);
  if (CheckMailbox(destination.mailbox) != nullptr) return 0;
  CopyText(destination.thankYouPage, kPathCapacity,
           DefaultThankYouPage(destination.script.secure));
  ReadSetting(kGeneralThankYouPage, destination.thankYouPage);
  return CheckThankYouPage(destination.thankYouPage, destination.script.secure) == nullptr ? 1
                                                                                          : 0;
}

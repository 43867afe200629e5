#include "registration/online_registration.h"

#include "customer/form_checks.h"
#include "customer/saved_profile.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "registration/confirmation.h"
#include "registration/destination.h"
#include "registration/internet_library.h"
#include "registration/request_target.h"
#include "resources/texts.h"
#include "settings/key_vocabulary.h"

namespace {

const char kCaption[] = "Register Form";

void ShowResult(WindowHandle owner, int textId) {
  char text[kValueCapacity];
  LoadText(textId, text, kValueCapacity);
  ShowMessageBox(owner, text, kCaption, kMessageBoxOk);
}

}  // namespace

int SendRegistration(WindowHandle owner, const CustomerRecord &record) {
  RegistrationDestination destination;
  // A destination the disc names wrongly ends the attempt as a connection
  // that cannot be made does; the disc checker reports it.
  if (!ReadRegistrationDestination(destination)) return 0;
  WebAddress request = destination.script;
  // A cut request would reach the mailbox with fields missing: none is sent.
  const ScriptSettings settings = {destination.mailbox, destination.thankYouPage};
  if (!BuildRequestTarget(destination.script.target, settings, record, request.target)) {
    ShowResult(owner, TEXT_REGISTRATION_FAILED);
    return 0;
  }
  switch (FetchConfirmation(owner, request)) {
    case kConfirmed: ShowResult(owner, TEXT_REGISTERED); return 1;
    case kNotConnected: ShowResult(owner, TEXT_PLEASE_CONNECT); return 0;
    case kNotConfirmed: ShowResult(owner, TEXT_REGISTRATION_FAILED); return 0;
    default: return 0;  // the internet layer failed: the form stays as it was
  }
}

int RegisterOnline(WindowHandle owner) {
  CustomerRecord record = {};
  if (!CollectRegistration(record)) return 0;
  if (!LoadInternetLibrary()) {
    ShowResult(owner, TEXT_ONLINE_UNAVAILABLE);
    return 0;
  }
  if (!SendRegistration(owner, record)) return 0;
  SaveProfile(record);
  return 1;
}

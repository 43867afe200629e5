#pragma once
// The exchange with the vendor's web server: one HTTP/1.0 GET, whose reply
// decides whether the registration arrived.
#include "platform/window_handle.h"
#include "registration/redirection.h"

enum ConfirmationResult {
  kConfirmed = 0,      // the reply holds the confirmation phrase
  kNotConnected = -1,  // no Internet connection (or no way to tell); nothing sent
  kNotConfirmed = -3,  // a reply without the phrase
  kInternetError = -4, // the session, connection, request, send or read failed, or time ran out
};

// Sends the request for the address (over HTTPS when it says so, and then
// never over plain HTTP) through the loaded internet library and reads at
// most 10239 bytes of the final reply. The exchange runs
// on a worker thread while the window thread handles its messages under the
// wait cursor, and gives up after 60 s in all. A proxy that asks for a
// password gets the system's password dialog, owned by `owner`, and the
// request once more. Everything it opened is closed again on every way out.
int FetchConfirmation(WindowHandle owner, const WebAddress &address);

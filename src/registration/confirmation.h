#pragma once
// The exchange with the vendor's web server: one HTTP/1.0 GET, whose reply
// decides whether the registration arrived.
#include "platform/window_handle.h"

enum ConfirmationResult {
  kConfirmed = 0,      // the reply holds the confirmation phrase
  kNotConnected = -1,  // no Internet connection (or no way to tell); nothing sent
  kNotConfirmed = -3,  // a reply without the phrase
  kInternetError = -4, // the session, connection, request, send or read failed
};

// Sends the request for `target` to host:port through the loaded internet
// library and reads at most 10239 bytes of the final reply. The owner window
// is not used. Everything it opened is closed again on every way out.
int FetchConfirmation(WindowHandle owner, const char *host, int port, const char *target);

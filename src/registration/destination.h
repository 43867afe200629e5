#pragma once
// Where registrations go: the web address of the vendor's mail script, the
// mailbox the script forwards them to and the thank-you page it sends the
// exchange on to. A disc may name its own; each it leaves out is the
// vendor's own of old, so the request stays what it always was.
#include "registration/redirection.h"
#include "settings/key_vocabulary.h"

struct RegistrationDestination {
  WebAddress script;  // its target is the script's path
  char mailbox[kValueCapacity];
  char thankYouPage[kPathCapacity];
};

extern const char kDefaultScriptAddress[];
extern const char kDefaultMailbox[];
// Today's thank-you page, in the script address's scheme: the exchange never
// follows a redirection from https back to http.
const char *DefaultThankYouPage(bool secure);

// Each check returns null when the value can be used, else what is wrong
// with it, as the disc checker words it after the key's name.

// "http://" or "https://", a host, an optional ":port" and the script's path;
// no query, fragment, blank, quote, control character or letter outside
// ASCII. Stores the address in script.
const char *ReadScriptAddress(const char *text, WebAddress &script);
// Not empty; no blank, quote or control character.
const char *CheckMailbox(const char *text);
// An absolute http:// or https:// address with no blank, quote or control
// character; https:// when the script's address is.
const char *CheckThankYouPage(const char *text, bool scriptSecure);

// The destination the disc's settings give (destination_settings.cpp).
// Returns 1, or 0 when a value cannot be used: nothing may then be sent.
int ReadRegistrationDestination(RegistrationDestination &destination);

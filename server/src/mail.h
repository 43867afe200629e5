#pragma once
// The optional mail about each stored registration, handed to a
// sendmail-compatible command.
#include <string>

#include "store.h"

// How long the mail command may take before it is stopped.
constexpr int kMailTimeoutSeconds = 20;

// A header value safe to write on one header line: CR, LF and every other
// control character become a space, bytes above 127 become "?". Recipient
// and subject come from the request, so no text of theirs may start a
// header of its own.
std::string HeaderValue(const std::string &text);

// The whole message: To, From (when from is not empty), Subject, a
// text/plain body in windows-1252 with one "NAME: value" line per field
// (CR and LF in a value become spaces).
std::string ComposeMail(const Registration &registration, const std::string &from);

// Runs command with /bin/sh, the message on its standard input and its
// standard output thrown away (it must not reach the web server's reply).
// True when it ended with exit code 0 within kMailTimeoutSeconds; otherwise
// false with a message, and a command still running is killed.
bool SendMail(const std::string &command, const std::string &message, std::string *error);

#pragma once
// One request to the mail script's address and the reply to it.
#include <string>

#include "config.h"

struct CgiRequest {
  std::string method;    // REQUEST_METHOD
  std::string query;     // QUERY_STRING
  std::string client;    // REMOTE_ADDR
  std::string received;  // the time of arrival, UTC, "YYYY-MM-DDTHH:MM:SSZ"
};

struct CgiReply {
  int status = 200;
  std::string location;  // for a redirect
  std::string body;      // an HTML page
  std::string log;       // for the web server's error log; empty: nothing to say
};

// Longer queries are refused: the launcher's is at most 4095 bytes.
constexpr size_t kMaxQueryLength = 16384;
// More fields, or a longer field name, are refused: the launcher sends 18
// fields (5 of them the mail script's own) with names of up to 13 letters.
constexpr size_t kMaxFields = 64;
constexpr size_t kMaxFieldNameLength = 64;
// The phrase that tells the launcher its registration arrived.
constexpr const char kConfirmationPhrase[] = "Thank You for registering your";

// Checks, stores and mails one registration:
// - a method other than GET: 405;
// - a query longer than kMaxQueryLength: 414;
// - more than kMaxFields fields, or a name longer than kMaxFieldNameLength: 400;
// - a recipient not allowed, or a redirect not to an allowed host: 403;
// - a field missing that the request or the configuration requires: 400
//   with a page that lists it;
// - the database failing: 500;
// nothing is stored in any of these. Otherwise the registration is stored,
// mailed when a mail command is configured (a failed mail is logged, the
// registration stays), and the reply is a 302 to the redirect, or a thank-you
// page when the request named none. Only that page and the redirect's page
// confirm the registration: no other page contains kConfirmationPhrase, in
// any letter case, whatever the request asks to be shown.
CgiReply HandleRequest(const CgiRequest &request, const ReceiverConfig &config);

// The reply to a request that came while the receiver could not read its
// configuration: 500, and the reason in the log.
CgiReply NotConfiguredReply(const std::string &reason);

// The reply as CGI output: Status, Location, Content-Type, a blank line and
// the page.
std::string FormatReply(const CgiReply &reply);

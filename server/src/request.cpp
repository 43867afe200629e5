#include "request.h"

#include <algorithm>
#include <cctype>

#include "mail.h"
#include "query.h"
#include "store.h"
#include "submission.h"

namespace {

std::string HtmlEscaped(const std::string &text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Page(const std::string &title, const std::string &content) {
  return "<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\"><title>" + title +
         "</title></head>\n<body><h1>" + title + "</h1>\n" + content + "</body></html>\n";
}

bool ContainsPhrase(const std::string &page) {
  const std::string phrase = kConfirmationPhrase;
  return std::search(page.begin(), page.end(), phrase.begin(), phrase.end(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         }) != page.end();
}

bool Confirms(int status) { return status == 200 || status == 302; }

CgiReply Reply(int status, const std::string &title, const std::string &content,
               const std::string &log = "") {
  CgiReply reply;
  reply.status = status;
  reply.body = Page(title, content);
  // A refusal that shows what the request named (the missing fields) must
  // never read as a confirmation to the launcher: it shows nothing of it.
  if (!Confirms(status) && ContainsPhrase(reply.body))
    reply.body = Page(title, "<p>The registration was not accepted.</p>\n");
  reply.log = log;
  return reply;
}

bool WithinLimits(const std::vector<QueryPair> &pairs) {
  return pairs.size() <= kMaxFields &&
         std::all_of(pairs.begin(), pairs.end(), [](const QueryPair &pair) {
           return pair.name.size() <= kMaxFieldNameLength;
         });
}

CgiReply MissingFieldsReply(const std::vector<std::string> &missing) {
  std::string list = "<p>The registration was not sent: these fields are empty.</p>\n<ul>\n";
  for (const std::string &name : missing) list += "<li>" + HtmlEscaped(name) + "</li>\n";
  return Reply(400, "Registration incomplete", list + "</ul>\n");
}

const char *StatusText(int status) {
  switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 405: return "Method Not Allowed";
    case 414: return "URI Too Long";
    default: return "Internal Server Error";
  }
}

}  // namespace

CgiReply HandleRequest(const CgiRequest &request, const ReceiverConfig &config) {
  if (request.method != "GET")
    return Reply(405, "Method not allowed", "<p>Registrations arrive as GET requests.</p>\n");
  if (request.query.size() > kMaxQueryLength)
    return Reply(414, "Request too long", "<p>The registration is too long.</p>\n");

  std::vector<QueryPair> pairs = DecodeQuery(request.query);
  if (!WithinLimits(pairs))
    return Reply(400, "Request refused",
                 "<p>The registration has more fields, or longer field names, than a "
                 "registration can have.</p>\n");
  Submission submission = ReadSubmission(pairs);
  if (!RecipientAllowed(submission.recipient, config.recipients) ||
      (!submission.redirect.empty() &&
       !RedirectAllowed(submission.redirect, config.redirectHosts)))
    return Reply(403, "Request refused",
                 "<p>This address accepts registrations only for its own mailboxes and "
                 "thank-you pages.</p>\n",
                 "refused a request for recipient \"" + HeaderValue(submission.recipient) +
                     "\", redirect \"" + HeaderValue(submission.redirect) + "\" from " +
                     request.client);
  std::vector<std::string> missing = MissingFields(submission, config.required);
  if (!missing.empty()) return MissingFieldsReply(missing);

  Registration registration;
  registration.received = request.received;
  registration.client = request.client;
  registration.recipient = submission.recipient;
  registration.subject = submission.subject;
  registration.fields = submission.fields;
  std::string error;
  std::string log;
  registration.id = StoreRegistration(config.database, registration, &error, &log);
  if (registration.id == 0)
    return Reply(500, "Registration not stored",
                 "<p>The registration could not be stored. Please try again later.</p>\n", error);

  if (!config.mailCommand.empty() &&
      !SendMail(config.mailCommand, ComposeMail(registration, config.mailFrom), &error))
    log += (log.empty() ? "" : "; ") + std::string("registration ") +
           std::to_string(registration.id) + " stored but not mailed: " + error;

  if (submission.redirect.empty())
    return Reply(200, std::string(kConfirmationPhrase) + " product", "", log);
  CgiReply reply = Reply(302, "Registration received",
                         "<p><a href=\"" + HtmlEscaped(submission.redirect) +
                             "\">Continue</a></p>\n",
                         log);
  reply.location = submission.redirect;
  return reply;
}

CgiReply NotConfiguredReply(const std::string &reason) {
  return Reply(500, "Registration not stored",
               "<p>The registration service is not set up. Please try again later.</p>\n",
               reason);
}

std::string FormatReply(const CgiReply &reply) {
  std::string out = "Status: " + std::to_string(reply.status) + " " + StatusText(reply.status) +
                    "\r\n";
  if (!reply.location.empty()) out += "Location: " + reply.location + "\r\n";
  out += "Content-Type: text/html; charset=windows-1252\r\n\r\n";
  return out + reply.body;
}

// The registration receiver on any query the internet may send it: its
// reply is well-formed CGI output whose headers nothing in the query can
// add to, and whose Location, when there is one, is an allowed address.
// The database is out of reach, so every request that would be stored ends
// in 500 and nothing is written.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "request.h"
#include "submission.h"

namespace {

// The header lines of CGI output, or none when it has no blank line.
std::vector<std::string> HeaderLines(const std::string &output) {
  std::vector<std::string> lines;
  size_t end = output.find("\r\n\r\n");
  Require(end != std::string::npos);
  size_t start = 0;
  while (start < end + 2) {
    size_t next = output.find("\r\n", start);
    lines.push_back(output.substr(start, next - start));
    start = next + 2;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  ReceiverConfig config;
  config.database = ScratchPath("no such folder/registrations.db");
  config.recipients = {"register@velmora.com"};
  config.redirectHosts = {"www.velmora.com"};
  CgiRequest request;
  request.method = "GET";
  request.query.assign(reinterpret_cast<const char *>(data), size);
  request.client = "127.0.0.1";
  request.received = "2026-12-07T12:00:00Z";

  CgiReply reply = HandleRequest(request, config);
  Require(reply.status == 400 || reply.status == 403 || reply.status == 414 ||
          reply.status == 500);
  Require(reply.location.empty());
  // Whatever the request asks to be shown, a refusal never confirms.
  Require(reply.body.find(kConfirmationPhrase) == std::string::npos);

  // A redirect the receiver accepts may go out as a Location header as it is.
  Submission submission = ReadSubmission(DecodeQuery(request.query));
  if (RedirectAllowed(submission.redirect, config.redirectHosts)) {
    reply.location = submission.redirect;
    for (char c : reply.location)
      Require(static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 0x7F);
  }
  std::vector<std::string> headers = HeaderLines(FormatReply(reply));
  Require(headers.size() == (reply.location.empty() ? 2u : 3u));
  for (const std::string &line : headers)
    Require(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
  return 0;
}

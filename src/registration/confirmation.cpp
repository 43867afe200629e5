#include "registration/confirmation.h"

#include <cstring>
#include <memory>

#include "platform/cursor.h"
#include "platform/internet.h"
#include "registration/internet_library.h"
#include "registration/redirection.h"
#include "text/bounded.h"

namespace {

const char kAgent[] = "Velmora Agent";
const char kPhrase[] = "Thank You for registering your";
constexpr unsigned long kContext = 1;
constexpr unsigned long kRequestFlags =
    kInternetFlagExistingConnect | kInternetFlagIgnoreRedirectToHttps;
constexpr int kReplyCapacity = 10240;
// A host that accepts the connection and never answers would keep the
// customer in front of the wait cursor for good: connecting, sending and
// each wait for reply bytes give up after this long.
constexpr unsigned long kInternetTimeoutMilliseconds = 30000;

// Whether the reply, as text up to its first zero byte, holds the phrase.
int ReadConfirmation(InternetHandle request) {
  std::unique_ptr<char[]> reply(new char[kReplyCapacity]);
  int length = 0;
  if (!ReadHttpReply(InternetLibraryHandle, request, reply.get(), kReplyCapacity - 1,
                     &length))
    return kInternetError;
  reply[length] = '\0';
  return strstr(reply.get(), kPhrase) != nullptr ? kConfirmed : kNotConfirmed;
}

// Redirections followed before the exchange gives up on a loop of them.
constexpr int kMostRedirections = 10;
// What RequestOnce returns when the reply sends the exchange elsewhere.
constexpr int kRedirected = 1;

// One GET of the address on a connection of its own. Returns a result code,
// or kRedirected with the address changed to where the reply points.
int RequestOnce(InternetHandle session, WebAddress &address) {
  InternetHandle connection =
      ConnectHttp(InternetLibraryHandle, session, address.host, address.port, kContext);
  if (connection == nullptr) return kInternetError;
  int result = kInternetError;
  unsigned long flags = kRequestFlags | (address.secure ? kInternetFlagSecure : 0);
  InternetHandle request = OpenHttpRequest(InternetLibraryHandle, connection, "GET",
                                           address.target, "HTTP/1.0", flags, kContext);
  if (request != nullptr) {
    // Set again on the request: not every library hands the session's
    // time-outs down to it.
    SetInternetTimeouts(InternetLibraryHandle, request, kInternetTimeoutMilliseconds);
    if (SendHttpRequest(InternetLibraryHandle, request)) {
      char location[kLocationCapacity];
      if (!GetRedirection(InternetLibraryHandle, request, location, kLocationCapacity))
        result = ReadConfirmation(request);
      else if (ReadRedirection(location, address))
        result = kRedirected;
      // A redirection that cannot be followed fails like a broken connection.
    }
    CloseInternetHandle(InternetLibraryHandle, request);
  }
  CloseInternetHandle(InternetLibraryHandle, connection);
  return result;
}

int Exchange(InternetHandle session, const char *host, int port, const char *target) {
  WebAddress address;
  CopyText(address.host, kHostCapacity, host);
  address.port = port;
  address.secure = false;
  CopyText(address.target, kRequestTargetCapacity, target);
  for (int redirections = 0; redirections <= kMostRedirections; ++redirections) {
    int result = RequestOnce(session, address);
    if (result != kRedirected) return result;
  }
  return kInternetError;
}

}  // namespace

int FetchConfirmation(WindowHandle, const char *host, int port, const char *target) {
  InternetHandle session = OpenInternetSession(InternetLibraryHandle, kAgent);
  if (session == nullptr) return kInternetError;
  SetInternetTimeouts(InternetLibraryHandle, session, kInternetTimeoutMilliseconds);
  // Without its probes the library cannot tell whether there is a
  // connection; the customer is asked to connect and nothing is sent.
  int result = kNotConnected;
  if (HasConnectionProbes(InternetLibraryHandle)) {
    CursorHandle previous = ShowWaitCursor();
    AttemptInternetConnection(InternetLibraryHandle);
    if (IsInternetConnected(InternetLibraryHandle))
      result = Exchange(session, host, port, target);
    RestoreCursor(previous);
  }
  CloseInternetHandle(InternetLibraryHandle, session);
  return result;
}

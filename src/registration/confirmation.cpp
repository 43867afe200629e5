#include "registration/confirmation.h"

#include <cstring>
#include <memory>

#include "platform/cursor.h"
#include "platform/internet.h"
#include "registration/internet_library.h"

namespace {

const char kAgent[] = "Velmora Agent";
const char kPhrase[] = "Thank You for registering your";
constexpr unsigned long kContext = 1;
constexpr unsigned long kRequestFlags =
    kInternetFlagExistingConnect | kInternetFlagIgnoreRedirectToHttps;
constexpr int kReplyCapacity = 10240;

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

int Exchange(InternetHandle session, const char *host, int port, const char *target) {
  InternetHandle connection = ConnectHttp(InternetLibraryHandle, session, host, port, kContext);
  if (connection == nullptr) return kInternetError;
  int result = kInternetError;
  InternetHandle request =
      OpenHttpRequest(InternetLibraryHandle, connection, "GET", target, "HTTP/1.0",
                      kRequestFlags, kContext);
  if (request != nullptr) {
    if (SendHttpRequest(InternetLibraryHandle, request)) result = ReadConfirmation(request);
    CloseInternetHandle(InternetLibraryHandle, request);
  }
  CloseInternetHandle(InternetLibraryHandle, connection);
  return result;
}

}  // namespace

int FetchConfirmation(WindowHandle, const char *host, int port, const char *target) {
  InternetHandle session = OpenInternetSession(InternetLibraryHandle, kAgent);
  if (session == nullptr) return kInternetError;
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

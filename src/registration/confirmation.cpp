#include "registration/confirmation.h"

#include <atomic>
#include <cstring>
#include <memory>

#include "platform/cursor.h"
#include "platform/internet.h"
#include "platform/worker.h"
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
// And the whole exchange, redirections included, after this long; the time
// the customer spends in the proxy's password dialog does not count.
constexpr unsigned long kExchangeDeadlineMilliseconds = 60000;
// Redirections followed before the exchange gives up on a loop of them.
constexpr int kMostRedirections = 10;

// Where an exchange stands between two runs of its worker.
enum class Step {
  Open,              // the session is still to be opened and the connection probed
  Send,              // a new request for the address is to be sent
  Resend,            // the proxy's password was typed: the request goes again
  TakeReply,         // the reply of the request stands as it is
  AskProxyPassword,  // the proxy refused the request: the window thread asks
  Done,              // the result is known
};

// One exchange with the vendor's host. The worker runs it while the window
// thread waits; between two runs only the window thread touches it. The
// window thread may give up on a worker that takes too long, which then
// finishes alone: whoever lets go of the exchange last deletes it, and with
// it closes what is still open.
struct Exchange {
  std::atomic<int> holders{1};
  std::atomic<bool> givenUp{false};
  WebAddress address;
  InternetHandle session = nullptr;
  InternetHandle connection = nullptr;
  InternetHandle request = nullptr;
  int redirections = 0;
  Step step = Step::Open;
  int result = kInternetError;

  ~Exchange() {
    CloseRequest();
    Close(session);
  }
  static void Close(InternetHandle &handle) {
    if (handle != nullptr) CloseInternetHandle(InternetLibraryHandle, handle);
    handle = nullptr;
  }
  void CloseRequest() {
    Close(request);
    Close(connection);
  }
  void Finish(int code) {
    result = code;
    step = Step::Done;
  }
};

void LetGo(Exchange *exchange) {
  if (--exchange->holders == 0) delete exchange;
}

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

// Reads the proxy's refusal to its end, as the library wants before a
// request is sent again: on a connection the proxy keeps open, the request
// sent with the password would otherwise meet the rest of the refusal.
void DrainRefusal(Exchange &exchange) {
  std::unique_ptr<char[]> scratch(new char[kReplyCapacity]);
  int length = kReplyCapacity;
  while (length == kReplyCapacity && !exchange.givenUp &&
         ReadHttpReply(InternetLibraryHandle, exchange.request, scratch.get(), kReplyCapacity,
                       &length)) {
  }
}

// Opens the session and asks for an Internet connection; false when the
// exchange ends there.
bool OpenSession(Exchange &exchange) {
  exchange.session = OpenInternetSession(InternetLibraryHandle, kAgent);
  if (exchange.session == nullptr) {
    exchange.Finish(kInternetError);
    return false;
  }
  SetInternetTimeouts(InternetLibraryHandle, exchange.session, kInternetTimeoutMilliseconds);
  // Without its probes the library cannot tell whether there is a
  // connection; the customer is asked to connect and nothing is sent.
  bool connected = HasConnectionProbes(InternetLibraryHandle);
  if (connected) {
    AttemptInternetConnection(InternetLibraryHandle);
    connected = IsInternetConnected(InternetLibraryHandle);
  }
  if (!connected) exchange.Finish(kNotConnected);
  return connected;
}

// A GET of the address on a connection of its own, sent.
bool SendNewRequest(Exchange &exchange) {
  const WebAddress &address = exchange.address;
  exchange.connection = ConnectHttp(InternetLibraryHandle, exchange.session, address.host,
                                    address.port, kContext);
  if (exchange.connection == nullptr) return false;
  const unsigned long flags = kRequestFlags | (address.secure ? kInternetFlagSecure : 0);
  exchange.request = OpenHttpRequest(InternetLibraryHandle, exchange.connection, "GET",
                                     address.target, "HTTP/1.0", flags, kContext);
  if (exchange.request == nullptr) return false;
  // Set again on the request: not every library hands the session's
  // time-outs down to it.
  SetInternetTimeouts(InternetLibraryHandle, exchange.request, kInternetTimeoutMilliseconds);
  return SendHttpRequest(InternetLibraryHandle, exchange.request);
}

// Runs the exchange on until it is done or the proxy asks for a password.
void Advance(Exchange &exchange) {
  if (exchange.step == Step::Open) {
    if (!OpenSession(exchange)) return;
    exchange.step = Step::Send;
  }
  for (;;) {
    // Given up on: no further request goes out.
    if (exchange.givenUp) return exchange.Finish(kInternetError);
    const Step step = exchange.step;
    const bool sent = step == Step::Send     ? SendNewRequest(exchange)
                      : step == Step::Resend ? SendHttpRequest(InternetLibraryHandle,
                                                               exchange.request)
                                             : true;
    if (!sent) return exchange.Finish(kInternetError);
    // Each request is sent again at most once with a password.
    if (step == Step::Send && ProxyWantsPassword(InternetLibraryHandle, exchange.request)) {
      DrainRefusal(exchange);
      exchange.step = Step::AskProxyPassword;
      return;
    }
    char location[kLocationCapacity];
    if (!GetRedirection(InternetLibraryHandle, exchange.request, location, kLocationCapacity))
      return exchange.Finish(ReadConfirmation(exchange.request));
    // A redirection that cannot be followed fails like a broken connection.
    if (exchange.redirections == kMostRedirections ||
        !ReadRedirection(location, exchange.address))
      return exchange.Finish(kInternetError);
    ++exchange.redirections;
    exchange.CloseRequest();
    exchange.step = Step::Send;
  }
}

void RunExchange(void *context) {
  auto *exchange = static_cast<Exchange *>(context);
  Advance(*exchange);
  LetGo(exchange);
}

void GiveUpExchange(void *context) { static_cast<Exchange *>(context)->givenUp = true; }

}  // namespace

int FetchConfirmation(WindowHandle owner, const WebAddress &address) {
  auto *exchange = new Exchange;
  exchange->address = address;

  CursorHandle previous = ShowWaitCursor();
  unsigned long waitLeft = kExchangeDeadlineMilliseconds;
  int result = kInternetError;
  for (;;) {
    ++exchange->holders;
    // A worker given up on ends the attempt as a broken connection would.
    if (!RunOnWorker(RunExchange, GiveUpExchange, exchange, waitLeft)) break;
    if (exchange->step != Step::AskProxyPassword) {
      result = exchange->result;
      break;
    }
    // The dialog is the window thread's, owned by the backdrop like the
    // result messages.
    exchange->step = AskForProxyPassword(InternetLibraryHandle, owner, exchange->request)
                         ? Step::Resend
                         : Step::TakeReply;
    ShowWaitCursor();
  }
  RestoreCursor(previous);
  LetGo(exchange);
  return result;
}

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "fake_internet.h"
#include "fake_platform.h"
#include "platform/internet.h"
#include "text/bounded.h"

namespace {

FakeInternet net;
char libraryObject;

InternetHandle FakeHandle(std::uintptr_t id) { return reinterpret_cast<InternetHandle>(id); }
const InternetHandle kSession = FakeHandle(0x100);
const InternetHandle kConnection = FakeHandle(0x200);
const InternetHandle kRequest = FakeHandle(0x300);
const std::string kProxyRefusalPage = "<html>Proxy Authentication Required</html>";

// Records the call; a call on any other library than the loaded one is a
// fault the tests see in the record.
void Record(InternetLibrary library, const std::string &call) {
  net.calls.push_back(library == FakeInternetLibrary() ? call : call + " (wrong library)");
}

InternetHandle Open(InternetHandle handle, InternetFailure step) {
  if (net.failAt == step) return nullptr;
  net.openHandles.insert(handle);
  return handle;
}

}  // namespace

FakeInternet &FakeNet() { return net; }
void ResetFakeInternet() { net = FakeInternet(); }
InternetLibrary FakeInternetLibrary() { return reinterpret_cast<InternetLibrary>(&libraryObject); }

InternetLibrary LoadInternetClientLibrary() {
  ++net.loads;
  net.calls.push_back("load");
  return net.failAt == InternetFailure::Load ? nullptr : FakeInternetLibrary();
}

bool HasConnectionProbes(InternetLibrary library) {
  Record(library, "probes");
  return net.hasProbes;
}

void AttemptInternetConnection(InternetLibrary library) { Record(library, "attempt"); }

bool IsInternetConnected(InternetLibrary library) {
  Record(library, "connected");
  return net.connected;
}

InternetHandle OpenInternetSession(InternetLibrary library, const char *agent) {
  Record(library, "session");
  net.agent = agent;
  return Open(kSession, InternetFailure::Session);
}

InternetHandle ConnectHttp(InternetLibrary library, InternetHandle session, const char *host,
                           int port, unsigned long context) {
  Record(library, session == kSession ? "connect" : "connect (wrong session)");
  net.host = host;
  net.port = port;
  net.connectContext = context;
  return Open(kConnection, InternetFailure::Connect);
}

InternetHandle OpenHttpRequest(InternetLibrary library, InternetHandle connection,
                               const char *verb, const char *target, const char *version,
                               unsigned long flags, unsigned long context) {
  Record(library, connection == kConnection ? "request" : "request (wrong connection)");
  net.verb = verb;
  net.target = target;
  net.version = version;
  net.requestFlags = flags;
  net.requestContext = context;
  net.requests.push_back(net.host + ":" + std::to_string(net.port) + " " + target +
                         ((flags & kInternetFlagSecure) != 0 ? " (https)" : ""));
  return Open(kRequest, InternetFailure::OpenRequest);
}

void SetInternetTimeouts(InternetLibrary library, InternetHandle handle,
                         unsigned long milliseconds) {
  const char *name = handle == kSession ? "session" : handle == kRequest ? "request" : "unknown";
  Record(library, "timeouts " + std::string(name) + " " + std::to_string(milliseconds));
}

bool SendHttpRequest(InternetLibrary library, InternetHandle request) {
  Record(library, request == kRequest ? "send" : "send (wrong request)");
  if (net.requestsSent + 1 == net.deadlineAtSend) PassWorkerDeadline();
  if (net.failAt == InternetFailure::Send) return false;
  ++net.requestsSent;
  net.lastRefused = net.refusedSends.count(net.requestsSent) != 0;
  if (!net.lastRefused) ++net.repliesServed;
  return true;
}

bool ProxyWantsPassword(InternetLibrary library, InternetHandle request) {
  Record(library, request == kRequest ? "proxy status" : "proxy status (wrong request)");
  return net.lastRefused;
}

bool AskForProxyPassword(InternetLibrary library, WindowHandle owner, InternetHandle request) {
  Record(library, request == kRequest ? "password dialog" : "password dialog (wrong request)");
  net.passwordDialogOwners.push_back(owner);
  return net.passwordGiven;
}

bool GetRedirection(InternetLibrary library, InternetHandle request, char *location,
                    int capacity) {
  Record(library, request == kRequest ? "redirection" : "redirection (wrong request)");
  if (net.lastRefused) return false;
  size_t index = static_cast<size_t>(net.repliesServed - 1);
  if (net.redirectForever && !net.redirections.empty()) index %= net.redirections.size();
  if (index >= net.redirections.size()) return false;
  const std::string &next = net.redirections[index];
  CopyText(location, capacity, static_cast<int>(next.size()) < capacity ? next.c_str() : "");
  return true;
}

bool ReadHttpReply(InternetLibrary library, InternetHandle request, char *buffer, int capacity,
                   int *bytesRead) {
  Record(library, request == kRequest ? "read" : "read (wrong request)");
  net.readCapacity = capacity;
  *bytesRead = 0;
  if (net.failAt == InternetFailure::Read) return false;
  const std::string &page = net.lastRefused ? kProxyRefusalPage : net.reply;
  size_t count = std::min(page.size(), static_cast<size_t>(capacity));
  memcpy(buffer, page.data(), count);
  *bytesRead = static_cast<int>(count);
  return true;
}

void CloseInternetHandle(InternetLibrary library, InternetHandle handle) {
  const char *name = handle == kSession      ? "close session"
                     : handle == kConnection ? "close connection"
                     : handle == kRequest    ? "close request"
                                             : "close unknown";
  Record(library, name);
  if (net.openHandles.erase(handle) == 0) net.calls.push_back("close of a handle not open");
}

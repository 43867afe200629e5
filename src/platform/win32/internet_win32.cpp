// The internet client library is looked up at run time: the program imports
// none of its functions, so it starts on a system without it and never picks
// up a copy placed beside it on the disc.
#include <windows.h>
#include <wininet.h>

#include "platform/internet.h"
#include "platform/win32/apartment_win32.h"
#include "system_library_win32.h"

static_assert(kInternetFlagExistingConnect == INTERNET_FLAG_EXISTING_CONNECT,
              "the request flag is the library's existing-connection flag");
static_assert(kInternetFlagIgnoreRedirectToHttps == INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS,
              "the request flag is the library's flag for redirects to https");
static_assert(kInternetFlagSecure == INTERNET_FLAG_SECURE, "the library's HTTPS flag");

using HttpQuery = decltype(&HttpQueryInfoA);

InternetLibrary LoadInternetClientLibrary() { return LoadSystemLibrary("wininet.dll"); }

bool HasConnectionProbes(InternetLibrary library) {
  return FindFunction<decltype(&InternetAttemptConnect)>(library, "InternetAttemptConnect") &&
         FindFunction<decltype(&InternetGetConnectedState)>(library, "InternetGetConnectedState");
}

void AttemptInternetConnection(InternetLibrary library) {
  auto attempt =
      FindFunction<decltype(&InternetAttemptConnect)>(library, "InternetAttemptConnect");
  if (attempt != nullptr) attempt(0);
}

bool IsInternetConnected(InternetLibrary library) {
  auto connected =
      FindFunction<decltype(&InternetGetConnectedState)>(library, "InternetGetConnectedState");
  DWORD flags = 0;
  return connected != nullptr && connected(&flags, 0) != FALSE;
}

InternetHandle OpenInternetSession(InternetLibrary library, const char *agent) {
  auto open = FindFunction<decltype(&InternetOpenA)>(library, "InternetOpenA");
  if (open == nullptr) return nullptr;
  return open(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

InternetHandle ConnectHttp(InternetLibrary library, InternetHandle session,
                           const char *host, int port, unsigned long context) {
  auto connect = FindFunction<decltype(&InternetConnectA)>(library, "InternetConnectA");
  if (connect == nullptr) return nullptr;
  return connect(session, host, static_cast<INTERNET_PORT>(port), nullptr, nullptr,
                 INTERNET_SERVICE_HTTP, 0, context);
}

InternetHandle OpenHttpRequest(InternetLibrary library, InternetHandle connection,
                               const char *verb, const char *target,
                               const char *version, unsigned long flags,
                               unsigned long context) {
  auto open = FindFunction<decltype(&HttpOpenRequestA)>(library, "HttpOpenRequestA");
  if (open == nullptr) return nullptr;
  // The exchange follows redirections itself, a bounded number of times:
  // some libraries follow a loop of them for good.
  return open(connection, verb, target, version, nullptr, nullptr,
              flags | INTERNET_FLAG_NO_AUTO_REDIRECT, context);
}

void SetInternetTimeouts(InternetLibrary library, InternetHandle handle,
                         unsigned long milliseconds) {
  auto set = FindFunction<decltype(&InternetSetOptionA)>(library, "InternetSetOptionA");
  if (set == nullptr || handle == nullptr) return;
  const DWORD options[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                           INTERNET_OPTION_RECEIVE_TIMEOUT};
  for (DWORD option : options) {
    DWORD value = milliseconds;
    set(handle, option, &value, sizeof value);
  }
}

bool SendHttpRequest(InternetLibrary library, InternetHandle request) {
  auto send = FindFunction<decltype(&HttpSendRequestA)>(library, "HttpSendRequestA");
  return send != nullptr && send(request, nullptr, 0, nullptr, 0) != FALSE;
}

namespace {

// The reply's status code; 0 when it cannot be read.
DWORD ReplyStatus(HttpQuery query, InternetHandle request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (query == nullptr ||
      !query(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
    return 0;
  return status;
}

}  // namespace

bool GetRedirection(InternetLibrary library, InternetHandle request, char *location,
                    int capacity) {
  auto query = FindFunction<HttpQuery>(library, "HttpQueryInfoA");
  if (capacity <= 0) return false;
  const DWORD status = ReplyStatus(query, request);
  if (status != 301 && status != 302 && status != 303 && status != 307 && status != 308)
    return false;
  DWORD size = static_cast<DWORD>(capacity);
  if (query(request, HTTP_QUERY_LOCATION, location, &size, nullptr)) return true;
  location[0] = '\0';
  // A location too long for the buffer is still a redirection.
  return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

bool ProxyWantsPassword(InternetLibrary library, InternetHandle request) {
  return ReplyStatus(FindFunction<HttpQuery>(library, "HttpQueryInfoA"), request) ==
         HTTP_STATUS_PROXY_AUTH_REQ;
}

bool AskForProxyPassword(InternetLibrary library, WindowHandle owner, InternetHandle request) {
  auto dialog = FindFunction<decltype(&InternetErrorDlg)>(library, "InternetErrorDlg");
  if (dialog == nullptr) return false;
  EnterApartment();
  // The dialog reads the refusal from the reply's headers, and on OK stores
  // the user name and password on the request for the next send.
  const DWORD flags = FLAGS_ERROR_UI_FILTER_FOR_ERRORS | FLAGS_ERROR_UI_FLAGS_GENERATE_DATA |
                      FLAGS_ERROR_UI_FLAGS_CHANGE_OPTIONS;
  return dialog(owner, request, ERROR_SUCCESS, flags, nullptr) == ERROR_INTERNET_FORCE_RETRY;
}

bool ReadHttpReply(InternetLibrary library, InternetHandle request, char *buffer,
                   int capacity, int *bytesRead) {
  *bytesRead = 0;
  auto read = FindFunction<decltype(&InternetReadFile)>(library, "InternetReadFile");
  if (read == nullptr) return false;
  // The library may hand the reply over in pieces; keep reading until the
  // buffer is full or the reply has ended.
  while (*bytesRead < capacity) {
    DWORD got = 0;
    if (!read(request, buffer + *bytesRead, static_cast<DWORD>(capacity - *bytesRead),
              &got))
      return false;
    if (got == 0) break;
    *bytesRead += static_cast<int>(got);
  }
  return true;
}

void CloseInternetHandle(InternetLibrary library, InternetHandle handle) {
  auto close = FindFunction<decltype(&InternetCloseHandle)>(library, "InternetCloseHandle");
  if (close != nullptr && handle != nullptr) close(handle);
}

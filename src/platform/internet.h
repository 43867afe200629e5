#pragma once
// The system's internet client library, loaded at run time: none of its
// functions is imported by the program, each is looked up in the loaded
// library by name. A function missing from the library fails like the
// service it stands for. Everything but the proxy's password dialog may be
// called on a worker thread.
#include "platform/window_handle.h"

// The loaded library, opaque to the portable code; the same type as the
// Win32 HMODULE.
struct HINSTANCE__;
using InternetLibrary = HINSTANCE__ *;

// A session, connection or request of the library; null when none.
using InternetHandle = void *;

// Request flag: use an existing connection to the server where there is one.
constexpr unsigned long kInternetFlagExistingConnect = 0x20000000;
// Request flag: follow a redirect from http to https (without it the library
// refuses such a redirect, which many web hosts now answer with).
constexpr unsigned long kInternetFlagIgnoreRedirectToHttps = 0x00004000;
// Request flag: the request travels over HTTPS, and the library checks the
// server's certificate as the system does (a trusted authority, the host
// name, the dates, revocation as the system's internet options say); a
// certificate that fails fails the send. No flag or option that waives any
// of these checks is ever set.
constexpr unsigned long kInternetFlagSecure = 0x00800000;

// Loads the library from the system directory (never from the program's
// own folder, which is a disc anyone may have written). Null on failure.
InternetLibrary LoadInternetClientLibrary();

// True when the library has both connection probes.
bool HasConnectionProbes(InternetLibrary library);

// Brings up an Internet connection (such as a dial-up one) where the system
// can; the outcome is not reported.
void AttemptInternetConnection(InternetLibrary library);

// True when the system reports an Internet connection.
bool IsInternetConnected(InternetLibrary library);

// A session with the system's pre-configured access (direct or proxy), no
// proxy of its own and no flags.
InternetHandle OpenInternetSession(InternetLibrary library, const char *agent);

// An HTTP connection to host:port, with no user name and no password.
InternetHandle ConnectHttp(InternetLibrary library, InternetHandle session,
                           const char *host, int port, unsigned long context);

// A request of `verb` for `target`, with no referrer and no accept types.
// Besides `flags`, the library is told not to follow redirections.
InternetHandle OpenHttpRequest(InternetLibrary library, InternetHandle connection,
                               const char *verb, const char *target,
                               const char *version, unsigned long flags,
                               unsigned long context);

// Sets the connect, send and receive time-outs of a session or a request, in
// milliseconds: a step that takes longer fails like a broken connection.
void SetInternetTimeouts(InternetLibrary library, InternetHandle handle,
                         unsigned long milliseconds);

// Sends the request with no extra headers and no body. The library does not
// follow redirections (see GetRedirection). True when a reply arrived.
bool SendHttpRequest(InternetLibrary library, InternetHandle request);

// True when the reply of the sent request is a redirection (status 301, 302,
// 303, 307 or 308 with a Location header). Its location is stored in
// `location`, or an empty text when it does not fit the capacity.
bool GetRedirection(InternetLibrary library, InternetHandle request, char *location,
                    int capacity);

// True when the reply of the sent request is the proxy asking for a user name
// and password (status 407).
bool ProxyWantsPassword(InternetLibrary library, InternetHandle request);

// Shows the system's dialog that asks for the proxy's user name and password
// of a request the proxy refused (see ProxyWantsPassword), owned by `owner`,
// and keeps what the customer typed on the request. True when the request is
// to be sent again with it; false when the customer cancelled.
bool AskForProxyPassword(InternetLibrary library, WindowHandle owner, InternetHandle request);

// Reads the reply until `capacity` bytes have arrived or the reply has ended.
// Stores the count read in *bytesRead. False on an error of the connection.
bool ReadHttpReply(InternetLibrary library, InternetHandle request, char *buffer,
                   int capacity, int *bytesRead);

// Closes a session, connection or request.
void CloseInternetHandle(InternetLibrary library, InternetHandle handle);

#include "registration/redirection.h"

#include <cstring>
#include <string>

#include "text/bounded.h"

namespace {

struct Scheme {
  const char *prefix;
  int port;
  bool secure;
};
const Scheme kSchemes[] = {{"http://", 80, false}, {"https://", 443, true}};

// Blanks and control characters never travel in a request line.
bool IsPrintable(const char *text) {
  for (const unsigned char *byte = reinterpret_cast<const unsigned char *>(text); *byte != 0;
       ++byte)
    if (*byte <= ' ' || *byte == 0x7F) return false;
  return true;
}

bool StartsWithIgnoringCase(const char *text, const char *prefix) {
  size_t length = strlen(prefix);
  if (strnlen(text, length) < length) return false;
  std::string head(text, length);
  return EqualsIgnoringCase(head.c_str(), prefix);
}

// "host" or "host:port" (length bytes of authority) into address; the
// scheme's port unless one is given.
bool ReadAuthority(const char *authority, size_t length, const Scheme &scheme,
                   WebAddress &address) {
  const char *colon = static_cast<const char *>(memchr(authority, ':', length));
  size_t hostLength = colon != nullptr ? static_cast<size_t>(colon - authority) : length;
  const std::string host(authority, hostLength);
  if (host.empty() || !FitsIn(kHostCapacity, host.c_str()) ||
      memchr(authority, '@', length) != nullptr)
    return false;
  int port = scheme.port;
  if (colon != nullptr) {
    size_t digits = length - hostLength - 1;
    if (digits == 0 || digits > 5) return false;
    port = 0;
    for (size_t i = 0; i < digits; ++i) {
      char c = colon[1 + i];
      if (c < '0' || c > '9') return false;
      port = port * 10 + (c - '0');
    }
    if (port == 0 || port > 65535) return false;
  }
  CopyText(address.host, kHostCapacity, host.c_str());
  address.port = port;
  address.secure = scheme.secure;
  return true;
}

// The path and query (length bytes from "/" or "?", or nothing) as a target.
bool ReadTarget(const char *text, size_t length, WebAddress &address) {
  std::string target = (length == 0 || text[0] != '/') ? "/" : "";
  target.append(text, length);
  if (!FitsIn(kRequestTargetCapacity, target.c_str())) return false;
  CopyText(address.target, kRequestTargetCapacity, target.c_str());
  return true;
}

}  // namespace

int ReadRedirection(const char *location, WebAddress &address) {
  if (location == nullptr || !IsPrintable(location)) return 0;
  size_t length = strcspn(location, "#");
  WebAddress next = address;
  if (location[0] == '/' && location[1] != '/') {
    if (!ReadTarget(location, length, next)) return 0;
    address = next;
    return 1;
  }
  for (const Scheme &scheme : kSchemes) {
    if (!StartsWithIgnoringCase(location, scheme.prefix)) continue;
    // Once on HTTPS, the exchange does not go back to plain HTTP.
    if (address.secure && !scheme.secure) return 0;
    const char *authority = location + strlen(scheme.prefix);
    size_t authorityLength = strcspn(authority, "/?#");
    if (!ReadAuthority(authority, authorityLength, scheme, next)) return 0;
    const char *rest = authority + authorityLength;
    if (!ReadTarget(rest, length - static_cast<size_t>(rest - location), next)) return 0;
    address = next;
    return 1;
  }
  return 0;
}

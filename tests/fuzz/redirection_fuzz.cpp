// Where a redirection points, for any location a server may send: either
// refused with the address untouched, or an address whose request line
// cannot be bent (no blanks or control characters, a target from "/", a
// port that exists) and that says what the location said, over HTTPS
// exactly when it said so, and never from HTTPS back to plain HTTP.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "registration/redirection.h"
#include "text/bounded.h"

namespace {

bool Printable(const char *text) {
  for (const unsigned char *c = reinterpret_cast<const unsigned char *>(text); *c != 0; ++c)
    if (*c <= ' ' || *c == 0x7F) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::string location(reinterpret_cast<const char *>(data), size);
  location = location.substr(0, location.find('\0'));
  // The redirected request was over HTTPS when the location's first byte is
  // odd (the byte stays part of the location).
  WebAddress address = {};
  CopyText(address.host, kHostCapacity, "www.velmora.com");
  address.port = 80;
  address.secure = !location.empty() && (location[0] & 1) != 0;
  CopyText(address.target, kRequestTargetCapacity, "/cgi-local/FormMail.cgi?a=1");
  const WebAddress before = address;

  if (!ReadRedirection(location.c_str(), address)) {
    Require(memcmp(&address, &before, sizeof address) == 0);
    return 0;
  }
  Require(strnlen(address.host, kHostCapacity) < kHostCapacity && address.host[0] != '\0');
  Require(strnlen(address.target, kRequestTargetCapacity) < kRequestTargetCapacity);
  Require(address.target[0] == '/');
  Require(Printable(address.host) && Printable(address.target));
  Require(strpbrk(address.host, "/?#@:") == nullptr);
  Require(address.port >= 1 && address.port <= 65535);
  Require(strchr(address.target, '#') == nullptr);

  // The address said again, with the fragment dropped, is the location.
  std::string said = location.substr(0, location.find('#'));
  if (said[0] == '/') {
    Require(strcmp(address.host, before.host) == 0 && address.port == before.port &&
            address.secure == before.secure);
    Require(said == address.target);
  } else {
    Require(address.secure == (said[4] == 's' || said[4] == 'S'));
    Require(address.secure || !before.secure);  // never back to plain HTTP
    std::string rest = said.substr(said.find("//") + 2);  // after the scheme
    size_t authority = rest.find_first_of("/?");
    std::string path = authority == std::string::npos ? "" : rest.substr(authority);
    if (path.empty() || path[0] == '?') path = "/" + path;
    Require(path == address.target);
    std::string host = rest.substr(0, rest.find_first_of(":/?"));
    Require(host == address.host);
  }
  return 0;
}

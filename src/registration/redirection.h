#pragma once
// Where a redirection of the vendor's host sends the exchange next. The
// exchange follows redirections itself, a bounded number of times: an
// internet library left to follow them may go round a loop for good.
#include "registration/request_target.h"

constexpr int kHostCapacity = 256;
// "https://", a host, ":" and a port, and a request target.
constexpr int kLocationCapacity = 8 + (kHostCapacity - 1) + 6 + kRequestTargetCapacity;

// A page of a web server.
struct WebAddress {
  char host[kHostCapacity];
  int port;
  bool secure;                          // reached over HTTPS
  char target[kRequestTargetCapacity];  // path and query, from "/"
};

// Reads a redirection's location into address, which holds the address of
// the request that was redirected: an absolute "http://host[:port][/path]"
// or "https://..." replaces it (port 80 or 443 unless given), a path from
// "/" keeps its host, port and scheme. A fragment ("#...") is dropped.
// Returns 1, or 0 with address unchanged when the location cannot be
// followed: another scheme or a relative path, plain HTTP after HTTPS, a
// user name, a bad port, a blank or control character, a part too long for
// its buffer.
int ReadRedirection(const char *location, WebAddress &address);

#pragma once
// A scripted internet client library: tests choose how far an exchange gets
// and what the server replies; the fake records the request exactly and
// every call, handle closes included.
#include <set>
#include <string>
#include <vector>

#include "platform/internet.h"

// The step at which the scripted exchange fails.
enum class InternetFailure { None, Load, Session, Connect, OpenRequest, Send, Read };

struct FakeInternet {
  // Inputs.
  InternetFailure failAt = InternetFailure::None;
  bool hasProbes = true;
  bool connected = true;
  std::string reply;  // bytes of the final page; may hold zero bytes
  // Locations the replies redirect to, one per request sent, before the
  // final page; with redirectForever the list starts over each time.
  std::vector<std::string> redirections;
  bool redirectForever = false;
  // The sends (counted from 1) the proxy refuses, asking for a password, and
  // whether the customer then types one and presses OK.
  std::set<int> refusedSends;
  bool passwordGiven = true;
  // The worker's time runs out while this send (counted from 1) is under way.
  int deadlineAtSend = 0;

  // Records.
  int loads = 0;
  std::vector<std::string> calls;  // in order, e.g. "session", "close request"
  std::string agent;
  std::string host;
  int port = 0;
  unsigned long connectContext = 0;
  std::string verb;
  std::string target;
  std::string version;
  unsigned long requestFlags = 0;
  unsigned long requestContext = 0;
  int readCapacity = 0;
  int requestsSent = 0;
  int repliesServed = 0;  // sends the proxy let through
  bool lastRefused = false;
  std::vector<WindowHandle> passwordDialogOwners;
  // "host:port target" of each request opened, " (https)" added for HTTPS.
  std::vector<std::string> requests;
  std::set<InternetHandle> openHandles;  // opened and not yet closed
};

// The one instance the fake uses; ResetFakeInternet() restores the defaults.
FakeInternet &FakeNet();
void ResetFakeInternet();

// The handle the fake's load returns.
InternetLibrary FakeInternetLibrary();

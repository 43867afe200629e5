// The exchange on any reply of the vendor's host: confirmed exactly when
// the phrase lies in the first 10239 bytes before any zero byte; every
// handle opened is closed.
#include <cstdint>
#include <cstring>
#include <string>

#include "fake_internet.h"
#include "fake_platform.h"
#include "fuzz_support.h"
#include "registration/confirmation.h"
#include "registration/internet_library.h"

namespace {

const char kPhrase[] = "Thank You for registering your";
constexpr size_t kReadLimit = 10239;

bool HoldsPhrase(const std::string &reply) {
  std::string read = reply.substr(0, kReadLimit);
  read = read.substr(0, read.find('\0'));
  return read.find(kPhrase) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  ResetFakePlatform();
  ResetFakeInternet();
  FakeNet().reply.assign(reinterpret_cast<const char *>(data), size);
  InternetLibraryHandle = FakeInternetLibrary();
  WebAddress address = {"www.velmora.com", 80, false, "/cgi-local/FormMail.cgi"};
  int result = FetchConfirmation(nullptr, address);
  Require(result == (HoldsPhrase(FakeNet().reply) ? kConfirmed : kNotConfirmed));
  Require(FakeNet().openHandles.empty());
  return 0;
}

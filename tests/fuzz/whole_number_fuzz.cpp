// Quantities typed into the order form: the whole number read from any text
// is the C library's reading of the same text, clamped to 32 bits.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "order/decimal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  const int value = ParseWholeNumber(text.c_str());
  // strtoll saturates at its own 64-bit ends, which clamp to the same 32-bit
  // ends; it reads a "0x" prefix and other bases only when asked to.
  const long long reference = strtoll(text.c_str(), nullptr, 10);
  const long long clamped = reference > INT_MAX   ? INT_MAX
                            : reference < INT_MIN ? INT_MIN
                                                  : reference;
  Require(value == clamped);
  return 0;
}

// Prices read from any text: the number ParseDecimal reads is the one the C
// library's own conversion reads from the same characters in the "C" locale,
// to the last bit, and the conversion reads all of those characters.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "order/decimal.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  setlocale(LC_ALL, "C");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  int length = -1;
  const double value = ParseDecimal(text.c_str(), &length);
  Require(length >= 0 && static_cast<size_t>(length) <= strlen(text.c_str()));
  if (length == 0) {
    Require(value == 0.0);
    return 0;
  }
  // The characters read, on their own: the C library must read all of them.
  const std::string read = text.substr(0, static_cast<size_t>(length));
  char *end = nullptr;
  const double reference = strtod(read.c_str(), &end);
  Require(end == read.c_str() + read.size());
  // Below the range both may give 0 or the nearest subnormal alike; equal
  // compares +0 and -0 as the same amount.
  Require(value == reference || (std::isnan(value) && std::isnan(reference)));
  return 0;
}

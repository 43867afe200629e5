// Amount texts for any double: never past their buffer, always terminated,
// cut as a prefix of the whole text at every capacity, padded to six
// characters on the side asked for, and, for a finite amount, two decimals
// that are the amount to within half a cent; below 1e14, exactly the
// hundredths of its 17 significant digits rounded half away from zero.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "order/decimal.h"

namespace {

std::string Trimmed(const std::string &text) {
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// The text for an amount below 1e14 by other means: the C library's 17
// significant digits as one whole number m and a power e, the amount being
// m * 10^(e-16), and the hundredths m / 10^(14-e) rounded half up in whole
// numbers.
std::string ReferenceText(double amount) {
  char digits[40];
  snprintf(digits, sizeof digits, "%.16e", std::fabs(amount));
  std::string mantissa;
  const char *at = digits;
  for (; *at != 'e'; ++at)
    if (*at != '.') mantissa += *at;
  const int power = atoi(at + 1);
  const unsigned long long m = strtoull(mantissa.c_str(), nullptr, 10);
  const int shift = 14 - power;  // 1 or more below 1e14
  unsigned long long cents = 0;
  if (shift <= 17) {
    unsigned long long unit = 1;
    for (int i = 0; i < shift; ++i) unit *= 10;
    cents = m / unit + (2 * (m % unit) >= unit ? 1 : 0);
  }
  char text[48];
  snprintf(text, sizeof text, "%s%llu.%02llu", std::signbit(amount) ? "-" : "", cents / 100,
           cents % 100);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < sizeof(double) + 1) return 0;
  double amount;
  memcpy(&amount, data, sizeof amount);
  const int capacity = data[sizeof amount];  // 0 to 255, with a guard behind

  char whole[kLongestAmountText];
  const int length = FormatAmount(amount, false, whole, sizeof whole);
  Require(length == static_cast<int>(strlen(whole)) && length >= 6);
  char left[kLongestAmountText];
  Require(FormatAmount(amount, true, left, sizeof left) == length);
  const std::string text = Trimmed(whole);
  Require(text == Trimmed(left) && text == std::string(left, text.size()));
  Require(std::string(whole).substr(static_cast<size_t>(length) - text.size()) == text);

  char cut[260];
  memset(cut, '#', sizeof cut);
  const int cutLength = FormatAmount(amount, false, cut, capacity);
  if (capacity > 0) {
    Require(cutLength == static_cast<int>(strlen(cut)) && cutLength < capacity);
    Require(std::string(whole, static_cast<size_t>(cutLength)) == cut);
  }
  for (size_t i = capacity; i < sizeof cut; ++i) Require(cut[i] == '#');

  if (!std::isfinite(amount)) return 0;
  if (std::fabs(amount) < 1e14) Require(text == ReferenceText(amount));
  const size_t point = text.find('.');
  Require(point != std::string::npos && point + 3 == text.size());
  const double shown = ParseDecimal(text.c_str());
  // The shown value is within half a cent of the amount's 17 digits, which
  // are themselves within a relative 1e-16 of the amount.
  const double slack = 0.005 + std::fabs(amount) * 2e-16 + std::fabs(shown) * 2e-16;
  Require(std::fabs(shown - amount) <= slack);
  return 0;
}

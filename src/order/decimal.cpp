#include "order/decimal.h"

#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int SkipDigits(const char *text, int at) {
  while (IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

double ParseDecimal(const char *text, int *length) {
  if (length != nullptr) *length = 0;
  if (text == nullptr) return 0.0;
  int at = 0;
  while (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')) ++at;
  const int start = at;
  if (text[at] == '+' || text[at] == '-') ++at;
  const int integerStart = at;
  at = SkipDigits(text, at);
  bool digits = at > integerStart;
  if (text[at] == '.') {
    const int fractionStart = at + 1;
    const int fractionEnd = SkipDigits(text, fractionStart);
    if (digits || fractionEnd > fractionStart) {
      digits = true;
      at = fractionEnd;
    }
  }
  if (!digits) return 0.0;
  if (text[at] == 'e' || text[at] == 'E') {
    int exponent = at + 1;
    if (text[exponent] == '+' || text[exponent] == '-') ++exponent;
    if (IsDigit(text[exponent])) at = SkipDigits(text, exponent);
  }
  if (length != nullptr) *length = at;
  // Only the characters of the number reach strtod, which reads them in the
  // "C" locale the program never leaves: no hexadecimal, no "inf" or "nan".
  return std::strtod(std::string(text + start, text + at).c_str(), nullptr);
}

#include "order/decimal.h"

#include <climits>
#include <cmath>
#include <string>

#include "order/exact_decimal.h"
#include "text/bounded.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int SkipBlanks(const char *text, int at) {
  while (IsBlank(text[at])) ++at;
  return at;
}

int SkipDigits(const char *text, int at) {
  while (IsDigit(text[at])) ++at;
  return at;
}

// The parts of a decimal number, as offsets into its text.
struct DecimalSpan {
  int sign;          // at the sign, or at the digits when there is none
  int digits;        // first digit or full stop
  int fractionDot;   // at the full stop, or -1
  int exponentSign;  // first character after the e, or -1
  int end;           // one past the number; 0 when there is none
};

DecimalSpan ScanDecimal(const char *text) {
  DecimalSpan span = {0, 0, -1, -1, 0};
  int at = SkipBlanks(text, 0);
  span.sign = at;
  if (text[at] == '+' || text[at] == '-') ++at;
  span.digits = at;
  at = SkipDigits(text, at);
  bool digits = at > span.digits;
  if (text[at] == '.') {
    const int fractionEnd = SkipDigits(text, at + 1);
    if (digits || fractionEnd > at + 1) {
      digits = true;
      span.fractionDot = at;
      at = fractionEnd;
    }
  }
  if (!digits) return span;
  if (text[at] == 'e' || text[at] == 'E') {
    int exponent = at + 1;
    if (text[exponent] == '+' || text[exponent] == '-') ++exponent;
    if (IsDigit(text[exponent])) {
      span.exponentSign = at + 1;
      at = SkipDigits(text, exponent);
    }
  }
  span.end = at;
  return span;
}

}  // namespace

double ParseDecimal(const char *text, int *length) {
  if (length != nullptr) *length = 0;
  if (text == nullptr) return 0.0;
  const DecimalSpan span = ScanDecimal(text);
  if (span.end == 0) return 0.0;
  if (length != nullptr) *length = span.end;
  const bool negative = text[span.sign] == '-';
  // Only the characters scanned above count, in no locale: a German system
  // reads "12.50" as twelve and a half too.
  const int mantissaEnd = span.exponentSign >= 0 ? span.exponentSign - 1 : span.end;
  std::string digits;
  long long power = 0;
  for (int at = span.digits; at < mantissaEnd; ++at) {
    if (text[at] == '.') continue;
    digits += text[at];
    if (span.fractionDot >= 0 && at > span.fractionDot) --power;
  }
  if (span.exponentSign >= 0) {
    int at = span.exponentSign;
    const bool negativeExponent = text[at] == '-';
    if (text[at] == '+' || text[at] == '-') ++at;
    long long exponent = 0;  // held at a million, far beyond any double's range
    for (; at < span.end; ++at)
      if (exponent < 1000000) exponent = exponent * 10 + (text[at] - '0');
    power += negativeExponent ? -exponent : exponent;
  }
  const double value = NearestDouble(digits.data(), static_cast<int>(digits.size()), power);
  return negative ? -value : value;
}

int ParseWholeNumber(const char *text) {
  if (text == nullptr) return 0;
  int at = SkipBlanks(text, 0);
  const bool negative = text[at] == '-';
  if (text[at] == '+' || text[at] == '-') ++at;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long value = 0;
  for (; IsDigit(text[at]); ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > limit) value = limit;  // clamped, and kept from overflowing
  }
  return static_cast<int>(negative ? -value : value);
}

int FormatAmount(double amount, bool leftAligned, char *dest, int capacity) {
  char text[kLongestAmountText] = "";
  if (std::isnan(amount)) {
    CopyText(text, sizeof text, "nan");
  } else if (std::isinf(amount)) {
    CopyText(text, sizeof text, amount < 0 ? "-inf" : "inf");
  } else {
    // 17 significant digits, exactly and in no locale.
    char digits[17];
    int power = 0;  // of the first digit
    SeventeenDigits(std::fabs(amount), digits, &power);
    const int count = 17;

    // The whole number of hundredths, as decimal digits: the digits down to
    // the second decimal, rounded up when the next one is 5 or more.
    const int kept = power + 3;  // digits up to and including the hundredths
    char cents[kLongestAmountText];
    int centCount = 0;
    for (int i = 0; i < kept; ++i) cents[centCount++] = i < count ? digits[i] : '0';
    const bool roundUp = kept >= 0 && kept < count && digits[kept] >= '5';
    if (roundUp) {
      int i = centCount - 1;
      for (; i >= 0 && cents[i] == '9'; --i) cents[i] = '0';
      if (i >= 0) {
        ++cents[i];
      } else {  // 9.995 becomes 10.00: one digit more in front
        for (int j = centCount; j > 0; --j) cents[j] = cents[j - 1];
        cents[0] = '1';
        ++centCount;
      }
    }
    // At least three digits: 0.05 is "005".
    while (centCount < 3) {
      for (int j = centCount; j > 0; --j) cents[j] = cents[j - 1];
      cents[0] = '0';
      ++centCount;
    }
    int length = 0;
    // As with printf, a negative amount keeps its sign when it rounds to 0.
    if (std::signbit(amount)) text[length++] = '-';
    for (int i = 0; i < centCount - 2; ++i) text[length++] = cents[i];
    text[length++] = '.';
    text[length++] = cents[centCount - 2];
    text[length++] = cents[centCount - 1];
    text[length] = '\0';
  }
  char padded[kLongestAmountText + 8];
  FormatText(padded, sizeof padded, leftAligned ? "%-6s" : "%6s", text);
  return CopyText(dest, capacity, padded);
}

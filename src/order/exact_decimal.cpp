#include "order/exact_decimal.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// A whole number of up to 4608 bits, least significant word first. Enough
// for 780 digits shifted past 10^1105 and for a double's whole expansion.
constexpr int kWords = 144;
struct Whole {
  uint32_t word[kWords];
  int count;  // words in use; the highest one is not 0
};

// Digits beyond these cannot move the result across the midpoint between two
// doubles (at most 767 significant digits): the rest counts as one more digit.
constexpr int kMostDigits = 780;

void SetSmall(Whole &n, uint32_t value) {
  n.count = value != 0 ? 1 : 0;
  n.word[0] = value;
}

// n = n * factor + add
void MultiplyAdd(Whole &n, uint32_t factor, uint32_t add) {
  uint64_t carry = add;
  for (int i = 0; i < n.count; ++i) {
    const uint64_t product = static_cast<uint64_t>(n.word[i]) * factor + carry;
    n.word[i] = static_cast<uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0 && n.count < kWords) n.word[n.count++] = static_cast<uint32_t>(carry);
}

void MultiplyByPower(Whole &n, int base, int exponent) {
  const uint32_t step = base == 10 ? 1000000000u : 1220703125u;  // 10^9, 5^13
  const int stepExponent = base == 10 ? 9 : 13;
  for (; exponent >= stepExponent; exponent -= stepExponent) MultiplyAdd(n, step, 0);
  uint32_t rest = 1;
  for (; exponent > 0; --exponent) rest *= static_cast<uint32_t>(base);
  MultiplyAdd(n, rest, 0);
}

int BitLength(const Whole &n) {
  if (n.count == 0) return 0;
  int bits = 32 * (n.count - 1);
  for (uint32_t top = n.word[n.count - 1]; top != 0; top >>= 1) ++bits;
  return bits;
}

void ShiftLeft(Whole &n, int bits) {
  if (n.count == 0 || bits <= 0) return;
  const int words = bits / 32;
  const int rest = bits % 32;
  int count = n.count + words + 1;
  if (count > kWords) count = kWords;
  for (int i = count - 1; i >= 0; --i) {
    const int from = i - words;
    uint32_t high = from >= 0 && from < n.count ? n.word[from] : 0;
    uint32_t low = from - 1 >= 0 && from - 1 < n.count ? n.word[from - 1] : 0;
    n.word[i] = rest == 0 ? high : (high << rest) | (low >> (32 - rest));
  }
  n.count = count;
  while (n.count > 0 && n.word[n.count - 1] == 0) --n.count;
}

void ShiftRightOne(Whole &n) {
  for (int i = 0; i < n.count; ++i)
    n.word[i] = (n.word[i] >> 1) | (i + 1 < n.count ? n.word[i + 1] << 31 : 0);
  while (n.count > 0 && n.word[n.count - 1] == 0) --n.count;
}

int Compare(const Whole &a, const Whole &b) {
  if (a.count != b.count) return a.count < b.count ? -1 : 1;
  for (int i = a.count - 1; i >= 0; --i)
    if (a.word[i] != b.word[i]) return a.word[i] < b.word[i] ? -1 : 1;
  return 0;
}

// a -= b, with a >= b
void Subtract(Whole &a, const Whole &b) {
  int64_t borrow = 0;
  for (int i = 0; i < a.count; ++i) {
    int64_t difference = static_cast<int64_t>(a.word[i]) - (i < b.count ? b.word[i] : 0) - borrow;
    borrow = difference < 0 ? 1 : 0;
    a.word[i] = static_cast<uint32_t>(difference + (borrow << 32));
  }
  while (a.count > 0 && a.word[a.count - 1] == 0) --a.count;
}

// n /= divisor; returns the remainder.
uint32_t DivideSmall(Whole &n, uint32_t divisor) {
  uint64_t remainder = 0;
  for (int i = n.count - 1; i >= 0; --i) {
    const uint64_t part = (remainder << 32) | n.word[i];
    n.word[i] = static_cast<uint32_t>(part / divisor);
    remainder = part % divisor;
  }
  while (n.count > 0 && n.word[n.count - 1] == 0) --n.count;
  return static_cast<uint32_t>(remainder);
}

// numerator / denominator rounded to the nearest double (ties to even).
double NearestQuotient(Whole &numerator, Whole &denominator) {
  // Scaled so the quotient q has at least 55 bits: 53 kept, one to round by,
  // and the remainder and the bits below tell a tie from above it.
  const int scale = 55 + BitLength(denominator) - BitLength(numerator);
  ShiftLeft(numerator, scale);
  ShiftLeft(denominator, -scale);
  const int quotientBits = BitLength(numerator) - BitLength(denominator) + 1;
  ShiftLeft(denominator, quotientBits - 1);
  uint64_t q = 0;  // 55 or 56 bits
  for (int i = 0; i < quotientBits; ++i) {
    q <<= 1;
    if (Compare(numerator, denominator) >= 0) {
      Subtract(numerator, denominator);
      q |= 1;
    }
    ShiftRightOne(denominator);
  }
  const bool sticky = numerator.count != 0;
  // The value is q x 2^-scale; its last kept bit stands for 2^unit.
  int length = 0;
  for (uint64_t rest = q; rest != 0; rest >>= 1) ++length;
  const int exponent = length - 1 - scale;  // of the leading bit
  int unit = exponent - 52;
  if (unit < -1074) unit = -1074;  // a subnormal keeps fewer bits
  const int dropped = unit + scale;
  if (dropped >= 64) return 0.0;
  uint64_t kept = q >> dropped;
  const uint64_t below = q & ((uint64_t(1) << dropped) - 1);
  const uint64_t half = uint64_t(1) << (dropped - 1);
  if (below > half || (below == half && (sticky || (kept & 1) != 0))) ++kept;
  if (unit > 971) return HUGE_VAL;
  return std::ldexp(static_cast<double>(kept), unit);
}

}  // namespace

double NearestDouble(const char *digits, int count, long long power) {
  int first = 0;
  while (first < count && digits[first] == '0') ++first;
  int last = count;
  while (last > first && digits[last - 1] == '0') {
    --last;
    ++power;
  }
  const int significant = last - first;
  if (significant == 0) return 0.0;
  // The number lies in [10^(significant + power - 1), 10^(significant + power)).
  if (significant + power > 310) return HUGE_VAL;
  if (significant + power <= -324) return 0.0;
  Whole numerator;
  SetSmall(numerator, 0);
  const int used = significant < kMostDigits ? significant : kMostDigits;
  for (int i = 0; i < used; ++i)
    MultiplyAdd(numerator, 10, static_cast<uint32_t>(digits[first + i] - '0'));
  power += significant - used;
  if (used < significant) {  // a digit that is not 0 follows: one more, of 1
    MultiplyAdd(numerator, 10, 1);
    --power;
  }
  Whole denominator;
  SetSmall(denominator, 1);
  if (power >= 0)
    MultiplyByPower(numerator, 10, static_cast<int>(power));
  else
    MultiplyByPower(denominator, 10, static_cast<int>(-power));
  return NearestQuotient(numerator, denominator);
}

void SeventeenDigits(double value, char (&digits)[17], int *power) {
  memset(digits, '0', sizeof digits);
  *power = 0;
  if (value == 0.0) return;
  // value = mantissa x 2^exponent, exactly.
  int exponent = 0;
  const double fraction = std::frexp(value, &exponent);
  uint64_t mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  // A whole number n and a count of decimals d with value = n / 10^d:
  // m x 2^e, or m x 5^-e / 10^-e.
  Whole n;
  SetSmall(n, static_cast<uint32_t>(mantissa));
  if (mantissa >> 32 != 0) {
    n.word[1] = static_cast<uint32_t>(mantissa >> 32);
    n.count = 2;
  }
  int decimals = 0;
  if (exponent >= 0) {
    ShiftLeft(n, exponent);
  } else {
    MultiplyByPower(n, 5, -exponent);
    decimals = -exponent;
  }
  // Its decimal digits, most significant first.
  char all[1100];
  int count = 0;
  char group[9];
  while (n.count != 0) {
    uint32_t part = DivideSmall(n, 1000000000u);
    for (int i = 8; i >= 0; --i, part /= 10) group[i] = static_cast<char>('0' + part % 10);
    memmove(all + 9, all, static_cast<size_t>(count));
    memcpy(all, group, 9);
    count += 9;
  }
  int first = 0;
  while (first < count - 1 && all[first] == '0') ++first;
  *power = count - first - 1 - decimals;
  // Rounded at the 17th digit: up above half, and at exactly half when the
  // 17th is odd.
  char kept[18];
  for (int i = 0; i < 17; ++i) kept[i + 1] = first + i < count ? all[first + i] : '0';
  kept[0] = '0';
  bool up = false;
  if (first + 17 < count) {
    const char next = all[first + 17];
    bool beyond = false;
    for (int i = first + 18; i < count && !beyond; ++i) beyond = all[i] != '0';
    up = next > '5' || (next == '5' && (beyond || (kept[17] - '0') % 2 == 1));
  }
  if (up) {
    int i = 17;
    for (; kept[i] == '9'; --i) kept[i] = '0';
    ++kept[i];
  }
  const int start = kept[0] != '0' ? 0 : 1;  // 9.99..95 became 10.0..0
  if (start == 0) ++*power;
  memcpy(digits, kept + start, 17);
}

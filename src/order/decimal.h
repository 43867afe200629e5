#pragma once
// Numbers in the settings file and the order form are decimal texts, read
// and written the same way on every system, whatever its regional settings.

// The leading decimal number of the text: blanks skipped, an optional sign,
// digits with an optional full stop and fraction, an optional exponent (e or
// E, optional sign, digits); the rest of the text is ignored. The digits
// give the nearest double. A text without digits is 0.0; a magnitude beyond
// the double range is an infinity of its sign, one too small is 0.0.
// *length, when given, gets the count of characters read, blanks included
// (0 when there was no number).
double ParseDecimal(const char *text, int *length = nullptr);

// The leading whole number of the text: blanks skipped, an optional sign,
// decimal digits up to the first other character. No digits give 0; a value
// beyond the signed 32-bit range is clamped to its nearer end.
int ParseWholeNumber(const char *text);

// Room for any amount text: a double's 309 integer digits, sign, point and
// two decimals.
constexpr int kLongestAmountText = 320;

// The amount as "%6.2f" writes it (or "%-6.2f" when leftAligned), into dest
// cut to capacity - 1 characters: written with 17 significant digits, then
// rounded at the second decimal, half away from zero, so 4.125 shows as
// 4.13 and 2.675 (held as slightly less) as 2.67. Infinities and NaN show as
// "inf", "-inf" and "nan". Returns the length stored.
int FormatAmount(double amount, bool leftAligned, char *dest, int capacity);

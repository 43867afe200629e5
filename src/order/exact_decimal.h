#pragma once
// Exact conversions between decimal digits and doubles, worked out in whole
// numbers of a few thousand bits, so every build on every system gives the
// same bits and the same digits.

// The double nearest to digits x 10^power (ties to the even one), digits
// being `count` decimal digits (no sign, no point): an infinity beyond the
// double range, 0 below its half-smallest value.
double NearestDouble(const char *digits, int count, long long power);

// The 17 significant digits of a finite double of 0 or more, rounded to the
// nearest (ties to the even one), into digits (no terminator); *power gets
// the power of ten of the first digit: 4.125 is "41250000000000000", 0.
void SeventeenDigits(double value, char (&digits)[17], int *power);

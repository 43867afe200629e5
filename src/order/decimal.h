#pragma once
// Prices in the settings file are decimal texts.

// The leading decimal number of the text: blanks skipped, an optional sign,
// digits with an optional full stop and fraction, an optional exponent (e or
// E, optional sign, digits); the rest of the text is ignored. A text without
// digits is 0.0. *length, when given, gets the count of characters read,
// blanks included (0 when there was no number).
double ParseDecimal(const char *text, int *length = nullptr);

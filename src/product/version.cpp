#include "product/version.h"

#include <cctype>
#include <cstring>

namespace {

constexpr int kMaxNumbers = 8;
constexpr int kMaxWordLength = 8;

struct Version {
  unsigned long long numbers[kMaxNumbers];
  bool labelled;                   // a pre-release: before the same numbers without a label
  char word[kMaxWordLength + 1];   // the label's word, in lower case
  unsigned long long labelNumber;  // the number after it, 0 when none
};

bool IsDigit(char letter) { return isdigit(static_cast<unsigned char>(letter)) != 0; }
bool IsLetter(char letter) { return isalpha(static_cast<unsigned char>(letter)) != 0; }

// A run of digits, capped where it would no longer fit.
unsigned long long ReadNumber(const char *&text) {
  unsigned long long number = 0;
  for (; IsDigit(*text); ++text)
    number = number < 100000000000000000ULL ? number * 10 + static_cast<unsigned>(*text - '0')
                                            : number;
  return number;
}

// The word of letters at `text` in lower case; its length, or 0 when it is
// too long to be one of the words looked for.
int ReadWord(const char *text, char (&word)[kMaxWordLength + 1]) {
  int length = 0;
  while (IsLetter(text[length])) {
    if (length == kMaxWordLength) return 0;
    word[length] = static_cast<char>(tolower(static_cast<unsigned char>(text[length])));
    ++length;
  }
  word[length] = '\0';
  return length;
}

bool IsReleaseLabel(const char *word, const char *after) {
  static const char *const kLabels[] = {"alpha", "beta", "rc", "pre", "preview", "dev"};
  for (const char *label : kLabels)
    if (strcmp(word, label) == 0) return true;
  // "2.1b2": a single letter counts only before a number.
  return (strcmp(word, "a") == 0 || strcmp(word, "b") == 0) && IsDigit(*after);
}

// Blanks and at most one of ".-_" between a version's parts.
const char *SkipSeparator(const char *text) {
  while (*text == ' ') ++text;
  if (*text == '.' || *text == '-' || *text == '_') ++text;
  while (*text == ' ') ++text;
  return text;
}

// " build 7" after the numbers: where its number starts, else nullptr.
const char *BuildNumber(const char *text) {
  while (*text == ' ') ++text;
  char word[kMaxWordLength + 1];
  const int length = ReadWord(text, word);
  if (length == 0 || strcmp(word, "build") != 0) return nullptr;
  const char *number = SkipSeparator(text + length);
  return IsDigit(*number) ? number : nullptr;
}

Version ReadVersion(const char *text) {
  Version version = {};
  while (*text != '\0' && !IsDigit(*text)) ++text;
  for (int count = 0; IsDigit(*text);) {
    const unsigned long long number = ReadNumber(text);
    if (count < kMaxNumbers) version.numbers[count++] = number;
    if ((*text == '.' || *text == ',') && IsDigit(text[1])) {
      ++text;
    } else if (const char *build = BuildNumber(text)) {
      text = build;
    }
  }
  const char *label = *text == ' ' || *text == '-' || *text == '_' || *text == '.'
                          ? SkipSeparator(text)
                          : text;
  const int length = ReadWord(label, version.word);
  if (length == 0 || !IsReleaseLabel(version.word, label + length)) return version;
  version.labelled = true;
  const char *number = SkipSeparator(label + length);
  if (IsDigit(*number)) version.labelNumber = ReadNumber(number);
  return version;
}

int Sign(long long difference) { return (difference > 0) - (difference < 0); }

int CompareNumbers(unsigned long long a, unsigned long long b) { return (a > b) - (a < b); }

}  // namespace

int CompareVersions(const char *left, const char *right) {
  const Version a = ReadVersion(left), b = ReadVersion(right);
  for (int i = 0; i < kMaxNumbers; ++i)
    if (a.numbers[i] != b.numbers[i]) return CompareNumbers(a.numbers[i], b.numbers[i]);
  if (a.labelled != b.labelled) return a.labelled ? -1 : 1;
  if (!a.labelled) return 0;
  const int words = strcmp(a.word, b.word);
  return words != 0 ? Sign(words) : CompareNumbers(a.labelNumber, b.labelNumber);
}

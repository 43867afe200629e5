#include <gtest/gtest.h>

#include "fake_platform.h"
#include "text/characters.h"

namespace {

const AnsiSpelling kSingleByte;
const AnsiSpelling kUtf8 = {true, nullptr};

TEST(Characters, CutsKeepRoomForTheEndAndNeverSplitACharacter) {
  const char *kana = "ab\x82\xA0\x82\xA2z";  // a, b, two double-byte characters, z
  const char *utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a, e acute, euro, an emoji
  const struct {
    const char *text;
    std::size_t capacity;
    const AnsiSpelling &spelling;
    std::size_t length;
  } cases[] = {
      {kana, 0, kFakeShiftJis, 0},   {kana, 1, kFakeShiftJis, 0},
      {kana, 3, kFakeShiftJis, 2},   {kana, 4, kFakeShiftJis, 2},  // not half of the first
      {kana, 5, kFakeShiftJis, 4},   {kana, 6, kFakeShiftJis, 4},
      {kana, 7, kFakeShiftJis, 6},   {kana, 8, kFakeShiftJis, 7},
      {kana, 100, kFakeShiftJis, 7}, {kana, 4, kSingleByte, 3},
      {"\x82", 5, kFakeShiftJis, 0},  // a lead byte without its second byte
      {"", 5, kFakeShiftJis, 0},     {nullptr, 5, kFakeShiftJis, 0},
      // Code page 65001: characters of one to four bytes.
      {utf8, 2, kUtf8, 1},  {utf8, 3, kUtf8, 1},  {utf8, 4, kUtf8, 3},   {utf8, 6, kUtf8, 3},
      {utf8, 7, kUtf8, 6},  {utf8, 10, kUtf8, 6}, {utf8, 11, kUtf8, 10}, {utf8, 4, kSingleByte, 3},
      {"\xE2\x82x", 3, kUtf8, 2},  // bytes that start no character go one by one
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.length, CutLength(c.text, c.capacity, c.spelling)) << c.capacity;
}

TEST(Characters, SeparatorsAreWholeCharacters) {
  // In code page 932 "\x83\x5C" is one letter, not a letter and a "\".
  const char *path = "C:\\Tools\\\x83\x5C.exe";
  const struct {
    const char *text;
    const AnsiSpelling &spelling;
    int from;
    int found;
  } cases[] = {
      {path, kFakeShiftJis, 0, 8},     {path, kSingleByte, 0, 10},
      {"C:\\\x95\x5C", kFakeShiftJis, 0, 2}, {"\x95\x5C", kFakeShiftJis, 1, -1},
      {"a\xC3\xA9\\b", kUtf8, 0, 3},    {"C:x", kSingleByte, 0, 1},
      {"\\x", kSingleByte, 0, 0},       {"\\x", kSingleByte, 1, -1},
      {"", kSingleByte, 0, -1},         {nullptr, kSingleByte, 0, -1},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.found, LastSeparator(c.text, "\\:", c.spelling, c.from)) << c.text;
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ansi_text.h"

namespace {

struct DecodeCase {
  const char *bytes;
  const char *ansi;
  std::vector<int> unshownLines;
};

TEST(TemplateText, ReadsUtf8AndAnsiFilesIntoTheCodePage) {
  const DecodeCase cases[] = {
      {"plain\n", "plain\n", {}},
      {"\xEF\xBB\xBFmarked\n", "marked\n", {}},
      // Notepad's UTF-8, with and without the mark.
      {"\xC2\xA9 2026 Caf\xC3\xA9", "\xA9 2026 Caf\xE9", {}},
      {"\xEF\xBB\xBF\xC2\xA9", "\xA9", {}},
      // Windows-1252's own letters above 0x7F, with and without their UTF-8 form.
      {"\xE2\x82\xAC 5 \xE2\x80\x93 \xE2\x80\x9Cyes\xE2\x80\x9D", "\x80 5 \x96 \x93yes\x94", {}},
      {"Caf\xE9 \x80 5", "Caf\xE9 \x80 5", {}},  // not UTF-8: ANSI already
      // What the code page lacks becomes "?", one per character, by line.
      {"a\n\xCE\xA9\r\nb\n\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80\n", "a\n?\r\nb\n?? ?\n", {2, 4}},
      {"\xEF\xBB\xBF\xC2\x81", "?", {1}},  // a C1 control is not a letter
  };
  for (const DecodeCase &c : cases) {
    std::string ansi;
    std::vector<int> unshown;
    vorm::TemplateError error;
    ASSERT_TRUE(vorm::DecodeTemplateText(c.bytes, ansi, unshown, error)) << c.bytes;
    EXPECT_EQ(c.ansi, ansi) << c.bytes;
    EXPECT_EQ(c.unshownLines, unshown) << c.bytes;
  }
}

TEST(TemplateText, AMarkedFileMustBeUtf8Throughout) {
  std::string ansi;
  std::vector<int> unshown;
  vorm::TemplateError error;
  EXPECT_FALSE(vorm::DecodeTemplateText("\xEF\xBB\xBF[template]\nname = Caf\xE9\n", ansi, unshown,
                                        error));
  EXPECT_EQ(2, error.line);
  EXPECT_NE(std::string::npos, error.reason.find("not UTF-8")) << error.reason;
}

TEST(TemplateText, FindsTheFirstByteThatIsNotUtf8) {
  const struct {
    std::string text;
    std::size_t invalid;
  } cases[] = {
      {"", std::string::npos},
      {"ascii", std::string::npos},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", std::string::npos},
      {"a\xC0\xAF", 1},          // overlong "/"
      {"\xE0\x80\x80", 0},       // overlong in three bytes
      {"ab\xED\xA0\x80", 2},     // a surrogate
      {"\xF4\x90\x80\x80", 0},   // above U+10FFFF
      {"\xF5\x80\x80\x80", 0},
      {"x\xE2\x82", 1},          // cut short
      {"\xC3\xA9\x80", 2},       // a stray continuation byte
      {"\xC3(", 0},
  };
  for (const auto &c : cases) EXPECT_EQ(c.invalid, vorm::FirstInvalidUtf8(c.text)) << c.text;
}

bool IsShiftJisLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

const AnsiSpelling ShiftJisLead = {false, IsShiftJisLead}, NoLead, Utf8 = {true, nullptr};

TEST(CutLength, KeepsRoomForTheEndAndNeverSplitsACharacter) {
  const char *kana = "ab\x82\xA0\x82\xA2z";  // a, b, two double-byte characters, z
  const char *utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // 1, 2, 3 and 4 bytes
  const struct {
    const char *text;
    std::size_t capacity;
    const AnsiSpelling &lead;
    std::size_t length;
  } cases[] = {
      {kana, 0, ShiftJisLead, 0},   {kana, 1, ShiftJisLead, 0},
      {kana, 3, ShiftJisLead, 2},   {kana, 4, ShiftJisLead, 2},  // not half of the first
      {kana, 5, ShiftJisLead, 4},   {kana, 6, ShiftJisLead, 4},
      {kana, 7, ShiftJisLead, 6},   {kana, 8, ShiftJisLead, 7},
      {kana, 100, ShiftJisLead, 7}, {kana, 4, NoLead, 3},
      {"\x82", 5, ShiftJisLead, 0},  // a lead byte without its second byte
      {"", 5, ShiftJisLead, 0},     {nullptr, 5, ShiftJisLead, 0},
      // Code page 65001; bytes that start no character go one by one.
      {utf8, 3, Utf8, 1}, {utf8, 4, Utf8, 3}, {utf8, 7, Utf8, 6}, {utf8, 10, Utf8, 6},
      {utf8, 11, Utf8, 10}, {utf8, 4, NoLead, 3}, {"\xE2\x82x", 3, Utf8, 2},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.length, CutLength(c.text, c.capacity, c.lead)) << c.capacity;
}

}  // namespace

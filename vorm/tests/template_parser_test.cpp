#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "template.h"

namespace {

using vorm::Element;
using vorm::ElementKind;
using vorm::Template;
using vorm::TemplateError;

const char kHeader[] = "[template]\nname = T\nsize = 400, 300\n";

Template MustParse(const std::string &text) {
  Template form;
  TemplateError error;
  EXPECT_TRUE(vorm::ParseTemplate(text, form, error)) << vorm::DescribeTemplateError(error);
  return form;
}

TemplateError MustFail(const std::string &text) {
  Template form;
  TemplateError error;
  EXPECT_FALSE(vorm::ParseTemplate(text, form, error)) << text;
  return error;
}

TEST(TemplateParser, ReadsEveryKindOfElement) {
  Template form = MustParse(
      "; a comment\n"
      "[template]\n"
      "name = Order\n"
      "title = Order Form\n"
      "size = 600, 420\n"
      "background = #F0f4FA\n"
      "color = #102030\n"
      "font = Segoe UI, 9\n"
      "[panel]\nat = 0, 0, 600, 60\ncolor = #1F3A73\n"
      "[image]\nfile = logo.bmp\nat = 10, 10\n"
      "[label]\ntext = &Quantity:\nat = 10, 80, 100, 16\nbold = yes\nsize = 14\n"
      "color = #FFFFFF\nbackground = #000000\nalign = right\nname = caption\n"
      "[edit]\nname = qty_1\nat = 120, 78, 60, 22\nmaxlength = 4\nalign = right\n"
      "[edit]\nname = line_1\nat = 200, 78, 80, 22\nreadonly = yes\n"
      "[group]\ntext = Payment\nat = 10, 120, 300, 80\n"
      "[radio]\ngroup = 1\nname = Check\ntext = C&heck\nat = 20, 140, 100, 18\nselected = yes\n"
      "[radio]\ngroup = 1\nname = American Express\ntext = American Express\nat = 20, 160, 140, 18\n"
      "[separator]\nat = 0, 300, 600\ncolor = #C0C0C0\n"
      "[button]\nname = print\ntext = &Print\nat = 10, 380, 90, 26\ncommand = 3094\ndefault = yes\n"
      "[button]\nname = back\ntext = Back\nat = 110, 380, 90, 26\ngoto = buyer.vrm\n"
      "[button]\nname = exit\ntext = Exit\nat = 210, 380, 90, 26\nclose = yes\n");
  EXPECT_EQ("Order", form.name);
  EXPECT_EQ("Order Form", form.title);
  EXPECT_EQ(600, form.width);
  EXPECT_EQ(420, form.height);
  EXPECT_EQ(0xF0F4FAu, form.background);
  EXPECT_EQ(0x102030u, form.color);
  EXPECT_EQ("Segoe UI", form.fontFace);
  EXPECT_EQ(9, form.fontPoints);
  ASSERT_EQ(12u, form.elements.size());

  const Element &panel = form.elements[0];
  EXPECT_EQ(ElementKind::Panel, panel.kind);
  EXPECT_EQ(0x1F3A73u, panel.color);
  EXPECT_EQ(60, panel.height);

  const Element &image = form.elements[1];
  EXPECT_EQ(ElementKind::Image, image.kind);
  EXPECT_EQ("logo.bmp", image.target);
  EXPECT_EQ(0, image.width);  // the bitmap's own size

  const Element &label = form.elements[2];
  EXPECT_EQ(ElementKind::Label, label.kind);
  EXPECT_EQ("&Quantity:", label.text);
  EXPECT_TRUE(label.bold);
  EXPECT_EQ(14, label.points);
  EXPECT_EQ(0xFFFFFFu, label.color);
  EXPECT_EQ(0u, label.background);
  EXPECT_EQ(vorm::Align::Right, label.align);
  EXPECT_EQ(15, label.line);

  const Element &qty = form.elements[3];
  EXPECT_EQ(ElementKind::Edit, qty.kind);
  EXPECT_EQ(4, qty.maxLength);
  EXPECT_FALSE(qty.readOnly);
  EXPECT_EQ(vorm::Align::Right, qty.align);
  EXPECT_EQ(120, qty.x);
  EXPECT_EQ(78, qty.y);
  EXPECT_EQ(60, qty.width);
  EXPECT_EQ(22, qty.height);
  EXPECT_TRUE(form.elements[4].readOnly);

  EXPECT_EQ(ElementKind::Group, form.elements[5].kind);
  EXPECT_EQ(1, form.elements[6].group);
  EXPECT_TRUE(form.elements[6].selected);
  EXPECT_EQ("American Express", form.elements[7].name);
  EXPECT_FALSE(form.elements[7].selected);

  const Element &line = form.elements[8];
  EXPECT_EQ(ElementKind::Separator, line.kind);
  EXPECT_EQ(600, line.width);

  EXPECT_EQ(vorm::ButtonAction::Command, form.elements[9].action);
  EXPECT_EQ(3094, form.elements[9].command);
  EXPECT_TRUE(form.elements[9].isDefault);
  EXPECT_EQ(vorm::ButtonAction::Goto, form.elements[10].action);
  EXPECT_EQ("buyer.vrm", form.elements[10].target);
  EXPECT_EQ(vorm::ButtonAction::Close, form.elements[11].action);
}

TEST(TemplateParser, FillsInDefaults) {
  Template form = MustParse(std::string(kHeader) +
                            "[edit]\nname = a\nat = 0, 0, 10, 10\n"
                            "[label]\ntext = x\nat = 0, 0, 10, 10\n");
  EXPECT_EQ("T", form.title);  // the name doubles as the title
  EXPECT_EQ(0xFFFFFFu, form.background);
  EXPECT_EQ(0u, form.color);
  EXPECT_TRUE(form.fontFace.empty());
  EXPECT_EQ(255, form.elements[0].maxLength);
  EXPECT_EQ(vorm::Align::Left, form.elements[0].align);
  EXPECT_EQ(vorm::kNoColor, form.elements[1].color);
  EXPECT_EQ(vorm::kNoColor, form.elements[1].background);
  EXPECT_EQ(0, form.elements[1].points);
}

TEST(TemplateParser, AcceptsTheWaysEditorsWriteFiles) {
  // Byte order mark, CRLF, tabs, upper-case sections and keys, quotes,
  // comments with ; and #, and a last line without a newline.
  Template form = MustParse(
      "\xEF\xBB\xBF[TEMPLATE]\r\n\tName\t=\tT\r\nSIZE=400,300\r\n# note\r\n"
      "[Label]\r\ntext = \"  two blanks  \"\r\nAt = 1,2,3,4");
  ASSERT_EQ(1u, form.elements.size());
  EXPECT_EQ("  two blanks  ", form.elements[0].text);
  EXPECT_EQ(4, form.elements[0].height);
  EXPECT_EQ(5, form.elements[0].line);
}

TEST(TemplateParser, TakesUtf8TextsIntoTheAnsiCodePage) {
  // As Notepad saves it: UTF-8 with the mark, here with Windows-1252 as the
  // code page of the native build.
  Template form = MustParse(
      "\xEF\xBB\xBF[template]\nname = Caf\xC3\xA9\ntitle = \xC2\xA9 2026 Caf\xC3\xA9\n"
      "size = 400, 300\nfont = \"Seg\xC3\xB6" "e\", 9\n"
      "[label]\ntext = Stra\xC3\x9F" "e \xE2\x80\x93 \xCE\xA9\nat = 0, 0, 10, 10\n"
      "[button]\nname = n\xC3\xA4" "chste\ntext = &\xC3\x84nderung\nat = 0, 0, 10, 10\n"
      "goto = \xC3\xBC" "ber.vrm\n");
  EXPECT_EQ("Caf\xE9", form.name);
  EXPECT_EQ("\xA9 2026 Caf\xE9", form.title);
  EXPECT_EQ("Seg\xF6" "e", form.fontFace);
  EXPECT_EQ("Stra\xDF" "e \x96 ?", form.elements[0].text);  // no omega in the code page
  EXPECT_EQ("n\xE4" "chste", form.elements[1].name);
  EXPECT_EQ("&\xC4nderung", form.elements[1].text);
  EXPECT_EQ("\xFC" "ber.vrm", form.elements[1].target);
  EXPECT_EQ(std::vector<int>{7}, form.unshownLines);
  // The same letters written in the code page itself stay as they are.
  EXPECT_EQ("Caf\xE9", MustParse("[template]\nname = Caf\xE9\nsize = 400, 300\n").name);
}

TEST(TemplateParser, QuotesAreDroppedFromEveryValue) {
  Template form = MustParse(
      "[template]\nname = \"T\"\nsize = \"400, 300\"\nbackground = \"#102030\"\n"
      "font = \"Segoe UI\", 9\n"
      "[image]\nfile = \"my logo.bmp\"\nat = \"1, 2\"\n"
      "[button]\nname = \"b\"\ntext = \"  B  \"\nat = 0, 0, 10, 10\ngoto = \"next screen.vrm\"\n"
      "default = \"yes\"\n");
  EXPECT_EQ("T", form.name);
  EXPECT_EQ(400, form.width);
  EXPECT_EQ(0x102030u, form.background);
  EXPECT_EQ("Segoe UI", form.fontFace);
  EXPECT_EQ("my logo.bmp", form.elements[0].target);
  EXPECT_EQ(2, form.elements[0].y);
  EXPECT_EQ("b", form.elements[1].name);
  EXPECT_EQ("  B  ", form.elements[1].text);
  EXPECT_EQ("next screen.vrm", form.elements[1].target);
  EXPECT_TRUE(form.elements[1].isDefault);
  EXPECT_EQ("Tahoma", MustParse("[template]\nname = T\nsize = 9, 9\nfont = \"Tahoma, 8\"\n").fontFace);
}

TEST(TemplateParser, NamesFieldsIgnoringCase) {
  Template form = MustParse(std::string(kHeader) +
                            "[edit]\nname = reg_city\nat = 0, 0, 10, 10\n"
                            "[radio]\ngroup = 1\nname = Visa\ntext = Visa\nat = 0, 0, 10, 10\n");
  EXPECT_EQ(&form.elements[0], vorm::FindNamedElement(form, "REG_CITY"));
  EXPECT_EQ(&form.elements[1], vorm::FindNamedElement(form, "visa"));
  EXPECT_EQ(nullptr, vorm::FindNamedElement(form, ""));
  EXPECT_EQ(nullptr, vorm::FindNamedElement(form, nullptr));
  EXPECT_EQ(nullptr, vorm::FindNamedElement(form, "reg_cit"));
}

struct BadCase {
  const char *body;  // appended to kHeader unless it starts a [template]
  int line;
  const char *reason;
};

TEST(TemplateParser, RejectsBadInputWithLineAndReason) {
  const BadCase cases[] = {
      {"[widget]\n", 4, "unknown section [widget]"},
      {"[label\n", 4, "a section header must end with ]"},
      {"[label]\ncolour = #FFFFFF\n", 5, "unknown key \"colour\" in [label]"},
      // Two keys joined by a blank are neither of them.
      {"[label]\nname text = a\n", 5, "unknown key \"name text\" in [label]"},
      {"[button]\nname = b\ntext = B\nat = 0,0,1,1\ntext at = 1\n", 8,
       "unknown key \"text at\" in [button]"},
      {"name size = 1\n", 4, "unknown key \"name size\" in [template]"},
      {"[label]\ntext = a\ntext = b\nat = 0,0,1,1\n", 6, "\"text\" appears twice in [label] (also line 5)"},
      {"[label]\njust words\n", 5, "expected \"key = value\""},
      {"[label]\n= value\n", 5, "expected \"key = value\""},
      {"[label]\ntext = a\n", 4, "[label] needs \"at\""},
      {"[edit]\nat = 0,0,1,1\n", 4, "[edit] needs \"name\""},
      {"[edit]\nname = a\nat = 0, 0, 10\n", 6, "\"at\" needs 4 numbers (x, y, width, height)"},
      {"[edit]\nname = a\nat = 0, 0, ten, 10\n", 6, "\"ten\" is not a whole number"},
      {"[edit]\nname = a\nat = 0, -1, 10, 10\n", 6, "\"-1\" is not a whole number"},
      {"[edit]\nname = a\nat = 0, 0, 10, 99999999999\n", 6, "\"99999999999\" is not a whole number"},
      {"[edit]\nname = a\nat = 0, 0, 0, 10\n", 6, "width and height must not be 0"},
      {"[edit]\nname = a\nat = 300, 0, 101, 10\n", 4, "[edit] reaches beyond the window (400 x 300)"},
      {"[separator]\nat = 0, 300, 10\n", 4, "[separator] reaches beyond the window (400 x 300)"},
      {"[edit]\nname = a\nat = 0,0,1,1\nmaxlength = 0\n", 7, "\"maxlength\" must be from 1 to 32767"},
      {"[edit]\nname = a\nat = 0,0,1,1\nreadonly = maybe\n", 7, "\"maybe\" is not yes or no"},
      {"[edit]\nname = a\nat = 0,0,1,1\nalign = middle\n", 7, "\"middle\" is not left, center or right"},
      {"[edit]\nname = \"  \"\nat = 0,0,1,1\n", 5, "\"name\" is empty"},
      {"[label]\ntext = a\nat = 0,0,1,1\ncolor = #12345\n", 7, "\"#12345\" is not a colour (#RRGGBB)"},
      {"[label]\ntext = a\nat = 0,0,1,1\ncolor = #12345G\n", 7, "\"#12345G\" is not a colour (#RRGGBB)"},
      {"[label]\ntext = a\nat = 0,0,1,1\nsize = 100\n", 7, "\"size\" must be from 6 to 72"},
      {"[button]\nname = b\ntext = B\nat = 0,0,1,1\n", 4,
       "[button] needs one of \"command\", \"goto\" and \"close\""},
      {"[button]\nname = b\ntext = B\nat = 0,0,1,1\ncommand = 1\ngoto = x.vrm\n", 9,
       "a button takes only one of \"command\", \"goto\" and \"close\""},
      {"[button]\nname = b\ntext = B\nat = 0,0,1,1\ncommand = 70000\n", 8,
       "\"command\" must be from 1 to 65535"},
      {"[button]\nname = b\ntext = B\nat = 0,0,1,1\nclose = no\n", 8, "\"close\" can only be yes"},
      {"[button]\nname = a\ntext = A\nat = 0,0,1,1\nclose = yes\ndefault = yes\n"
       "[button]\nname = b\ntext = B\nat = 0,0,1,1\nclose = yes\ndefault = yes\n",
       10, "a second default button (the first is on line 4)"},
      {"[radio]\ngroup = 1\nname = a\ntext = A\nat = 0,0,1,1\nselected = yes\n"
       "[radio]\ngroup = 1\nname = b\ntext = B\nat = 0,0,1,1\nselected = yes\n",
       10, "a second selected option in group 1 (the first is on line 4)"},
      {"[radio]\ngroup = 0\nname = a\ntext = A\nat = 0,0,1,1\n", 5, "\"group\" must be from 1 to 999"},
      {"[edit]\nname = City\nat = 0,0,1,1\n[edit]\nname = city\nat = 0,0,1,1\n", 7,
       "the name \"city\" is already used on line 4"},
      {"[image]\nfile = a.bmp\nat = 1\n", 6, "\"at\" needs 2 numbers (x, y) or 4 (x, y, width, height)"},
      {"[label]\ntext = a\x07\n", 5, "unexpected control character (code 7)"},
      {"[template]\nname = U\n", 4, "only one [template] section is allowed"},
      {"name = x\n", 1, "the file must start with [template]"},
      {"[label]\nname = xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
       "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n",
       5, "\"name\" is longer than 127 characters"},
  };
  for (const BadCase &c : cases) {
    std::string body = c.body;
    std::string text = c.line == 1 ? body : std::string(kHeader) + body;
    TemplateError error = MustFail(text);
    EXPECT_EQ(c.line, error.line) << text;
    EXPECT_EQ(c.reason, error.reason) << text;
  }
}

TEST(TemplateParser, RejectsTemplatesWithoutTheirWindow) {
  EXPECT_EQ("the file has no [template] section", MustFail("").reason);
  EXPECT_EQ("the file has no [template] section", MustFail("; only a comment\n\n").reason);
  TemplateError noSize = MustFail("[template]\nname = T\n");
  EXPECT_EQ(1, noSize.line);
  EXPECT_EQ("[template] needs \"size\"", noSize.reason);
  EXPECT_EQ("\"font\" needs a face name and a size (Tahoma, 9)",
            MustFail(std::string(kHeader) + "font = 9\n").reason);
  EXPECT_EQ("\"size\" needs 2 numbers (width, height)",
            MustFail("[template]\nname = T\nsize = 400\n").reason);
}

TEST(TemplateParser, DescribesErrorsForTools) {
  TemplateError error;
  error.line = 12;
  error.reason = "unknown section [x]";
  EXPECT_EQ("line 12: unknown section [x]", vorm::DescribeTemplateError(error));
  error.line = 0;
  error.reason = "cannot open a.vrm";
  EXPECT_EQ("cannot open a.vrm", vorm::DescribeTemplateError(error));
}

// Damaged files (cut short, bytes changed) are rejected or read, never a crash.
TEST(TemplateParser, SurvivesDamagedFiles) {
  const std::string good = std::string(kHeader) +
                           "[edit]\nname = a\nat = 0, 0, 10, 10\nmaxlength = 8\n"
                           "[button]\nname = b\ntext = &B\nat = 0, 20, 50, 20\ncommand = 3024\n";
  int lines = 1;
  for (char c : good) lines += c == '\n';
  std::mt19937 random(1234);
  for (int round = 0; round < 3000; ++round) {
    std::string text = good.substr(0, random() % (good.size() + 1));
    for (int k = random() % 4; k > 0 && !text.empty(); --k)
      text[random() % text.size()] = static_cast<char>(random() % 256);
    Template form;
    TemplateError error;
    if (!vorm::ParseTemplate(text, form, error)) {
      EXPECT_GE(error.line, 0);
      EXPECT_LE(error.line, lines);
      EXPECT_FALSE(error.reason.empty());
    }
  }
}

}  // namespace

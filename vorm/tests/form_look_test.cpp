#include <gtest/gtest.h>

#include "default_button.h"
#include "form_colors.h"
#include "template.h"

namespace {

vorm::Template Parse(const std::string &text) {
  vorm::Template form;
  vorm::TemplateError error;
  EXPECT_TRUE(vorm::ParseTemplate(text, form, error)) << vorm::DescribeTemplateError(error);
  return form;
}

const char kScreen[] =
    "[template]\nname = Look\nsize = 300, 200\nbackground = #FFFFFF\ncolor = #1E293B\n"
    "[panel]\nat = 0, 0, 300, 50\ncolor = #17336B\n"
    "[label]\ntext = On the band\nat = 10, 10, 100, 20\ncolor = #FFFFFF\n"          // 1
    "[label]\ntext = Filled\nat = 10, 60, 100, 20\nbackground = #FFEEDD\n"         // 2
    "[label]\ntext = &Name:\nat = 10, 90, 50, 20\n"                                 // 3
    "[edit]\nname = name\nat = 70, 90, 100, 22\n"                                   // 4
    "[separator]\nat = 0, 150, 300\ncolor = #D5DCE8\n"                              // 5
    "[separator]\nat = 0, 152, 300\n"                                               // 6
    "[button]\nname = back\ntext = Back\nat = 10, 160, 80, 26\nclose = yes\n"       // 7
    "[button]\nname = send\ntext = Send\nat = 200, 160, 80, 26\ncommand = 7\n"      // 8
    "default = yes\n";

TEST(FormColors, HighContrastTakesTheSystemsColoursAndDropsPanels) {
  const vorm::Template form = Parse(kScreen);
  ASSERT_EQ(9u, form.elements.size());
  const vorm::Palette normal;
  const vorm::Palette contrast = {true, 0x000000, 0xFFFF00};
  const auto &e = form.elements;
  EXPECT_EQ(0xFFFFFFu, vorm::FormBackground(form, normal));
  EXPECT_EQ(0x000000u, vorm::FormBackground(form, contrast));
  const struct {
    const vorm::Element &element;
    unsigned backdrop, text;  // in the template's colours
  } captions[] = {{e[1], 0x17336B, 0xFFFFFF}, {e[2], 0xFFEEDD, 0x1E293B}, {e[3], 0xFFFFFF, 0x1E293B}};
  for (const auto &c : captions) {
    EXPECT_EQ(c.backdrop, vorm::BackdropColor(form, c.element, normal)) << c.element.line;
    EXPECT_EQ(c.text, vorm::TextColor(form, c.element, normal)) << c.element.line;
    EXPECT_EQ(0x000000u, vorm::BackdropColor(form, c.element, contrast)) << c.element.line;
    EXPECT_EQ(0xFFFF00u, vorm::TextColor(form, c.element, contrast)) << c.element.line;
  }
  // The panel and the coloured line, not painted or the system's line.
  const struct {
    const vorm::Element &element;
    unsigned fill;
  } fills[] = {{e[0], 0x17336B}, {e[5], 0xD5DCE8}, {e[6], vorm::kNoColor}};
  for (const auto &c : fills) {
    EXPECT_EQ(c.fill, vorm::FillColor(c.element, normal)) << c.element.line;
    EXPECT_EQ(vorm::kNoColor, vorm::FillColor(c.element, contrast)) << c.element.line;
  }
}

TEST(DefaultButton, IsTheFocusedButtonElseTheTemplatesDefault) {
  const vorm::Template form = Parse(kScreen);
  const std::size_t none = form.elements.size();
  const struct {
    std::size_t focus, button;
  } cases[] = {{4, 8}, {7, 7}, {8, 8}, {3, 8}, {none, 8}, {none + 3, 8}};
  for (const auto &c : cases)
    EXPECT_EQ(c.button, vorm::DefaultButtonFor(form.elements, c.focus)) << c.focus;
  std::string plain = kScreen;
  plain.resize(plain.rfind("default = yes"));
  EXPECT_EQ(none, vorm::DefaultButtonFor(Parse(plain).elements, 4));
  EXPECT_EQ(7u, vorm::DefaultButtonFor(Parse(plain).elements, 7));
}

}  // namespace

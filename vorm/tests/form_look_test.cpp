#include <gtest/gtest.h>

#include "form_colors.h"

namespace {

TEST(FormColors, HighContrastTakesTheSystemsColoursAndDropsPanels) {
  vorm::Template form;
  vorm::TemplateError error;
  ASSERT_TRUE(vorm::ParseTemplate(
      "[template]\nname = Look\nsize = 300, 200\nbackground = #FFFFFF\ncolor = #1E293B\n"
      "[panel]\nat = 0, 0, 300, 50\ncolor = #17336B\n"
      "[label]\ntext = Band\nat = 10, 10, 100, 20\ncolor = #FFFFFF\n"
      "[label]\ntext = Filled\nat = 10, 60, 50, 20\nbackground = #FFEEDD\n"
      "[separator]\nat = 0, 150, 300\ncolor = #D5DCE8\n",
      form, error));
  const auto &e = form.elements;  // panel, label on it, filled label, line
  const vorm::Palette normal, contrast = {true, 0x000000, 0xFFFF00};
  const unsigned kNone = vorm::kNoColor;
  const struct {
    const vorm::Palette &palette;
    unsigned window, onBand, filled, bandText, plainText, panel, line;
  } cases[] = {{normal, 0xFFFFFF, 0x17336B, 0xFFEEDD, 0xFFFFFF, 0x1E293B, 0x17336B, 0xD5DCE8},
               {contrast, 0x000000, 0x000000, 0x000000, 0xFFFF00, 0xFFFF00, kNone, kNone}};
  for (const auto &c : cases) {
    EXPECT_EQ(c.window, vorm::FormBackground(form, c.palette));
    EXPECT_EQ(c.onBand, vorm::BackdropColor(form, e[1], c.palette));
    EXPECT_EQ(c.filled, vorm::BackdropColor(form, e[2], c.palette));
    EXPECT_EQ(c.bandText, vorm::TextColor(form, e[1], c.palette));
    EXPECT_EQ(c.plainText, vorm::TextColor(form, e[2], c.palette));
    EXPECT_EQ(c.panel, vorm::FillColor(e[0], c.palette));
    EXPECT_EQ(c.line, vorm::FillColor(e[3], c.palette));
  }
}

}  // namespace

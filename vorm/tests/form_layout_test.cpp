#include <gtest/gtest.h>

#include <random>

#include "form_layout.h"

namespace {

vorm::Area Work(int left, int top, int right, int bottom) {
  vorm::Area area;
  area.left = left;
  area.top = top;
  area.right = right;
  area.bottom = bottom;
  return area;
}

TEST(FormLayout, ShrinksAFormUntilItFitsTheWorkArea) {
  const struct {
    int width, height, monitorDpi, frameWidth, frameHeight;
    vorm::Area work;
    int dpi;
  } cases[] = {
      // Fits as it is.
      {560, 372, 144, 10, 30, Work(0, 0, 1024, 768), 144},
      {640, 602, 96, 8, 31, Work(0, 0, 1366, 728), 96},
      // The order form on a 1366 x 768 laptop at 125 % with its taskbar:
      // 689 pixels of height are left for 602 units.
      {640, 602, 120, 16, 39, Work(0, 0, 1366, 728), 109},
      // The same with the taskbar at the top: only the size matters.
      {640, 602, 120, 16, 39, Work(0, 40, 1366, 768), 109},
      // Width can be the limit too.
      {1000, 300, 144, 10, 30, Work(0, 0, 1034, 768), 98},
      {800, 300, 144, 10, 30, Work(0, 0, 1010, 768), 120},
      // Exactly the room is enough.
      {640, 480, 120, 0, 0, Work(0, 0, 800, 600), 120},
      {640, 480, 120, 0, 0, Work(0, 0, 800, 599), 119},
      // Never smaller than the template's own size.
      {1200, 900, 120, 16, 39, Work(0, 0, 1024, 768), 96},
      {1200, 900, 96, 8, 31, Work(0, 0, 1024, 768), 96},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.dpi, vorm::FittingDpi(c.width, c.height, c.monitorDpi, c.frameWidth,
                                      c.frameHeight, c.work))
        << c.width << "x" << c.height << " at " << c.monitorDpi;
}

// Whatever the sizes: the form fits at the DPI chosen, and one more would
// not fit, unless the monitor's own DPI or the 96-DPI floor was taken.
TEST(FormLayout, TheChosenDpiIsTheLargestThatFits) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    int width = 1 + random() % 2000, height = 1 + random() % 2000;
    int monitorDpi = 96 + random() % 200;
    int frameWidth = random() % 20, frameHeight = random() % 60;
    vorm::Area work = Work(0, 0, 640 + random() % 3000, 480 + random() % 2000);
    int dpi = vorm::FittingDpi(width, height, monitorDpi, frameWidth, frameHeight, work);
    auto fits = [&](int d) {
      return vorm::ScaleFrom96(width, d) + frameWidth <= work.right &&
             vorm::ScaleFrom96(height, d) + frameHeight <= work.bottom;
    };
    ASSERT_GE(dpi, 96);
    ASSERT_LE(dpi, monitorDpi);
    if (dpi > 96) {
      ASSERT_TRUE(fits(dpi)) << width << "x" << height << " " << dpi;
    }
    if (dpi < monitorDpi) {
      ASSERT_FALSE(fits(dpi + 1)) << width << "x" << height << " " << dpi;
    }
  }
}

TEST(FormLayout, PlacesTheWindowInsideTheWorkArea) {
  const vorm::Area screen = Work(0, 0, 1024, 728);
  const vorm::Area besideTaskbar = Work(60, 0, 1366, 768);
  const struct {
    int width, height;
    vorm::Area work;
    int dx, dy, left, top;
  } cases[] = {
      {600, 400, screen, 0, 0, 212, 164},           // centred
      {600, 400, screen, 20, -30, 232, 134},        // moved
      {600, 400, screen, 900, 900, 424, 328},       // kept inside at the far edges
      {600, 400, screen, -900, -900, 0, 0},         // and the near ones
      {600, 400, besideTaskbar, -900, 0, 60, 184},  // not under a taskbar on the left
      {1100, 800, screen, 0, 0, 0, 0},              // too large: its top-left shows
      {1400, 800, besideTaskbar, 0, 0, 60, 0},
  };
  for (const auto &c : cases) {
    vorm::Area placed = vorm::PlaceInWorkArea(c.width, c.height, c.work, c.dx, c.dy);
    EXPECT_EQ(c.left, placed.left) << c.width << " " << c.dx;
    EXPECT_EQ(c.top, placed.top) << c.height << " " << c.dy;
    EXPECT_EQ(c.left + c.width, placed.right);
    EXPECT_EQ(c.top + c.height, placed.bottom);
  }
}

// The order form (640 x 602 units) as its monitor changes under it: the
// window is fitted and placed again as when it opened.
TEST(FormLayout, AFormFitsItsMonitorAgainAfterAChangeOfResolutionOrWorkArea) {
  const struct {
    const char *screen;
    int dx, dy, monitorDpi, frameWidth, frameHeight;
    vorm::Area work;
    int dpi;
    vorm::Area window;
  } cases[] = {
      {"1366 x 768 with the taskbar", 0, 0, 96, 8, 31, Work(0, 0, 1366, 728), 96,
       Work(359, 47, 1007, 680)},
      // A projector of 1024 x 768: centred in what is left.
      {"1024 x 768", 0, 0, 96, 8, 31, Work(0, 0, 1024, 728), 96, Work(188, 47, 836, 680)},
      // 800 x 600: too tall even at its own size; its top-left shows.
      {"800 x 600", 0, 0, 96, 8, 31, Work(0, 0, 800, 560), 96, Work(76, 0, 724, 633)},
      // The taskbar moved to the left: the form keeps clear of it.
      {"taskbar on the left", 0, 0, 96, 8, 31, Work(62, 0, 1024, 768), 96,
       Work(219, 67, 867, 700)},
      // A form opened off the centre keeps its offset, in pixels of the DPI
      // it is laid out at (109, not the monitor's 120), and stays inside.
      {"125 % with an offset", 20, 10, 120, 16, 39, Work(0, 0, 1366, 728), 109,
       Work(334, 5, 1077, 728)},
  };
  for (const auto &c : cases) {
    const vorm::FormFit fit = vorm::FitForm(640, 602, c.dx, c.dy, c.monitorDpi, c.frameWidth,
                                            c.frameHeight, c.work);
    EXPECT_EQ(c.dpi, fit.dpi) << c.screen;
    EXPECT_EQ(c.window.left, fit.window.left) << c.screen;
    EXPECT_EQ(c.window.top, fit.window.top) << c.screen;
    EXPECT_EQ(c.window.right, fit.window.right) << c.screen;
    EXPECT_EQ(c.window.bottom, fit.window.bottom) << c.screen;
  }
}

}  // namespace

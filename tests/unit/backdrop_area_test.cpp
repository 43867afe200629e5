#include <gtest/gtest.h>

#include <vector>

#include "shell/backdrop_area.h"

namespace {

TEST(BackdropAreaTest, OverhangsOnlyWhereNoOtherMonitorLies) {
  const ScreenArea primary = {0, 0, 1920, 1080};
  const struct {
    const char *layout;
    std::vector<ScreenArea> others;
    ScreenArea covered;
  } cases[] = {
      {"one monitor", {}, {-30, -30, 1950, 1110}},
      {"one to the right", {{1920, 0, 3200, 1024}}, {-30, -30, 1920, 1110}},
      {"one to the left", {{-1280, 0, 0, 1024}}, {0, -30, 1950, 1110}},
      {"one below", {{0, 1080, 1920, 2160}}, {-30, -30, 1950, 1080}},
      {"one above", {{400, -768, 1424, 0}}, {-30, 0, 1950, 1110}},
      {"the primary between two", {{-1280, 0, 0, 1024}, {1920, 56, 3200, 1080}},
       {0, -30, 1920, 1110}},
      // Beside the right edge but reaching above the top: the top edge is free.
      {"one to the right, higher", {{1920, -500, 3200, 524}}, {-30, -30, 1920, 1110}},
      // Only the corner would lie on it: the top keeps to the monitor.
      {"one diagonally above left", {{-1024, -768, 0, 0}}, {-30, 0, 1950, 1110}},
      {"one diagonally below right", {{1920, 1080, 3000, 2000}}, {-30, -30, 1950, 1080}},
      // Further away than the overhang.
      {"one with a gap", {{1990, 0, 3000, 1080}}, {-30, -30, 1950, 1110}},
      {"one 29 pixels away", {{1949, 0, 3000, 1080}}, {-30, -30, 1920, 1110}},
  };
  for (const auto &c : cases) {
    const ScreenArea area =
        BackdropArea(primary, c.others.data(), static_cast<int>(c.others.size()));
    EXPECT_EQ(c.covered.left, area.left) << c.layout;
    EXPECT_EQ(c.covered.top, area.top) << c.layout;
    EXPECT_EQ(c.covered.right, area.right) << c.layout;
    EXPECT_EQ(c.covered.bottom, area.bottom) << c.layout;
  }
}

}  // namespace

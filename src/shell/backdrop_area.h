#pragma once
// Where the backdrop lies: over the whole primary monitor, and a little past
// each of its edges, so that no frame or gap of the desktop shows at the
// border; never onto another monitor, whose windows it would cover and whose
// clicks it would take.

// A rectangle of the virtual screen, right and bottom outside it.
struct ScreenArea {
  int left, top, right, bottom;
};

// How far the backdrop reaches past a free edge of the monitor.
constexpr int kBackdropOverhang = 30;

// The primary monitor's rectangle, and kBackdropOverhang past each edge
// beyond which no other monitor lies: a monitor lies beyond an edge when any
// of it is within the overhang along that edge. A corner the overhang would
// still push onto another monitor (one diagonally beside the primary) keeps
// the overhang of the left and right edges only.
ScreenArea BackdropArea(const ScreenArea &primary, const ScreenArea *others, int otherCount);

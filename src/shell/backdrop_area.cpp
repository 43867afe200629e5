#include "shell/backdrop_area.h"

namespace {

bool Overlap(const ScreenArea &a, const ScreenArea &b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool AnyOverlaps(const ScreenArea &strip, const ScreenArea *others, int otherCount) {
  for (int i = 0; i < otherCount; ++i)
    if (Overlap(strip, others[i])) return true;
  return false;
}

}  // namespace

ScreenArea BackdropArea(const ScreenArea &primary, const ScreenArea *others, int otherCount) {
  const int o = kBackdropOverhang;
  const ScreenArea &p = primary;
  ScreenArea area = p;
  if (!AnyOverlaps({p.left - o, p.top, p.left, p.bottom}, others, otherCount)) area.left -= o;
  if (!AnyOverlaps({p.right, p.top, p.right + o, p.bottom}, others, otherCount)) area.right += o;
  if (!AnyOverlaps({p.left, p.top - o, p.right, p.top}, others, otherCount)) area.top -= o;
  if (!AnyOverlaps({p.left, p.bottom, p.right, p.bottom + o}, others, otherCount)) area.bottom += o;
  // Only a monitor beside a corner can still lie under the area.
  if (AnyOverlaps({area.left, area.top, area.right, p.top}, others, otherCount)) area.top = p.top;
  if (AnyOverlaps({area.left, p.bottom, area.right, area.bottom}, others, otherCount))
    area.bottom = p.bottom;
  return area;
}

#include "form_layout.h"

#include <algorithm>

namespace vorm {
namespace {

const int kTemplateDpi = 96;

// The start of a span of `size` beginning at `start`, moved inside
// [low, high); the low edge wins when the span is longer than that.
int KeepInside(int start, int size, int low, int high) {
  if (start + size > high) start = high - size;
  if (start < low) start = low;
  return start;
}

}  // namespace

int ScaleFrom96(int value, int dpi) {
  long long scaled = static_cast<long long>(value) * dpi;
  scaled += scaled >= 0 ? kTemplateDpi / 2 : -(kTemplateDpi / 2);
  return static_cast<int>(scaled / kTemplateDpi);
}

int FittingDpi(int width, int height, int monitorDpi, int frameWidth, int frameHeight,
               const Area &work) {
  if (monitorDpi <= kTemplateDpi || width <= 0 || height <= 0) return monitorDpi;
  const long long roomWidth = work.right - work.left - frameWidth;
  const long long roomHeight = work.bottom - work.top - frameHeight;
  // ScaleFrom96(size, dpi) <= room exactly when
  // size * dpi + 48 < (room + 1) * 96, i.e. dpi <= (room * 96 + 47) / size.
  long long dpi = monitorDpi;
  if (roomWidth >= 0) dpi = std::min(dpi, (roomWidth * kTemplateDpi + kTemplateDpi / 2 - 1) / width);
  if (roomHeight >= 0)
    dpi = std::min(dpi, (roomHeight * kTemplateDpi + kTemplateDpi / 2 - 1) / height);
  if (roomWidth < 0 || roomHeight < 0) dpi = kTemplateDpi;
  return dpi < kTemplateDpi ? kTemplateDpi : static_cast<int>(dpi);
}

Area PlaceInWorkArea(int width, int height, const Area &work, int dx, int dy) {
  Area placed;
  placed.left = KeepInside(work.left + (work.right - work.left - width) / 2 + dx, width, work.left,
                           work.right);
  placed.top = KeepInside(work.top + (work.bottom - work.top - height) / 2 + dy, height, work.top,
                          work.bottom);
  placed.right = placed.left + width;
  placed.bottom = placed.top + height;
  return placed;
}

FormFit FitForm(int width, int height, int dx, int dy, int monitorDpi, int frameWidth,
                int frameHeight, const Area &work) {
  FormFit fit;
  fit.dpi = FittingDpi(width, height, monitorDpi, frameWidth, frameHeight, work);
  fit.window = PlaceInWorkArea(ScaleFrom96(width, fit.dpi) + frameWidth,
                               ScaleFrom96(height, fit.dpi) + frameHeight, work,
                               ScaleFrom96(dx, fit.dpi), ScaleFrom96(dy, fit.dpi));
  return fit;
}

}  // namespace vorm

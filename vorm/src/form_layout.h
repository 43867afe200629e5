#pragma once
// Where a form window goes and at which scale its layout is made. Templates
// are written in 96-DPI units; a form is laid out at its monitor's DPI, or
// smaller when it would not fit the monitor's work area (the screen without
// the taskbar). Plain arithmetic, apart from the window code.

namespace vorm {

struct Area {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// value * dpi / 96, rounded to the nearest pixel (as the system's MulDiv).
int ScaleFrom96(int value, int dpi);

// The DPI at which a form of `width` x `height` template units is laid out
// on a monitor of `monitorDpi`: that DPI when the window (the client area
// plus a frame of `frameWidth` x `frameHeight` pixels) fits the work area,
// else the largest smaller DPI at which it fits, but never below 96: a form
// too large even at its 96-DPI size keeps that size.
int FittingDpi(int width, int height, int monitorDpi, int frameWidth, int frameHeight,
               const Area &work);

// The window of `width` x `height` pixels centred in the work area, moved by
// (dx, dy) pixels and kept inside it; a window larger than the work area
// keeps its top-left corner visible.
Area PlaceInWorkArea(int width, int height, const Area &work, int dx, int dy);

// A form fitted to its monitor: the DPI of its layout and its window.
struct FormFit {
  int dpi = 96;
  Area window;
};

// A form of `width` x `height` template units, opened `dx`, `dy` template
// units from the centre, fitted to a monitor of `monitorDpi` with that work
// area, where the window's frame takes `frameWidth` x `frameHeight` pixels:
// laid out at FittingDpi, and placed by PlaceInWorkArea with the offset at
// that DPI. As when the form opens, so again when the monitor's resolution
// or its work area changes.
FormFit FitForm(int width, int height, int dx, int dy, int monitorDpi, int frameWidth,
                int frameHeight, const Area &work);

}  // namespace vorm

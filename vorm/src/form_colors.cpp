#include "form_colors.h"

namespace vorm {

unsigned FormBackground(const Template &form, const Palette &palette) {
  return palette.highContrast ? palette.face : form.background;
}

unsigned BackdropColor(const Template &form, const Element &element, const Palette &palette) {
  if (palette.highContrast) return palette.face;
  if (element.background != kNoColor) return element.background;
  unsigned color = form.background;
  int cx = element.x + element.width / 2;
  int cy = element.y + element.height / 2;
  for (const Element &panel : form.elements) {
    if (panel.kind != ElementKind::Panel) continue;
    if (cx >= panel.x && cx < panel.x + panel.width && cy >= panel.y &&
        cy < panel.y + panel.height)
      color = panel.color;
  }
  return color;
}

unsigned TextColor(const Template &form, const Element &element, const Palette &palette) {
  if (palette.highContrast) return palette.text;
  return element.color != kNoColor ? element.color : form.color;
}

unsigned FillColor(const Element &element, const Palette &palette) {
  return palette.highContrast ? kNoColor : element.color;
}

}  // namespace vorm

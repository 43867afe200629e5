#pragma once
// The colours a form is painted in: the template's own, or, while the
// customer has high-contrast mode on, the system's colours of dialog boxes
// (their face behind everything, their text for every caption), with no
// panels and the system's own lines, so the screen reads as the customer set
// it. Colours are 0xRRGGBB.

#include "template.h"

namespace vorm {

struct Palette {
  bool highContrast = false;
  unsigned face = 0xF0F0F0;  // the system's dialog face
  unsigned text = 0x000000;  // and text on it
};

unsigned FormBackground(const Template &form, const Palette &palette);

// What an element stands on: its own fill, else the last panel under its
// middle, else the window.
unsigned BackdropColor(const Template &form, const Element &element, const Palette &palette);

unsigned TextColor(const Template &form, const Element &element, const Palette &palette);

// The fill of a panel or the colour of a line; kNoColor: the panel is not
// painted, the line is the system's etched one.
unsigned FillColor(const Element &element, const Palette &palette);

}  // namespace vorm

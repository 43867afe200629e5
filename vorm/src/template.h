#pragma once
// A form template: the window and, in file order, the elements on it. File
// order is also the order of the controls on screen: screen readers and the
// Tab key follow it, so a field's label is written just before the field.

#include <string>
#include <vector>

namespace vorm {

enum class ElementKind { Label, Edit, Button, Radio, Panel, Image, Group, Separator };

enum class Align { Left, Center, Right };

enum class ButtonAction { None, Command, Goto, Close };

const unsigned kNoColor = 0xFFFFFFFFu;  // element takes the template's colour

// Coordinates and sizes are in 96-DPI units from the top left of the
// window's client area.
struct Element {
  ElementKind kind = ElementKind::Label;
  int line = 0;  // line of the element's [section] header
  std::string name;
  std::string text;  // label, button, radio and group caption
  int x = 0, y = 0, width = 0, height = 0;
  bool bold = false;
  int points = 0;  // label font size; 0: the template's font size
  unsigned color = kNoColor;       // text colour, or fill of a panel / line
  unsigned background = kNoColor;  // label fill; kNoColor: what lies beneath
  Align align = Align::Left;
  int maxLength = 255;
  bool readOnly = false;
  ButtonAction action = ButtonAction::None;
  int command = 0;
  std::string target;  // template file a button opens, or an image's BMP file
  bool isDefault = false;
  int group = 0;
  bool selected = false;
};

struct Template {
  std::string name;
  std::string title;
  int width = 0, height = 0;
  unsigned background = 0xFFFFFF;  // 0xRRGGBB
  unsigned color = 0x000000;
  std::string fontFace;  // empty: the system's message font
  int fontPoints = 0;    // 0: the size of the system's message font
  std::vector<Element> elements;
  // Lines of a UTF-8 file holding characters that the ANSI code page cannot
  // show: they appear as "?".
  std::vector<int> unshownLines;
};

// Why a template was rejected. Line 0 means the file as a whole.
struct TemplateError {
  int line = 0;
  std::string reason;
};

// Parses the bytes of a template file, in UTF-8 or ANSI (docs/templates.md);
// every text of the result is in the ANSI code page. On failure `error`
// tells the first problem and `out` must not be used.
bool ParseTemplate(const std::string &bytes, Template &out, TemplateError &error);

// Reads and parses a template file (at most kMaxTemplateBytes).
bool LoadTemplate(const char *path, Template &out, TemplateError &error);

const long kMaxTemplateBytes = 256 * 1024;

// "line 12: unknown key "colour" in [label]", or the reason alone for line 0.
std::string DescribeTemplateError(const TemplateError &error);

// The control of that name (edit, button, radio option or named label),
// compared ignoring the case of A-Z; nullptr for an empty or unknown name.
const Element *FindNamedElement(const Template &form, const char *name);

bool NamesEqual(const std::string &left, const std::string &right);

// A file named in a template, resolved against the template's own folder:
// "C:\disc\screens\start.vrm" + "buyer.vrm" -> "C:\disc\screens\buyer.vrm".
// An absolute name ("\x", "C:\x", "/x") is kept as it is.
std::string ResolveBeside(const std::string &templatePath, const std::string &name);

}  // namespace vorm

#include "template.h"

#include <cstddef>
#include <map>
#include <utility>

#include "ansi_text.h"

namespace vorm {
namespace {

const int kMaxCoordinate = 4000;
const int kMaxNameLength = 127;
const int kMaxTextLength = 255;
const std::size_t kMaxElements = 2000;

struct Entry {
  std::string key;  // lower case
  std::string value;
  int line;
};

// One [section] as read, before its values are checked.
struct Section {
  std::string kind;  // lower case
  int line = 0;
  std::vector<Entry> entries;
};

bool Fail(TemplateError &error, int line, const std::string &reason) {
  error.line = line;
  error.reason = reason;
  return false;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lower(const std::string &text) {
  std::string out = text;
  for (char &c : out) c = LowerAscii(c);
  return out;
}

std::string Trim(const std::string &text) {
  std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  std::size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

// A value in double quotes keeps its blanks; the quotes are not part of it.
std::string Unquote(const std::string &value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    return value.substr(1, value.size() - 2);
  return value;
}

bool ParseNumber(const std::string &text, int low, int high, int &out, const Entry &entry,
                 TemplateError &error) {
  std::string digits = Trim(text);
  bool valid = !digits.empty() && digits.size() <= 9;
  for (char c : digits) valid = valid && c >= '0' && c <= '9';
  if (!valid) return Fail(error, entry.line, "\"" + digits + "\" is not a whole number");
  int value = std::stoi(digits);
  if (value < low || value > high)
    return Fail(error, entry.line,
                "\"" + entry.key + "\" must be from " + std::to_string(low) + " to " +
                    std::to_string(high));
  out = value;
  return true;
}

// "x, y, w, h" with as many numbers as `counts` allows (e.g. 2 or 4).
bool ParseNumbers(const Entry &entry, std::size_t countA, std::size_t countB, int low, int high,
                  std::vector<int> &out, const char *meaning, TemplateError &error) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = entry.value.find(',', start);
    parts.push_back(entry.value.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() != countA && parts.size() != countB)
    return Fail(error, entry.line, "\"" + entry.key + "\" needs " + meaning);
  out.clear();
  for (const std::string &part : parts) {
    int value = 0;
    if (!ParseNumber(part, low, high, value, entry, error)) return false;
    out.push_back(value);
  }
  return true;
}

bool ParseColor(const Entry &entry, unsigned &out, TemplateError &error) {
  const std::string &v = entry.value;
  bool valid = v.size() == 7 && v[0] == '#';
  unsigned value = 0;
  for (std::size_t i = 1; valid && i < v.size(); ++i) {
    char c = LowerAscii(v[i]);
    int digit = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
    valid = digit >= 0;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  if (!valid) return Fail(error, entry.line, "\"" + v + "\" is not a colour (#RRGGBB)");
  out = value;
  return true;
}

bool ParseYesNo(const Entry &entry, bool &out, TemplateError &error) {
  std::string v = Lower(entry.value);
  if (v == "yes" || v == "true" || v == "1") {
    out = true;
  } else if (v == "no" || v == "false" || v == "0") {
    out = false;
  } else {
    return Fail(error, entry.line, "\"" + entry.value + "\" is not yes or no");
  }
  return true;
}

bool ParseText(const Entry &entry, int limit, std::string &out, TemplateError &error) {
  if (static_cast<int>(entry.value.size()) > limit)
    return Fail(error, entry.line,
                "\"" + entry.key + "\" is longer than " + std::to_string(limit) + " characters");
  out = entry.value;
  return true;
}

bool ParseName(const Entry &entry, std::string &out, TemplateError &error) {
  if (!ParseText(entry, kMaxNameLength, out, error)) return false;
  if (Trim(out).empty()) return Fail(error, entry.line, "\"" + entry.key + "\" is empty");
  return true;
}

bool ParseAlign(const Entry &entry, Align &out, TemplateError &error) {
  std::string v = Lower(entry.value);
  if (v == "left") {
    out = Align::Left;
  } else if (v == "center" || v == "centre") {
    out = Align::Center;
  } else if (v == "right") {
    out = Align::Right;
  } else {
    return Fail(error, entry.line, "\"" + entry.value + "\" is not left, center or right");
  }
  return true;
}

const char *AllowedKeys(const std::string &kind) {
  if (kind == "template") return " name title size background color font ";
  if (kind == "label") return " name text at bold size color background align ";
  if (kind == "edit") return " name at maxlength readonly align ";
  if (kind == "button") return " name text at command goto close default ";
  if (kind == "radio") return " name text at group selected ";
  if (kind == "panel") return " at color ";
  if (kind == "image") return " file at ";
  if (kind == "group") return " text at color ";
  if (kind == "separator") return " at color ";
  return nullptr;
}

// Exactly one of the section's keys: "name text" is none of them.
bool IsAllowedKey(const std::string &kind, const std::string &key) {
  const std::string keys = AllowedKeys(kind);
  std::size_t start = 0;
  while (start < keys.size()) {
    std::size_t end = keys.find(' ', start);
    if (end == std::string::npos) end = keys.size();
    if (end > start && keys.compare(start, end - start, key) == 0) return true;
    start = end + 1;
  }
  return false;
}

const char *RequiredKeys(const std::string &kind) {
  if (kind == "template") return "name size";
  if (kind == "label") return "text at";
  if (kind == "edit") return "name at";
  if (kind == "button") return "name text at";
  if (kind == "radio") return "name text at group";
  if (kind == "panel") return "at color";
  if (kind == "image") return "file at";
  return "at";
}

ElementKind KindOf(const std::string &kind) {
  if (kind == "edit") return ElementKind::Edit;
  if (kind == "button") return ElementKind::Button;
  if (kind == "radio") return ElementKind::Radio;
  if (kind == "panel") return ElementKind::Panel;
  if (kind == "image") return ElementKind::Image;
  if (kind == "group") return ElementKind::Group;
  if (kind == "separator") return ElementKind::Separator;
  return ElementKind::Label;
}

bool CheckRequired(const Section &section, TemplateError &error) {
  std::string required = RequiredKeys(section.kind);
  std::size_t start = 0;
  while (start < required.size()) {
    std::size_t end = required.find(' ', start);
    if (end == std::string::npos) end = required.size();
    std::string key = required.substr(start, end - start);
    bool found = false;
    for (const Entry &entry : section.entries) found = found || entry.key == key;
    if (!found)
      return Fail(error, section.line, "[" + section.kind + "] needs \"" + key + "\"");
    start = end + 1;
  }
  return true;
}

bool ApplyTemplateEntry(const Entry &entry, Template &form, TemplateError &error) {
  std::vector<int> numbers;
  if (entry.key == "name") return ParseName(entry, form.name, error);
  if (entry.key == "title") return ParseText(entry, kMaxTextLength, form.title, error);
  if (entry.key == "background") return ParseColor(entry, form.background, error);
  if (entry.key == "color") return ParseColor(entry, form.color, error);
  if (entry.key == "size") {
    if (!ParseNumbers(entry, 2, 2, 1, kMaxCoordinate, numbers, "2 numbers (width, height)", error))
      return false;
    form.width = numbers[0];
    form.height = numbers[1];
    return true;
  }
  if (entry.key != "font") return Fail(error, entry.line, "unknown key \"" + entry.key + "\"");
  // font = Face Name, points; the face may be quoted: "Segoe UI", 9
  std::size_t comma = entry.value.rfind(',');
  std::string face = comma == std::string::npos ? "" : Unquote(Trim(entry.value.substr(0, comma)));
  if (Trim(face).empty())
    return Fail(error, entry.line, "\"font\" needs a face name and a size (Tahoma, 9)");
  if (face.size() > 31)
    return Fail(error, entry.line, "the font's face name is longer than 31 characters");
  form.fontFace = face;
  return ParseNumber(entry.value.substr(comma + 1), 6, 72, form.fontPoints, entry, error);
}

bool ApplyAt(const Entry &entry, Element &element, TemplateError &error) {
  std::vector<int> n;
  switch (element.kind) {
    case ElementKind::Image:
      if (!ParseNumbers(entry, 2, 4, 0, kMaxCoordinate, n,
                        "2 numbers (x, y) or 4 (x, y, width, height)", error))
        return false;
      break;
    case ElementKind::Separator:
      if (!ParseNumbers(entry, 3, 3, 0, kMaxCoordinate, n, "3 numbers (x, y, width)", error))
        return false;
      n.push_back(1);
      break;
    default:
      if (!ParseNumbers(entry, 4, 4, 0, kMaxCoordinate, n, "4 numbers (x, y, width, height)",
                        error))
        return false;
  }
  element.x = n[0];
  element.y = n[1];
  if (n.size() == 4) {
    element.width = n[2];
    element.height = n[3];
    if (element.width == 0 || element.height == 0)
      return Fail(error, entry.line, "width and height must not be 0");
  } else if (n.size() == 3) {
    element.width = n[2];
  }
  return true;
}

bool ApplyElementEntry(const Entry &entry, Element &element, TemplateError &error) {
  const std::string &key = entry.key;
  if (key == "at") return ApplyAt(entry, element, error);
  if (key == "name") return ParseName(entry, element.name, error);
  if (key == "text") return ParseText(entry, kMaxTextLength, element.text, error);
  if (key == "bold") return ParseYesNo(entry, element.bold, error);
  if (key == "size") return ParseNumber(entry.value, 6, 72, element.points, entry, error);
  if (key == "color") return ParseColor(entry, element.color, error);
  if (key == "background") return ParseColor(entry, element.background, error);
  if (key == "align") return ParseAlign(entry, element.align, error);
  if (key == "maxlength") return ParseNumber(entry.value, 1, 32767, element.maxLength, entry, error);
  if (key == "readonly") return ParseYesNo(entry, element.readOnly, error);
  if (key == "default") return ParseYesNo(entry, element.isDefault, error);
  if (key == "selected") return ParseYesNo(entry, element.selected, error);
  if (key == "group") return ParseNumber(entry.value, 1, 999, element.group, entry, error);
  if (key == "file") {
    if (!ParseName(entry, element.target, error)) return false;
    return true;
  }
  if (element.action != ButtonAction::None)
    return Fail(error, entry.line,
                "a button takes only one of \"command\", \"goto\" and \"close\"");
  if (key == "command") {
    element.action = ButtonAction::Command;
    return ParseNumber(entry.value, 1, 65535, element.command, entry, error);
  }
  if (key == "goto") {
    element.action = ButtonAction::Goto;
    return ParseName(entry, element.target, error);
  }
  if (key != "close") return Fail(error, entry.line, "unknown key \"" + key + "\"");
  // close = yes; "close = no" would leave the button without an action.
  bool closes = false;
  if (!ParseYesNo(entry, closes, error)) return false;
  if (!closes) return Fail(error, entry.line, "\"close\" can only be yes");
  element.action = ButtonAction::Close;
  return true;
}

bool FitsWindow(const Element &element, const Template &form) {
  return element.x + element.width <= form.width && element.y + element.height <= form.height;
}

// Checks one finished section and adds it to the template.
bool FinishSection(const Section &section, Template &form, TemplateError &error) {
  if (section.kind == "template") {
    for (const Entry &entry : section.entries)
      if (!ApplyTemplateEntry(entry, form, error)) return false;
    if (!CheckRequired(section, error)) return false;
    if (form.title.empty()) form.title = form.name;
    return true;
  }
  if (form.elements.size() >= kMaxElements)
    return Fail(error, section.line, "more than " + std::to_string(kMaxElements) + " elements");
  Element element;
  element.kind = KindOf(section.kind);
  element.line = section.line;
  for (const Entry &entry : section.entries)
    if (!ApplyElementEntry(entry, element, error)) return false;
  if (!CheckRequired(section, error)) return false;
  if (element.kind == ElementKind::Button && element.action == ButtonAction::None)
    return Fail(error, section.line,
                "[button] needs one of \"command\", \"goto\" and \"close\"");
  if (!FitsWindow(element, form))
    return Fail(error, section.line,
                "[" + section.kind + "] reaches beyond the window (" +
                    std::to_string(form.width) + " x " + std::to_string(form.height) + ")");
  form.elements.push_back(element);
  return true;
}

// Rules that span elements: unique names, one default button, one
// selected option per radio group. Each rule remembers the line of the
// first element that claimed a name, the default or a group's selection.
bool CheckWholeTemplate(const Template &form, TemplateError &error) {
  std::map<std::string, int> names;  // lower-case name -> line
  std::map<int, int> selected;       // group -> line
  int defaultLine = 0;
  for (const Element &element : form.elements) {
    if (!element.name.empty()) {
      auto found = names.emplace(Lower(element.name), element.line);
      if (!found.second)
        return Fail(error, element.line,
                    "the name \"" + element.name + "\" is already used on line " +
                        std::to_string(found.first->second));
    }
    if (element.isDefault) {
      if (defaultLine != 0)
        return Fail(error, element.line,
                    "a second default button (the first is on line " +
                        std::to_string(defaultLine) + ")");
      defaultLine = element.line;
    }
    if (element.selected) {
      auto found = selected.emplace(element.group, element.line);
      if (!found.second)
        return Fail(error, element.line,
                    "a second selected option in group " + std::to_string(element.group) +
                        " (the first is on line " + std::to_string(found.first->second) + ")");
    }
  }
  return true;
}

bool AddLine(const std::string &raw, int lineNumber, std::vector<Section> &sections,
             TemplateError &error) {
  for (char c : raw) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 && c != '\t')
      return Fail(error, lineNumber, "unexpected control character (code " +
                                         std::to_string(static_cast<int>(u)) + ")");
  }
  std::string line = Trim(raw);
  if (line.empty() || line[0] == ';' || line[0] == '#') return true;
  if (line[0] == '[') {
    if (line.back() != ']') return Fail(error, lineNumber, "a section header must end with ]");
    Section section;
    section.kind = Lower(Trim(line.substr(1, line.size() - 2)));
    section.line = lineNumber;
    if (AllowedKeys(section.kind) == nullptr)
      return Fail(error, lineNumber, "unknown section [" + section.kind + "]");
    if (sections.empty() != (section.kind == "template"))
      return Fail(error, lineNumber,
                  sections.empty() ? "the file must start with [template]"
                                   : "only one [template] section is allowed");
    sections.push_back(section);
    return true;
  }
  if (sections.empty()) return Fail(error, lineNumber, "the file must start with [template]");
  std::size_t equals = line.find('=');
  if (equals == std::string::npos || Trim(line.substr(0, equals)).empty())
    return Fail(error, lineNumber, "expected \"key = value\"");
  Section &section = sections.back();
  Entry entry{Lower(Trim(line.substr(0, equals))), Unquote(Trim(line.substr(equals + 1))),
              lineNumber};
  if (!IsAllowedKey(section.kind, entry.key))
    return Fail(error, lineNumber,
                "unknown key \"" + entry.key + "\" in [" + section.kind + "]");
  for (const Entry &earlier : section.entries)
    if (earlier.key == entry.key)
      return Fail(error, lineNumber,
                  "\"" + entry.key + "\" appears twice in [" + section.kind + "] (also line " +
                      std::to_string(earlier.line) + ")");
  section.entries.push_back(entry);
  return true;
}

}  // namespace

bool ParseTemplate(const std::string &bytes, Template &out, TemplateError &error) {
  error = TemplateError();
  std::string text;
  std::vector<int> unshownLines;
  if (!DecodeTemplateText(bytes, text, unshownLines, error)) return false;
  std::size_t start = 0;
  std::vector<Section> sections;
  int lineNumber = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!AddLine(line, ++lineNumber, sections, error)) return false;
    start = end + 1;
  }
  if (sections.empty()) return Fail(error, 0, "the file has no [template] section");
  Template form;
  for (const Section &section : sections)
    if (!FinishSection(section, form, error)) return false;
  if (!CheckWholeTemplate(form, error)) return false;
  form.unshownLines = std::move(unshownLines);
  out = std::move(form);
  return true;
}

std::string DescribeTemplateError(const TemplateError &error) {
  if (error.line <= 0) return error.reason;
  return "line " + std::to_string(error.line) + ": " + error.reason;
}

bool NamesEqual(const std::string &left, const std::string &right) {
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i)
    if (LowerAscii(left[i]) != LowerAscii(right[i])) return false;
  return true;
}

const Element *FindNamedElement(const Template &form, const char *name) {
  if (name == nullptr || name[0] == '\0') return nullptr;
  std::string wanted = name;
  for (const Element &element : form.elements)
    if (!element.name.empty() && NamesEqual(element.name, wanted)) return &element;
  return nullptr;
}

}  // namespace vorm

// The functions VORM2.dll exports (see vorm.h).
#include <vector>

#include "ansi_text.h"
#include "engine_win32.h"
#include "text/bounded.h"
#include "vorm.h"

namespace {

// Copies as much of `text` as the destination takes without splitting a
// character.
void CopyCut(char *dest, int capacity, const char *text) {
  size_t length = CutLength(text, static_cast<size_t>(capacity), vorm::SystemSpelling());
  CopyText(dest, static_cast<int>(length) + 1, text);
}

// The control of a named element of the current form, if it is of that kind.
HWND FindControl(const char *name, vorm::ElementKind kind, FormWindow **owner) {
  FormWindow *data = FormOf(CurrentForm());
  if (data == nullptr) return nullptr;
  const vorm::Element *element = vorm::FindNamedElement(data->form, name);
  if (element == nullptr || element->kind != kind) return nullptr;
  if (owner != nullptr) *owner = data;
  return data->controls[static_cast<size_t>(element - data->form.elements.data())];
}

}  // namespace

extern "C" {

int VORM_CALL VORM_Init(VORM_WINDOW) { return StartEngine() ? 1 : 0; }

int VORM_CALL VORM_Create(VORM_WINDOW owner, unsigned long flags, const char *path, int x, int y,
                          int show) {
  return OpenTemplate(owner, flags, path, x, y, show, owner);
}

const char *VORM_CALL VORM_GetCurrentTemplateName(void) { return CurrentFormName(); }

int VORM_CALL VORM_GetEditText(const char *field, char *dest, int capacity) {
  if (dest == nullptr || capacity <= 0) return 0;
  dest[0] = '\0';
  HWND edit = FindControl(field, vorm::ElementKind::Edit, nullptr);
  if (edit == nullptr) return 0;
  int length = GetWindowTextLengthA(edit);
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(edit, text.data(), length + 1);
  CopyCut(dest, capacity, text.data());
  return 1;
}

int VORM_CALL VORM_SetEditText(const char *field, const char *text) {
  FormWindow *data = nullptr;
  HWND edit = FindControl(field, vorm::ElementKind::Edit, &data);
  if (edit == nullptr) return 0;
  const vorm::Element *element = vorm::FindNamedElement(data->form, field);
  std::string value = text != nullptr ? text : "";
  value.resize(CutLength(value.c_str(), static_cast<size_t>(element->maxLength) + 1,
                         vorm::SystemSpelling()));
  // A field that already shows the text is left alone: no change reported
  // by the edit, no repaint, the customer's selection kept.
  const int length = GetWindowTextLengthA(edit);
  if (length == static_cast<int>(value.size())) {
    std::vector<char> shown(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(edit, shown.data(), length + 1);
    if (value == shown.data()) return 1;
  }
  // The edit reports the new text as a change; this one is not the customer's.
  ++data->quietChanges;
  SetWindowTextA(edit, value.c_str());
  --data->quietChanges;
  return 1;
}

int VORM_CALL VORM_RadioButton_GetCheck(int group, char *dest, int capacity) {
  if (dest == nullptr || capacity <= 0) return 0;
  dest[0] = '\0';
  FormWindow *data = FormOf(CurrentForm());
  if (data == nullptr) return 0;
  for (size_t i = 0; i < data->form.elements.size(); ++i) {
    const vorm::Element &element = data->form.elements[i];
    if (element.kind != vorm::ElementKind::Radio || element.group != group ||
        data->controls[i] == nullptr)
      continue;
    if (SendMessageA(data->controls[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
      CopyCut(dest, capacity, element.name.c_str());
      return 1;
    }
  }
  return 0;
}

int VORM_CALL VORM_SetCommandButton(int command, const char *caption, int enabled) {
  FormWindow *data = FormOf(CurrentForm());
  if (data == nullptr) return 0;
  int changed = 0;
  for (size_t i = 0; i < data->form.elements.size(); ++i) {
    vorm::Element &element = data->form.elements[i];
    HWND button = data->controls[i];
    if (button == nullptr || element.kind != vorm::ElementKind::Button ||
        element.action != vorm::ButtonAction::Command || element.command != command)
      continue;
    // The letter that presses the button is read from the caption it shows.
    auto kept = data->templateCaptions.find(i);
    if (caption != nullptr) {
      if (kept == data->templateCaptions.end()) data->templateCaptions.emplace(i, element.text);
      element.text = caption;
      SetWindowTextA(button, caption);
    } else if (kept != data->templateCaptions.end()) {
      element.text = kept->second;
      data->templateCaptions.erase(kept);
      SetWindowTextA(button, element.text.c_str());
    }
    const bool hadFocus = GetFocus() == button;
    EnableWindow(button, enabled != 0 ? TRUE : FALSE);
    // A disabled button that kept the focus would leave the keyboard dead.
    if (enabled == 0 && (hadFocus || data->lastFocus == button)) {
      size_t next = FirstFocusElement(data);
      data->lastFocus = next < data->form.elements.size() ? data->controls[next] : nullptr;
      if (hadFocus && data->lastFocus != nullptr) SetFocus(data->lastFocus);
    }
    ++changed;
  }
  return changed;
}

}  // extern "C"

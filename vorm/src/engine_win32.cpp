#include "engine_win32.h"

#include "text/bounded.h"
#include "vorm.h"

namespace {

// The engine runs on the host's one thread: one current form at a time.
HWND g_current = nullptr;
char g_currentName[128] = "";

}  // namespace

HINSTANCE EngineInstance() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&EngineInstance), &module);
  return module;
}

HWND CurrentForm() { return g_current; }

const char *CurrentFormName() { return g_currentName; }

void ForgetForm(HWND window) {
  if (g_current != window) return;
  g_current = nullptr;
  g_currentName[0] = '\0';
}

int OpenTemplate(HWND owner, unsigned long flags, const char *path, int x, int y, int show) {
  if (!RegisterFormClass() || !InstallKeyboardHook()) return 0;
  FormWindow *data = new FormWindow;
  vorm::TemplateError error;
  if (!vorm::LoadTemplate(path, data->form, error)) {
    delete data;
    return 0;
  }
  data->path = path;
  data->owner = owner;
  data->flags = flags;
  HWND previous = g_current;
  HWND window = CreateFormWindow(data, x, y);
  if (window == nullptr) return 0;

  g_current = window;
  CopyText(g_currentName, sizeof g_currentName, data->form.name.c_str());
  // The host fills the fields before the customer sees them.
  if (owner != nullptr)
    SendMessageA(owner, MSG_TEMPLATE_OPENED, reinterpret_cast<WPARAM>(g_currentName), 0);
  if (IsWindow(window) && show != 0) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    size_t first = FirstFocusElement(data);
    if (first < data->form.elements.size()) FocusElement(data, first, true);
  }
  // Destroyed only now, so that a form window exists at every moment.
  if (previous != nullptr && previous != window && IsWindow(previous)) DestroyWindow(previous);
  return 1;
}

void PressButton(FormWindow *data, size_t index) {
  const vorm::Element &button = data->form.elements[index];
  switch (button.action) {
    case vorm::ButtonAction::Command:
      if (data->owner != nullptr)
        PostMessageA(data->owner, WM_COMMAND, MAKEWPARAM(button.command, 0), 0);
      break;
    case vorm::ButtonAction::Goto: {
      std::string target = vorm::ResolveBeside(data->path, button.target);
      // A target that cannot be opened leaves the customer where they are.
      if (!OpenTemplate(data->owner, data->flags, target.c_str(), 0, 0, 1)) MessageBeep(MB_ICONWARNING);
      break;
    }
    case vorm::ButtonAction::Close:
      DestroyWindow(data->window);
      break;
    case vorm::ButtonAction::None:
      break;
  }
}

void SelectRadio(FormWindow *data, size_t index) {
  const std::vector<vorm::Element> &elements = data->form.elements;
  for (size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].kind != vorm::ElementKind::Radio || elements[i].group != elements[index].group)
      continue;
    SendMessageA(data->controls[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

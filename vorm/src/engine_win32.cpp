#include "engine_win32.h"

#include <string>

#include "text/bounded.h"
#include "vorm.h"

namespace {

// The engine runs on the host's one thread: one current form at a time.
HWND g_current = nullptr;
char g_currentName[128] = "";

const char kMistakeCaption[] = "Screen template";

// A template that cannot be used is reported to whoever can mend it: in a
// warning owned by the window that asked for it, and to a debugger.
void ReportMistake(HWND asker, const char *path, const vorm::TemplateError &error) {
  const std::string file = path != nullptr ? path : "";
  const std::string reason = vorm::DescribeTemplateError(error);
  OutputDebugStringA(("VORM2: " + file + ": " + reason + "\n").c_str());
  const std::string text = "This screen cannot be shown:\n" + file + "\n\n" + reason;
  MessageBoxA(IsWindow(asker) ? asker : nullptr, text.c_str(), kMistakeCaption,
              MB_OK | MB_ICONWARNING);
}

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

bool StartEngine() {
  // The window class and the keyboard hook point into this DLL: it stays
  // loaded for the rest of the process even if the host frees it, or the
  // host's next message would run code that is gone.
  static bool pinned = false;
  if (!pinned) {
    HMODULE self = nullptr;
    pinned = GetModuleHandleExA(
                 GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                 reinterpret_cast<LPCSTR>(&StartEngine), &self) != FALSE;
  }
  return pinned && RegisterFormClass() && InstallKeyboardHook();
}

int OpenTemplate(HWND owner, unsigned long flags, const char *path, int x, int y, int show,
                 HWND asker) {
  if (!StartEngine()) return 0;
  FormWindow *data = new FormWindow;
  vorm::TemplateError error;
  if (!vorm::LoadTemplate(path, data->form, error)) {
    delete data;
    ReportMistake(asker, path, error);
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
      OpenTemplate(data->owner, data->flags, target.c_str(), 0, 0, 1, data->window);
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

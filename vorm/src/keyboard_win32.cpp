#include "default_button.h"
#include "engine_win32.h"

namespace {

// The host's message loop has no IsDialogMessage: the engine watches the
// keys its thread takes from the queue and moves the focus like a dialog.
// Mnemonics are taken from WM_SYSCHAR, not the Alt+letter key press, which
// must reach the window so that releasing Alt does not open the system menu.
HHOOK g_hook = nullptr;

bool IsRadio(const FormWindow *data, size_t index) {
  return data->form.elements[index].kind == vorm::ElementKind::Radio;
}

bool IsChecked(const FormWindow *data, size_t index) {
  return data->controls[index] != nullptr &&
         SendMessageA(data->controls[index], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The options of index's radio group in template order.
std::vector<size_t> GroupOf(const FormWindow *data, size_t index) {
  std::vector<size_t> options;
  for (size_t i = 0; i < data->form.elements.size(); ++i)
    if (IsRadio(data, i) && data->form.elements[i].group == data->form.elements[index].group &&
        data->controls[i] != nullptr)
      options.push_back(i);
  return options;
}

size_t Count(const FormWindow *data) { return data->form.elements.size(); }

void MoveFocus(FormWindow *data, bool forward) {
  size_t count = Count(data);
  if (count == 0) return;
  size_t current = ElementOfControl(data, GetFocus());
  size_t at = current < count ? current : (forward ? count - 1 : 0);
  for (size_t step = 0; step < count; ++step) {
    at = forward ? (at + 1) % count : (at + count - 1) % count;
    if (TakesFocus(data, at)) {
      FocusElement(data, at, true);
      return;
    }
  }
}

void MoveInGroup(FormWindow *data, size_t index, bool forward) {
  std::vector<size_t> options = GroupOf(data, index);
  for (size_t k = 0; k < options.size(); ++k) {
    if (options[k] != index) continue;
    size_t next = options[forward ? (k + 1) % options.size() : (k + options.size() - 1) % options.size()];
    SelectRadio(data, next);
    FocusElement(data, next, false);
    return;
  }
}

// The customer uses the keyboard: focus rectangles (UISF_HIDEFOCUS) or also
// the underlined letters (UISF_HIDEACCEL) show from now on, as in a dialog.
void ShowKeyboardCues(FormWindow *data, WORD cues) {
  SendMessageA(data->window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}

// A push button drawn as the default (BS_DEFPUSHBUTTON) or not; the other
// style bits stay.
void DrawAsDefault(FormWindow *data, size_t index, bool isDefault) {
  if (index >= Count(data) || data->controls[index] == nullptr) return;
  HWND button = data->controls[index];
  WPARAM style = LOWORD(GetWindowLongA(button, GWL_STYLE)) & ~static_cast<WPARAM>(BS_TYPEMASK);
  SendMessageA(button, BM_SETSTYLE, style | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

// A letter of the ANSI code page in upper case, as the system's own
// Alt+letter matching does it.
unsigned char UpperLetter(unsigned char letter) {
  return static_cast<unsigned char>(
      reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(letter)))));
}

// The letter after a single '&' of a caption, upper case; 0 when none.
unsigned char MnemonicOf(const std::string &text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return UpperLetter(static_cast<unsigned char>(text[i + 1]));
  }
  return 0;
}

bool Inside(const vorm::Element &inner, const vorm::Element &outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

// Where a label's or a frame's letter leads: the first field after the
// label, or the first field inside the frame.
size_t FieldReachedBy(const FormWindow *data, size_t index) {
  const vorm::Element &element = data->form.elements[index];
  bool frame = element.kind == vorm::ElementKind::Group;
  for (size_t next = frame ? 0 : index + 1; next < Count(data); ++next)
    if (TakesFocus(data, next) && (!frame || Inside(data->form.elements[next], element)))
      return next;
  return Count(data);
}

// Alt+letter. A repeat of a held key is taken but does nothing: the button
// was pressed by the first.
bool Mnemonic(FormWindow *data, unsigned char key, bool repeat) {
  for (size_t i = 0; i < Count(data); ++i) {
    const vorm::Element &element = data->form.elements[i];
    bool painted = element.kind == vorm::ElementKind::Group;
    if ((data->controls[i] == nullptr && !painted) || MnemonicOf(element.text) != key) continue;
    if (!painted && !IsWindowEnabled(data->controls[i])) continue;
    if (repeat) return true;
    switch (element.kind) {
      case vorm::ElementKind::Button:
        FocusElement(data, i, false);
        PostMessageA(data->window, kPressMessage, i, 0);
        return true;
      case vorm::ElementKind::Radio:
        SelectRadio(data, i);
        FocusElement(data, i, false);
        return true;
      case vorm::ElementKind::Label:
      case vorm::ElementKind::Group: {
        size_t field = FieldReachedBy(data, i);
        if (field >= Count(data)) return false;
        FocusElement(data, field, true);
        return true;
      }
      default:
        return false;
    }
  }
  return false;
}

bool HandleKey(FormWindow *data, const MSG &msg) {
  bool control = GetKeyState(VK_CONTROL) < 0;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  // Bit 30: the key was already down, an automatic repeat while it is held.
  bool repeat = (msg.lParam & (1L << 30)) != 0;
  if (msg.message == WM_SYSKEYDOWN) {
    // Alt shows the letters; the key goes on to the window.
    if (msg.wParam == VK_MENU) ShowKeyboardCues(data, UISF_HIDEACCEL);
    return false;
  }
  if (msg.message == WM_SYSCHAR) {
    if (control || msg.wParam == 0 || msg.wParam > 0xFF) return false;
    ShowKeyboardCues(data, UISF_HIDEFOCUS | UISF_HIDEACCEL);
    return Mnemonic(data, UpperLetter(static_cast<unsigned char>(msg.wParam)), repeat);
  }
  size_t focus = ElementOfControl(data, GetFocus());
  switch (msg.wParam) {
    case VK_TAB:
      if (control) return false;
      ShowKeyboardCues(data, UISF_HIDEFOCUS);
      MoveFocus(data, !shift);
      return true;
    case VK_RETURN: {
      // The button drawn as the default, never another.
      FollowFocus(data, focus);
      size_t press = data->defaultButton;
      if (press >= Count(data)) return false;
      // Held down, Enter presses once, also when the first press opened
      // this screen: its repeats arrive here with the bit set.
      if (!repeat) PostMessageA(data->window, kPressMessage, press, 0);
      return true;
    }
    case VK_UP:
    case VK_LEFT:
    case VK_DOWN:
    case VK_RIGHT:
      // Arrows show the focus rectangle also where the control takes them.
      ShowKeyboardCues(data, UISF_HIDEFOCUS);
      if (focus >= Count(data) || !IsRadio(data, focus)) return false;
      MoveInGroup(data, focus, msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  MSG *msg = reinterpret_cast<MSG *>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE &&
      (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN ||
       msg->message == WM_SYSCHAR) &&
      msg->hwnd != nullptr) {
    HWND root = GetAncestor(msg->hwnd, GA_ROOT);
    FormWindow *data = FormOf(root);
    if (data != nullptr && IsWindowEnabled(root) && HandleKey(data, *msg)) msg->message = WM_NULL;
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

bool InstallKeyboardHook() {
  if (g_hook == nullptr)
    g_hook = SetWindowsHookExA(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
  return g_hook != nullptr;
}

bool TakesFocus(const FormWindow *data, size_t index) {
  HWND control = data->controls[index];
  if (control == nullptr || !IsWindowVisible(control) || !IsWindowEnabled(control)) return false;
  const vorm::Element &element = data->form.elements[index];
  switch (element.kind) {
    case vorm::ElementKind::Edit:
      return !element.readOnly;  // read-only amounts are read, not visited
    case vorm::ElementKind::Button:
      return true;
    case vorm::ElementKind::Radio: {
      // One stop per group: its selected option, else its first.
      std::vector<size_t> options = GroupOf(data, index);
      for (size_t option : options)
        if (IsChecked(data, option)) return option == index;
      return !options.empty() && options.front() == index;
    }
    default:
      return false;
  }
}

void FocusElement(FormWindow *data, size_t index, bool selectText) {
  HWND control = data->controls[index];
  if (control == nullptr) return;
  SetFocus(control);
  data->lastFocus = control;
  if (selectText && data->form.elements[index].kind == vorm::ElementKind::Edit)
    SendMessageA(control, EM_SETSEL, 0, -1);
}

size_t FirstFocusElement(const FormWindow *data) {
  for (size_t i = 0; i < Count(data); ++i)
    if (data->form.elements[i].kind == vorm::ElementKind::Edit && TakesFocus(data, i)) return i;
  for (size_t i = 0; i < Count(data); ++i)
    if (TakesFocus(data, i)) return i;
  return Count(data);
}

void FollowFocus(FormWindow *data, size_t focus) {
  size_t button = vorm::DefaultButtonFor(data->form.elements, focus);
  if (button == data->defaultButton) return;
  DrawAsDefault(data, data->defaultButton, false);
  DrawAsDefault(data, button, true);
  data->defaultButton = button;
}

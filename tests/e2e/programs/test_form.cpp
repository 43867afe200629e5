// test_form: a window built the way the form engine builds its form windows
// (named controls through the "VormName" property, the template name through
// "VormTemplate"), so the harness and winctl are tested before and apart
// from the engine.
//
//   field "first_name": each change sets the title to "changed:<text>";
//   button "greet": shows a warning box "Hello <text>" captioned
//     "Harness Box", owned by the form, then ends with the box's result;
//   radio buttons "card" and "check" (card checked);
//   WM_COMMAND 4243 shows a box "Plain" without an icon and goes on;
//   WM_COMMAND 4242 ends with code 42; WM_CLOSE ends with code 0.
// The client area is painted RGB(0, 128, 255) for screenshot checks.
#include <windows.h>

#include <string>

namespace {

const char kClassName[] = "VelInstHarnessForm";
const int kFieldId = 101;
const int kGreetId = 102;
const int kCardId = 103;
const int kCheckId = 104;
const int kEndCommand = 4242;
const int kPlainBoxCommand = 4243;

void Name(HWND window, const char *property, const char *name) {
  SetPropA(window, property, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(GlobalAddAtomA(name))));
}

HWND Control(HWND form, const char *className, const char *text, DWORD style, int id, int y,
             const char *name) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, y, 200,
                                 24, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  Name(control, "VormName", name);
  return control;
}

std::string FieldText(HWND form) {
  char text[256] = "";
  GetDlgItemTextA(form, kFieldId, text, sizeof text);
  return text;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      Name(window, "VormTemplate", "harness");
      Control(window, "Edit", "", WS_BORDER | ES_AUTOHSCROLL, kFieldId, 10, "first_name");
      Control(window, "Button", "Greet", BS_PUSHBUTTON, kGreetId, 40, "greet");
      Control(window, "Button", "Card", BS_AUTORADIOBUTTON | WS_GROUP, kCardId, 70, "card");
      Control(window, "Button", "Check", BS_AUTORADIOBUTTON, kCheckId, 100, "check");
      CheckRadioButton(window, kCardId, kCheckId, kCardId);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kFieldId && HIWORD(wParam) == EN_CHANGE) {
        SetWindowTextA(window, ("changed:" + FieldText(window)).c_str());
      } else if (LOWORD(wParam) == kGreetId && HIWORD(wParam) == BN_CLICKED) {
        int result = MessageBoxA(window, ("Hello " + FieldText(window)).c_str(), "Harness Box",
                                 MB_OK | MB_ICONWARNING);
        DestroyWindow(window);
        PostQuitMessage(result);
      } else if (LOWORD(wParam) == kPlainBoxCommand) {
        MessageBoxA(window, "Plain", "Harness Box", MB_OK);
      } else if (LOWORD(wParam) == kEndCommand) {
        DestroyWindow(window);
        PostQuitMessage(42);
      }
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = FormProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = CreateSolidBrush(RGB(0, 128, 255));
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return 3;
  HWND form = CreateWindowExA(0, kClassName, "Harness Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              100, 100, 400, 300, nullptr, nullptr, instance, nullptr);
  if (form == nullptr) return 3;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(form, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

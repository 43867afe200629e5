// vorm_host: owns the form engine's windows the way the launcher does, for
// the end-to-end tests of VORM2.dll. It loads the DLL at run time (and can
// free it again) and carries the launcher's manifest.
//
//   vorm_host.exe TEMPLATE LOG COMMANDS [PREFILL_FIELD PREFILL_TEXT]
//
// It opens TEMPLATE with VORM_Create(owner, 0x80000000, path, 0, 0, 1),
// then starts its timer (as the launcher does: a warning about the template
// stays until it is answered), runs the plain
// GetMessage/TranslateMessage/DispatchMessage loop and appends one
// tab-separated line to LOG for each thing it sees:
//   opened NAME forms=N visible=0|1 fields=N   (message 3024)
//   changed                                   (message 3044)
//   command N                                 (WM_COMMAND)
//   closed                                    (no form window is left)
//   uistate ACTION FLAGS                      (WM_CHANGEUISTATE to a form
//                                              window; Wine keeps no UI state)
// PREFILL_FIELD is set to PREFILL_TEXT with VORM_SetEditText inside 3024.
//
// Every 100 ms it carries out the new lines of the file COMMANDS:
//   set FIELD TEXT        VORM_SetEditText           -> set RESULT writes=N
//                         (N: the WM_SETTEXT messages edits got meanwhile)
//   get FIELD CAPACITY    VORM_GetEditText           -> get RESULT TEXT intact=0|1
//   check GROUP CAPACITY  VORM_RadioButton_GetCheck  -> check RESULT TEXT intact=0|1
//   name                  VORM_GetCurrentTemplateName -> name TEXT
//   button N CAPTION 0|1  VORM_SetCommandButton (CAPTION "-": NULL) -> button RESULT
//   create PATH           VORM_Create                -> create RESULT
//   dpi N CONTROL         sends WM_DPICHANGED (N, a suggested rect at the
//                         form's place) to the current form, which Wine
//                         never does -> dpi N client=WxH font=HEIGHT
//                         (CONTROL's font height in pixels)
//   release               FreeLibrary(VORM2.dll)     -> release RESULT
//   quit                  ends the loop
// "intact" tells whether the bytes after the capacity were left alone.
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "vorm.h"

namespace {

// The engine's functions, found by name as a host that loads it would.
struct Engine {
  HMODULE module = nullptr;
  decltype(&VORM_Init) init = nullptr;
  decltype(&VORM_Create) create = nullptr;
  decltype(&VORM_GetCurrentTemplateName) name = nullptr;
  decltype(&VORM_GetEditText) getText = nullptr;
  decltype(&VORM_SetEditText) setText = nullptr;
  decltype(&VORM_RadioButton_GetCheck) getCheck = nullptr;
  decltype(&VORM_SetCommandButton) setButton = nullptr;
} g_engine;

template <typename Function>
void Find(Function &function, const char *name) {
  function = reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(g_engine.module, name)));
}

bool LoadEngine() {
  g_engine.module = LoadLibraryA("VORM2.dll");
  if (g_engine.module == nullptr) return false;
  Find(g_engine.init, "VORM_Init");
  Find(g_engine.create, "VORM_Create");
  Find(g_engine.name, "VORM_GetCurrentTemplateName");
  Find(g_engine.getText, "VORM_GetEditText");
  Find(g_engine.setText, "VORM_SetEditText");
  Find(g_engine.getCheck, "VORM_RadioButton_GetCheck");
  Find(g_engine.setButton, "VORM_SetCommandButton");
  return g_engine.init && g_engine.create && g_engine.name && g_engine.getText &&
         g_engine.setText && g_engine.getCheck && g_engine.setButton;
}

const UINT_PTR kTimer = 1;
const char kGuard = '\x5A';
const int kGuardBytes = 16;

std::string g_log;
std::string g_commands;
size_t g_commandsDone = 0;
int g_editWrites = 0;
std::string g_prefillField, g_prefillText;

void Log(const std::string &line) {
  if (FILE *file = fopen(g_log.c_str(), "ab")) {
    fputs((line + "\n").c_str(), file);
    fclose(file);
  }
}

int CountForms() {
  int count = 0;
  for (HWND h = FindWindowExA(nullptr, nullptr, VORM_WINDOW_CLASS, nullptr); h != nullptr;
       h = FindWindowExA(nullptr, h, VORM_WINDOW_CLASS, nullptr))
    ++count;
  return count;
}

// The keyboard-cue changes the engine asks of its form windows, and the
// texts written into edit controls.
LRESULT CALLBACK WatchSentMessages(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT *sent = reinterpret_cast<const CWPSTRUCT *>(lParam);
  char className[64] = "";
  if (code == HC_ACTION && (sent->message == WM_CHANGEUISTATE || sent->message == WM_SETTEXT) &&
      GetClassNameA(sent->hwnd, className, sizeof className)) {
    if (sent->message == WM_CHANGEUISTATE && lstrcmpA(className, VORM_WINDOW_CLASS) == 0)
      Log("uistate\t" + std::to_string(LOWORD(sent->wParam)) + "\t" +
          std::to_string(HIWORD(sent->wParam)));
    if (sent->message == WM_SETTEXT && lstrcmpiA(className, "Edit") == 0) ++g_editWrites;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK CountNamed(HWND child, LPARAM count) {
  if (GetPropA(child, "VormName") != nullptr) ++*reinterpret_cast<int *>(count);
  return TRUE;
}

// The form window of the template just opened: the one carrying its name.
HWND FormNamed(const char *name) {
  for (HWND h = FindWindowExA(nullptr, nullptr, VORM_WINDOW_CLASS, nullptr); h != nullptr;
       h = FindWindowExA(nullptr, h, VORM_WINDOW_CLASS, nullptr)) {
    char text[256] = "";
    HANDLE atom = GetPropA(h, "VormTemplate");
    if (atom != nullptr &&
        GlobalGetAtomNameA(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(atom)), text, sizeof text) &&
        lstrcmpA(text, name) == 0)
      return h;
  }
  return nullptr;
}

std::vector<std::string> SplitTabs(const std::string &line) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return parts;
    start = tab + 1;
  }
}

// A read into a buffer of `capacity` bytes followed by guard bytes.
std::string GuardedRead(int capacity, bool &intact,
                        int (*read)(const void *key, char *dest, int capacity), const void *key,
                        int &result) {
  std::vector<char> buffer(static_cast<size_t>(capacity) + kGuardBytes, kGuard);
  result = read(key, buffer.data(), capacity);
  intact = true;
  for (int i = capacity; i < capacity + kGuardBytes; ++i) intact = intact && buffer[i] == kGuard;
  std::string text;
  for (int i = 0; i < capacity && buffer[i] != '\0'; ++i) text += buffer[i];
  return text;
}

int ReadField(const void *key, char *dest, int capacity) {
  return g_engine.getText(static_cast<const char *>(key), dest, capacity);
}

int ReadGroup(const void *key, char *dest, int capacity) {
  return g_engine.getCheck(*static_cast<const int *>(key), dest, capacity);
}

BOOL CALLBACK FindNamed(HWND child, LPARAM wanted) {
  auto *search = reinterpret_cast<std::pair<const char *, HWND> *>(wanted);
  HANDLE atom = GetPropA(child, "VormName");
  char name[256] = "";
  if (atom != nullptr &&
      GlobalGetAtomNameA(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(atom)), name, sizeof name) &&
      lstrcmpiA(name, search->first) == 0) {
    search->second = child;
    return FALSE;
  }
  return TRUE;
}

// What the system would send when the form's monitor changes its scale: the
// new DPI and a rect at the same place, scaled from the form's last DPI.
std::string ChangeDpi(int dpi, const char *control) {
  static int last = 0;
  if (last == 0) {
    HDC screen = GetDC(nullptr);
    last = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  HWND form = FormNamed(g_engine.name());
  if (form == nullptr) return "no form";
  RECT r;
  GetWindowRect(form, &r);
  RECT suggested = {r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, last),
                    r.top + MulDiv(r.bottom - r.top, dpi, last)};
  last = dpi;
  SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RECT client;
  GetClientRect(form, &client);
  std::pair<const char *, HWND> search(control, nullptr);
  EnumChildWindows(form, FindNamed, reinterpret_cast<LPARAM>(&search));
  LOGFONTA font = {};
  if (search.second != nullptr) {
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(search.second, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
  }
  return "client=" + std::to_string(client.right) + "x" + std::to_string(client.bottom) +
         "\tfont=" + std::to_string(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight);
}

void RunCommand(HWND owner, const std::string &line) {
  std::vector<std::string> p = SplitTabs(line);
  const std::string &verb = p[0];
  if (verb == "set" && p.size() == 3) {
    const int before = g_editWrites;
    const int result = g_engine.setText(p[1].c_str(), p[2].c_str());
    Log("set\t" + std::to_string(result) + "\twrites=" + std::to_string(g_editWrites - before));
  } else if ((verb == "get" || verb == "check") && p.size() == 3) {
    bool intact = false;
    int result = 0;
    int group = atoi(p[1].c_str());
    std::string text =
        verb == "get" ? GuardedRead(atoi(p[2].c_str()), intact, ReadField, p[1].c_str(), result)
                      : GuardedRead(atoi(p[2].c_str()), intact, ReadGroup, &group, result);
    Log(verb + "\t" + std::to_string(result) + "\t" + text + "\tintact=" + (intact ? "1" : "0"));
  } else if (verb == "button" && p.size() == 4) {
    const char *caption = p[2] == "-" ? nullptr : p[2].c_str();
    Log("button\t" + std::to_string(g_engine.setButton(atoi(p[1].c_str()), caption,
                                                         atoi(p[3].c_str()))));
  } else if (verb == "name") {
    Log(std::string("name\t") + g_engine.name());
  } else if (verb == "create" && p.size() == 2) {
    Log("create\t" + std::to_string(g_engine.create(owner, VORM_FLAG_OWNED, p[1].c_str(), 0, 0, 1)));
  } else if (verb == "dpi" && p.size() == 3) {
    Log("dpi\t" + p[1] + "\t" + ChangeDpi(atoi(p[1].c_str()), p[2].c_str()));
  } else if (verb == "release") {
    Log("release\t" + std::to_string(FreeLibrary(g_engine.module) ? 1 : 0));
  } else if (verb == "quit") {
    PostQuitMessage(0);
  } else if (!verb.empty()) {
    Log("unknown\t" + line);
  }
}

void RunNewCommands(HWND owner) {
  FILE *file = fopen(g_commands.c_str(), "rb");
  if (file == nullptr) return;
  std::string text;
  char chunk[1024];
  size_t got = 0;
  while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
  fclose(file);
  // Only whole lines: the test may be writing the file right now.
  size_t end = text.rfind('\n');
  if (end == std::string::npos || end + 1 <= g_commandsDone) return;
  std::string fresh = text.substr(g_commandsDone, end + 1 - g_commandsDone);
  g_commandsDone = end + 1;
  size_t start = 0;
  while (start < fresh.size()) {
    size_t newline = fresh.find('\n', start);
    std::string line = fresh.substr(start, newline - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    RunCommand(owner, line);
    start = newline + 1;
  }
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case MSG_TEMPLATE_OPENED: {
      const char *name = reinterpret_cast<const char *>(wParam);
      HWND form = FormNamed(name);
      int fields = 0;
      if (form != nullptr) EnumChildWindows(form, CountNamed, reinterpret_cast<LPARAM>(&fields));
      if (!g_prefillField.empty()) g_engine.setText(g_prefillField.c_str(), g_prefillText.c_str());
      Log(std::string("opened\t") + name + "\tforms=" + std::to_string(CountForms()) +
          "\tvisible=" + (form != nullptr && IsWindowVisible(form) ? "1" : "0") +
          "\tfields=" + std::to_string(fields));
      return 0;
    }
    case MSG_FIELD_CHANGED:
      Log("changed");
      return 0;
    case WM_COMMAND:
      Log("command\t" + std::to_string(LOWORD(wParam)));
      return 0;
    case WM_TIMER:
      RunNewCommands(window);
      if (CountForms() == 0) {
        Log("closed");
        PostQuitMessage(0);
      }
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 4) return 2;
  g_log = __argv[2];
  g_commands = __argv[3];
  if (__argc >= 6) {
    g_prefillField = __argv[4];
    g_prefillText = __argv[5];
  }
  WNDCLASSA wc = {};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = instance;
  wc.lpszClassName = "VormHostOwner";
  RegisterClassA(&wc);
  if (!LoadEngine() || !g_engine.init(nullptr)) return 3;
  SetWindowsHookExA(WH_CALLWNDPROC, WatchSentMessages, nullptr, GetCurrentThreadId());
  HWND owner = CreateWindowExA(0, "VormHostOwner", "vorm host", WS_POPUP, 0, 0, 1, 1, nullptr,
                               nullptr, instance, nullptr);
  int created = g_engine.create(owner, VORM_FLAG_OWNED, __argv[1], 0, 0, 1);
  Log("create\t" + std::to_string(created));
  if (!created) return 1;
  SetTimer(owner, kTimer, 100, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

// winctl: drives the windows of other programs running under the same
// wineserver, for the end-to-end tests. Every result is printed as one line
// per object of tab-separated name=value fields (tabs, newlines and
// backslashes in texts escaped), so the tests parse it without guessing.
//
// Exit codes: 0 done, 1 not found (or not gone in time), 2 bad usage,
// 3 a control that did not answer in time. Every exit code but 0 comes
// with a line on stderr that starts with "winctl:".
//
// A WINDOW argument is a handle in hex (0x...) or a window class name: the
// first visible top-level window of that class, else the first hidden one.
//
// `winctl serve` takes one command a line from stdin (arguments separated by
// tabs, escaped as the output is, in UTF-8) and ends each command's output
// with the line "winctl-end=CODE"; messages go to stdout with it. Under
// emulation each start of a program costs seconds, so the harness keeps one
// running there.
#include <io.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <wininet.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// IQueryCancelAutoPlay; of this file alone, the compiler would take its
// method for never overridden and call nothing through it.
struct AutoPlayQuestion : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE AllowAutoPlay(LPCWSTR, DWORD, LPCWSTR, DWORD) = 0;
};

namespace {

const DWORD kPollMs = 50;
const UINT kSendTimeoutMs = 5000;
// How long a command waits for the control it drives: a form being built
// or a program slowed by a loaded machine is waited for, not reported gone.
const DWORD kControlWaitMs = 10000;
const int kNoAnswer = 3;
const char kFormClass[] = "Template Window Class";
const int kMessageBoxTextId = 0xFFFF;

std::string Escape(const char *text) {
  std::string out;
  for (const char *p = text; *p != '\0'; ++p) {
    switch (*p) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += *p;
    }
  }
  return out;
}

std::string Hex(unsigned long long value) {
  char text[32];
  snprintf(text, sizeof text, "0x%llx", value);
  return text;
}

std::string HandleText(HWND window) {
  return Hex(reinterpret_cast<unsigned long long>(window));
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Text through WM_GETTEXT, which reaches the control's own buffer even in
// another process (GetWindowText would read only the cached caption there).
std::string TextOf(HWND window) {
  std::vector<char> text(32768, '\0');
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(),
                           reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &ignored))
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.back() = '\0';
  return text.data();
}

// The name the form engine gives a window through a property holding a
// global atom.
std::string AtomProperty(HWND window, const char *property) {
  HANDLE value = GetPropA(window, property);
  char name[256] = "";
  if (value != nullptr)
    GlobalGetAtomNameA(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(value)), name,
                       sizeof name);
  return name;
}

std::string RectText(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  char text[96];
  snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
  return text;
}

std::string Field(const char *name, const std::string &value) {
  return std::string(name) + "=" + value;
}

void PrintLine(const std::vector<std::string> &fields) {
  std::string line;
  for (const std::string &field : fields) {
    if (!line.empty()) line += '\t';
    line += field;
  }
  printf("%s\n", line.c_str());
  fflush(stdout);
}

void PrintTopLevel(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char title[1024] = "";
  GetWindowTextA(window, title, sizeof title);
  PrintLine({Field("hwnd", HandleText(window)), Field("class", Escape(ClassOf(window).c_str())),
             Field("title", Escape(title)),
             Field("owner", HandleText(GetWindow(window, GW_OWNER))),
             Field("rect", RectText(window)),
             Field("style", Hex(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)))),
             Field("exstyle", Hex(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)))),
             Field("visible", IsWindowVisible(window) ? "1" : "0"),
             Field("pid", std::to_string(pid)),
             Field("template", Escape(AtomProperty(window, "VormTemplate").c_str()))});
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool TitleMatches(HWND window, const char *title) {
  if (title == nullptr) return true;
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return strcmp(text, title) == 0;
}

// First visible top-level window of the class (and title), else the first
// hidden one; nullptr when there is none.
HWND FindTopLevel(const char *className, const char *title) {
  HWND hidden = nullptr;
  for (HWND window : TopLevelWindows()) {
    if (ClassOf(window) != className || !TitleMatches(window, title)) continue;
    if (IsWindowVisible(window)) return window;
    if (hidden == nullptr) hidden = window;
  }
  return hidden;
}

bool IsHandleText(const char *target) {
  return strncmp(target, "0x", 2) == 0 || strncmp(target, "0X", 2) == 0;
}

HWND ResolveWindow(const char *target) {
  if (IsHandleText(target)) {
    HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(strtoull(target, nullptr, 16)));
    return IsWindow(window) ? window : nullptr;
  }
  return FindTopLevel(target, nullptr);
}

// A control of the form window by the name the form engine gave it. Global
// atoms ignore case (an atom keeps the case it was first added with), so the
// names do too. "#ID" names a dialog's control by its id.
HWND FindNamedControl(HWND form, const char *name) {
  if (name[0] == '#') return GetDlgItem(form, atoi(name + 1));
  for (HWND child : ChildWindows(form))
    if (lstrcmpiA(AtomProperty(child, "VormName").c_str(), name) == 0) return child;
  return nullptr;
}

DWORD ParseMs(const char *text) { return static_cast<DWORD>(strtoul(text, nullptr, 10)); }

// Polls `found` until it returns a window or the time is up.
template <typename Finder>
HWND WaitFor(DWORD timeoutMs, Finder found) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND window = found();
    if (window != nullptr) return window;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(kPollMs);
  }
}

int NotFound(const char *what) {
  fprintf(stderr, "winctl: %s not found\n", what);
  return 1;
}

int List() {
  for (HWND window : TopLevelWindows()) PrintTopLevel(window);
  return 0;
}

int Wait(const char *className, DWORD timeoutMs, const char *title) {
  HWND window = WaitFor(timeoutMs, [&] { return FindTopLevel(className, title); });
  if (window == nullptr) return NotFound(className);
  PrintTopLevel(window);
  return 0;
}

// A form window the engine has finished: shown, carrying its template's
// name (the engine attaches it once every control exists) and, when names
// are given, a control of each. "*" stands for any template.
HWND FindFinishedForm(const char *templateName, char **names, int count) {
  for (HWND window : TopLevelWindows()) {
    if (ClassOf(window) != kFormClass || !IsWindowVisible(window)) continue;
    std::string name = AtomProperty(window, "VormTemplate");
    if (name.empty() || (strcmp(templateName, "*") != 0 &&
                         lstrcmpiA(name.c_str(), templateName) != 0))
      continue;
    bool complete = true;
    for (int i = 0; i < count && complete; ++i)
      complete = FindNamedControl(window, names[i]) != nullptr;
    if (complete) return window;
  }
  return nullptr;
}

int WaitForm(const char *templateName, DWORD timeoutMs, char **names, int count) {
  HWND window = WaitFor(timeoutMs, [&] { return FindFinishedForm(templateName, names, count); });
  if (window == nullptr) return NotFound(templateName);
  PrintTopLevel(window);
  return 0;
}

int Gone(const char *className, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (FindTopLevel(className, nullptr) != nullptr) {
    if (GetTickCount() - start >= timeoutMs) {
      fprintf(stderr, "winctl: %s still there\n", className);
      return 1;
    }
    Sleep(kPollMs);
  }
  return 0;
}

std::string CheckState(HWND control) {
  if (ClassOf(control) != "Button") return "";
  DWORD_PTR state = 0;
  SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &state);
  return std::to_string(state);
}

int Controls(const char *target) {
  HWND form = ResolveWindow(target);
  if (form == nullptr) return NotFound(target);
  for (HWND child : ChildWindows(form)) {
    PrintLine({Field("hwnd", HandleText(child)),
               Field("id", std::to_string(GetDlgCtrlID(child))),
               Field("name", Escape(AtomProperty(child, "VormName").c_str())),
               Field("class", Escape(ClassOf(child).c_str())),
               Field("text", Escape(TextOf(child).c_str())),
               Field("style", Hex(static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE)))),
               Field("rect", RectText(child)),
               Field("visible", IsWindowVisible(child) ? "1" : "0"),
               Field("enabled", IsWindowEnabled(child) ? "1" : "0"),
               Field("checked", CheckState(child))});
  }
  return 0;
}

// The named control of the form, waited for; nullptr when the form or the
// control is not there in time (reported).
HWND WaitForControl(const char *target, const char *name) {
  // A handle is there or gone for good; a class may still be coming.
  HWND form = IsHandleText(target) ? ResolveWindow(target)
                     : WaitFor(kControlWaitMs, [&] { return ResolveWindow(target); });
  if (form == nullptr) {
    NotFound(target);
    return nullptr;
  }
  HWND control = WaitFor(kControlWaitMs, [&] { return FindNamedControl(form, name); });
  if (control == nullptr) NotFound(name);
  return control;
}

int SetText(const char *target, const char *name, const char *text) {
  HWND control = WaitForControl(target, name);
  if (control == nullptr) return 1;
  // Sent, as typing does: the edit control then notifies its parent. A
  // program that is busy for a moment is asked again until the wait ends.
  DWORD start = GetTickCount();
  DWORD_PTR result = 0;
  while (!SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                              SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
    if (!IsWindow(control)) return NotFound(name);
    if (GetTickCount() - start >= kControlWaitMs) {
      fprintf(stderr, "winctl: %s did not answer\n", name);
      return kNoAnswer;
    }
    Sleep(kPollMs);
  }
  return 0;
}

int GetText(const char *target, const char *name) {
  HWND control = WaitForControl(target, name);
  if (control == nullptr) return 1;
  PrintLine({Field("name", Escape(name)), Field("text", Escape(TextOf(control).c_str()))});
  return 0;
}

int Click(const char *target, const char *name) {
  HWND control = WaitForControl(target, name);
  if (control == nullptr) return 1;
  // Posted: the click may open a modal message box in the program, and the
  // test must go on to read it.
  PostMessageA(control, BM_CLICK, 0, 0);
  return 0;
}

HWND FindMessageBox() { return FindTopLevel("#32770", nullptr); }

// A message box once it is shown with its buttons: its controls are made
// after the window itself.
HWND FindShownMessageBox() {
  HWND box = FindMessageBox();
  if (box == nullptr || !IsWindowVisible(box)) return nullptr;
  for (HWND child : ChildWindows(box))
    if (ClassOf(child) == "Button" && IsWindowVisible(child)) return box;
  return nullptr;
}

int MessageBoxInfo(DWORD timeoutMs) {
  HWND box = WaitFor(timeoutMs, FindShownMessageBox);
  if (box == nullptr) return NotFound("message box");
  char caption[1024] = "";
  GetWindowTextA(box, caption, sizeof caption);
  char text[4096] = "";
  GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof text);
  // The icon is a static control of icon style holding an icon (Windows
  // and Wine give it different ids).
  bool icon = false;
  std::string buttons;
  for (HWND child : ChildWindows(box)) {
    if (ClassOf(child) == "Static" && IsWindowVisible(child) &&
        (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      DWORD_PTR handle = 0;
      SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &handle);
      icon = icon || handle != 0;
    }
    if (ClassOf(child) != "Button" || !IsWindowVisible(child)) continue;
    if (!buttons.empty()) buttons += "|";
    buttons += std::to_string(GetDlgCtrlID(child)) + ":" + TextOf(child);
  }
  PrintLine({Field("hwnd", HandleText(box)), Field("caption", Escape(caption)),
             Field("text", Escape(text)), Field("owner", HandleText(GetWindow(box, GW_OWNER))),
             Field("icon", icon ? "1" : "0"),
             Field("buttons", Escape(buttons.c_str()))});
  return 0;
}

int CloseMessageBox(DWORD timeoutMs, int button) {
  HWND box = WaitFor(timeoutMs, FindShownMessageBox);
  if (box == nullptr) return NotFound("message box");
  PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
  return 0;
}

int Post(const char *target, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = ResolveWindow(target);
  if (window == nullptr) return NotFound(target);
  if (PostMessageA(window, message, wParam, lParam)) return 0;
  fprintf(stderr, "winctl: %s refused the message\n", target);
  return 1;
}

// Sends a message, a number or the name of a registered one, and prints the
// window's answer.
int Send(const char *target, const char *message, WPARAM wParam, LPARAM lParam) {
  HWND window = ResolveWindow(target);
  if (window == nullptr) return NotFound(target);
  const UINT id = isdigit(static_cast<unsigned char>(message[0]))
                      ? static_cast<UINT>(strtoul(message, nullptr, 0))
                      : RegisterWindowMessageA(message);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, id, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
    return NotFound("an answer");
  PrintLine({Field("result", std::to_string(result))});
  return 0;
}

// The active window and the keyboard focus of the thread that owns WINDOW.
int Focus(const char *target) {
  HWND window = ResolveWindow(target);
  if (window == nullptr) return NotFound(target);
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
    fprintf(stderr, "winctl: no thread information\n");
    return 1;
  }
  HWND root = info.hwndFocus != nullptr ? GetAncestor(info.hwndFocus, GA_ROOT) : nullptr;
  PrintLine({Field("active", HandleText(info.hwndActive)),
             Field("focus", HandleText(info.hwndFocus)),
             Field("focus_name", Escape(AtomProperty(info.hwndFocus, "VormName").c_str())),
             Field("focus_root", HandleText(root))});
  return 0;
}

// Whether the window's thread handles a message within the time, as Windows
// asks before it calls a program "Not Responding".
int Responds(const char *target, UINT timeoutMs) {
  HWND window = ResolveWindow(target);
  if (window == nullptr) return NotFound(target);
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored))
    return 0;
  fprintf(stderr, "winctl: %s did not answer\n", target);
  return 1;
}

// The answer to AutoPlay registered with the shell in the running object
// table, as the shell asks it for a disc in D:\: "registered=0", or
// "registered=1" and AllowAutoPlay's result (0x1, S_FALSE: cancelled).
int AutoPlayAnswer() {
  static const IID kQuestionId = {0xDDEFE873, 0x6997, 0x4E68,
                                  {0xBE, 0x26, 0x39, 0xB6, 0x33, 0xAD, 0xBE, 0x12}};
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IMoniker *moniker = nullptr;
  IRunningObjectTable *table = nullptr;
  if (FAILED(com) || FAILED(SHCreateQueryCancelAutoPlayMoniker(&moniker)) ||
      FAILED(GetRunningObjectTable(0, &table))) {
    fprintf(stderr, "winctl: no running object table\n");
    return 1;
  }
  IUnknown *object = nullptr;
  AutoPlayQuestion *question = nullptr;
  if (FAILED(table->GetObject(moniker, &object))) {
    printf("registered=0\n");
  } else if (FAILED(object->QueryInterface(kQuestionId, reinterpret_cast<void **>(&question)))) {
    printf("registered=1\tanswer=none\n");
  } else {
    const HRESULT answer = question->AllowAutoPlay(L"D:\\", 2, L"CORVINEL", 0x1234);
    printf("registered=1\tanswer=%s\n", Hex(static_cast<unsigned long>(answer)).c_str());
    question->Release();
  }
  if (object != nullptr) object->Release();
  table->Release();
  moniker->Release();
  return 0;
}

// Whether the internet library sees a network: under emulation the driver
// that tells it sometimes fails to start.
int Network() {
  DWORD flags = 0;
  if (InternetGetConnectedState(&flags, 0)) return 0;
  fprintf(stderr, "winctl: the internet library sees no network\n");
  return 1;
}

int Language() {
  printf("system_language=0x%04x\tuser_language=0x%04x\n", GetSystemDefaultLangID(),
         GetUserDefaultLangID());
  return 0;
}

int Metrics() {
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  printf("cxfullscreen=%d\tcyfullscreen=%d\tcxscreen=%d\tcyscreen=%d\tworkarea=%ld,%ld,%ld,%ld\n",
         GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN),
         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), work.left, work.top,
         work.right, work.bottom);
  return 0;
}

// Switches the display to another resolution, as a projector plugged in
// would; the windows of every program then hear of it.
int Mode(int width, int height) {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  mode.dmPelsWidth = static_cast<DWORD>(width);
  mode.dmPelsHeight = static_cast<DWORD>(height);
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  const LONG result = ChangeDisplaySettingsExA(nullptr, &mode, nullptr, 0, nullptr);
  if (result == DISP_CHANGE_SUCCESSFUL) return 0;
  fprintf(stderr, "winctl: the display refused %dx%d (%ld)\n", width, height, result);
  return 1;
}

int Usage() {
  fprintf(stderr,
          "usage: winctl list\n"
          "       winctl metrics\n"
          "       winctl wait CLASS TIMEOUT_MS [TITLE]\n"
          "       winctl form TEMPLATE|* TIMEOUT_MS [NAME ...]\n"
          "       winctl gone CLASS TIMEOUT_MS\n"
          "       winctl controls WINDOW\n"
          "       winctl settext WINDOW NAME TEXT\n"
          "       winctl gettext WINDOW NAME\n"
          "       winctl click WINDOW NAME\n"
          "       winctl msgbox TIMEOUT_MS\n"
          "       winctl closebox TIMEOUT_MS [BUTTON_ID]\n"
          "       winctl command WINDOW NUMBER\n"
          "       winctl close WINDOW\n"
          "       winctl focus WINDOW\n"
          "       winctl post WINDOW MESSAGE WPARAM LPARAM\n"
          "       winctl responds WINDOW TIMEOUT_MS\n"
          "       winctl send WINDOW MESSAGE|NAME WPARAM LPARAM\n"
          "       winctl language\n"
          "       winctl network\n"
          "       winctl autoplay\n"
          "       winctl mode WIDTH HEIGHT\n"
          "       winctl serve\n");
  return 2;
}

unsigned long long Number(const char *text) { return strtoull(text, nullptr, 0); }

// One command: words[0] names it, the rest are its arguments.
int Run(int words, char **argv) {
  if (words < 1) return Usage();
  const std::string command = argv[0];
  const int count = words - 1;
  char **args = argv + 1;
  if (command == "list" && count == 0) return List();
  if (command == "language" && count == 0) return Language();
  if (command == "network" && count == 0) return Network();
  if (command == "autoplay" && count == 0) return AutoPlayAnswer();
  if (command == "metrics" && count == 0) return Metrics();
  if (command == "wait" && (count == 2 || count == 3))
    return Wait(args[0], ParseMs(args[1]), count == 3 ? args[2] : nullptr);
  if (command == "form" && count >= 2)
    return WaitForm(args[0], ParseMs(args[1]), args + 2, count - 2);
  if (command == "gone" && count == 2) return Gone(args[0], ParseMs(args[1]));
  if (command == "controls" && count == 1) return Controls(args[0]);
  if (command == "settext" && count == 3) return SetText(args[0], args[1], args[2]);
  if (command == "gettext" && count == 2) return GetText(args[0], args[1]);
  if (command == "click" && count == 2) return Click(args[0], args[1]);
  if (command == "msgbox" && count == 1) return MessageBoxInfo(ParseMs(args[0]));
  if (command == "closebox" && (count == 1 || count == 2))
    return CloseMessageBox(ParseMs(args[0]), count == 2 ? static_cast<int>(Number(args[1])) : IDOK);
  if (command == "command" && count == 2)
    return Post(args[0], WM_COMMAND, static_cast<WPARAM>(Number(args[1])), 0);
  if (command == "close" && count == 1) return Post(args[0], WM_CLOSE, 0, 0);
  if (command == "focus" && count == 1) return Focus(args[0]);
  if (command == "send" && count == 4)
    return Send(args[0], args[1], static_cast<WPARAM>(Number(args[2])),
                static_cast<LPARAM>(Number(args[3])));
  if (command == "post" && count == 4)
    return Post(args[0], static_cast<UINT>(Number(args[1])),
                static_cast<WPARAM>(Number(args[2])), static_cast<LPARAM>(Number(args[3])));
  if (command == "responds" && count == 2) return Responds(args[0], ParseMs(args[1]));
  if (command == "mode" && count == 2) return Mode(atoi(args[0]), atoi(args[1]));
  return Usage();
}

// An argument as Wine hands a program started in a UTF-8 locale its command
// line: in the ANSI code page.
std::string FromUtf8(const std::string &text) {
  std::vector<wchar_t> wide(text.size() + 1, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  std::vector<char> ansi(wide.size() * 2, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, ansi.data(), static_cast<int>(ansi.size()),
                      nullptr, nullptr);
  return ansi.data();
}

std::vector<std::string> SplitArguments(const std::string &line) {
  std::vector<std::string> words(1);
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\t') {
      words.emplace_back();
    } else if (line[i] == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      words.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else {
      words.back() += line[i];
    }
  }
  for (std::string &word : words) word = FromUtf8(word);
  return words;
}

int Serve() {
  _dup2(_fileno(stdout), _fileno(stderr));
  std::string line;
  for (int c = getchar(); c != EOF; c = getchar()) {
    if (c != '\n') {
      line += static_cast<char>(c);
      continue;
    }
    std::vector<std::string> words = SplitArguments(line);
    line.clear();
    std::vector<char *> argv;
    for (std::string &word : words) argv.push_back(&word[0]);
    const int code = Run(static_cast<int>(argv.size()), argv.data());
    printf("winctl-end=%d\n", code);
    fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 2 && strcmp(argv[1], "serve") == 0) return Serve();
  return Run(argc - 1, argv + 1);
}

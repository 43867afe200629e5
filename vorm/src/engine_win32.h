#pragma once
// The engine's inner interface, shared by its window code.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "form_colors.h"
#include "form_layout.h"
#include "template.h"

// One form window: its template and what was made for it. Owned by the
// window (GWLP_USERDATA) and freed when the window is destroyed.
struct FormWindow {
  vorm::Template form;
  std::string path;
  HWND window = nullptr;
  HWND owner = nullptr;          // receives the messages and commands
  unsigned long flags = 0;
  int monitorDpi = 96;            // the DPI of the monitor the window is on
  int dpi = 96;                   // the layout's: monitorDpi, or less to fit the work area
  vorm::Area fittedTo;            // the work area the window was last fitted to
  int offsetX = 0, offsetY = 0;   // template units from the centre of the work area
  std::vector<HWND> controls;     // per element; nullptr for painted ones
  std::vector<HFONT> fonts;       // per element; nullptr: the base font
  std::vector<HBITMAP> bitmaps;   // per element, images only
  HFONT baseFont = nullptr;
  HBRUSH backgroundBrush = nullptr;
  std::vector<HBRUSH> brushes;    // per element; label and panel fills
  int quietChanges = 0;           // >0 while the engine itself sets a text
  std::map<size_t, std::string> templateCaptions;  // buttons the host gave another caption
  HWND lastFocus = nullptr;
  vorm::Palette palette;          // the template's colours, or the system's in high contrast
  size_t defaultButton = 0;       // the button drawn as the default; elements.size(): none
};

const char *const kVormNameProperty = "VormName";
const char *const kVormTemplateProperty = "VormTemplate";
const int kFirstControlId = 1000;
const UINT kPressMessage = WM_APP + 0x56;  // wParam: element index

HINSTANCE EngineInstance();
// Pins the DLL in memory, registers the form class and the keyboard handling.
bool StartEngine();
bool RegisterFormClass();
bool IsFormWindow(HWND window);
bool InstallKeyboardHook();

// Creates the window of a parsed template with its controls, hidden.
HWND CreateFormWindow(FormWindow *data, int x, int y);
FormWindow *FormOf(HWND window);

// Opens a template file as the current form; 0 when it cannot be read.
// `asker` is the window that asked for it: the owner of the warning that
// tells the template's author why it could not be used.
int OpenTemplate(HWND owner, unsigned long flags, const char *path, int x, int y, int show,
                 HWND asker);

HWND CurrentForm();
const char *CurrentFormName();  // empty when no form is open
void ForgetForm(HWND window);

// What a button does when pressed (click, Enter or its mnemonic).
void PressButton(FormWindow *data, size_t index);
void SelectRadio(FormWindow *data, size_t index);

// Focus order: the elements that take focus, in template order.
bool TakesFocus(const FormWindow *data, size_t index);
void FocusElement(FormWindow *data, size_t index, bool selectText);
size_t FirstFocusElement(const FormWindow *data);
size_t ElementOfControl(const FormWindow *data, HWND control);  // size() when none
// The element `focus` took the keyboard focus: the default button follows.
void FollowFocus(FormWindow *data, size_t focus);

int ScaleToDpi(const FormWindow *data, int value);

// Makes the fonts for the form's layout DPI and puts every control in place:
// once when the form is made, again when its DPI changes.
void LayOutForm(FormWindow *data);
// WM_DPICHANGED: lays the form out for the new DPI in the suggested place.
void OnDpiChanged(FormWindow *data, int monitorDpi, const RECT &suggested);
// A change of resolution or of the work area: a form whose monitor changed
// is fitted and placed again as when it opened.
void OnWorkAreaChanged(FormWindow *data);

// Services found at run time (system_win32.cpp).
int SystemDpi();
int MonitorDpi(HMONITOR monitor);  // the system DPI where there is no per-monitor DPI
SIZE FrameSize(DWORD style, DWORD exStyle, int dpi);  // title bar and borders
void DrawWithoutTheme(HWND control);  // a control that follows SetTextColor
vorm::Palette SystemPalette();         // high contrast on or off, and its colours

#pragma once
// The engine's inner interface, shared by its window code.

#include <windows.h>

#include <string>
#include <vector>

#include "template.h"

// One form window: its template and what was made for it. Owned by the
// window (GWLP_USERDATA) and freed when the window is destroyed.
struct FormWindow {
  vorm::Template form;
  std::string path;
  HWND window = nullptr;
  HWND owner = nullptr;          // receives the messages and commands
  unsigned long flags = 0;
  int dpi = 96;
  std::vector<HWND> controls;     // per element; nullptr for painted ones
  std::vector<HFONT> fonts;       // per element; nullptr: the base font
  std::vector<HBITMAP> bitmaps;   // per element, images only
  HFONT baseFont = nullptr;
  HBRUSH backgroundBrush = nullptr;
  std::vector<HBRUSH> brushes;    // per element; label and panel fills
  int quietChanges = 0;           // >0 while the engine itself sets a text
  HWND lastFocus = nullptr;
};

const char *const kVormNameProperty = "VormName";
const char *const kVormTemplateProperty = "VormTemplate";
const int kFirstControlId = 1000;
const UINT kPressMessage = WM_APP + 0x56;  // wParam: element index

HINSTANCE EngineInstance();
bool RegisterFormClass();
bool IsFormWindow(HWND window);
bool InstallKeyboardHook();

// Creates the window of a parsed template with its controls, hidden.
HWND CreateFormWindow(FormWindow *data, int x, int y);
FormWindow *FormOf(HWND window);

// Opens a template file as the current form; 0 when it cannot be read.
int OpenTemplate(HWND owner, unsigned long flags, const char *path, int x, int y, int show);

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

int ScaleToDpi(const FormWindow *data, int value);

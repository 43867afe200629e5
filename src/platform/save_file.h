#pragma once
// The system's "Save As" dialog, for a file that another service writes (a
// printer that prints to a file).
#include "platform/window_handle.h"

// A path in the system's wide letters: the customer's folders need not fit
// the ANSI code page. An empty text is no path.
constexpr int kWidePathCapacity = 1024;
struct WidePath {
  wchar_t text[kWidePathCapacity];
};

// What the dialog asks: texts of the string table, in the ANSI code page.
struct SaveFileQuestion {
  const char *title;
  const char *typeName;   // what the file holds, shown with its pattern
  const char *extension;  // without the dot; added to a name typed without one
  const char *fileName;   // suggested, in the customer's Documents folder
};

// Asks in the system's Save As dialog, modal to `owner`, for the file to
// write; a file that exists is replaced only when the customer agrees. True
// with the path in `chosen`; false when the customer cancelled or no dialog
// could be shown (nothing chosen).
bool AskForFileToSave(WindowHandle owner, const SaveFileQuestion &question, WidePath &chosen);

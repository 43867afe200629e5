#include <windows.h>

#include "platform/message_box.h"

void ShowMessageBox(WindowHandle owner, const char *text, const char *caption,
                    unsigned style) {
  MessageBoxA(owner, text, caption, style);
}

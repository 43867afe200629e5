#include "shell/launch_failure.h"

#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "platform/strings.h"
#include "resources/texts.h"
#include "settings/key_vocabulary.h"
#include "text/bounded.h"

void ReportFailedLaunch(WindowHandle owner, long long result, const char *what) {
  if (result > 32 || result == kShellCancelled) return;
  const bool noProgram = result == kLaunchNoProgram || result == kLaunchIncompleteProgram;
  char reason[kValueCapacity];
  LoadText(noProgram ? TEXT_NO_PROGRAM : TEXT_LAUNCH_FAILED, reason, kValueCapacity);
  char text[kValueCapacity + kPathCapacity + 4];
  FormatText(text, sizeof text, "%s\r\n\r\n%s", reason, what);
  char caption[kValueCapacity];
  LoadText(TEXT_TITLE, caption, kValueCapacity);
  ShowMessageBox(owner, text, caption, kMessageBoxWarning);
}

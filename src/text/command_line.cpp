#include "text/command_line.h"

#include <cstring>

#include "text/bounded.h"

namespace {

// The end of an unquoted program: after the first ".exe" that ends a word,
// else the first blank, else the end of the text.
const char *UnquotedProgramEnd(const char *text) {
  for (const char *at = text; (at = strchr(at, '.')) != nullptr; ++at) {
    char extension[5];
    CopyText(extension, sizeof extension, at);
    if (EqualsIgnoringCase(extension, ".exe") && (at[4] == '\0' || at[4] == ' ')) return at + 4;
  }
  return text + strcspn(text, " ");
}

}  // namespace

void SplitCommandLine(const char *commandLine, char *program, int programCapacity,
                      char *parameters, int parametersCapacity) {
  const char *text = commandLine;
  while (*text == ' ') ++text;
  const char *end = nullptr;
  const char *rest = nullptr;
  if (*text == '"') {
    ++text;
    end = strchr(text, '"');
    if (end == nullptr) end = text + strlen(text);
    rest = *end == '"' ? end + 1 : end;
  } else {
    end = UnquotedProgramEnd(text);
    rest = end;
  }
  const int length = static_cast<int>(end - text);
  CopyText(program, programCapacity, "");
  if (length < programCapacity) {
    memcpy(program, text, static_cast<size_t>(length));
    program[length] = '\0';
  }
  while (*rest == ' ') ++rest;
  CopyText(parameters, parametersCapacity, rest);
}

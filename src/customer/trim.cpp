#include "customer/trim.h"

#include <cstring>

#include "text/bounded.h"

int TrimLeft(char *text) {
  if (text[0] != ' ') return 0;
  size_t spaces = strspn(text, " ");
  // The rest moves to the front; the copy runs forwards, so the overlap is safe.
  CopyText(text, static_cast<int>(strlen(text) + 1), text + spaces);
  return 1;
}

int TrimRight(char *text) {
  size_t length = strlen(text);
  if (length == 0 || text[length - 1] != ' ') return 0;
  while (length > 0 && text[length - 1] == ' ') --length;
  text[length] = '\0';
  return 1;
}

int TrimSpaces(char *text) {
  TrimLeft(text);
  TrimRight(text);
  return static_cast<int>(strlen(text));
}

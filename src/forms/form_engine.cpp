#include "forms/form_engine.h"

int OpenTemplate(VORM_WINDOW owner, const char *path) {
  return VORM_Create(owner, kOpenTemplateFlags, path, 0, 0, 1);
}

#pragma once
// The launcher's view of the form engine VORM2.dll: its exported functions
// and messages, and the arguments the launcher opens every template with.
#include "vorm.h"

constexpr unsigned long kOpenTemplateFlags = VORM_FLAG_OWNED;

// Opens the template file at `path` as the current form, owned by `owner`.
int OpenTemplate(VORM_WINDOW owner, const char *path);

#pragma once
// Text values of the registry as programs store them: a value stored for
// expansion names folders through environment variables (%ProgramFiles%).
#include "platform/registry.h"

// Reads the value into dest, expanded when it is stored for expansion.
// False when it is missing, is not text or does not fit once expanded.
bool ReadExpandedRegistryText(RegistryRoot root, const char *subkey, const char *valueName,
                              char *dest, int capacity);

#pragma once
// The running program's own file.
#include "platform/path_forms.h"

// The full path of the program's file; both forms empty when it is unknown
// or longer than a path may be.
PathForms GetProgramFileForms();

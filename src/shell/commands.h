#pragma once
#include "platform/window_handle.h"
#include "shell/command_table.h"

// Carries out the command of a number (its low 16 bits) through its row's
// operation, with the form windows disabled meanwhile unless the row leaves
// them as they are, and returns the operation's result. A number the table
// does not list does nothing and gives 0.
long long DispatchCommand(WindowHandle backdrop, unsigned command);

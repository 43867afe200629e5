#pragma once
#include "platform/window_handle.h"
#include "shell/command_table.h"

// Runs the operation of a command number and returns its result; a number
// the table does not list does nothing and gives 0. The backdrop window
// carries out 40001 and 40002 itself before it calls this.
long long DispatchCommand(WindowHandle window, unsigned command);

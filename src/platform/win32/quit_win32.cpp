#include <windows.h>

#include "platform/quit.h"

void PostQuitRequest() { PostQuitMessage(0); }

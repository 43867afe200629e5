#pragma once
// Resource ids shared by the .rc and the window code.
#define IDI_VELINST 105

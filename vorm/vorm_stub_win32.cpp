#include "vorm.h"
int VORM_Init(VORM_WINDOW) { return 1; }

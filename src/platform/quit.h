#pragma once
// Ending the run: posts the quit message to the program's message loop, so
// the loop ends with exit code 0 once it retrieves it.
void PostQuitRequest();

// The sample disc's stand-in for the vendor's installer: the demo puts it on
// the disc as Setup.exe, so the Install button visibly starts something.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(nullptr,
              "This is where the setup program of Corvinel Professional 4.0 starts.\n\n"
              "On a real disc, the vendor's own Setup.exe stands here.",
              "Corvinel Professional 4.0 Setup", MB_OK | MB_ICONINFORMATION);
  return 0;
}

#include "registration/internet_library.h"

#include "platform/cursor.h"

InternetLibrary InternetLibraryHandle = nullptr;

int LoadInternetLibrary() {
  if (InternetLibraryHandle == nullptr) {
    ShowWaitCursor();
    InternetLibraryHandle = LoadInternetClientLibrary();
    ShowArrowCursor();
  }
  return InternetLibraryHandle != nullptr ? 1 : 0;
}

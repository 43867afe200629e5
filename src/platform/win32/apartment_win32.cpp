#include "platform/win32/apartment_win32.h"

#include <windows.h>
#include <objbase.h>

#include "system_library_win32.h"

namespace {

// Asked for once per run, as when COM came up at start-up: a refusal (another
// model already set on the thread) is not asked again.
bool ApartmentTried = false;
bool ApartmentEntered = false;

HMODULE ComLibrary() {
  static const HMODULE library = LoadSystemLibrary("ole32.dll");
  return library;
}

}  // namespace

void EnterApartment() {
  if (ApartmentTried) return;
  ApartmentTried = true;
  auto initialize = FindFunction<decltype(&CoInitializeEx)>(ComLibrary(), "CoInitializeEx");
  // S_FALSE, the thread already in such an apartment, is balanced by
  // CoUninitialize too.
  ApartmentEntered =
      initialize != nullptr &&
      SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void LeaveApartment() {
  if (!ApartmentEntered) return;
  auto uninitialize = FindFunction<decltype(&CoUninitialize)>(ComLibrary(), "CoUninitialize");
  if (uninitialize != nullptr) uninitialize();
  ApartmentEntered = false;
}

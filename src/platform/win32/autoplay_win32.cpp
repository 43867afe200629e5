#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/autoplay.h"
#include "platform/win32/apartment_win32.h"
#include "system_library_win32.h"

namespace {

// The two interfaces the shell asks for, by the ids of its interface
// definitions.
constexpr IID kUnknownId = {0x00000000, 0x0000, 0x0000,
                            {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kQueryCancelAutoPlayId = {0xDDEFE873, 0x6997, 0x4E68,
                                        {0xBE, 0x26, 0x39, 0xB6, 0x33, 0xAD, 0xBE, 0x12}};

// IQueryCancelAutoPlay: the shell names the drive ("D:\"), the kind of
// content found, the volume's label and serial number; S_OK lets AutoPlay
// start, S_FALSE cancels it.
struct AutoPlayQuestion : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE AllowAutoPlay(LPCWSTR drive, DWORD contentType,
                                                  LPCWSTR label, DWORD serialNumber) = 0;
};

// The run's one answer: no AutoPlay, for any drive and content, as the
// backdrop answers the window message. It lives as long as the program; its
// count of references only tells COM whether anyone still holds it.
class AutoPlayCanceller final : public AutoPlayQuestion {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override {
    if (object == nullptr) return E_POINTER;
    if (!IsEqualIID(id, kUnknownId) && !IsEqualIID(id, kQueryCancelAutoPlayId)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<AutoPlayQuestion *>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    return static_cast<ULONG>(InterlockedDecrement(&references_));
  }
  HRESULT STDMETHODCALLTYPE AllowAutoPlay(LPCWSTR, DWORD, LPCWSTR, DWORD) override {
    return S_FALSE;
  }

 private:
  LONG references_ = 0;
};

AutoPlayCanceller canceller;
IRunningObjectTable *runningObjects = nullptr;  // while the answer is registered
DWORD registration = 0;

}  // namespace

void CancelAutoPlayWhileRunning() {
  if (runningObjects != nullptr) return;
  // The shell's calls come in through the window thread's messages.
  EnterApartment();
  static const HMODULE com = LoadSystemLibrary("ole32.dll");
  static const HMODULE shell = LoadSystemLibrary("shell32.dll");
  auto getTable = FindFunction<decltype(&GetRunningObjectTable)>(com, "GetRunningObjectTable");
  // The shell heeds an answer registered under a class it lists among those
  // that may cancel AutoPlay; the moniker it makes for this names its own.
  // A class of the launcher's would need an entry in the machine's
  // registry, which the launcher does not write.
  auto makeMoniker = FindFunction<decltype(&SHCreateQueryCancelAutoPlayMoniker)>(
      shell, "SHCreateQueryCancelAutoPlayMoniker");
  IMoniker *moniker = nullptr;
  if (getTable == nullptr || makeMoniker == nullptr || FAILED(makeMoniker(&moniker))) return;
  IRunningObjectTable *table = nullptr;
  if (SUCCEEDED(getTable(0, &table))) {
    // Kept alive by the table; visible to the programs of the customer's
    // own session (any client would need the launcher registered in the
    // machine's registry).
    if (SUCCEEDED(table->Register(ROTFLAGS_REGISTRATIONKEEPSALIVE,
                                  static_cast<AutoPlayQuestion *>(&canceller), moniker,
                                  &registration)))
      runningObjects = table;
    else
      table->Release();
  }
  moniker->Release();
}

void StopCancellingAutoPlay() {
  if (runningObjects == nullptr) return;
  runningObjects->Revoke(registration);
  runningObjects->Release();
  runningObjects = nullptr;
}

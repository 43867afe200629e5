#include <windows.h>

#include "platform/worker.h"

namespace {

struct WorkerStart {
  WorkerTask task;
  void *context;
};

DWORD WINAPI RunWorker(LPVOID parameter) {
  const WorkerStart start = *static_cast<WorkerStart *>(parameter);
  delete static_cast<WorkerStart *>(parameter);
  start.task(start.context);
  return 0;
}

// The windows set their own cursor as the mouse moves over them; over the
// program's windows the wait cursor comes back at once.
void KeepWaitCursor() {
  POINT point;
  if (!GetCursorPos(&point)) return;
  HWND under = WindowFromPoint(point);
  if (under != nullptr && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId())
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
}

// Handles the queued messages; false when the quit message came.
bool HandleQueuedMessages(WPARAM *quitCode) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      *quitCode = message.wParam;
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

}  // namespace

bool RunOnWorker(WorkerTask task, WorkerTask giveUp, void *context, unsigned long &waitLeft) {
  auto *start = new WorkerStart{task, context};
  HANDLE thread = CreateThread(nullptr, 0, RunWorker, start, 0, nullptr);
  if (thread == nullptr) {
    delete start;
    task(context);
    return true;
  }
  const ULONGLONG began = GetTickCount64();
  bool ended = false;
  bool quit = false;
  WPARAM quitCode = 0;
  for (;;) {
    const ULONGLONG passed = GetTickCount64() - began;
    if (passed >= waitLeft) break;
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &thread,
                                                   static_cast<DWORD>(waitLeft - passed),
                                                   QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) {
      ended = true;
      break;
    }
    if (woke != WAIT_OBJECT_0 + 1) break;  // the time is up, or the wait failed
    if (!HandleQueuedMessages(&quitCode)) {
      quit = true;
      break;
    }
    KeepWaitCursor();
  }
  const ULONGLONG passed = GetTickCount64() - began;
  waitLeft = passed >= waitLeft ? 0 : static_cast<unsigned long>(waitLeft - passed);
  CloseHandle(thread);
  if (!ended) giveUp(context);
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return ended;
}

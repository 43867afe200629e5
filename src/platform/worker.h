#pragma once
// Work that must not hold up the window thread. Windows greys the windows of
// a program that has not handled its messages for five seconds and offers to
// close it: such work runs on a thread of its own while the window thread
// goes on handling its messages.

// A step of work, run on the worker thread with the caller's context; also
// the call that tells the work it has been given up on.
using WorkerTask = void (*)(void *context);

// Runs task(context) on a worker thread while the calling thread handles its
// window messages, with the wait cursor over the program's windows, until
// the task ends or `waitLeft` milliseconds have passed; `waitLeft` is then
// what is left of them. Returns true when the task ended. When the time runs
// out or the quit message arrives (it is posted again for the message loop),
// it calls giveUp(context) on the calling thread and returns false: the task
// goes on alone and must own everything it still uses. Where no thread can
// be started, the task runs on the calling thread.
bool RunOnWorker(WorkerTask task, WorkerTask giveUp, void *context, unsigned long &waitLeft);

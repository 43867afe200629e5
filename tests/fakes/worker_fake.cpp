#include "fake_platform.h"
#include "platform/worker.h"

namespace {

// The run in progress: the fake runs the task on the calling thread.
WorkerTask runningGiveUp = nullptr;
void *runningContext = nullptr;
bool runGivenUp = false;

void GiveUpRunning() {
  if (runningGiveUp == nullptr || runGivenUp) return;
  runGivenUp = true;
  ++Fake().workersGivenUp;
  runningGiveUp(runningContext);
}

}  // namespace

void PassWorkerDeadline() { GiveUpRunning(); }

bool RunOnWorker(WorkerTask task, WorkerTask giveUp, void *context, unsigned long &waitLeft) {
  FakePlatform &fake = Fake();
  const size_t run = fake.workerWaits.size();
  fake.workerWaits.push_back(waitLeft);
  runningGiveUp = giveUp;
  runningContext = context;
  runGivenUp = false;
  if (fake.whileWaiting) fake.whileWaiting();
  const unsigned long takes = run < fake.workerRunTimes.size() ? fake.workerRunTimes[run] : 0;
  task(context);
  if (takes >= waitLeft) GiveUpRunning();
  waitLeft = takes >= waitLeft ? 0 : waitLeft - takes;
  runningGiveUp = nullptr;
  return !runGivenUp;
}

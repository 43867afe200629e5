#include <windows.h>
#include <tlhelp32.h>

#include "platform/processes.h"

namespace {

HANDLE HandleOf(StartedProgram program) { return reinterpret_cast<HANDLE>(program); }
HANDLE HandleOf(ProgramGroup group) { return reinterpret_cast<HANDLE>(group); }

}  // namespace

int ListProcesses(ProcessEntry *entries, int capacity) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32First(snapshot, &entry); more && count < capacity;
       more = Process32Next(snapshot, &entry))
    entries[count++] = {entry.th32ProcessID, entry.th32ParentProcessID};
  CloseHandle(snapshot);
  return count;
}

StartedProgram OpenProgram(unsigned long id) {
  // The limited query right is granted on a program running with an
  // administrator's rights as well; waiting needs SYNCHRONIZE.
  return reinterpret_cast<StartedProgram>(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
}

unsigned long ProgramId(StartedProgram program) { return GetProcessId(HandleOf(program)); }

unsigned long long ProgramStartTime(StartedProgram program) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(HandleOf(program), &created, &exited, &kernel, &user)) return 0;
  return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

bool ProgramRunning(StartedProgram program) {
  return program != nullptr && WaitForSingleObject(HandleOf(program), 0) == WAIT_TIMEOUT;
}

void CloseProgram(StartedProgram program) {
  if (program != nullptr) CloseHandle(HandleOf(program));
}

ProgramGroup GroupProgram(StartedProgram program) {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (job == nullptr) return nullptr;
  // A setup that starts a program outside any job on purpose would fail
  // in a job that forbids it: the group lets such a program go.
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits;
  ZeroMemory(&limits, sizeof limits);
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits) ||
      !AssignProcessToJobObject(job, HandleOf(program))) {
    CloseHandle(job);
    return nullptr;
  }
  return reinterpret_cast<ProgramGroup>(job);
}

int ProgramGroupMembers(ProgramGroup group, unsigned long *ids, int capacity) {
  // The list's header and room for 64 ids.
  struct {
    JOBOBJECT_BASIC_PROCESS_ID_LIST list;
    ULONG_PTR more[63];
  } members;
  ZeroMemory(&members, sizeof members);
  if (!QueryInformationJobObject(HandleOf(group), JobObjectBasicProcessIdList, &members,
                                 sizeof members, nullptr) &&
      GetLastError() != ERROR_MORE_DATA)
    return -1;
  int count = 0;
  for (DWORD i = 0; i < members.list.NumberOfProcessIdsInList && count < capacity && i < 64; ++i)
    ids[count++] = static_cast<unsigned long>(members.list.ProcessIdList[i]);
  return count;
}

void CloseProgramGroup(ProgramGroup group) {
  if (group != nullptr) CloseHandle(HandleOf(group));
}

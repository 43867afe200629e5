#include "fake_platform.h"

#include <cctype>
#include <cstdint>
#include <cstring>

#include "platform/autoplay.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/processes.h"
#include "platform/program_windows.h"
#include "platform/quit.h"
#include "platform/registry.h"
#include "platform/shell_open.h"
#include "platform/window_enabling.h"
#include "platform/window_search.h"
#include "platform/windows_installer.h"
#include "text/bounded.h"

static CursorHandle FakeCursor(std::uintptr_t id) { return reinterpret_cast<CursorHandle>(id); }

// Defined before the fake, which starts with one of them showing.
const CursorHandle kFakeStartCursor = FakeCursor(0x10);
const CursorHandle kFakeWaitCursor = FakeCursor(0x20);
const CursorHandle kFakeArrowCursor = FakeCursor(0x30);

static bool ShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
const AnsiSpelling kFakeShiftJis = {false, ShiftJisLeadByte};

static FakePlatform fake;

FakePlatform &Fake() { return fake; }
void ResetFakePlatform() { fake = FakePlatform(); }

unsigned short GetSystemLanguageId() { return fake.systemLanguageId; }
unsigned short GetDisplayLanguageId() { return fake.displayLanguageId; }
unsigned LanguageCodePage(unsigned short languageId) {
  auto found = fake.languageCodePages.find(languageId);
  return found != fake.languageCodePages.end() ? found->second : 0;
}
unsigned SystemCodePage() { return fake.ansiCodePage; }

void CancelAutoPlayWhileRunning() { fake.autoPlayCalls.push_back("cancel"); }
void StopCancellingAutoPlay() { fake.autoPlayCalls.push_back("stop"); }

bool PathExists(const char *path) { return fake.existingPaths.count(path) != 0; }

void HideProgramWindows(WindowHandle) { fake.windowCalls.push_back("hide"); }
void ShowProgramWindowsAgain() { fake.windowCalls.push_back("show"); }

std::string RegistryPlace(RegistryRoot root, const std::string &subkey, const char *value) {
  static const char *const kRoots[] = {"HKCR", "HKLM64", "HKLM32", "HKCU"};
  return std::string(kRoots[static_cast<int>(root)]) + "\\" + subkey + "|" +
         (value != nullptr ? value : "");
}

bool ReadRegistryText(RegistryRoot root, const char *subkey, const char *valueName, char *dest,
                      int capacity, bool *expandable) {
  // File types are set up in classesRoot.
  if (root == RegistryRoot::ClassesRoot && valueName == nullptr)
    return ReadClassesRootDefault(subkey, dest, capacity, expandable);
  return ReadRegistrySystemText(root, subkey, valueName, dest, capacity, expandable);
}

bool ReadRegistrySystemText(RegistryRoot root, const char *subkey, const char *valueName,
                            char *dest, int capacity, bool *expandable) {
  const std::string place = RegistryPlace(root, subkey, valueName);
  auto found = fake.registry.find(place);
  if (found == fake.registry.end() || !FitsIn(capacity, found->second.c_str())) {
    CopyText(dest, capacity, "");
    return false;
  }
  CopyText(dest, capacity, found->second.c_str());
  if (expandable != nullptr) *expandable = fake.expandableValues.count(place) != 0;
  return true;
}

bool ReadRegistryNumber(RegistryRoot root, const char *subkey, const char *valueName,
                        unsigned long *number) {
  auto found = fake.registryNumbers.find(RegistryPlace(root, subkey, valueName));
  if (found == fake.registryNumbers.end()) return false;
  *number = found->second;
  return true;
}

bool FindRelatedProduct(const char *upgradeCode, int index,
                        char (&productCode)[kProductCodeCapacity]) {
  productCode[0] = '\0';
  auto found = fake.relatedProducts.find(upgradeCode);
  if (found == fake.relatedProducts.end() || index < 0 ||
      static_cast<size_t>(index) >= found->second.size())
    return false;
  CopyText(productCode, kProductCodeCapacity, found->second[static_cast<size_t>(index)].c_str());
  return true;
}

// The fake's handles of processes and groups are their ids.
static StartedProgram HandleOf(unsigned long id) {
  return reinterpret_cast<StartedProgram>(static_cast<std::uintptr_t>(id));
}
static unsigned long IdOf(StartedProgram program) {
  return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(program));
}

unsigned long StartFakeProcess(unsigned long parent) {
  const unsigned long id = fake.nextProcessId++;
  FakeProcess process;
  process.parentId = parent;
  process.started = id;
  process.grouped = parent != 0 && fake.processes[parent].grouped;
  fake.processes[id] = process;
  return id;
}

long long ShellStart(WindowHandle owner, const char *file, const char *parameters,
                     const char *directory, StartedProgram *started) {
  fake.shellStarts.push_back({owner, file, parameters != nullptr ? parameters : "(none)",
                              directory != nullptr ? directory : "(none)", started != nullptr});
  if (fake.whileWaiting) fake.whileWaiting();
  if (started != nullptr) *started = nullptr;
  if (started != nullptr && fake.shellStartResult > 32 && fake.shellHandsOverProgram) {
    *started = HandleOf(StartFakeProcess(0));
    ++fake.programsHeld;
  }
  return fake.shellStartResult;
}

int ListProcesses(ProcessEntry *entries, int capacity) {
  int count = 0;
  for (const auto &process : fake.processes)
    if (process.second.running && count < capacity)
      entries[count++] = {process.first, process.second.parentId};
  return count;
}

StartedProgram OpenProgram(unsigned long id) {
  auto found = fake.processes.find(id);
  if (found == fake.processes.end() || !found->second.running || !found->second.watchable)
    return nullptr;
  ++fake.programsHeld;
  return HandleOf(id);
}

unsigned long ProgramId(StartedProgram program) { return IdOf(program); }

unsigned long long ProgramStartTime(StartedProgram program) {
  return fake.processes[IdOf(program)].started;
}

bool ProgramRunning(StartedProgram program) {
  return program != nullptr && fake.processes[IdOf(program)].running;
}

void CloseProgram(StartedProgram program) {
  if (program != nullptr) --fake.programsHeld;
}

ProgramGroup GroupProgram(StartedProgram program) {
  if (!fake.groupsAllowed) return nullptr;
  fake.processes[IdOf(program)].grouped = true;
  return reinterpret_cast<ProgramGroup>(0x6000);
}

int ProgramGroupMembers(ProgramGroup, unsigned long *ids, int capacity) {
  int count = 0;
  for (const auto &process : fake.processes)
    if (process.second.running && process.second.grouped && count < capacity)
      ids[count++] = process.first;
  return count;
}

void CloseProgramGroup(ProgramGroup) {}

unsigned long long MillisecondsSinceSystemStart() { return fake.milliseconds; }

AnsiSpelling SystemTextSpelling() { return fake.textSpelling; }

void ShowMessageBox(WindowHandle owner, const char *text, const char *caption,
                    unsigned style) {
  fake.messageBoxes.push_back({owner, text, caption, style});
  if (fake.whileWaiting) fake.whileWaiting();
}

long long ShellOpen(WindowHandle owner, const char *path) {
  fake.shellLaunches.push_back({owner, path});
  if (fake.whileWaiting) fake.whileWaiting();
  return fake.shellResult;
}

long long ShellOpenAddress(const char *address) {
  fake.shellAddresses.push_back(address);
  if (fake.whileWaiting) fake.whileWaiting();
  return fake.shellAddressResult;
}

bool ReadClassesRootDefault(const char *subkey, char *dest, int capacity, bool *expandable) {
  auto found = fake.classesRoot.find(subkey);
  if (found == fake.classesRoot.end()) {
    CopyText(dest, capacity, "");
    return false;
  }
  CopyText(dest, capacity, found->second.c_str());
  if (expandable != nullptr) *expandable = fake.expandableKeys.count(subkey) != 0;
  return true;
}

// UTF-8 and ANSI texts expand alike: names and values are bytes.
int ExpandSystemText(const char *text, char *dest, int capacity) {
  return ExpandEnvironmentText(text, dest, capacity);
}

int ExpandEnvironmentText(const char *text, char *dest, int capacity) {
  std::string result;
  for (const char *at = text; *at != '\0'; ++at) {
    const char *close = *at == '%' ? strchr(at + 1, '%') : nullptr;
    std::string name = close != nullptr ? std::string(at + 1, close) : "";
    for (char &letter : name) letter = static_cast<char>(toupper(letter));
    auto value = fake.environment.find(name);
    if (close == nullptr || value == fake.environment.end()) {
      result += *at;
      continue;
    }
    result += value->second;
    at = close;
  }
  if (!FitsIn(capacity, result.c_str())) {
    CopyText(dest, capacity, "");
    return -1;
  }
  return CopyText(dest, capacity, result.c_str());
}

bool StartProgram(const char *application, const char *commandLine,
                  const char *directory) {
  fake.programStarts.push_back({application, commandLine, directory});
  return fake.startProgramSucceeds;
}

bool TopLevelWindowExists(const char *className) {
  return fake.topLevelWindowClasses.count(className) != 0;
}

void PostQuitRequest() { ++fake.quitRequests; }

// The unit tests run without windows: the calls alone are recorded.
DisabledWindows DisableThreadWindows(const char *windowClass, WindowHandle holder) {
  fake.formCalls.push_back(std::string("disable ") + windowClass);
  fake.keyboardHolders.push_back(holder);
  return {};
}
void EnableWindowsAgain(const DisabledWindows &) { fake.formCalls.push_back("enable"); }

#pragma once
// What the native fakes of the platform serve and what they recorded.
// Tests set the inputs, run the logic, then assert on the records.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/cursor.h"
#include "platform/path_forms.h"
#include "platform/registry.h"
#include "platform/window_handle.h"
#include "text/characters.h"

struct ShownMessageBox {
  WindowHandle owner;
  std::string text;
  std::string caption;
  unsigned style;
};

struct ShellLaunch {
  WindowHandle owner;
  std::string path;
};

struct ShellStartCall {
  WindowHandle owner;
  std::string file;
  std::string parameters;  // "(none)" for nullptr
  std::string directory;   // "(none)" for nullptr
  bool watched;
};

struct ProgramStart {
  std::string application;
  std::string commandLine;
  std::string directory;
};

// Code page 932 (Shift-JIS): lead bytes 0x81-0x9F and 0xE0-0xFC.
extern const AnsiSpelling kFakeShiftJis;

// Cursors of the fake, told apart by their handles only.
extern const CursorHandle kFakeStartCursor;
extern const CursorHandle kFakeWaitCursor;
extern const CursorHandle kFakeArrowCursor;

// A process of the fake system.
struct FakeProcess {
  unsigned long parentId = 0;
  unsigned long long started = 0;
  bool running = true;
  bool watchable = true;  // OpenProgram may hold it
  bool grouped = false;   // in the group of the program the launcher started
};

// One read of the profile service; capacity 0 for a whole number.
struct ProfileRead {
  std::string file;
  std::string section;
  std::string key;
  int capacity;
};

struct FakePlatform {
  // Inputs.
  std::string programFilePath = "C:\\DISC\\VelInst.exe";
  unsigned short systemLanguageId = 0x0409;
  AnsiSpelling textSpelling;  // the ANSI code page: one byte a character
  std::map<std::string, std::string> classesRoot;  // subkey -> default value
  std::set<std::string> expandableKeys;            // values stored for expansion
  std::map<std::string, std::string> environment;  // name (upper case) -> value
  std::set<std::string> topLevelWindowClasses;
  unsigned short displayLanguageId = 0x0409;
  unsigned ansiCodePage = 1252;
  // The ANSI code page Windows gives each language; none for the others.
  std::map<unsigned short, unsigned> languageCodePages = {
      {0x0409, 1252}, {0x0809, 1252}, {0x0407, 1252}, {0x0807, 1252}, {0x0C07, 1252},
      {0x040C, 1252}, {0x080A, 1252}, {0x0410, 1252}, {0x0415, 1250}, {0x0419, 1251},
      {0x0411, 932},  {0x0804, 936},  {0x1004, 936},  {0x0404, 950},  {0x0C04, 950},
      {0x1404, 950}};
  std::map<std::string, std::string> registry;  // by RegistryPlace(); UTF-8 to the wide reads
  std::set<std::string> expandableValues;       // RegistryPlace()s stored for expansion
  std::map<std::string, unsigned long> registryNumbers;  // by RegistryPlace()
  // Upgrade code -> the product codes Windows Installer holds for it.
  std::map<std::string, std::vector<std::string>> relatedProducts;
  std::set<std::string> existingPaths;
  long long shellStartResult = 42;
  bool shellHandsOverProgram = true;  // a started program to watch
  // The system's processes by id; ShellStart adds the program it starts.
  std::map<unsigned long, FakeProcess> processes;
  unsigned long nextProcessId = 1000;
  bool groupsAllowed = true;  // a started program can be put into a group
  unsigned long long milliseconds = 0;  // since the system started
  long long shellResult = 42;
  long long shellAddressResult = 2;  // above 32: a program is chosen for http and https
  bool startProgramSucceeds = true;
  std::string windowsFolder = "C:\\WINDOWS";
  std::string systemFolder = "C:\\WINDOWS\\system32";
  std::string applicationDataFolder = "C:\\Users\\Customer\\AppData\\Roaming";
  std::set<std::string> writableFolders = {"C:\\WINDOWS"};
  // Paths the ANSI code page cannot express: long form -> its short (8.3)
  // form, empty where the volume keeps none. The ANSI code page of the wide
  // texts (system_text.h) is Latin-1: UTF-8 letters up to U+00FF only.
  std::map<std::string, std::string> pathsOutsideCodePage;
  CalendarDate today = {2026, 12, 7};
  // Runs while a message box is up, the shell starts a program or a worker
  // runs, as the messages the customer queued meanwhile would be handled then.
  std::function<void()> whileWaiting;
  // How long each run of a worker takes, in milliseconds (0 when not given);
  // a run that takes all the time left is given up on when it ends.
  std::vector<unsigned long> workerRunTimes;

  // Records.
  std::vector<ShownMessageBox> messageBoxes;
  std::vector<ShellLaunch> shellLaunches;
  std::vector<std::string> shellAddresses;  // web addresses handed to the shell
  std::vector<ProgramStart> programStarts;
  std::vector<ShellStartCall> shellStarts;
  std::vector<std::string> windowCalls;  // "hide", "show"
  std::vector<std::string> formCalls;    // "disable <window class>", "enable"
  std::vector<WindowHandle> keyboardHolders;  // of each disable
  int quitRequests = 0;
  int profileReads = 0;
  int fileContentReads = 0;  // whole files read, as the settings snapshot reads them
  std::vector<ProfileRead> profileReadLog;
  std::set<int> textsLoaded;  // ids of the string table, key names included
  CursorHandle shownCursor = kFakeStartCursor;
  std::vector<std::string> cursorCalls;  // "wait", "arrow", "restore"
  std::vector<unsigned long> workerWaits;  // the time each worker run was given
  int workersGivenUp = 0;
  std::vector<std::string> autoPlayCalls;  // "cancel", "stop"
  int programsHeld = 0;  // watched programs opened and not yet closed
};

// The key of FakePlatform::registry for one value (nullptr: the default).
std::string RegistryPlace(RegistryRoot root, const std::string &subkey, const char *value);

// The one instance the fakes use; ResetFakePlatform() restores the defaults.
FakePlatform &Fake();
void ResetFakePlatform();

// A new running process started by `parent` (0: by the launcher), in the
// group when its parent is; returns its id.
unsigned long StartFakeProcess(unsigned long parent);

// The path forms the fake gives a path (pathsOutsideCodePage).
PathForms FakePathForms(const std::string &path);

// The time of the worker that is running runs out now: the window thread
// gives up on it, and the worker goes on to its end.
void PassWorkerDeadline();

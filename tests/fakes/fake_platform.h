#pragma once
// What the native fakes of the platform serve and what they recorded.
// Tests set the inputs, run the logic, then assert on the records.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/window_handle.h"

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

struct ProgramStart {
  std::string application;
  std::string commandLine;
  std::string directory;
};

struct FakePlatform {
  // Inputs.
  std::string programFilePath = "C:\\DISC\\VelInst.exe";
  unsigned short systemLanguageId = 0x0409;
  std::map<std::string, std::string> classesRoot;  // subkey -> default value
  std::set<std::string> topLevelWindowClasses;
  long long shellResult = 42;
  bool startProgramSucceeds = true;

  // Records.
  std::vector<ShownMessageBox> messageBoxes;
  std::vector<ShellLaunch> shellLaunches;
  std::vector<ProgramStart> programStarts;
  int quitRequests = 0;
  int profileReads = 0;
};

// The one instance the fakes use; ResetFakePlatform() restores the defaults.
FakePlatform &Fake();
void ResetFakePlatform();

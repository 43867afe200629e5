#include "fake_platform.h"
#include "platform/clock.h"
#include "platform/folder_access.h"
#include "platform/folders.h"
#include "text/bounded.h"

static int CopyWhole(char *dest, int capacity, const std::string &text) {
  return CopyText(dest, capacity, FitsIn(capacity, text.c_str()) ? text.c_str() : "");
}

int GetWindowsFolder(char *dest, int capacity) {
  return CopyWhole(dest, capacity, Fake().windowsFolder);
}

int GetApplicationDataFolder(char *dest, int capacity) {
  return CopyWhole(dest, capacity, Fake().applicationDataFolder);
}

bool CanCreateFilesIn(const char *folder) { return Fake().writableFolders.count(folder) != 0; }

CalendarDate GetLocalDate() { return Fake().today; }

#include "fake_platform.h"
#include "platform/clock.h"
#include "platform/folder_access.h"
#include "platform/folders.h"
#include "platform/module.h"
#include "text/bounded.h"

// A path outside the code page has no exact long form, only the short form
// the test gives it; any other path is its own long and short form.
static PathForms FormsOf(const std::string &path) {
  PathForms forms = {};
  auto outside = Fake().pathsOutsideCodePage.find(path);
  const std::string longForm = outside == Fake().pathsOutsideCodePage.end() ? path : "";
  const std::string shortForm = outside == Fake().pathsOutsideCodePage.end() ? path : outside->second;
  if (FitsIn(kSystemPathCapacity, longForm.c_str()))
    CopyText(forms.longForm, kSystemPathCapacity, longForm.c_str());
  if (FitsIn(kSystemPathCapacity, shortForm.c_str()))
    CopyText(forms.shortForm, kSystemPathCapacity, shortForm.c_str());
  return forms;
}

PathForms GetWindowsFolderForms() { return FormsOf(Fake().windowsFolder); }

PathForms GetApplicationDataFolderForms() { return FormsOf(Fake().applicationDataFolder); }

PathForms GetProgramFileForms() { return FormsOf(Fake().programFilePath); }

bool CanCreateFilesIn(const char *folder) { return Fake().writableFolders.count(folder) != 0; }

CalendarDate GetLocalDate() { return Fake().today; }

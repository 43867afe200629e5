#include <cstring>
#include <string>

#include "fake_platform.h"
#include "platform/clock.h"
#include "platform/folder_access.h"
#include "platform/folders.h"
#include "platform/module.h"
#include "platform/system_text.h"
#include "text/bounded.h"
#include "text/characters.h"

// A path outside the code page has no exact long form, only the short form
// the test gives it; any other path is its own long and short form, in the
// fake's ANSI code page.
PathForms FakePathForms(const std::string &path) {
  PathForms forms = {};
  auto outside = Fake().pathsOutsideCodePage.find(path);
  if (outside == Fake().pathsOutsideCodePage.end()) {
    if (FitsIn(kSystemPathCapacity, path.c_str()))
      CopyText(forms.longForm, kSystemPathCapacity, path.c_str());
    CopyText(forms.shortForm, kSystemPathCapacity, forms.longForm);
  } else if (FitsIn(kSystemPathCapacity, outside->second.c_str())) {
    CopyText(forms.shortForm, kSystemPathCapacity, outside->second.c_str());
  }
  return forms;
}

PathForms GetWindowsFolderForms() { return FakePathForms(Fake().windowsFolder); }

PathForms GetApplicationDataFolderForms() { return FakePathForms(Fake().applicationDataFolder); }

PathForms GetSystemFolderForms() { return FakePathForms(Fake().systemFolder); }

PathForms GetProgramFileForms() { return FakePathForms(Fake().programFilePath); }

bool CanCreateFilesIn(const char *folder) { return Fake().writableFolders.count(folder) != 0; }

CalendarDate GetLocalDate() { return Fake().today; }

// The fake's ANSI code page of the wide texts is Latin-1.
bool SystemTextToAnsi(const char *text, char *dest, int capacity) {
  std::string ansi;
  for (const char *at = text; *at != '\0';) {
    unsigned letter = 0;
    const size_t length = Utf8SequenceLength(at, strlen(at), &letter);
    if (length == 0 || letter > 0xFF) {
      CopyText(dest, capacity, "");
      return false;
    }
    ansi += static_cast<char>(letter);
    at += length;
  }
  CopyText(dest, capacity, FitsIn(capacity, ansi.c_str()) ? ansi.c_str() : "");
  return FitsIn(capacity, ansi.c_str());
}

bool SystemTextFromAnsi(const char *text, char *dest, int capacity) {
  std::string utf8;
  for (const unsigned char *at = reinterpret_cast<const unsigned char *>(text); *at != 0; ++at)
    if (*at < 0x80) {
      utf8 += static_cast<char>(*at);
    } else {
      utf8 += static_cast<char>(0xC0 | (*at >> 6));
      utf8 += static_cast<char>(0x80 | (*at & 0x3F));
    }
  CopyText(dest, capacity, FitsIn(capacity, utf8.c_str()) ? utf8.c_str() : "");
  return FitsIn(capacity, utf8.c_str());
}

PathForms FormsOfSystemPath(const char *path) {
  if (Fake().pathsOutsideCodePage.count(path) != 0) return FakePathForms(path);
  char ansi[kSystemPathCapacity];
  return SystemTextToAnsi(path, ansi, kSystemPathCapacity) ? FakePathForms(ansi) : PathForms{};
}

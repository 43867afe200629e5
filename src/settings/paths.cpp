#include "settings/paths.h"

#include "platform/code_page.h"
#include "platform/module.h"
#include "settings/settings.h"
#include "text/bounded.h"
#include "text/characters.h"

int UsablePath(const PathForms &forms, char *dest, int capacity) {
  return CopyText(dest, capacity, forms.longForm[0] != '\0' ? forms.longForm : forms.shortForm);
}

int GetProgramDirectory(char *dest, int capacity) {
  char path[kPathCapacity];
  UsablePath(GetProgramFileForms(), path, kPathCapacity);
  path[LastSeparator(path, "\\:", SystemTextSpelling()) + 1] = '\0';
  return CopyText(dest, capacity, path);
}

int BuildDiscPath(const Setting<kPathCapacity> &row, char (&dest)[kPathCapacity]) {
  char value[kPathCapacity] = "";
  ReadSetting(row, value);
  char directory[kPathCapacity];
  dest[0] = '\0';
  if (value[0] == '\0' || GetProgramDirectory(directory, kPathCapacity) == 0) return 0;
  return JoinPath(dest, kPathCapacity, directory, value, SystemTextSpelling()) ? 1 : 0;
}

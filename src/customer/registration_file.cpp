#include "customer/registration_file.h"

#include "resources/texts.h"
#include "settings/key_service.h"
#include "settings/paths.h"
#include "text/bounded.h"

int GetRegistrationFilePath(char (&path)[kPathCapacity]) {
  BuildDiscPath(kGeneralRegistrationFile, path);
  return 1;
}

int ReadProductName(const char *path, char *productName, int capacity) {
  char name[kValueCapacity] = "";
  ReadSetting(kRegisterProduct, name, path);
  if (name[0] == '\0') return 0;
  CopyText(productName, capacity, name);
  return 1;
}

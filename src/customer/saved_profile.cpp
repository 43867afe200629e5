#include "customer/saved_profile.h"

#include "customer/customer_fields.h"
#include "platform/code_page.h"
#include "platform/folder_access.h"
#include "platform/folders.h"
#include "resources/texts.h"
#include "settings/key_service.h"
#include "settings/paths.h"
#include "settings/settings.h"
#include "text/bounded.h"
#include "text/characters.h"

namespace {

const char kSection[] = "registration info";

// Each key is read with its field's width as the limit.
const FieldKey kProfileKeys[] = {
    {KEY_PROFILE_FIRST_NAME, CustomerField::FirstName},
    {KEY_PROFILE_LAST_NAME, CustomerField::LastName},
    {KEY_PROFILE_STREET1, CustomerField::Street1},
    {KEY_PROFILE_STREET2, CustomerField::Street2},
    {KEY_PROFILE_CITY, CustomerField::City},
    {KEY_PROFILE_STATE, CustomerField::State},
    {KEY_PROFILE_ZIP, CustomerField::Zip},
    {KEY_PROFILE_COUNTRY, CustomerField::Country},
    {KEY_PROFILE_EMAIL, CustomerField::Email},
    {KEY_PROFILE_PHONE, CustomerField::Phone},
    {KEY_PROFILE_FAX, CustomerField::Fax},
    {KEY_PROFILE_WHERE_BOUGHT, CustomerField::WhereBought},
};

// A standard user may not write into the Windows directory; the profile
// then lives with the customer's own application data. A folder that no ANSI
// form names exactly is unusable: no profile at all.
void GetProfileFolder(char *folder) {
  UsablePath(GetWindowsFolderForms(), folder, kPathCapacity);
  if (folder[0] == '\0' || !CanCreateFilesIn(folder))
    UsablePath(GetApplicationDataFolderForms(), folder, kPathCapacity);
}

}  // namespace

int GetProfilePath(char *path) {
  CopyText(path, kPathCapacity, "");
  char name[kPathCapacity] = "";
  ReadSetting(kGeneralProfileFile, name);
  if (name[0] == '\0') return 1;
  char folder[kPathCapacity];
  GetProfileFolder(folder);
  if (folder[0] != '\0') JoinPath(path, kPathCapacity, folder, name, SystemTextSpelling());
  return 1;
}

int SaveProfile(const CustomerRecord &record) {
  char path[kPathCapacity];
  GetProfilePath(path);
  for (const FieldKey &key : kProfileKeys)
    WriteKeyString(key.keyId, FieldText(record, key.field), path, kSection);
  return 1;
}

int LoadProfile(CustomerRecord &record) {
  char path[kPathCapacity];
  GetProfilePath(path);
  for (const FieldKey &key : kProfileKeys) {
    FieldBuffer field = FieldOf(record, key.field);
    ReadKeyString(key.keyId, field.text, field.width, path, kSection);
  }
  return 1;
}

void ApplyDefaultCountry(CustomerRecord &record) {
  char country[kCountryCodeCapacity] = "";
  ReadSetting(kCountryCodeUsa, country);
  if (record.country[0] == '\0') CopyText(record.country, sizeof record.country, country);
}

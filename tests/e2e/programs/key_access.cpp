// Sets who may do what with a key under HKEY_CLASSES_ROOT, as an
// administrator's machine-wide file types are set up on Windows:
//   key_access SUBKEY read-only   everyone may read, nobody may write
//   key_access SUBKEY full        everyone may do everything again
// Exit codes: 0 done, 1 failed, 2 bad usage.
#include <windows.h>
#include <aclapi.h>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv) {
  if (argc != 3 || (strcmp(argv[2], "read-only") != 0 && strcmp(argv[2], "full") != 0)) {
    fprintf(stderr, "usage: key_access SUBKEY read-only|full\n");
    return 2;
  }
  HKEY key = nullptr;
  // The owner may always change the permissions, whatever they say.
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, argv[1], 0, READ_CONTROL | WRITE_DAC, &key) !=
      ERROR_SUCCESS) {
    fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  EXPLICIT_ACCESSA access = {};
  access.grfAccessPermissions = strcmp(argv[2], "full") == 0 ? KEY_ALL_ACCESS : KEY_READ;
  access.grfAccessMode = SET_ACCESS;
  access.grfInheritance = NO_INHERITANCE;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = static_cast<LPSTR>(everyone);
  PACL acl = nullptr;
  DWORD status = SetEntriesInAclA(1, &access, nullptr, &acl);
  if (status == ERROR_SUCCESS)
    status = SetSecurityInfo(key, SE_REGISTRY_KEY,
                             DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                             nullptr, nullptr, acl, nullptr);
  LocalFree(acl);
  FreeSid(everyone);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) {
    fprintf(stderr, "cannot set the permissions of %s: %lu\n", argv[1], status);
    return 1;
  }
  return 0;
}

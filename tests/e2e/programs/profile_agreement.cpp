// profile_agreement: the files of tests/unit/profile_cases.h read through
// the system's profile service and through the launcher's snapshot of the
// settings file, with the launcher's string table and settings code, as the
// native unit test does with the native service.
//
//   profile_agreement FOLDER
//
// Prints each read that differs on a line of its own, then reads=<count>.
// Exit codes: 0 done, 2 bad usage.
#include <cstdio>

#include "profile_cases.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: profile_agreement FOLDER\n");
    return 2;
  }
  int reads = 0;
  for (const std::string &difference : CompareProfileReads(std::string(argv[1]) + "\\", true, &reads))
    printf("%s\n", difference.c_str());
  printf("reads=%d\n", reads);
  return 0;
}

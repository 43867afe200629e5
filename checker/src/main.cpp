// velinst-check DISC_FOLDER: checks a disc folder against the launcher's own
// rules and prints every finding as "file:line: error|warning: message".
// Exits 1 when any finding is an error, 2 on a wrong call, else 0.
#include <cstdio>
#include <string>

#include "disc_check.h"

int main(int argc, char **argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: velinst-check DISC_FOLDER\n");
    return 2;
  }
  bool errors = false;
  for (const Finding &finding : CheckDisc(argv[1])) {
    std::printf("%s\n", FormatFinding(finding).c_str());
    errors = errors || finding.severity == Severity::Error;
  }
  return errors ? 1 : 0;
}

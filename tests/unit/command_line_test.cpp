// Command lines as Windows keeps them: a file type's open command (the
// browser) and an uninstall entry's programs go by the same rule.
#include <gtest/gtest.h>

#include "text/command_line.h"

namespace {

struct CommandLineCase {
  const char *commandLine;
  const char *program;
  const char *parameters;
};

TEST(CommandLine, SplitsTheProgramFromItsArguments) {
  const CommandLineCase cases[] = {
      // Open commands of the ".htm" program.
      {"\"C:\\VIEWER\\VIEW.EXE\" -nohome", "C:\\VIEWER\\VIEW.EXE", "-nohome"},
      {"C:\\VIEWER\\VIEW.EXE %1", "C:\\VIEWER\\VIEW.EXE", "%1"},
      {"C:\\My Viewer\\view.exe", "C:\\My Viewer\\view.exe", ""},
      {"\"C:\\unterminated\\view.exe", "C:\\unterminated\\view.exe", ""},
      {"VIEW.EXE", "VIEW.EXE", ""},
      {"  \"C:\\V\\v.exe\"\"%1\"", "C:\\V\\v.exe", "\"%1\""},
      {"", "", ""},
      // Uninstall entries.
      {"\"C:\\P F\\u.exe\" /S", "C:\\P F\\u.exe", "/S"},
      {"C:\\P F (x86)\\u.EXE /S /D", "C:\\P F (x86)\\u.EXE", "/S /D"},
      {"MsiExec.exe /X{1}", "MsiExec.exe", "/X{1}"},
      {"setup -remove", "setup", "-remove"},
      {"C:\\a.exey\\u.exe  /S", "C:\\a.exey\\u.exe", "/S"},  // ".exe" must end a word
      {"C:\\u.exe.bak /S", "C:\\u.exe.bak", "/S"},
      {"C:\\much too long for its buffer\\u.exe /S", "", "/S"},  // no program cut
  };
  for (const CommandLineCase &c : cases) {
    char program[32], parameters[32];
    SplitCommandLine(c.commandLine, program, sizeof program, parameters, sizeof parameters);
    EXPECT_STREQ(c.program, program) << c.commandLine;
    EXPECT_STREQ(c.parameters, parameters) << c.commandLine;
  }
}

}  // namespace

#include "product/product_commands.h"

#include "platform/code_page.h"
#include "platform/shell_open.h"
#include "product/watched_programs.h"
#include "text/bounded.h"
#include "text/characters.h"

namespace {

// The folder of a program's path, "C:\" for a program at the root.
void FolderOf(const char *program, char (&folder)[kPathCapacity]) {
  CopyText(folder, kPathCapacity, program);
  const int separator = LastSeparator(folder, "\\", SystemTextSpelling());
  if (separator < 0) return;
  const bool root = separator > 0 && folder[separator - 1] == ':';
  folder[root ? separator + 1 : separator] = '\0';
}

ProductLaunch StartCommand(WindowHandle owner, const ProductCommand &command,
                           AfterPrograms after) {
  ProductLaunch launch = {};
  if (command.program[0] == '\0' || WatchedProgramsRunning()) return launch;
  CopyText(launch.program, kPathCapacity, command.program);
  launch.result = StartWatched(owner, command.program,
                               command.arguments[0] != '\0' ? command.arguments : nullptr,
                               nullptr, after);
  return launch;
}

}  // namespace

ProductLaunch StartProduct(WindowHandle owner) {
  ProductLaunch launch = {};
  InstalledProduct product;
  if (!ReadInstalledProduct(product) || product.program[0] == '\0') return launch;
  char folder[kPathCapacity];
  FolderOf(product.program, folder);
  CopyText(launch.program, kPathCapacity, product.program);
  launch.result = ShellStart(owner, product.program, nullptr, folder, nullptr);
  return launch;
}

ProductLaunch StartProductChange(WindowHandle owner) {
  InstalledProduct product;
  if (!ReadInstalledProduct(product)) return ProductLaunch{};
  return StartCommand(owner, product.change, AfterPrograms::Nothing);
}

ProductLaunch StartProductRemoval(WindowHandle owner) {
  InstalledProduct product;
  if (!ReadInstalledProduct(product)) return ProductLaunch{};
  return StartCommand(owner, product.removal, AfterPrograms::EntryGone);
}

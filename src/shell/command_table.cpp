#include "shell/command_table.h"

#define VELINST_NUMBERS(...) {__VA_ARGS__}

const CommandRow kCommandTable[kCommandCount] = {
#define VELINST_COMMAND(name, numbers, key, forms, operation) {VELINST_NUMBERS numbers, key, forms},
#include "shell/command_table.inc"
#undef VELINST_COMMAND
};

const CommandRow *FindCommand(unsigned command) {
  const unsigned number = command & 0xFFFF;
  for (const CommandRow &row : kCommandTable)
    for (unsigned each : row.numbers)
      if (each == number && each != 0) return &row;
  return nullptr;
}

#pragma once
// The commands that template buttons carry, as the rows of
// command_table.inc give them: their numbers and the settings key without
// which each does nothing. The disc checker accepts exactly these numbers on
// a button; it needs none of the operations, which commands.h carries out.
#include "settings/key_vocabulary.h"

// Whether a click reaches the form windows while a command runs.
enum CommandForms {
  // Disabled: a form clicked would come above the command's message box or
  // dialog and hide it.
  kFormsDisabled,
  // Left as they are: the command shows nothing and waits for nothing.
  kFormsAsTheyAre,
};

template <typename... More>
constexpr unsigned FirstNumber(unsigned first, More...) {
  return first;
}

enum CommandNumber : unsigned {
#define VELINST_COMMAND(name, numbers, key, forms, operation) name = FirstNumber numbers,
#include "shell/command_table.inc"
#undef VELINST_COMMAND
};

struct CommandRow {
  unsigned numbers[2];  // a second number of the same command, or 0
  const VocabularyKey *key;
  CommandForms forms;
};

constexpr int kCommandCount = 0
#define VELINST_COMMAND(...) +1
#include "shell/command_table.inc"
#undef VELINST_COMMAND
    ;

// In the order of command_table.inc.
extern const CommandRow kCommandTable[kCommandCount];

// The row of a command number (its low 16 bits); nullptr for a number the
// launcher does not know, which does nothing.
const CommandRow *FindCommand(unsigned command);

// The command tables of docs/templates.md, docs/settings.md and
// docs/architecture.md cannot fall behind the launcher's: each lists every
// number of the command table once and no other, and the architecture notes
// name the operation of each row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "disc_files.h"
#include "shell/command_table.h"

namespace {

// Each row's operation as command_table.inc writes it.
const char *const kOperationTexts[] = {
#define VELINST_COMMAND(name, numbers, key, forms, operation) #operation,
#include "shell/command_table.inc"
#undef VELINST_COMMAND
};

struct DocumentedRow {
  std::multiset<unsigned> numbers;
  std::string line;
};

// The numbers of a table row's first cell: "3028 / 3065", "4004, 40001";
// "-" or "…" between two numbers spans those between ("3101 … 3108").
std::multiset<unsigned> NumbersOf(const std::string &cell) {
  std::multiset<unsigned> numbers;
  unsigned last = 0;
  bool span = false;
  for (const char *at = cell.c_str(); *at != '\0';) {
    char *end = nullptr;
    const unsigned number = static_cast<unsigned>(strtoul(at, &end, 10));
    if (end == at || *at == '-' || *at == '+') {
      span = span || *at == '-' || std::string(at).rfind("\u2026", 0) == 0;
      ++at;
      continue;
    }
    for (unsigned between = span ? last + 1 : number; between <= number; ++between)
      numbers.insert(between);
    last = number;
    span = false;
    at = end;
  }
  return numbers;
}

// The rows of the first table after the line that begins with `anchor`; a
// table may stand indented in a list item.
std::vector<DocumentedRow> DocumentedCommands(const std::string &document,
                                              const std::string &anchor) {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(std::string(VELINST_SOURCE_DIR) + "/docs/" + document, text));
  std::istringstream lines(text.substr(std::min(text.find("\n" + anchor), text.size())));
  EXPECT_FALSE(lines.str().empty()) << document << ": " << anchor;
  std::vector<DocumentedRow> rows;
  bool inTable = false;
  for (std::string line; std::getline(lines, line);) {
    line.erase(0, line.find_first_not_of(' '));
    if (line.rfind("|", 0) != 0) {
      if (inTable) break;
      continue;
    }
    inTable = true;
    const std::multiset<unsigned> numbers = NumbersOf(line.substr(1, line.find('|', 1) - 1));
    if (!numbers.empty()) rows.push_back({numbers, line});
  }
  return rows;
}

std::multiset<unsigned> TableNumbers() {
  std::multiset<unsigned> numbers;
  for (const CommandRow &row : kCommandTable)
    for (unsigned number : row.numbers)
      if (number != 0) numbers.insert(number);
  return numbers;
}

TEST(CommandReference, TheTableHasEachNumberOnce) {
  const std::multiset<unsigned> numbers = TableNumbers();
  for (unsigned number : numbers) {
    EXPECT_EQ(1u, numbers.count(number)) << number;
    EXPECT_LE(number, 0xFFFFu);  // only the low 16 bits are looked up
  }
}

TEST(CommandReference, EveryDocumentListsEveryCommandOnce) {
  const struct {
    const char *document;
    const char *anchor;
  } tables[] = {{"templates.md", "Command numbers the launcher carries out"},
                {"settings.md", "## Command numbers"},
                {"architecture.md", "## How a button press travels"}};
  for (const auto &table : tables) {
    std::multiset<unsigned> documented;
    for (const DocumentedRow &row : DocumentedCommands(table.document, table.anchor))
      documented.insert(row.numbers.begin(), row.numbers.end());
    EXPECT_EQ(TableNumbers(), documented) << table.document;
  }
}

TEST(CommandReference, ArchitectureNamesTheOperationOfEveryRow) {
  const std::vector<DocumentedRow> documented =
      DocumentedCommands("architecture.md", "## How a button press travels");
  for (int i = 0; i < kCommandCount; ++i) {
    const std::string operation = kOperationTexts[i];
    const size_t call = operation.find('(');
    if (call == std::string::npos) continue;  // a value: the command does nothing
    const std::string named = "`" + operation.substr(0, call) + "`";
    for (const DocumentedRow &row : documented) {
      const bool ofThisRow = row.numbers.count(kCommandTable[i].numbers[0]) != 0;
      EXPECT_TRUE(!ofThisRow || row.line.find(named) != std::string::npos)
          << row.line << " lacks " << named;
    }
  }
}

}  // namespace

// The command tables of docs/templates.md, docs/settings.md and
// docs/architecture.md cannot fall behind the launcher's: each lists every
// number of the command table once and no other, and the architecture notes
// name the operation of each row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
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
  std::vector<unsigned> numbers;
  std::string line;
};

// The numbers of a table's first cell: "3028 / 3065", "4004, 40001"; "-" or
// "…" between two numbers spans those between them ("3101 … 3108").
std::vector<unsigned> NumbersOf(const std::string &cell) {
  std::vector<unsigned> numbers;
  bool span = false;
  for (size_t at = 0; at < cell.size();) {
    if (isdigit(static_cast<unsigned char>(cell[at]))) {
      size_t end = at;
      while (end < cell.size() && isdigit(static_cast<unsigned char>(cell[end]))) ++end;
      const unsigned number = static_cast<unsigned>(std::stoul(cell.substr(at, end - at)));
      for (unsigned between = span ? numbers.back() + 1 : number; between < number; ++between)
        numbers.push_back(between);
      numbers.push_back(number);
      span = false;
      at = end;
    } else {
      span = span || cell.compare(at, 1, "-") == 0 || cell.compare(at, 3, "\u2026") == 0;
      ++at;
    }
  }
  return numbers;
}

// The rows of the first table after the line that begins with `anchor`
// whose first cell holds numbers.
std::vector<DocumentedRow> DocumentedCommands(const std::string &document,
                                              const std::string &anchor) {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(std::string(VELINST_SOURCE_DIR) + "/docs/" + document, text));
  std::vector<DocumentedRow> rows;
  size_t start = text.find("\n" + anchor);
  EXPECT_NE(std::string::npos, start) << document << ": " << anchor;
  bool inTable = false;
  while (start != std::string::npos && start + 1 < text.size()) {
    start += 1;
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    // A table may stand indented in a list item.
    const size_t first = text.find_first_not_of(' ', start);
    const std::string line = first < end ? text.substr(first, end - first) : "";
    start = end;
    if (line.rfind("|", 0) != 0) {
      if (inTable) break;
      continue;
    }
    inTable = true;
    std::vector<unsigned> numbers = NumbersOf(line.substr(1, line.find('|', 1) - 1));
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
      const bool ofThisRow = std::find(row.numbers.begin(), row.numbers.end(),
                                       kCommandTable[i].numbers[0]) != row.numbers.end();
      EXPECT_TRUE(!ofThisRow || row.line.find(named) != std::string::npos)
          << row.line << " lacks " << named;
    }
  }
}

}  // namespace

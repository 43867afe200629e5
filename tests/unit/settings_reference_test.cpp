// docs/settings.md cannot fall behind the launcher: each section it
// describes lists exactly the keys of the launcher's vocabulary for that
// section, and all together every settings key of the string table.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "disc_check.h"
#include "disc_files.h"
#include "resources/text_table.h"

namespace {

using KeyNames = std::set<std::string>;

// The backticked names of the first cell of each table row, by the section
// named in brackets at the end of the heading above them.
std::map<std::string, KeyNames> DocumentedKeys() {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(std::string(VELINST_SOURCE_DIR) + "/docs/settings.md", text));
  std::map<std::string, KeyNames> sections;
  std::string section;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.rfind("## ", 0) == 0) {
      const size_t open = line.rfind('[');
      section = open == std::string::npos || line.back() != ']'
                    ? ""
                    : line.substr(open + 1, line.size() - open - 2);
    } else if (!section.empty() && line.rfind("| `", 0) == 0) {
      const std::string cell = line.substr(1, line.find('|', 1) - 1);
      for (size_t tick = cell.find('`'); tick != std::string::npos;) {
        const size_t close = cell.find('`', tick + 1);
        sections[section].insert(cell.substr(tick + 1, close - tick - 1));
        tick = cell.find('`', close + 1);
      }
    }
  }
  return sections;
}

KeyNames NamesOf(const VocabularySection &section) {
  KeyNames names;
  for (const VocabularyKey &key : section.keys) names.insert(TextOf(key.keyId));
  return names;
}

TEST(SettingsReference, ListsEveryKeyOfEverySection) {
  std::map<std::string, KeyNames> documented = DocumentedKeys();
  std::vector<VocabularySection> sections = SettingsSections();
  sections.push_back(RegistrationFileSection());
  for (const VocabularySection &section : sections)
    EXPECT_EQ(NamesOf(section), documented[section.name]) << "[" << section.name << "]";

  KeyNames all;
  for (const auto &entry : documented) all.insert(entry.second.begin(), entry.second.end());
  KeyNames keys;
  for (int i = 0; i < kTextTableCount; ++i)
    if (std::string(kTextTable[i].constant).rfind("KEY_", 0) == 0) keys.insert(kTextTable[i].text);
  EXPECT_GT(keys.size(), 100u);
  EXPECT_EQ(keys, all);
}

}  // namespace

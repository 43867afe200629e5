// The sample disc's screens against its settings file: every template and
// field name the launcher reads from disc/VelInst.ini must exist on the
// screen it belongs to, and every screen must open.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "template.h"

namespace {

using Section = std::vector<std::pair<std::string, std::string>>;

std::string Lower(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string Trim(const std::string &text) {
  size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

// Sections by lower-case name; keys and values as written.
std::map<std::string, Section> ReadIni(const std::string &path) {
  std::map<std::string, Section> sections;
  std::FILE *file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return sections;
  std::string current;
  char line[1024];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    std::string text = Trim(line);
    if (text.empty() || text[0] == ';') continue;
    if (text[0] == '[') {
      current = Lower(text.substr(1, text.find(']') - 1));
      continue;
    }
    size_t equals = text.find('=');
    if (equals != std::string::npos)
      sections[current].emplace_back(Trim(text.substr(0, equals)), Trim(text.substr(equals + 1)));
  }
  std::fclose(file);
  return sections;
}

std::string Value(const Section &section, const std::string &key) {
  for (const auto &entry : section)
    if (Lower(entry.first) == Lower(key)) return entry.second;
  return "";
}

std::string DiscPath(std::string relative) {
  for (char &c : relative)
    if (c == '\\') c = '/';
  return std::string(VELINST_SOURCE_DIR) + "/disc/" + relative;
}

class DiscTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    ini_ = ReadIni(DiscPath("VelInst.ini"));
    ASSERT_FALSE(ini_["general"].empty());
  }

  vorm::Template Load(const std::string &relative) {
    vorm::Template form;
    vorm::TemplateError error;
    EXPECT_TRUE(vorm::LoadTemplate(DiscPath(relative).c_str(), form, error))
        << relative << ": " << vorm::DescribeTemplateError(error);
    return form;
  }

  // Every value of an ini section is an edit field of the template.
  void ExpectFields(const std::string &section, const vorm::Template &form) {
    ASSERT_FALSE(ini_[section].empty()) << section;
    for (const auto &entry : ini_[section]) {
      const vorm::Element *field = vorm::FindNamedElement(form, entry.second.c_str());
      ASSERT_NE(nullptr, field) << "[" << section << "] " << entry.first << "=" << entry.second
                                << " is not on " << form.name;
      EXPECT_EQ(vorm::ElementKind::Edit, field->kind) << entry.second;
    }
  }

  std::map<std::string, Section> ini_;
};

const char kRegistration[] = "screens\\register.vrm";
const char kBuyer[] = "screens\\buyer.vrm";

TEST_F(DiscTemplates, TemplateNamesAreThoseOfFormName) {
  const Section &names = ini_["form name"];
  EXPECT_EQ(Value(names, "registration"), Load(kRegistration).name);
  EXPECT_EQ(Value(names, "BUYER"), Load(kBuyer).name);
  EXPECT_EQ(Value(names, "Order"), Load(Value(ini_["general"], "Orderform Dtp")).name);
  EXPECT_FALSE(Load(Value(ini_["general"], "Startup")).name.empty());
}

TEST_F(DiscTemplates, EveryFieldTheSettingsNameIsOnItsForm) {
  ExpectFields("registration form", Load(kRegistration));
  ExpectFields("buyer form", Load(kBuyer));
  vorm::Template order = Load(Value(ini_["general"], "Orderform Dtp"));
  ExpectFields("order form", order);
  // The launcher writes the prices: the customer cannot type into them.
  for (const auto &entry : ini_["order form"]) {
    if (entry.first.rfind("price_", 0) == 0) {
      EXPECT_TRUE(vorm::FindNamedElement(order, entry.second.c_str())->readOnly) << entry.second;
    }
  }
}

TEST_F(DiscTemplates, OrderFormOffersThePaymentsTheLauncherKnows) {
  vorm::Template order = Load(Value(ini_["general"], "Orderform Dtp"));
  std::set<std::string> options;
  for (const vorm::Element &element : order.elements)
    if (element.kind == vorm::ElementKind::Radio && element.group == 1) options.insert(element.name);
  EXPECT_EQ(1u, options.count(Value(ini_["payment string"], "Check")));
  EXPECT_EQ(4u, options.size());
}

TEST_F(DiscTemplates, OrderFormShowsTheProductsAndPricesOfTheSettings) {
  vorm::Template order = Load(Value(ini_["general"], "Orderform Dtp"));
  std::set<std::string> texts;
  for (const vorm::Element &element : order.elements) {
    std::string shown;  // "&&" shows as "&"
    for (size_t i = 0; i < element.text.size(); ++i) {
      if (element.text[i] == '&' && i + 1 < element.text.size() && element.text[i + 1] == '&') ++i;
      shown += element.text[i];
    }
    texts.insert(shown);
  }
  for (const char *key : {"Ka", "Kb", "Kc", "Kd", "Ke", "Kf", "Kg", "Kh", "Ki"}) {
    EXPECT_EQ(1u, texts.count(Value(ini_["order label"], key))) << key;
    EXPECT_EQ(1u, texts.count("$" + Value(ini_["unit price"], key))) << key;
  }
  EXPECT_EQ(1u, texts.count(Value(ini_["order label"], "Shipping") + ":"));
}

// The buttons of each screen: the commands the launcher carries out and the
// screens they lead to; every picture and every screen reached opens.
TEST_F(DiscTemplates, ButtonsAndNavigationReachEveryScreen) {
  const std::map<std::string, std::set<int>> commands = {
      {"start.vrm", {3024, 3028, 3031, 3032, 3064, 3101, 3102, 4004}},
      {"register.vrm", {3044, 3045, 3046}},
      {"buyer.vrm", {3084}},
      {"order.vrm", {3074, 3094, 3095}},
  };
  const std::map<std::string, std::set<std::string>> targets = {
      {"start.vrm", {"register.vrm", "buyer.vrm"}},
      {"register.vrm", {"start.vrm"}},
      {"buyer.vrm", {"start.vrm"}},
      {"order.vrm", {"buyer.vrm"}},
  };
  for (const auto &screen : commands) {
    vorm::Template form = Load("screens/" + screen.first);
    std::set<int> found;
    std::set<std::string> reached;
    for (const vorm::Element &element : form.elements) {
      if (element.action == vorm::ButtonAction::Command) found.insert(element.command);
      if (element.action == vorm::ButtonAction::Goto) {
        reached.insert(element.target);
        Load("screens/" + element.target);
      }
      if (element.kind == vorm::ElementKind::Image) {
        std::FILE *image = std::fopen(DiscPath("screens/" + element.target).c_str(), "rb");
        EXPECT_NE(nullptr, image) << element.target;
        if (image != nullptr) std::fclose(image);
      }
    }
    EXPECT_EQ(screen.second, found) << screen.first;
    EXPECT_EQ(targets.at(screen.first), reached) << screen.first;
  }
}

// The example of docs/templates.md is a template that opens.
TEST(TemplateGuide, ExampleIsAValidTemplate) {
  std::FILE *file = std::fopen((std::string(VELINST_SOURCE_DIR) + "/docs/templates.md").c_str(), "rb");
  ASSERT_NE(nullptr, file);
  std::string guide;
  char chunk[4096];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) guide.append(chunk, got);
  std::fclose(file);
  size_t start = guide.find("```ini\n");
  ASSERT_NE(std::string::npos, start);
  start += 7;
  std::string example = guide.substr(start, guide.find("```", start) - start);
  vorm::Template form;
  vorm::TemplateError error;
  ASSERT_TRUE(vorm::ParseTemplate(example, form, error)) << vorm::DescribeTemplateError(error);
  EXPECT_EQ("Feedback", form.name);
  EXPECT_NE(nullptr, vorm::FindNamedElement(form, "feedback_email"));
}

}  // namespace

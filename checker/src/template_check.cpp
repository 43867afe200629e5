// The screens: every template the launcher opens or reaches by navigation.
#include <map>
#include <string>

#include "disc_check.h"
#include "disc_files.h"
#include "order/order_keys.h"
#include "resources/texts.h"
#include "shell/command_table.h"
#include "template.h"

namespace {

struct Screen {
  std::string discName;  // as named on the disc: "screens\start.vrm"
  std::string path;      // where it was found
  vorm::Template form;
};

using Screens = std::map<std::string, Screen>;  // by path

void CheckElements(DiscCheck &check, Screens &screens, const Screen &screen);

// Loads the template and every screen reached from it; false when it cannot
// be opened (reported).
const Screen *Visit(DiscCheck &check, Screens &screens, const std::string &discName,
                    const std::string &path) {
  auto known = screens.find(path);
  if (known != screens.end()) return &known->second;
  Screen screen{discName, path, {}};
  vorm::TemplateError error;
  if (!vorm::LoadTemplate(path.c_str(), screen.form, error)) {
    check.findings.Error(path, error.line, "the screen cannot be shown: " + error.reason);
    return nullptr;
  }
  // Templates written in UTF-8 are shown in the system's ANSI code page;
  // letters it lacks would appear as "?".
  for (int line : screen.form.unshownLines)
    check.findings.Warning(path, line,
                           "this line has letters that the system's ANSI code page cannot "
                           "show: the customer sees \"?\" in their place");
  const Screen &added = screens.emplace(path, screen).first->second;
  CheckElements(check, screens, added);
  return &added;
}

// A command the launcher knows, but which does nothing without its key.
void CheckCommandKey(DiscCheck &check, const Screen &screen, const vorm::Element &element,
                     const CommandRow &row) {
  if (row.key == nullptr) return;
  const SettingValue value = LookUp(check.settings, *row.key);
  if (value.present && !value.text.empty()) return;
  check.findings.Error(screen.path, element.line,
                       "button " + Quoted(element.name) + " sends command " +
                           std::to_string(element.command) + ", which needs " +
                           KeyLabel(row.key->section, row.key->keyId) +
                           ": without it the button does nothing");
}

void CheckElements(DiscCheck &check, Screens &screens, const Screen &screen) {
  for (const vorm::Element &element : screen.form.elements) {
    const CommandRow *row =
        element.action == vorm::ButtonAction::Command ? FindCommand(element.command) : nullptr;
    if (element.action == vorm::ButtonAction::Command && row == nullptr)
      check.findings.Error(screen.path, element.line,
                           "button " + Quoted(element.name) + " sends command " +
                               std::to_string(element.command) +
                               ", which the launcher does not know: the button does nothing");
    if (row != nullptr) CheckCommandKey(check, screen, element, *row);
    const bool opensFile =
        element.action == vorm::ButtonAction::Goto || element.kind == vorm::ElementKind::Image;
    if (!opensFile) continue;
    const std::string target = vorm::ResolveBeside(screen.discName, element.target);
    const std::string path = FindOnDisc(check.folder, target);
    if (path.empty()) {
      check.findings.Error(screen.path, element.line,
                           (element.kind == vorm::ElementKind::Image ? "picture " : "screen ") +
                               Quoted(element.target) + " is not on the disc");
    } else if (element.action == vorm::ButtonAction::Goto) {
      Visit(check, screens, target, path);
    }
  }
}

const Screen *FindScreenNamed(const Screens &screens, const std::string &name) {
  for (const auto &entry : screens)
    if (vorm::NamesEqual(entry.second.form.name, name)) return &entry.second;
  return nullptr;
}

// Every key of the form's section names an edit field of the form, which
// takes no more characters than the launcher keeps.
void CheckFields(DiscCheck &check, const VocabularySection &section, const Screen &screen) {
  for (const VocabularyKey &key : section.keys) {
    const SettingValue name = LookUp(check.settings, section.name, key.keyId);
    if (!name.present || name.text.empty()) continue;  // reported with the settings
    const vorm::Element *field = vorm::FindNamedElement(screen.form, name.text.c_str());
    const std::string label = KeyLabel(section.name, key.keyId);
    if (field == nullptr || field->kind != vorm::ElementKind::Edit) {
      check.findings.Error(check.settings.path, name.line,
                           label + " names " + Quoted(name.text) +
                               ", which is not an edit field of " + screen.discName);
    } else if (key.fieldCapacity > 0 && field->maxLength >= key.fieldCapacity) {
      check.findings.Error(screen.path, field->line,
                           "edit field " + Quoted(field->name) + " takes " +
                               std::to_string(field->maxLength) + " characters, but the "
                               "launcher keeps " + std::to_string(key.fieldCapacity - 1) +
                               " of " + label + ": what the customer types beyond them is "
                               "cut; give it maxlength = " + std::to_string(key.fieldCapacity - 1));
    } else if (key.fieldCapacity == 0 && !field->readOnly) {
      check.findings.Warning(screen.path, field->line,
                             "the launcher fills edit field " + Quoted(field->name) + " (" +
                                 label + "): make it readonly = yes");
    }
  }
}

// Payment group 1 of the order form offers the [payment string] "Check"
// option, and the launcher can read every option's name whole.
void CheckPayment(DiscCheck &check, const Screen &order) {
  const int limit = kPaymentTextCapacity - 1;
  bool anyOption = false;
  for (const vorm::Element &element : order.form.elements) {
    if (element.kind != vorm::ElementKind::Radio || element.group != 1) continue;
    anyOption = true;
    if (element.name.size() > static_cast<size_t>(limit))
      check.findings.Error(order.path, element.line,
                           "payment option " + Quoted(element.name) + " is longer than the " +
                               std::to_string(limit) + " characters the launcher reads");
  }
  const SettingValue check_ = LookUp(check.settings, kPaymentStringCheck);
  if (!anyOption) {
    check.findings.Error(order.path, 1,
                         "the order form has no payment options: radio group 1 names the "
                         "payment method");
    return;
  }
  if (!check_.present) return;  // reported with the settings
  const std::string label = KeyLabel(kPaymentStringCheck.section, kPaymentStringCheck.keyId);
  const vorm::Element *option = vorm::FindNamedElement(order.form, check_.text.c_str());
  if (option == nullptr || option->kind != vorm::ElementKind::Radio || option->group != 1)
    check.findings.Error(check.settings.path, check_.line,
                         label + " is " + Quoted(check_.text) +
                             ", but no option of the order form's payment group 1 has that "
                             "name: every order would need card details");
}

// The screen named by a [Form Name] key, which must be one of those reached.
const Screen *FormScreen(DiscCheck &check, const Screens &screens, const VocabularyKey &formName,
                         const Screen *orderScreen) {
  const SettingValue name = LookUp(check.settings, formName);
  if (!name.present || name.text.empty()) return nullptr;  // reported with the settings
  const std::string label = KeyLabel(formName.section, formName.keyId);
  if (&formName == &kFormNameOrder) {
    if (orderScreen != nullptr && !vorm::NamesEqual(orderScreen->form.name, name.text))
      check.findings.Error(check.settings.path, name.line,
                           label + " is " + Quoted(name.text) + ", but the order form " +
                               orderScreen->discName + " is named " +
                               Quoted(orderScreen->form.name) +
                               ": its prices would never be computed");
    return orderScreen;
  }
  const Screen *screen = FindScreenNamed(screens, name.text);
  if (screen == nullptr)
    check.findings.Error(check.settings.path, name.line,
                         label + " is " + Quoted(name.text) +
                             ", but no screen reached from the start screen has that name: "
                             "the form would never be filled in from the profile");
  return screen;
}

// A [General] template the launcher opens itself; nullptr when it cannot.
const Screen *OpenedScreen(DiscCheck &check, Screens &screens, const VocabularyKey &row) {
  const SettingValue value = LookUp(check.settings, row);
  const std::string path = FindOnDisc(check.folder, value.text);
  if (!value.present || path.empty()) return nullptr;  // reported with the settings
  return Visit(check, screens, value.text, path);
}

}  // namespace

void CheckTemplates(DiscCheck &check) {
  Screens screens;
  OpenedScreen(check, screens, kGeneralStartup);
  const Screen *order = OpenedScreen(check, screens, kGeneralOrderFormTemplate);
  for (const FormFields &form : FormFieldSections()) {
    const Screen *screen = FormScreen(check, screens, *form.formName, order);
    if (screen != nullptr) CheckFields(check, form.section, *screen);
  }
  if (order != nullptr) CheckPayment(check, *order);
}

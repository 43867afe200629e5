// The form engine's functions over the in-memory forms of fake_forms.h.
#include "fake_forms.h"
#include "text/bounded.h"

static FakeForms forms;

FakeForms &Forms() { return forms; }
void ResetFakeForms() { forms = FakeForms(); }

void OpenFakeTemplate(const std::string &name,
                      const std::map<std::string, std::string> &fields) {
  forms.templateOpen = true;
  forms.current = FakeTemplate{name, fields, {}};
}

extern "C" {

int VORM_Init(VORM_WINDOW window) {
  forms.inits.push_back(window);
  return 1;
}

int VORM_Create(VORM_WINDOW owner, unsigned long flags, const char *path, int x, int y,
                int show) {
  std::string file = path != nullptr ? path : "";
  forms.creates.push_back({owner, flags, file, x, y, show});
  auto found = forms.templatesByPath.find(file);
  if (found == forms.templatesByPath.end()) return 0;
  forms.templateOpen = true;
  forms.current = found->second;
  return 1;
}

const char *VORM_GetCurrentTemplateName(void) {
  return forms.templateOpen ? forms.current.name.c_str() : nullptr;
}

int VORM_GetEditText(const char *field, char *dest, int capacity) {
  std::string name = field != nullptr ? field : "";
  forms.reads.push_back(name);
  auto found = forms.current.fields.find(name);
  if (!forms.templateOpen || found == forms.current.fields.end()) {
    CopyText(dest, capacity, "");
    return 0;
  }
  CopyText(dest, capacity, found->second.c_str());
  return 1;
}

int VORM_SetEditText(const char *field, const char *text) {
  std::string name = field != nullptr ? field : "";
  forms.edits.push_back({name, text != nullptr ? text : ""});
  auto found = forms.current.fields.find(name);
  if (!forms.templateOpen || found == forms.current.fields.end()) return 0;
  found->second = text != nullptr ? text : "";
  return 1;
}

int VORM_RadioButton_GetCheck(int group, char *dest, int capacity) {
  auto found = forms.current.radioSelections.find(group);
  if (!forms.templateOpen || found == forms.current.radioSelections.end()) {
    CopyText(dest, capacity, "");
    return 0;
  }
  CopyText(dest, capacity, found->second.c_str());
  return 1;
}

int VORM_SetCommandButton(int command, const char *caption, int enabled) {
  forms.buttons.push_back({command, caption != nullptr ? caption : "(kept)", enabled});
  return forms.templateOpen ? 1 : 0;
}

}  // extern "C"

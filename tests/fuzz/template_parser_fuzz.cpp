// The form engine's template parser on any text: it never reads or writes
// out of bounds, and a template it accepts keeps the rules the engine's
// windows rely on.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "template.h"

namespace {

void CheckAccepted(const vorm::Template &form) {
  Require(form.width >= 1 && form.width <= 4000 && form.height >= 1 && form.height <= 4000);
  Require(!form.name.empty() && form.name.size() <= 127 && form.title.size() <= 255);
  Require(form.elements.size() <= 2000);
  int radioGroupsSelected[1000] = {};
  for (size_t i = 0; i < form.elements.size(); ++i) {
    const vorm::Element &element = form.elements[i];
    Require(element.x >= 0 && element.y >= 0 && element.width >= 0 && element.height >= 0);
    Require(element.x + element.width <= form.width &&
            element.y + element.height <= form.height);
    Require(element.name.size() <= 127 && element.text.size() <= 255);
    if (element.kind == vorm::ElementKind::Button)
      Require(element.action != vorm::ButtonAction::None);
    if (element.kind == vorm::ElementKind::Radio) {
      Require(element.group >= 1 && element.group <= 999);
      if (element.selected) Require(++radioGroupsSelected[element.group] == 1);
    }
    // Every named control is found by its name, and it is the first of it.
    if (!element.name.empty()) {
      const vorm::Element *found = vorm::FindNamedElement(form, element.name.c_str());
      Require(found == &element);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  vorm::Template form;
  vorm::TemplateError error;
  if (vorm::ParseTemplate(text, form, error)) {
    CheckAccepted(form);
  } else {
    Require(!error.reason.empty() && error.line >= 0);
    Require(!vorm::DescribeTemplateError(error).empty());
  }
  return 0;
}

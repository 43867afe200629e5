#include "default_button.h"

namespace vorm {

std::size_t DefaultButtonFor(const std::vector<Element> &elements, std::size_t focus) {
  if (focus < elements.size() && elements[focus].kind == ElementKind::Button) return focus;
  for (std::size_t i = 0; i < elements.size(); ++i)
    if (elements[i].kind == ElementKind::Button && elements[i].isDefault) return i;
  return elements.size();
}

}  // namespace vorm

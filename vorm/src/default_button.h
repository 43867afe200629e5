#pragma once
// Which button is the default, drawn as such and pressed by Enter: as in a
// dialog box, the push button that has the keyboard focus, else the
// template's default button.

#include <cstddef>
#include <vector>

#include "template.h"

namespace vorm {

// `focus` is the element with the keyboard focus (any value when none);
// returns elements.size() when no button is the default.
std::size_t DefaultButtonFor(const std::vector<Element> &elements, std::size_t focus);

}  // namespace vorm

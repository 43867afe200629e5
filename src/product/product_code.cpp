#include "product/product_code.h"

#include <cctype>
#include <cstring>

bool IsProductCode(const char *text) {
  static const char kForm[] = "{........-....-....-....-............}";
  if (strlen(text) != sizeof kForm - 1) return false;
  for (size_t at = 0; kForm[at] != '\0'; ++at)
    if (kForm[at] == '.' ? !isxdigit(static_cast<unsigned char>(text[at])) : text[at] != kForm[at])
      return false;
  return true;
}

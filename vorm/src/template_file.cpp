#include <cerrno>
#include <cstdio>

#include "ansi_text.h"
#include "template.h"

namespace vorm {

bool LoadTemplate(const char *path, Template &out, TemplateError &error) {
  error = TemplateError();
  if (path == nullptr || path[0] == '\0') {
    error.reason = "no template file named";
    return false;
  }
  errno = 0;
  std::FILE *file = std::fopen(path, "rb");
  if (file == nullptr) {
    error.reason = errno == ENOENT ? "the file does not exist" : "the file cannot be read";
    return false;
  }
  std::string text;
  char chunk[4096];
  std::size_t got = 0;
  bool tooLarge = false;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    text.append(chunk, got);
    if (static_cast<long>(text.size()) > kMaxTemplateBytes) {
      tooLarge = true;
      break;
    }
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    error.reason = "the file cannot be read";
    return false;
  }
  if (tooLarge) {
    error.reason = "the file is larger than " + std::to_string(kMaxTemplateBytes) + " bytes";
    return false;
  }
  return ParseTemplate(text, out, error);
}

std::string ResolveBeside(const std::string &templatePath, const std::string &name) {
  bool absolute = !name.empty() && (name[0] == '\\' || name[0] == '/' ||
                                    (name.size() > 1 && name[1] == ':'));
  if (absolute) return name;
  // A "\" that is the second byte of a double-byte letter ends no folder.
  int slash = LastSeparator(templatePath.c_str(), "\\/", SystemSpelling());
  if (slash < 0) return name;
  return templatePath.substr(0, static_cast<std::size_t>(slash) + 1) + name;
}

}  // namespace vorm

#include "config.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "submission.h"

namespace {

std::string Trimmed(const std::string &text) {
  const char *blanks = " \t\r";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

bool ParseConfig(const std::string &text, ReceiverConfig *config, std::string *error) {
  *config = ReceiverConfig();
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    size_t equals = line.find('=');
    std::string where = "line " + std::to_string(number) + ": ";
    if (equals == std::string::npos) {
      *error = where + "expected \"key = value\"";
      return false;
    }
    std::string key = Trimmed(line.substr(0, equals));
    std::string value = Trimmed(line.substr(equals + 1));
    if (key == "database")
      config->database = value;
    else if (key == "recipient")
      config->recipients.push_back(value);
    else if (key == "redirect_host")
      config->redirectHosts.push_back(value);
    else if (key == "mail_command")
      config->mailCommand = value;
    else if (key == "mail_from")
      config->mailFrom = value;
    else if (key == "required") {
      for (const std::string &name : SplitNames(value)) config->required.push_back(name);
    }
    else {
      *error = where + "unknown key \"" + key + "\"";
      return false;
    }
  }
  if (config->database.empty()) {
    *error = "no database named";
    return false;
  }
  return true;
}

std::string ConfigPath() {
  const char *path = std::getenv(kConfigVariable);
  return path && *path ? path : kDefaultConfigPath;
}

bool LoadConfig(const std::string &path, ReceiverConfig *config, std::string *error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read " + path;
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (!ParseConfig(text.str(), config, error)) {
    *error = path + ": " + *error;
    return false;
  }
  return true;
}

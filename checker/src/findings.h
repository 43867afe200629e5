#pragma once
// What the checker found, each with the file and line to look at.
#include <string>
#include <vector>

enum class Severity { Error, Warning };

struct Finding {
  std::string file;
  int line;  // from 1
  Severity severity;
  std::string message;
};

struct Findings {
  std::vector<Finding> list;
  void Error(const std::string &file, int line, const std::string &message);
  void Warning(const std::string &file, int line, const std::string &message);
  bool HasErrors() const;
};

// "file:line: error: message", as compilers write them.
std::string FormatFinding(const Finding &finding);

// "name" in double quotes, for messages.
std::string Quoted(const std::string &text);

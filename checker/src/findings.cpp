#include "findings.h"

void Findings::Error(const std::string &file, int line, const std::string &message) {
  list.push_back({file, line < 1 ? 1 : line, Severity::Error, message});
}

void Findings::Warning(const std::string &file, int line, const std::string &message) {
  list.push_back({file, line < 1 ? 1 : line, Severity::Warning, message});
}

bool Findings::HasErrors() const {
  for (const Finding &finding : list)
    if (finding.severity == Severity::Error) return true;
  return false;
}

std::string FormatFinding(const Finding &finding) {
  return finding.file + ":" + std::to_string(finding.line) + ": " +
         (finding.severity == Severity::Error ? "error" : "warning") + ": " + finding.message;
}

std::string Quoted(const std::string &text) { return "\"" + text + "\""; }

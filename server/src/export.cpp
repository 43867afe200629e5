#include "export.h"

#include <cstdio>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// A cell a spreadsheet would read as a formula (or that begins with a
// character some read so) is marked as text.
std::string SpreadsheetText(const std::string &value) {
  if (!value.empty() && std::string("=+-@\t\r").find(value[0]) != std::string::npos)
    return "'" + value;
  return value;
}

std::string CsvValue(const std::string &stored) {
  std::string value = SpreadsheetText(stored);
  if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void WriteCsvRow(const std::vector<std::string> &values, std::ostream &out) {
  for (size_t i = 0; i < values.size(); ++i) out << (i ? "," : "") << CsvValue(values[i]);
  out << "\r\n";
}

std::string Shown(const std::string &text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void WriteListing(const Registration &registration, std::ostream &out) {
  out << "Registration " << registration.id << ", received " << Shown(registration.received)
      << " from " << Shown(registration.client) << " for " << Shown(registration.recipient)
      << ": " << Shown(registration.subject) << "\n";
  for (const QueryPair &field : registration.fields)
    out << "  " << Shown(field.name) << ": " << Shown(field.value) << "\n";
}

void WriteCsv(const std::vector<Registration> &registrations,
              const std::vector<std::string> &required, std::ostream &out) {
  std::vector<std::string> header = {"id", "received", "client", "recipient", "subject"};
  // Each request may bring names of its own: past the cap they share one
  // column, so the file stays in proportion to the data. The vendor's
  // required fields keep their columns however many names came first.
  std::unordered_set<std::string> reserved(required.begin(), required.end());
  size_t unreserved =
      kMaxCsvFieldColumns > reserved.size() ? kMaxCsvFieldColumns - reserved.size() : 0;
  std::unordered_map<std::string, size_t> columns;
  bool others = false;
  for (const Registration &registration : registrations)
    for (const QueryPair &field : registration.fields) {
      if (columns.count(field.name)) continue;
      if (!reserved.count(field.name)) {
        if (unreserved == 0) {
          others = true;
          continue;
        }
        --unreserved;
      }
      columns.emplace(field.name, header.size());
      header.push_back(field.name);
    }
  if (others) header.push_back(kCsvOtherFieldsHeader);

  WriteCsvRow(header, out);
  std::vector<std::string> row;
  for (const Registration &registration : registrations) {
    row.assign(header.size(), "");
    row[0] = std::to_string(registration.id);
    row[1] = registration.received;
    row[2] = registration.client;
    row[3] = registration.recipient;
    row[4] = registration.subject;
    // A name stored twice in one registration keeps its first value.
    for (auto field = registration.fields.rbegin(); field != registration.fields.rend(); ++field) {
      auto column = columns.find(field->name);
      if (column != columns.end()) row[column->second] = field->value;
    }
    if (others) {
      std::string &rest = row.back();
      for (const QueryPair &field : registration.fields)
        if (!columns.count(field.name))
          rest += (rest.empty() ? "" : "; ") + field.name + ": " + field.value;
    }
    WriteCsvRow(row, out);
  }
}

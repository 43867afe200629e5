#include "export.h"

#include <algorithm>
#include <vector>

namespace {

std::string CsvValue(const std::string &value) {
  if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void WriteCsvRow(const std::vector<std::string> &values, std::ostream &out) {
  for (size_t i = 0; i < values.size(); ++i) out << (i ? "," : "") << CsvValue(values[i]);
  out << "\r\n";
}

}  // namespace

void WriteListing(const Registration &registration, std::ostream &out) {
  out << "Registration " << registration.id << ", received " << registration.received << " from "
      << registration.client << " for " << registration.recipient << ": "
      << registration.subject << "\n";
  for (const QueryPair &field : registration.fields)
    out << "  " << field.name << ": " << field.value << "\n";
}

void WriteCsv(const std::vector<Registration> &registrations, std::ostream &out) {
  std::vector<std::string> names;
  for (const Registration &registration : registrations)
    for (const QueryPair &field : registration.fields)
      if (std::find(names.begin(), names.end(), field.name) == names.end())
        names.push_back(field.name);

  std::vector<std::string> header = {"id", "received", "client", "recipient", "subject"};
  header.insert(header.end(), names.begin(), names.end());
  WriteCsvRow(header, out);
  for (const Registration &registration : registrations) {
    std::vector<std::string> row = {std::to_string(registration.id), registration.received,
                                    registration.client, registration.recipient,
                                    registration.subject};
    for (const std::string &name : names) {
      auto field = std::find_if(registration.fields.begin(), registration.fields.end(),
                                [&](const QueryPair &pair) { return pair.name == name; });
      row.push_back(field == registration.fields.end() ? "" : field->value);
    }
    WriteCsvRow(row, out);
  }
}

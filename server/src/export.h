#pragma once
// The stored registrations for the vendor's records.
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "store.h"

// A readable listing: a heading line per registration, then one indented
// "NAME: value" line per field. Control characters (below 0x20, and DEL)
// and backslashes in what the request sent are shown escaped ("\r", "\n",
// "\t", "\\", "\x1B"), so each registration is its heading line and its
// field lines, and nothing reaches a terminal as a control sequence.
void WriteListing(const Registration &registration, std::ostream &out);

// The CSV's field columns, unless the configuration requires more fields: a
// request may bring up to 64 names of its own, and a column for each new
// name would widen every row.
constexpr size_t kMaxCsvFieldColumns = 64;
// The last column's header, over the fields that got no column of their own.
constexpr const char kCsvOtherFieldsHeader[] = "OTHER FIELDS";

// Comma-separated values (RFC 4180: CRLF line ends, a value holding a comma,
// quote, CR or LF is quoted with its quotes doubled): a header row of id,
// received, client, recipient, subject and field names in the order the
// names first appear, then one row per registration. A name in `required`
// (the configuration's required fields) gets a column when it appears; the
// other names get one until they and the required names number
// kMaxCsvFieldColumns. If a name is left without one, a last column
// kCsvOtherFieldsHeader holds each row's remaining fields as "NAME: value"
// separated by "; ". A row has at most 6 cells besides the larger of
// kMaxCsvFieldColumns and the number of required names, so the file grows
// in proportion to the data. Values are written as stored, in the
// customer's code page, except that a cell beginning with "=", "+", "-",
// "@", a tab or CR gets a leading apostrophe, so that a spreadsheet shows it
// as text instead of computing it ("'+1 512 555").
void WriteCsv(const std::vector<Registration> &registrations,
              const std::vector<std::string> &required, std::ostream &out);

#pragma once
// The stored registrations for the vendor's records.
#include <ostream>
#include <vector>

#include "store.h"

// A readable listing: a heading line per registration, then one indented
// "NAME: value" line per field. Control characters (below 0x20, and DEL)
// and backslashes in what the request sent are shown escaped ("\r", "\n",
// "\t", "\\", "\x1B"), so each registration is its heading line and its
// field lines, and nothing reaches a terminal as a control sequence.
void WriteListing(const Registration &registration, std::ostream &out);

// Comma-separated values (RFC 4180: CRLF line ends, a value holding a comma,
// quote, CR or LF is quoted with its quotes doubled): a header row of id,
// received, client, recipient, subject and every field name in the order the
// names first appear, then one row per registration. Values are written as
// stored, in the customer's code page, except that a cell beginning with
// "=", "+", "-", "@", a tab or CR gets a leading apostrophe, so that a
// spreadsheet shows it as text instead of computing it ("'+1 512 555").
// Linear in the data: each row looks its fields' columns up once.
void WriteCsv(const std::vector<Registration> &registrations, std::ostream &out);

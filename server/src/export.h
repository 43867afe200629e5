#pragma once
// The stored registrations for the vendor's records.
#include <ostream>
#include <vector>

#include "store.h"

// A readable listing: a heading line per registration, then one indented
// "NAME: value" line per field.
void WriteListing(const Registration &registration, std::ostream &out);

// Comma-separated values (RFC 4180: CRLF line ends, a value holding a comma,
// quote, CR or LF is quoted with its quotes doubled): a header row of id,
// received, client, recipient, subject and every field name in the order the
// names first appear, then one row per registration. Values are written as
// stored, in the customer's code page.
void WriteCsv(const std::vector<Registration> &registrations, std::ostream &out);

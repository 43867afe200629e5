#pragma once
// The query of a registration request as name/value pairs.
#include <string>
#include <string_view>
#include <vector>

struct QueryPair {
  std::string name;
  std::string value;
};

// "%XX" with two hex digits becomes that byte; every other byte, a lone "%"
// and "+" included, stays as it is. The launcher encodes a space as "%20", so
// a plain "+" is the customer's own plus sign (an e-mail address, a phone
// number), never a space.
std::string PercentDecode(std::string_view text);

// Splits the query at "&" and each piece at its first "=", decoding names and
// values; empty pieces are skipped. Older launchers sent "&" and "=" inside a
// value unencoded: a piece without "=", or one whose name came before,
// belongs to the value of the pair before it and is joined to it with "&".
// So the first "recipient" or "redirect" always counts, and a field that
// merely contains such text keeps its whole value.
std::vector<QueryPair> DecodeQuery(std::string_view query);

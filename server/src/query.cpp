#include "query.h"

#include <algorithm>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool NameSeen(const std::vector<QueryPair> &pairs, const std::string &name) {
  return std::any_of(pairs.begin(), pairs.end(),
                     [&](const QueryPair &pair) { return pair.name == name; });
}

}  // namespace

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
        HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<QueryPair> DecodeQuery(std::string_view query) {
  std::vector<QueryPair> pairs;
  size_t start = 0;
  while (start <= query.size()) {
    size_t end = std::min(query.find('&', start), query.size());
    std::string_view piece = query.substr(start, end - start);
    start = end + 1;
    if (piece.empty()) continue;  // "&&" or a trailing "&"

    size_t equals = piece.find('=');
    std::string name =
        equals == std::string_view::npos ? std::string() : PercentDecode(piece.substr(0, equals));
    bool joinsPrevious = equals == std::string_view::npos || NameSeen(pairs, name);
    if (joinsPrevious) {
      if (pairs.empty())
        pairs.push_back({PercentDecode(piece), ""});
      else
        pairs.back().value += "&" + PercentDecode(piece);
      continue;
    }
    pairs.push_back({name, PercentDecode(piece.substr(equals + 1))});
  }
  return pairs;
}

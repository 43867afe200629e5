#include "submission.h"

#include <algorithm>

namespace {

const char *const kControlNames[] = {"recipient", "subject", "redirect", "required", "sort"};
const char kSortPrefix[] = "order:";

bool IsControlName(const std::string &name) {
  return std::find(std::begin(kControlNames), std::end(kControlNames), name) !=
         std::end(kControlNames);
}

std::string Trimmed(const std::string &text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const QueryPair *FindPair(const std::vector<QueryPair> &pairs, const std::string &name) {
  auto found = std::find_if(pairs.begin(), pairs.end(),
                            [&](const QueryPair &pair) { return pair.name == name; });
  return found == pairs.end() ? nullptr : &*found;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(const std::string &left, const std::string &right) {
  return left.size() == right.size() &&
         std::equal(left.begin(), left.end(), right.begin(),
                    [](char l, char r) { return LowerAscii(l) == LowerAscii(r); });
}

bool InList(const std::string &text, const std::vector<std::string> &list) {
  return std::any_of(list.begin(), list.end(), [&](const std::string &entry) {
    return EqualIgnoringAsciiCase(text, entry);
  });
}

bool StartsWithIgnoringCase(const std::string &text, const std::string &prefix) {
  return text.size() >= prefix.size() &&
         EqualIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::vector<std::string> SplitNames(const std::string &text) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = std::min(text.find(',', start), text.size());
    std::string name = Trimmed(text.substr(start, end - start));
    if (!name.empty()) names.push_back(name);
    start = end + 1;
  }
  return names;
}

bool IsBlankValue(const std::string &value) {
  for (size_t i = 0; i < value.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(value[i]);
    if (byte == 0xC2 && i + 1 < value.size() && static_cast<unsigned char>(value[i + 1]) == 0xA0)
      ++i;
    else if (byte != ' ' && byte != '\t' && byte != '\r' && byte != '\n' && byte != 0xA0)
      return false;
  }
  return true;
}

Submission ReadSubmission(const std::vector<QueryPair> &pairs) {
  Submission submission;
  std::vector<QueryPair> fields;
  std::string sort;
  for (const QueryPair &pair : pairs) {
    if (pair.name == "recipient")
      submission.recipient = pair.value;
    else if (pair.name == "subject")
      submission.subject = pair.value;
    else if (pair.name == "redirect")
      submission.redirect = pair.value;
    else if (pair.name == "required")
      submission.required = SplitNames(pair.value);
    else if (pair.name == "sort")
      sort = pair.value;
    if (!IsControlName(pair.name)) fields.push_back(pair);
  }

  std::vector<std::string> order;
  if (sort.compare(0, sizeof kSortPrefix - 1, kSortPrefix) == 0)
    order = SplitNames(sort.substr(sizeof kSortPrefix - 1));
  for (const std::string &name : order) {
    const QueryPair *field = FindPair(fields, name);
    if (field && !FindPair(submission.fields, name)) submission.fields.push_back(*field);
  }
  for (const QueryPair &field : fields)
    if (!FindPair(submission.fields, field.name)) submission.fields.push_back(field);
  return submission;
}

std::vector<std::string> MissingFields(const Submission &submission,
                                       const std::vector<std::string> &vendorRequired) {
  std::vector<std::string> required = submission.required;
  for (const std::string &name : vendorRequired)
    if (std::find(required.begin(), required.end(), name) == required.end())
      required.push_back(name);
  std::vector<std::string> missing;
  for (const std::string &name : required) {
    const QueryPair *field = FindPair(submission.fields, name);
    if (!field || IsBlankValue(field->value)) missing.push_back(name);
  }
  return missing;
}

bool RecipientAllowed(const std::string &recipient, const std::vector<std::string> &allowed) {
  return !recipient.empty() && InList(recipient, allowed);
}

bool RedirectAllowed(const std::string &redirect, const std::vector<std::string> &hosts) {
  for (char c : redirect) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7F || c == '\\') return false;
  }
  size_t authorityStart;
  if (StartsWithIgnoringCase(redirect, "http://"))
    authorityStart = 7;
  else if (StartsWithIgnoringCase(redirect, "https://"))
    authorityStart = 8;
  else
    return false;
  size_t authorityEnd = std::min(redirect.find_first_of("/?#", authorityStart), redirect.size());
  std::string authority = redirect.substr(authorityStart, authorityEnd - authorityStart);
  if (authority.find('@') != std::string::npos) return false;

  std::string host = authority;
  size_t colon = authority.find(':');
  if (colon != std::string::npos) {
    host = authority.substr(0, colon);
    std::string port = authority.substr(colon + 1);
    if (port.empty() || port.find_first_not_of("0123456789") != std::string::npos) return false;
  }
  return !host.empty() && InList(host, hosts);
}

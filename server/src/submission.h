#pragma once
// What a registration request asks for: the control fields of the mail
// script's query and the customer's fields, and the checks made on them
// before anything is stored.
#include <string>
#include <vector>

#include "query.h"

struct Submission {
  std::string recipient;              // "recipient": the mailbox it is for
  std::string subject;                // "subject"
  std::string redirect;               // "redirect": the thank-you page
  std::vector<std::string> required;  // "required": names that must be filled
  std::vector<QueryPair> fields;      // everything else, in storing order
};

// Separates the control fields from the customer's fields. The fields named
// by "sort=order:A,B,..." come first in that order, then every other field
// in the order received: a field left out of the sort list (the launcher
// leaves out e-mail and telephone) is still kept.
Submission ReadSubmission(const std::vector<QueryPair> &pairs);

// "A, B,,C" as {"A", "B", "C"}: a list of field names as the query's
// "required" and "sort" and the configuration's "required" give them.
std::vector<std::string> SplitNames(const std::string &text);

// Whether a value holds nothing a person typed: only blanks, tabs, CR, LF
// and non-breaking spaces (0xA0 in the Windows code pages, C2 A0 in UTF-8).
bool IsBlankValue(const std::string &value);

// The required names whose field is absent or blank: those of the
// request's list in its order, then those the vendor requires
// (`vendorRequired`) that the request did not name. The vendor's list
// holds whatever the request says: a request cannot drop a field from it.
std::vector<std::string> MissingFields(const Submission &submission,
                                       const std::vector<std::string> &vendorRequired);

// True when the recipient is one of the allowed mailboxes (ASCII letters
// compared without regard to case). Nothing else is ever mailed to.
bool RecipientAllowed(const std::string &recipient, const std::vector<std::string> &allowed);

// True when the redirect is an http or https address whose host is one of
// the allowed hosts, optionally with a port. Addresses with a user part
// ("http://good@evil/"), a backslash, blanks or control characters are
// refused: the address goes out in the Location header as it is.
bool RedirectAllowed(const std::string &redirect, const std::vector<std::string> &hosts);

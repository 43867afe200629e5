// The registration request's target for any record, and any mailbox and
// thank-you page a disc may name: it never overruns its 4096 bytes, it is
// refused exactly when it would not fit, and a standard URL decoder, and the
// vendor's receiver, get back the fixed parts, the mailbox, the page and
// every field value byte for byte. With the disc naming none, it starts with
// today's fixed part.
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_record.h"
#include "query.h"
#include "registration/destination.h"
#include "registration/request_target.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

const char kLists[] =
    "&required=PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,CITY,STATE,"
    "ZIPCODE,COUNTRY,PURCHASE&sort=order:PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,"
    "LAST%20NAME,ADDRESS1,ADDRESS2,CITY,STATE,ZIPCODE,COUNTRY,PURCHASE";
// The fixed part as it must stand at the start of every target.
const char kFixedTarget[] =
    "/cgi-local/FormMail.cgi?recipient=register@velmora.com&subject=User%20Registration"
    "&redirect=http://www.velmora.com/regthankyou.htm&required=PRODUCT%20NAME,"
    "SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,CITY,STATE,ZIPCODE,COUNTRY,"
    "PURCHASE&sort=order:PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,"
    "ADDRESS1,ADDRESS2,CITY,STATE,ZIPCODE,COUNTRY,PURCHASE";
const Pairs kFixedPairs = {
    {"recipient", "register@velmora.com"},
    {"subject", "User Registration"},
    {"redirect", "http://www.velmora.com/regthankyou.htm"},
    {"required",
     "PRODUCT NAME,SERIAL NUMBER,FIRST NAME,LAST NAME,ADDRESS1,CITY,STATE,ZIPCODE,COUNTRY,"
     "PURCHASE"},
    {"sort",
     "order:PRODUCT NAME,SERIAL NUMBER,FIRST NAME,LAST NAME,ADDRESS1,ADDRESS2,CITY,STATE,"
     "ZIPCODE,COUNTRY,PURCHASE"},
};

const struct {
  const char *key;
  CustomerField field;
  bool onlyWhenGiven;
} kSent[] = {
    {"PRODUCT NAME", CustomerField::ProductName, false},
    {"SERIAL NUMBER", CustomerField::SerialNumber, false},
    {"FIRST NAME", CustomerField::FirstName, false},
    {"LAST NAME", CustomerField::LastName, false},
    {"ADDRESS1", CustomerField::Street1, false},
    {"ADDRESS2", CustomerField::Street2, false},
    {"CITY", CustomerField::City, false},
    {"STATE", CustomerField::State, false},
    {"ZIPCODE", CustomerField::Zip, false},
    {"COUNTRY", CustomerField::Country, false},
    {"EMAIL ADDRESS", CustomerField::Email, true},
    {"PHONE NUMBER", CustomerField::Phone, true},
    {"PURCHASE", CustomerField::WhereBought, false},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Form decoding as web servers do it: "+" is a blank, "%XX" a byte.
std::string Decoded(const std::string &text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
               HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

Pairs ParseQuery(const std::string &query) {
  Pairs pairs;
  size_t start = 0;
  while (start <= query.size()) {
    size_t end = query.find('&', start);
    if (end == std::string::npos) end = query.size();
    std::string pair = query.substr(start, end - start);
    size_t equals = pair.find('=');
    if (equals == std::string::npos)
      pairs.emplace_back(Decoded(pair), "");
    else
      pairs.emplace_back(Decoded(pair.substr(0, equals)), Decoded(pair.substr(equals + 1)));
    start = end + 1;
  }
  return pairs;
}

// The length of a field once every byte but A-Z, a-z, 0-9 and "-._~" takes
// three characters.
size_t EncodedLength(const char *text) {
  size_t length = 0;
  for (const char *c = text; *c != '\0'; ++c) {
    bool unreserved = (*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') ||
                      (*c >= '0' && *c <= '9') || strchr("-._~", *c) != nullptr;
    length += unreserved ? 1 : 3;
  }
  return length;
}

// The length of a mailbox or page once "&", "=", "#", "%", "+", blanks,
// control characters and bytes above 127 take three characters.
size_t ScriptValueLength(const char *text) {
  size_t length = 0;
  for (const unsigned char *c = reinterpret_cast<const unsigned char *>(text); *c != 0; ++c)
    length += (*c <= ' ' || *c >= 0x7F || strchr("&=#%+", *c) != nullptr) ? 3 : 1;
  return length;
}

// A text of the input up to its first zero byte, as a settings value is.
std::string SettingText(FuzzedDataProvider &input, size_t most) {
  std::string text = input.ConsumeRandomLengthString(most);
  return text.substr(0, text.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  const CustomerRecord record = FuzzRecord(input);

  RegistrationDestination destination = {};
  Require(ReadRegistrationDestination(destination) == 1);
  const bool configured = input.ConsumeBool();
  if (configured) {
    // What the checks let through of a disc's own address, mailbox and page.
    const std::string address = "https://www.example.com/" + SettingText(input, 200);
    WebAddress script = {};
    if (ReadScriptAddress(address.c_str(), script) == nullptr) destination.script = script;
    const std::string mailbox = SettingText(input, kValueCapacity - 1);
    const std::string page = "https://www.example.com/" + SettingText(input, 200);
    if (CheckMailbox(mailbox.c_str()) == nullptr)
      CopyText(destination.mailbox, kValueCapacity, mailbox.c_str());
    if (CheckThankYouPage(page.c_str(), false) == nullptr)
      CopyText(destination.thankYouPage, kPathCapacity, page.c_str());
  }

  Pairs expected = kFixedPairs;
  expected[0].second = destination.mailbox;
  expected[2].second = destination.thankYouPage;
  const size_t queryStart = strlen(destination.script.target) + 1;
  size_t wanted = queryStart + strlen("recipient=") + ScriptValueLength(destination.mailbox) +
                  strlen("&subject=User%20Registration&redirect=") +
                  ScriptValueLength(destination.thankYouPage) + strlen(kLists);
  if (!configured) Require(wanted == strlen(kFixedTarget));
  for (const auto &sent : kSent) {
    const char *value = FieldText(record, sent.field);
    if (sent.onlyWhenGiven && value[0] == '\0') continue;
    expected.emplace_back(sent.key, value);
    wanted += 2 + EncodedLength(sent.key) + EncodedLength(value);
  }

  char target[kRequestTargetCapacity + 1];
  target[kRequestTargetCapacity] = '\x7F';  // a guard byte just past the buffer
  const ScriptSettings settings = {destination.mailbox, destination.thankYouPage};
  int fits = BuildRequestTarget(destination.script.target, settings, record, target);
  Require(target[kRequestTargetCapacity] == '\x7F');
  Require(strnlen(target, kRequestTargetCapacity) < kRequestTargetCapacity);
  Require(fits == (wanted < kRequestTargetCapacity ? 1 : 0));
  if (!fits) return 0;

  Require(strlen(target) == wanted);
  if (!configured) Require(strncmp(target, kFixedTarget, strlen(kFixedTarget)) == 0);
  Require(strncmp(target, destination.script.target, queryStart - 1) == 0);
  Require(target[queryStart - 1] == '?');
  Require(ParseQuery(target + queryStart) == expected);

  // The receiver on the vendor's host reads the same pairs.
  std::vector<QueryPair> received = DecodeQuery(target + queryStart);
  Require(received.size() == expected.size());
  for (size_t i = 0; i < received.size(); ++i)
    Require(received[i].name == expected[i].first && received[i].value == expected[i].second);
  return 0;
}

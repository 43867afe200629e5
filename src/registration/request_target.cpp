#include "registration/request_target.h"

#include <cstring>
#include <initializer_list>

#include "customer/customer_fields.h"
#include "settings/key_vocabulary.h"
#include "text/bounded.h"

namespace {

// The mail script forwards the query to the registration mailbox and sends
// the browser to the thank-you page.
const char kRecipient[] = "?recipient=";
const char kRedirect[] = "&subject=User%20Registration&redirect=";
const char kFixedLists[] =
    "&"
    "required=PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,"
    "CITY,STATE,ZIPCODE,COUNTRY,PURCHASE&"
    "sort=order:PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,"
    "ADDRESS2,CITY,STATE,ZIPCODE,COUNTRY,PURCHASE";

struct QueryField {
  const char *key;
  CustomerField field;
  bool onlyWhenGiven;  // left out entirely when the value is empty
};

// Registration date and fax are not sent.
const QueryField kQueryFields[] = {
    {"&PRODUCT%20NAME=", CustomerField::ProductName, false},
    {"&SERIAL%20NUMBER=", CustomerField::SerialNumber, false},
    {"&FIRST%20NAME=", CustomerField::FirstName, false},
    {"&LAST%20NAME=", CustomerField::LastName, false},
    {"&ADDRESS1=", CustomerField::Street1, false},
    {"&ADDRESS2=", CustomerField::Street2, false},
    {"&CITY=", CustomerField::City, false},
    {"&STATE=", CustomerField::State, false},
    {"&ZIPCODE=", CustomerField::Zip, false},
    {"&COUNTRY=", CustomerField::Country, false},
    {"&EMAIL%20ADDRESS=", CustomerField::Email, true},
    {"&PHONE%20NUMBER=", CustomerField::Phone, true},
    {"&PURCHASE=", CustomerField::WhereBought, false},
};

bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
         byte == '~';
}

bool ScriptValueKeeps(unsigned char byte) {
  return byte > ' ' && byte < 0x7F && strchr("&=#%+", byte) == nullptr;
}

// Copies source into dest, each byte that `keeps` refuses as "%XX".
void Encode(const char *source, char *dest, int capacity, bool (*keeps)(unsigned char)) {
  CopyText(dest, capacity, "");
  int length = 0;
  for (const unsigned char *byte = reinterpret_cast<const unsigned char *>(source);
       *byte != '\0'; ++byte) {
    char piece[4];
    if (keeps(*byte))
      FormatText(piece, sizeof piece, "%c", *byte);
    else
      FormatText(piece, sizeof piece, "%%%02X", *byte);
    length += AppendText(dest + length, capacity - length, piece);
  }
}

// Appends the whole text or, when it does not fit, as much as fits and
// returns false.
bool AppendWhole(char *dest, int capacity, const char *text) {
  size_t used = strnlen(dest, static_cast<size_t>(capacity));
  bool fits = used + strlen(text) < static_cast<size_t>(capacity);
  AppendText(dest, capacity, text);
  return fits;
}

}  // namespace

void EncodeSpaces(const char *source, char *dest, int capacity) {
  Encode(source, dest, capacity, IsUnreserved);
}

void EncodeScriptValue(const char *source, char *dest, int capacity) {
  Encode(source, dest, capacity, ScriptValueKeeps);
}

int AppendRegistrationFields(char *target, int capacity, const CustomerRecord &record) {
  bool fits = true;
  for (const QueryField &query : kQueryFields) {
    char value[kEncodedValueCapacity];
    EncodeSpaces(FieldText(record, query.field), value, kEncodedValueCapacity);
    if (query.onlyWhenGiven && value[0] == '\0') continue;
    fits = AppendWhole(target, capacity, query.key) && fits;
    fits = AppendWhole(target, capacity, value) && fits;
  }
  return fits ? 1 : 0;
}

int BuildRequestTarget(const char *scriptPath, const ScriptSettings &settings,
                       const CustomerRecord &record, char *target) {
  // Each byte of the values, read into buffers of their keys' capacities,
  // may take three characters.
  char mailbox[3 * kValueCapacity];
  char page[3 * kPathCapacity];
  EncodeScriptValue(settings.mailbox, mailbox, sizeof mailbox);
  EncodeScriptValue(settings.thankYouPage, page, sizeof page);
  CopyText(target, kRequestTargetCapacity, "");
  bool fits = true;
  for (const char *part : {scriptPath, kRecipient, static_cast<const char *>(mailbox), kRedirect,
                           static_cast<const char *>(page), kFixedLists})
    fits = AppendWhole(target, kRequestTargetCapacity, part) && fits;
  return AppendRegistrationFields(target, kRequestTargetCapacity, record) && fits ? 1 : 0;
}

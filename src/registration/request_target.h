#pragma once
// The target of the registration request: the mail script's path, its fixed
// query and the customer's fields.
#include "customer/customer_record.h"

constexpr int kRequestTargetCapacity = 4096;
// Every byte of a field may take three characters once encoded.
constexpr int kEncodedValueCapacity = 3 * 255 + 1;

// Copies source into dest (capacity bytes), every byte other than an ASCII
// letter, a digit, "-", ".", "_" or "~" written as "%" and two upper-case hex
// digits, so that no field value can add to or change the query's own
// parameters. A space becomes "%20".
void EncodeSpaces(const char *source, char *dest, int capacity);

// Copies source into dest (capacity bytes) for a value of the mail script's
// own settings (its recipient and redirect): every byte the query reserves or
// cannot carry ("&", "=", "#", "%", "+", blanks, control characters, bytes
// above 127) as "%XX"; "@", ":" and "/" of a mailbox or web address stay as
// they are.
void EncodeScriptValue(const char *source, char *dest, int capacity);

// Appends the customer's key=value pairs to the target (capacity bytes in
// all). Returns 1, or 0 when they do not all fit: the target is then cut and
// must not be sent.
int AppendRegistrationFields(char *target, int capacity, const CustomerRecord &record);

// The mail script's part of the query: where it forwards the registration and
// sends the exchange on to.
struct ScriptSettings {
  const char *mailbox;
  const char *thankYouPage;
};

// The whole target into target (kRequestTargetCapacity): the script's path,
// its settings and the customer's fields. Returns 1, or 0 when it does not
// fit.
int BuildRequestTarget(const char *scriptPath, const ScriptSettings &settings,
                       const CustomerRecord &record, char *target);

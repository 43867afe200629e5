#pragma once
// A customer record made from fuzz input: each field a text of at most its
// width - 1 bytes, ending at the first zero byte as a form's text would.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "customer/customer_fields.h"
#include "fuzz_support.h"
#include "text/bounded.h"

constexpr CustomerField kEveryField[] = {
    CustomerField::ProductName, CustomerField::SerialNumber, CustomerField::RegistrationDate,
    CustomerField::FirstName,   CustomerField::LastName,     CustomerField::Street1,
    CustomerField::Street2,     CustomerField::City,         CustomerField::State,
    CustomerField::Zip,         CustomerField::Country,      CustomerField::Email,
    CustomerField::Phone,       CustomerField::Fax,          CustomerField::WhereBought,
};

inline CustomerRecord FuzzRecord(FuzzedDataProvider &input) {
  CustomerRecord record = {};
  for (CustomerField field : kEveryField) {
    FieldBuffer buffer = FieldOf(record, field);
    std::string text = input.ConsumeRandomLengthString(static_cast<size_t>(buffer.width - 1));
    CopyText(buffer.text, buffer.width, text.c_str());
  }
  return record;
}

#include "customer/customer_fields.h"

namespace {
template <int Width>
FieldBuffer Buffer(char (&text)[Width]) {
  return {text, Width};
}
}  // namespace

FieldBuffer FieldOf(CustomerRecord &record, CustomerField field) {
  switch (field) {
    case CustomerField::ProductName: return Buffer(record.productName);
    case CustomerField::SerialNumber: return Buffer(record.serialNumber);
    case CustomerField::RegistrationDate: return Buffer(record.registrationDate);
    case CustomerField::FirstName: return Buffer(record.firstName);
    case CustomerField::LastName: return Buffer(record.lastName);
    case CustomerField::Street1: return Buffer(record.street1);
    case CustomerField::Street2: return Buffer(record.street2);
    case CustomerField::City: return Buffer(record.city);
    case CustomerField::State: return Buffer(record.state);
    case CustomerField::Zip: return Buffer(record.zip);
    case CustomerField::Country: return Buffer(record.country);
    case CustomerField::Email: return Buffer(record.email);
    case CustomerField::Phone: return Buffer(record.phone);
    case CustomerField::Fax: return Buffer(record.fax);
    case CustomerField::WhereBought: return Buffer(record.whereBought);
  }
  return Buffer(record.productName);
}

const char *FieldText(const CustomerRecord &record, CustomerField field) {
  return FieldOf(const_cast<CustomerRecord &>(record), field).text;
}

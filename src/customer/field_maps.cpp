#include "customer/field_maps.h"

#include <iterator>

#include "resources/texts.h"

namespace {

constexpr FormField Registration(int keyId, CustomerField field) {
  return {MakeSetting<kValueCapacity>("Registration Form", keyId, ValueKind::FieldName), field};
}
constexpr FormField Buyer(int keyId, CustomerField field) {
  return {MakeSetting<kValueCapacity>("Buyer Form", keyId, ValueKind::FieldName), field};
}

const FormField kRegistrationRows[] = {
    Registration(KEY_REG_PRODUCT, CustomerField::ProductName),
    Registration(KEY_REG_SERIAL, CustomerField::SerialNumber),
    Registration(KEY_REG_DATE, CustomerField::RegistrationDate),
    Registration(KEY_REG_FIRST_NAME, CustomerField::FirstName),
    Registration(KEY_REG_LAST_NAME, CustomerField::LastName),
    Registration(KEY_REG_STREET1, CustomerField::Street1),
    Registration(KEY_REG_STREET2, CustomerField::Street2),
    Registration(KEY_REG_CITY, CustomerField::City),
    Registration(KEY_REG_STATE, CustomerField::State),
    Registration(KEY_REG_ZIP, CustomerField::Zip),
    Registration(KEY_REG_COUNTRY, CustomerField::Country),
    Registration(KEY_REG_EMAIL, CustomerField::Email),
    Registration(KEY_REG_PHONE, CustomerField::Phone),
    Registration(KEY_REG_FAX, CustomerField::Fax),
    Registration(KEY_REG_WHERE_BOUGHT, CustomerField::WhereBought),
};

const FormField kBuyerRows[] = {
    Buyer(KEY_BUYER_FIRST_NAME, CustomerField::FirstName),
    Buyer(KEY_BUYER_LAST_NAME, CustomerField::LastName),
    Buyer(KEY_BUYER_STREET1, CustomerField::Street1),
    Buyer(KEY_BUYER_STREET2, CustomerField::Street2),
    Buyer(KEY_BUYER_CITY, CustomerField::City),
    Buyer(KEY_BUYER_STATE, CustomerField::State),
    Buyer(KEY_BUYER_ZIP, CustomerField::Zip),
    Buyer(KEY_BUYER_COUNTRY, CustomerField::Country),
    Buyer(KEY_BUYER_EMAIL, CustomerField::Email),
    Buyer(KEY_BUYER_PHONE, CustomerField::Phone),
    Buyer(KEY_BUYER_FAX, CustomerField::Fax),
};

}  // namespace

const FieldMap kRegistrationFormMap = {kRegistrationRows,
                                       static_cast<int>(std::size(kRegistrationRows))};
const FieldMap kBuyerFormMap = {kBuyerRows, static_cast<int>(std::size(kBuyerRows))};

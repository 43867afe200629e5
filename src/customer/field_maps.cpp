#include "customer/field_maps.h"

#include <iterator>

#include "resources/texts.h"

namespace {

const FieldKey kRegistrationRows[] = {
    {KEY_REG_PRODUCT, CustomerField::ProductName},
    {KEY_REG_SERIAL, CustomerField::SerialNumber},
    {KEY_REG_DATE, CustomerField::RegistrationDate},
    {KEY_REG_FIRST_NAME, CustomerField::FirstName},
    {KEY_REG_LAST_NAME, CustomerField::LastName},
    {KEY_REG_STREET1, CustomerField::Street1},
    {KEY_REG_STREET2, CustomerField::Street2},
    {KEY_REG_CITY, CustomerField::City},
    {KEY_REG_STATE, CustomerField::State},
    {KEY_REG_ZIP, CustomerField::Zip},
    {KEY_REG_COUNTRY, CustomerField::Country},
    {KEY_REG_EMAIL, CustomerField::Email},
    {KEY_REG_PHONE, CustomerField::Phone},
    {KEY_REG_FAX, CustomerField::Fax},
    {KEY_REG_WHERE_BOUGHT, CustomerField::WhereBought},
};

const FieldKey kBuyerRows[] = {
    {KEY_BUYER_FIRST_NAME, CustomerField::FirstName},
    {KEY_BUYER_LAST_NAME, CustomerField::LastName},
    {KEY_BUYER_STREET1, CustomerField::Street1},
    {KEY_BUYER_STREET2, CustomerField::Street2},
    {KEY_BUYER_CITY, CustomerField::City},
    {KEY_BUYER_STATE, CustomerField::State},
    {KEY_BUYER_ZIP, CustomerField::Zip},
    {KEY_BUYER_COUNTRY, CustomerField::Country},
    {KEY_BUYER_EMAIL, CustomerField::Email},
    {KEY_BUYER_PHONE, CustomerField::Phone},
    {KEY_BUYER_FAX, CustomerField::Fax},
};

}  // namespace

const FieldMap kRegistrationFormMap = {"Registration Form", kRegistrationRows,
                                       static_cast<int>(std::size(kRegistrationRows))};
const FieldMap kBuyerFormMap = {"Buyer Form", kBuyerRows, static_cast<int>(std::size(kBuyerRows))};

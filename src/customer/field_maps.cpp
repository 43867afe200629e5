#include "customer/field_maps.h"

#include <iterator>

namespace {

const FormField kRegistrationRows[] = {
    {kRegistrationFormProduct, CustomerField::ProductName},
    {kRegistrationFormSerial, CustomerField::SerialNumber},
    {kRegistrationFormDate, CustomerField::RegistrationDate},
    {kRegistrationFormFirstName, CustomerField::FirstName},
    {kRegistrationFormLastName, CustomerField::LastName},
    {kRegistrationFormStreet1, CustomerField::Street1},
    {kRegistrationFormStreet2, CustomerField::Street2},
    {kRegistrationFormCity, CustomerField::City},
    {kRegistrationFormState, CustomerField::State},
    {kRegistrationFormZip, CustomerField::Zip},
    {kRegistrationFormCountry, CustomerField::Country},
    {kRegistrationFormEmail, CustomerField::Email},
    {kRegistrationFormPhone, CustomerField::Phone},
    {kRegistrationFormFax, CustomerField::Fax},
    {kRegistrationFormWhereBought, CustomerField::WhereBought},
};

const FormField kBuyerRows[] = {
    {kBuyerFormFirstName, CustomerField::FirstName},
    {kBuyerFormLastName, CustomerField::LastName},
    {kBuyerFormStreet1, CustomerField::Street1},
    {kBuyerFormStreet2, CustomerField::Street2},
    {kBuyerFormCity, CustomerField::City},
    {kBuyerFormState, CustomerField::State},
    {kBuyerFormZip, CustomerField::Zip},
    {kBuyerFormCountry, CustomerField::Country},
    {kBuyerFormEmail, CustomerField::Email},
    {kBuyerFormPhone, CustomerField::Phone},
    {kBuyerFormFax, CustomerField::Fax},
};

}  // namespace

const FieldMap kRegistrationFormMap = {kRegistrationRows,
                                       static_cast<int>(std::size(kRegistrationRows))};
const FieldMap kBuyerFormMap = {kBuyerRows, static_cast<int>(std::size(kBuyerRows))};

#include "customer/form_transfer.h"

#include "customer/field_maps.h"
#include "settings/settings.h"
#include "text/bounded.h"
#include "vorm.h"

namespace {

// The name of the row's edit field; empty when the settings file lacks it.
void ReadFieldName(const FormField &row, char (&name)[kValueCapacity]) {
  CopyText(name, kValueCapacity, "");
  ReadSetting(row.key, name);
}

void ReadForm(const FieldMap &map, CustomerRecord &record) {
  for (int i = 0; i < map.count; ++i) {
    char name[kValueCapacity];
    ReadFieldName(map.rows[i], name);
    // The engine gets the field's width, so a longer text is cut to fit.
    FieldBuffer field = FieldOf(record, map.rows[i].field);
    VORM_GetEditText(name, field.text, field.width);
  }
}

void WriteForm(const FieldMap &map, const CustomerRecord &record) {
  for (int i = 0; i < map.count; ++i) {
    char name[kValueCapacity];
    ReadFieldName(map.rows[i], name);
    VORM_SetEditText(name, FieldText(record, map.rows[i].field));
  }
}

}  // namespace

int ReadRegistrationForm(CustomerRecord &record) {
  CustomerRecord fresh = {};
  ReadForm(kRegistrationFormMap, fresh);
  record = fresh;
  return 1;
}

int ReadBuyerForm(CustomerRecord &record) {
  ReadForm(kBuyerFormMap, record);
  return 1;
}

int WriteRegistrationForm(const CustomerRecord &record) {
  WriteForm(kRegistrationFormMap, record);
  return 1;
}

int WriteBuyerForm(const CustomerRecord &record) {
  WriteForm(kBuyerFormMap, record);
  return 1;
}

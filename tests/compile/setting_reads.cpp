// Reads of settings that must not compile, one case at a time (-DCASE, see
// tests/CMakeLists.txt): a destination of another size than its row's
// capacity, a text read as a whole number and the other way round, a section
// read by position whose rows are of several capacities. READS_AS_WRITTEN
// holds the same reads done right, so the other cases fail for their own
// fault and not for a broken file.
#include "order/order_keys.h"
#include "settings/key_service.h"
#include "settings/settings.h"

void Reads() {
#if defined(READS_AS_WRITTEN)
  char state[kTaxStateCapacity] = "";
  ReadSetting(kGeneralTaxState, state);
  char price[kValueCapacity] = "";
  ReadSetting(kUnitPriceKeys[0], price);
  char product[kValueCapacity] = "";
  ReadSetting(kRegisterProduct, product, "register.ini");
  ReadSettingInt(kGeneralEnglishOnly, 1);
#elif defined(SMALLER_BUFFER)
  char state[kTaxStateCapacity - 1] = "";
  ReadSetting(kGeneralTaxState, state);
#elif defined(LARGER_BUFFER)
  char path[kPathCapacity + 1] = "";
  ReadSetting(kGeneralInstaller, path);
#elif defined(SECTION_ROW_INTO_PATH_BUFFER)
  char price[kPathCapacity] = "";
  ReadSetting(kUnitPriceKeys[0], price);
#elif defined(OTHER_FILE_INTO_PATH_BUFFER)
  char product[kPathCapacity] = "";
  ReadSetting(kRegisterProduct, product, "register.ini");
#elif defined(WHOLE_NUMBER_AS_TEXT)
  char flag[kValueCapacity] = "";
  ReadSetting(kGeneralEnglishOnly, flag);
#elif defined(TEXT_AS_WHOLE_NUMBER)
  ReadSettingInt(kGeneralInstaller, 0);
#elif defined(SECTION_OF_SEVERAL_CAPACITIES)
  constexpr SectionKeys<kPathCapacity> general{"General"};
  (void)general;
#endif
}

#include "product/product_state.h"

#include "product/version.h"
#include "product/watched_programs.h"
#include "settings/settings.h"

InstallOffer OfferFor(const InstalledProduct &product, const char *discVersion) {
  if (!product.installed) return InstallOffer::Install;
  if (product.version[0] != '\0' && discVersion[0] != '\0' &&
      CompareVersions(product.version, discVersion) < 0)
    return InstallOffer::Update;
  return InstallOffer::Run;
}

bool ReadProductState(ProductState &state) {
  InstalledProduct product;
  if (!ReadInstalledProduct(product)) return false;
  char discVersion[kValueCapacity] = "";
  ReadSetting(kGeneralVersion, discVersion);
  state.offer = OfferFor(product, discVersion);
  state.canRun = product.installed && product.program[0] != '\0';
  state.canChange = product.installed && product.change.program[0] != '\0';
  state.canUninstall = product.installed && product.removal.program[0] != '\0';
  state.busy = WatchedProgramsRunning();
  return true;
}

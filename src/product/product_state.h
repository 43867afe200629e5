#pragma once
// The product's state as the backdrop shows it on the buttons: what Install
// offers and which of the product's commands can start something now.
#include "product/installed_product.h"

// What the Install button (command 3024) does.
enum class InstallOffer { Install, Update, Run };

struct ProductState {
  InstallOffer offer;
  bool canRun;        // the product's program is known
  bool canChange;     // Change or Repair
  bool canUninstall;
  // The installer or the product's own setup runs: nothing of the product
  // is started meanwhile.
  bool busy;
};

// Install when the product is not installed; Update when it is, in a
// version older than the disc's; Run otherwise (also when either version is
// unknown).
InstallOffer OfferFor(const InstalledProduct &product, const char *discVersion);

// The state against the disc's [General] "Version". False when the settings
// name no uninstall entry: the disc does not show the product's state.
bool ReadProductState(ProductState &state);

#pragma once
// Common ground of the ordering tests: the sample disc, a buyer checked into
// the buyer record, and the sample order form open with the texts given.
#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "customer_fixture.h"
#include "fake_printer.h"
#include "printing/print_setup.h"

class OrderTest : public CustomerTest {
 protected:
  void SetUp() override {
    CustomerTest::SetUp();
    ResetFakePrinting();
    RunPrintSettings = {};
    SetBuyer("TX", "USA");
  }

  // The buyer record as command 3084 left it.
  void SetBuyer(const char *state, const char *country) {
    BuyerRecord = {};
    CopyText(BuyerRecord.firstName, sizeof BuyerRecord.firstName, "Ann");
    CopyText(BuyerRecord.lastName, sizeof BuyerRecord.lastName, "Lee");
    CopyText(BuyerRecord.street1, sizeof BuyerRecord.street1, "1 Main St");
    CopyText(BuyerRecord.city, sizeof BuyerRecord.city, "Austin");
    CopyText(BuyerRecord.state, sizeof BuyerRecord.state, state);
    CopyText(BuyerRecord.zip, sizeof BuyerRecord.zip, "78701");
    CopyText(BuyerRecord.country, sizeof BuyerRecord.country, country);
    CopyText(BuyerRecord.email, sizeof BuyerRecord.email, "ann@example.com");
    CopyText(BuyerRecord.phone, sizeof BuyerRecord.phone, "555-0100");
    CopyText(BuyerRecord.fax, sizeof BuyerRecord.fax, "555-0199");
  }

  // The sample disc's settings with each `from` text replaced by its `to`.
  void EditSettings(const std::vector<std::pair<std::string, std::string>> &edits) {
    std::ifstream sample(VELINST_SOURCE_DIR "/disc/VelInst.ini", std::ios::binary);
    std::string ini((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    for (const auto &edit : edits) {
      const size_t at = ini.find(edit.first);
      ASSERT_NE(std::string::npos, at) << edit.first;
      ini.replace(at, edit.first.size(), edit.second);
    }
    UseSettings(folder.Write("edited.ini", ini));
  }

  // The order form with the nine quantity texts; its line-price fields say
  // "old" until the launcher writes them.
  void OpenOrderForm(const std::array<std::string, 9> &quantities,
                     const std::string &payment = "Visa", const std::string &card = "4111",
                     const std::string &expiration = "12/28") {
    std::map<std::string, std::string> fields = {
        {"subtotal", ""}, {"tax", ""}, {"shipping", ""}, {"total", ""},
        {"card_number", card}, {"card_expiration", expiration}};
    for (int slot = 1; slot <= 9; ++slot) {
      fields["qty_" + std::to_string(slot)] = quantities[slot - 1];
      fields["line_" + std::to_string(slot)] = "old";
    }
    OpenFakeTemplate("Order", fields);
    Forms().current.radioSelections[1] = payment;
  }

  std::array<std::string, 9> LinePriceTexts() const {
    std::array<std::string, 9> lines;
    for (int slot = 1; slot <= 9; ++slot) lines[slot - 1] = Field("line_" + std::to_string(slot));
    return lines;
  }
  std::array<std::string, 4> SumTexts() const {
    return {Field("subtotal"), Field("tax"), Field("shipping"), Field("total")};
  }
};

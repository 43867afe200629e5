#pragma once
// The customer record: the one block of customer details, shared by the
// registration form, the buyer form and the profile. Each field is a
// terminated text of at most width - 1 characters.

struct CustomerRecord {
  char productName[256];
  char serialNumber[64];
  char registrationDate[64];
  char firstName[64];
  char lastName[64];
  char street1[256];
  char street2[256];
  char city[64];
  char state[8];
  char zip[8];
  char country[256];
  char email[64];
  char phone[32];
  char fax[32];
  char whereBought[256];
};

// The buyer record: filled by CheckBuyerForm, read by order pricing and the
// printed purchase form; all empty at start-up, kept for the whole run.
extern CustomerRecord BuyerRecord;

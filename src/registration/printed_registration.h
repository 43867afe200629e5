#pragma once
#include "customer/customer_record.h"
#include "platform/window_handle.h"
#include "printing/page_layout.h"

// Command 3045: reads and checks the registration form, prints it as a
// one-page form to mail or fax and saves the profile, also when no printer
// could be had. Returns 0 when the form is incomplete (the warning was
// shown), else SaveProfile's result.
int PrintRegistration(WindowHandle owner);

// Prints the registration page of the record. Returns 1 when it was
// printed, 0 when no printer context could be had or the document did not
// start.
int PrintRegistrationForm(WindowHandle owner, const CustomerRecord &record);

// The registration page of the record: the page head, then the record's
// details beside their captions. The same on every printer.
void BuildRegistrationPage(const CustomerRecord &record, Page &page);

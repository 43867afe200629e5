#pragma once
#include "customer/customer_record.h"
#include "platform/window_handle.h"
#include "printing/page_layout.h"

// Command 3045: reads and checks the registration form, saves the profile,
// then prints the form as one page to mail or fax (the profile is saved also
// when no printer could be had or nothing was printed). Returns 0 when the
// form is incomplete (the warning was shown), else SaveProfile's result.
int PrintRegistration(WindowHandle owner);

// Prints the registration page of the record; a printer that writes a file
// asks for "Registration" with its extension. Returns 1 when it was printed,
// 0 when no printer context could be had, the customer chose no file or the
// document did not start.
int PrintRegistrationForm(WindowHandle owner, const CustomerRecord &record);

// The registration page of the record: the page head, then the record's
// details beside their captions. The same on every printer.
void BuildRegistrationPage(const CustomerRecord &record, Page &page);

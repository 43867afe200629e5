#pragma once
#include "customer/customer_record.h"
#include "platform/window_handle.h"

// Command 3044: reads and checks the registration form, sends it to the
// vendor's web server and tells the customer the outcome. Returns 1 when the
// registration was confirmed (the profile is then saved); 0 otherwise.
int RegisterOnline(WindowHandle owner);

// Builds the request, exchanges it with the vendor's web host and shows the
// result message, owned by `owner`. Returns 1 when the registration was
// confirmed.
int SendRegistration(WindowHandle owner, const CustomerRecord &record);

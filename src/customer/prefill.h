#pragma once
// Filling the registration and buyer forms when the form engine opens them:
// the saved profile, a default country and, on the registration form, the
// product's name and today's date.

// Return 1.
int PrefillRegistrationForm();
int PrefillBuyerForm();

#pragma once
// Filling the registration and buyer forms when the form engine opens them.

int PrefillRegistrationForm();
int PrefillBuyerForm();

#pragma once
// The system's default language id (not the user's).
unsigned short GetSystemLanguageId();

// The language of the system's screens as the customer sees them (the
// display language of Windows).
unsigned short GetDisplayLanguageId();

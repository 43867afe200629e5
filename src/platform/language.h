#pragma once
// The system's default language id (not the user's).
unsigned short GetSystemLanguageId();

#pragma once
// Folders of the system and of the customer that the profile file may live in.

// The Windows directory, without a trailing separator (except for a root
// such as "C:\"). Returns the length stored; 0 and an empty text when it is
// unknown or longer than capacity - 1.
int GetWindowsFolder(char *dest, int capacity);

// The customer's own (roaming) application-data folder, same rules.
int GetApplicationDataFolder(char *dest, int capacity);

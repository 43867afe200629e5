#pragma once
// Folders of the system and of the customer: those the profile file may live
// in, and the system folder, whose programs the product's entry may name.
#include "platform/path_forms.h"

// The Windows directory, without a trailing separator (except for a root
// such as "C:\"). Both forms empty when it is unknown.
PathForms GetWindowsFolderForms();

// The customer's own (roaming) application-data folder, created when it is
// missing; same rules.
PathForms GetApplicationDataFolderForms();

// The system folder (system32), where Windows keeps its own programs; same
// rules.
PathForms GetSystemFolderForms();

#pragma once
// Version of the program and of the form engine, shown in their file properties.
#define VELINST_VERSION_NUMBERS 1, 0, 0, 0
#define VELINST_VERSION_TEXT "1.0.0.0"
#define VELINST_COMPANY "Velmora Software, Inc."
#define VELINST_COPYRIGHT "Copyright (C) 2026 Velmora Software, Inc."

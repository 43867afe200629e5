#pragma once
// The composed lines of a customer's name and town, as both printed forms
// show them. Each is cut to capacity - 1 characters.
#include "customer/customer_record.h"

// "Last, First". Returns the length stored.
int FormatNameLine(const CustomerRecord &record, char *line, int capacity);

// "City, State Zip Country": a comma only after the city. Returns the
// length stored.
int FormatCityLine(const CustomerRecord &record, char *line, int capacity);

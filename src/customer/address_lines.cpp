#include "customer/address_lines.h"

#include "text/bounded.h"

int FormatNameLine(const CustomerRecord &record, char *line, int capacity) {
  return FormatText(line, capacity, "%s, %s", record.lastName, record.firstName);
}

int FormatCityLine(const CustomerRecord &record, char *line, int capacity) {
  return FormatText(line, capacity, "%s, %s %s %s", record.city, record.state, record.zip,
                    record.country);
}

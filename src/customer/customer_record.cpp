#include "customer/customer_record.h"

CustomerRecord BuyerRecord = {};

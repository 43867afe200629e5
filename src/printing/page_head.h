#pragma once
// The head that both printed forms start with: the form's title centred on
// line 3, then the vendor's mailing address (lines 5-9) and fax line (10).
#include "printing/print_job.h"

// Prints the head, loading each string-table text into `text`, which holds
// the fax line afterwards.
void PrintPageHead(const PrintJob &job, int titleTextId, char *text, int capacity);

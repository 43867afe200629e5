#pragma once
// The product's registration file on the disc, which names the product.
#include "settings/key_vocabulary.h"

// The program directory followed by the [General] "Registration File" value
// (capacity kPathCapacity); empty when the value is absent or the path would
// not fit. Returns 1.
int GetRegistrationFilePath(char (&path)[kPathCapacity]);

// Copies the file's [Register] "Product" value into productName (capacity
// bytes) and returns 1; when the value is empty returns 0 and leaves
// productName as it was.
int ReadProductName(const char *path, char *productName, int capacity);

#pragma once
// Ids of the string table: settings key names and display texts.

enum TextId {
#define VELINST_TEXT(id, name, text) name = id,
#include "resources/texts.inc"
#undef VELINST_TEXT
};

// Capacity of a key-name buffer: key names hold at most 127 characters.
constexpr int kKeyNameCapacity = 128;

#pragma once
// Texts of the program's string table.

// Copies the text of string `id` into dest, cut to capacity - 1 characters.
// Returns the length stored; 0 (and an empty text) when there is no such id.
int LoadText(int id, char *dest, int capacity);

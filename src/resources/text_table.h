#pragma once
// The string table compiled in, for the programs that do not carry it as a
// resource: the native builds and the disc checker.

struct TextEntry {
  int id;
  const char *constant;  // "KEY_INSTALLER": settings keys start with KEY_
  const char *text;
};

extern const TextEntry kTextTable[];
extern const int kTextTableCount;

// The text of string `id`; empty when there is no such id.
const char *TextOf(int id);

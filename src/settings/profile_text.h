#pragma once
// Files of the private-profile (INI) format read as text, by the rules of the
// Windows profile service that the launcher relies on: bracketed section
// lines, key=value lines, names matched without regard to the case of A-Z,
// blanks around names and values dropped, one pair of matching quotes around
// a value removed, only the first of two equal sections and of two equal keys
// read, a line ended by CR, LF or both. Nothing is skipped at the start of a
// file: a byte-order mark hides the first section, as it does from the
// Windows service. The launcher's snapshot of the settings file
// (settings/profile_snapshot.h), the native builds' profile service and the
// disc checker read by these rules.
#include <string>
#include <vector>

// The text's lines without their line ends.
std::vector<std::string> SplitProfileLines(const std::string &text);

// The file's lines without their line ends; empty when it cannot be read.
std::vector<std::string> ReadProfileLines(const char *path);

// True when the line is a section header; *name gets the section's name.
bool IsProfileSection(const std::string &line, std::string *name);

// True when the line holds a key; *name and *value get them as written,
// blanks around them dropped (the value's quotes kept).
bool IsProfileKey(const std::string &line, std::string *name, std::string *value);

// The value as the service returns it: one pair of matching double or
// single quotes around it removed.
std::string ProfileValueText(const std::string &value);

// The value read as a whole number, as the service reads one: at most 29
// characters of it, leading blanks, a sign, a prefix 0x, 0o or 0b for base
// 16, 8 or 2, then digits up to the first other character, wrapping around
// at 32 bits; a minus sign negates. An empty value is `absent`.
unsigned ProfileNumber(const std::string &value, unsigned absent);

// Index of the line of the first header of the section, or -1.
int FindProfileSection(const std::vector<std::string> &lines, const char *section);

// Index of the key's line within the section's first header, or -1.
// *sectionEnd gets the index after that section's last key line (-1 when the
// section is missing); *value the key's value as written.
int FindProfileKey(const std::vector<std::string> &lines, const char *section, const char *key,
                   int *sectionEnd, std::string *value);

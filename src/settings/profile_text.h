#pragma once
// Files of the private-profile (INI) format read as text, by the rules of the
// Windows profile service that the launcher relies on: bracketed section
// lines, key=value lines, names matched without regard to the case of A-Z,
// blanks around names and values dropped, one pair of matching quotes around
// a value removed, the first of two equal keys read. Nothing is skipped at
// the start of a file: a byte-order mark hides the first section, as it does
// from the Windows service. Used where the launcher's own service is not at
// hand: the native builds and the disc checker.
#include <string>
#include <vector>

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

// Index of the line of the first header of the section, or -1.
int FindProfileSection(const std::vector<std::string> &lines, const char *section);

// Index of the key's line within the section, or -1. *sectionEnd gets the
// index after the section's last key line (-1 when the section is missing);
// *value the key's value as written.
int FindProfileKey(const std::vector<std::string> &lines, const char *section, const char *key,
                   int *sectionEnd, std::string *value);

#pragma once
// Which settings file the launcher reads: the one beside the program for the
// customer's display language when the disc has one the system can show,
// else VelInst.ini.
#include "settings/key_vocabulary.h"

// Full path of the settings file; empty until BuildSettingsPath, or when
// the program directory is unknown or too long for it. Every read of a
// setting is then the absent case.
extern char SettingsPath[kPathCapacity];

// True when SettingsPath is a settings file for the display language.
extern bool SettingsForDisplayLanguage;

// Stores the settings file's path in SettingsPath: a settings file of the
// disc for the display language (settings/language_files.h names them, in
// the order they are tried) whose texts are written in the system's ANSI
// code page, as its [General] "Code Page" declares, or else the one Windows
// gives the language; when there is none, "VelInst.ini". Returns 1, or 0
// (SettingsPath left empty) when there is no program directory or the path
// would not fit.
int BuildSettingsPath();

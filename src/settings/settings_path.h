#pragma once
// Which settings file the launcher reads: the one beside the program for the
// customer's display language when the disc has one, else VelInst.ini.
#include "settings/key_vocabulary.h"

// Full path of the settings file; empty until BuildSettingsPath, or when
// the program directory is unknown or too long for it. Every read of a
// setting is then the absent case.
extern char SettingsPath[kPathCapacity];

// True when SettingsPath is a settings file for the display language.
extern bool SettingsForDisplayLanguage;

// Stores the settings file's path in SettingsPath: the program directory
// followed by "VelInst.LLLL.ini" for the display language id in four hex
// digits, else "VelInst.PP.ini" for its primary language in two, when the
// disc has such a file; else "VelInst.ini". Returns 1, or 0 (SettingsPath
// left empty) when there is no program directory or the path would not fit.
int BuildSettingsPath();

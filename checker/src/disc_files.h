#pragma once
// Files of the disc folder, named as the launcher names them: relative to
// the disc's root, with "\" between folders, and letter case ignored as
// Windows ignores it (also when the checker runs on a system that does not).
#include <string>
#include <vector>

// True for a name that does not start at the disc's root: "\x", "/x", "C:x".
bool IsAbsoluteDiscName(const std::string &name);

// The path of the named file (or, when asked, folder) in the folder, or ""
// when there is none.
std::string FindOnDisc(const std::string &folder, const std::string &name,
                       bool folderToo = false);

// The path of a name in the folder as the checker reports it, whether or
// not the file exists.
std::string DiscPathForReport(const std::string &folder, const std::string &name);

// The settings files for a language in the folder: VelInst.LLLL.ini and
// VelInst.PP.ini, the language id in four or two hex digits.
std::vector<std::string> LanguageSettingsFiles(const std::string &folder);

// True for such a file of a primary language that the launcher never reads
// (VelInst.04.ini).
bool IsPrimaryLanguageFileNeverRead(const std::string &path);

// The whole file; false when it cannot be read.
bool ReadWholeFile(const std::string &path, std::string &content);

#pragma once
// A command line as Windows keeps one for a program to start (a file type's
// open command, an uninstall entry): the program, then its arguments.

// Splits the command line into the program, without quotes, and the
// arguments after it, without the blanks between; blanks before the program
// are skipped. A quoted program ends at its closing quote (or the end of the
// text); an unquoted one after the first ".exe" that ends a word, so a path
// with blanks such as C:\Program Files\x\x.exe needs no quotes, else at the
// first blank. A program too long for its buffer leaves it empty: cut, it
// would name another file.
void SplitCommandLine(const char *commandLine, char *program, int programCapacity,
                      char *parameters, int parametersCapacity);

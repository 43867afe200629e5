#pragma once
// How the system's ANSI code page spells its characters. Most take one byte;
// the double-byte code pages (932, 936, 949, 950) begin some with a lead
// byte, and the byte after it may be "\" (0x5C in 932, 936 and 950); UTF-8
// (65001) takes two to four bytes for everything beyond ASCII. Texts are cut
// and searched character by character: no cut splits a character, and no
// second byte passes for a separator.

#include <cstddef>

struct AnsiSpelling {
  bool utf8 = false;
  bool (*isLeadByte)(unsigned char byte) = nullptr;  // none: no double-byte characters
};

// The length of the valid UTF-8 sequence at `at`, looking at no more than
// `available` bytes, and its code point; 0 when none starts there (overlong
// forms, surrogates and values above U+10FFFF are not valid).
std::size_t Utf8SequenceLength(const char *at, std::size_t available, unsigned *codePoint);

// The bytes of the character at `at`: 1 for a byte that starts no
// character; 0 at the end of the text, and for a lead byte whose second byte
// is missing.
std::size_t CharacterLength(const char *at, const AnsiSpelling &spelling);

// How many bytes of `text` a buffer of `capacity` bytes takes with its
// terminator, never splitting a character.
std::size_t CutLength(const char *text, std::size_t capacity, const AnsiSpelling &spelling);

// The offset of the last character of `text`, at offset `from` or later,
// that is one of the ASCII `separators`; -1 when there is none.
int LastSeparator(const char *text, const char *separators, const AnsiSpelling &spelling,
                  int from = 0);

// `folder`, a "\" unless it ends in one, and `name` into `dest`; false, with
// `dest` empty, when they do not fit: a cut path would name another file.
bool JoinPath(char *dest, std::size_t capacity, const char *folder, const char *name,
              const AnsiSpelling &spelling);

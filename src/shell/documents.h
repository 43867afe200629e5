#pragma once
// The disc's documents: a manual, a read-me, a video, a folder of the disc,
// named in [Documents] relative to the program's folder.
#include "platform/window_handle.h"
#include "settings/key_vocabulary.h"

// Opens the [Documents] file or folder of the row through the shell, with
// the default verb of its type, in the program the system has for it. A name
// that is absent, or a file that is not on the disc, starts nothing and shows
// nothing (0); a file that cannot be opened is named in a warning owned by
// `owner`. Returns the shell's result.
long long OpenDocument(WindowHandle owner, const Setting<kPathCapacity> &document);

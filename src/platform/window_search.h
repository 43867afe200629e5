#pragma once
// Looking for top-level windows of the whole desktop.

// True when any top-level window of the class exists, whatever its process.
bool TopLevelWindowExists(const char *className);

#pragma once

#include "platform/folder_enumerator.h"

// The system's side of a folder listing, defined by each platform.

// Starts listing pattern (a folder, a separator and a name pattern) and
// fetches the first entry; null when the listing cannot be opened or matches
// nothing.
FolderSearch* openFolderSearch(const char* pattern, FolderEntry& first);
// Fetches the following entry; false when the listing is exhausted.
bool nextFolderEntry(FolderSearch* search, FolderEntry& entry);
void closeFolderSearch(FolderSearch* search);

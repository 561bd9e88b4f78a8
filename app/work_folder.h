#pragma once

// The run's own work folder under the temporary folder: the only tree the installer removes on
// its own, and only when this run created it.

// Creates zav0, zav1, ... under the temporary folder until one is new, and makes it the
// WorkFolder, marked as created by this run. False when no candidate can be created.
bool createWorkFolder(const char* temporaryFolder);

// Removes the WorkFolder and everything in it when this run created it; any other work folder
// (the program's own folder without payload, a model folder) is left as it is.
void removeWorkFolder();

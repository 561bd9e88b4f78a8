#pragma once

// Restricts the loading of DLLs to the system folder; the first thing the program does.
void restrictLibrarySearch();

// Prepares the system libraries the windows need: common controls (with the visual style of the
// platform) and the rich-text edit control, both loaded from the system folder only. Called once
// the wizard is to run: a model run shows none of these windows, and under emulation their
// loading costs more than writing a small model.
void initInterfaceLibraries();

// Frees what the windows kept for the whole run (the bitmap cache).
void releaseInterfaceResources();

#pragma once

// Prepares the system libraries the windows need: common controls (with the visual style of the
// platform) and the rich-text edit control, both loaded from the system folder only.
void initInterfaceLibraries();

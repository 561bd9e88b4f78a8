#pragma once

class TextBuffer;

// Breaks a prompt into lines of about `width` characters (0 or less means 50) into `out`:
// CR bytes are dropped, each LF becomes CR LF; after a "." the first space reached once the line
// holds `width` characters becomes a line break; a line longer than twice the width is cut
// wherever it stands, mid-word included. A space at a break is dropped.
void wrapText(const char* text, int width, TextBuffer& out);

#pragma once

#include <cstdint>

class TextBuffer;
struct InstallSession;

// The installation page's display, driven by the window's 200 ms timer on the interface thread.

// One tick: once the worker is done, the report of the run; before that, the slide show and the
// status line, which alternates between the running package's progress (shown two seconds) and
// the data copied so far (shown one second). Ticks on other pages do nothing.
void onProgressTimer(InstallSession& session);

// Draws the page's logo and, on the installation page, the current slide; nothing without a
// logo.
void paintPictures(InstallSession& session);

// Appends bytes as megabytes truncated to three decimals, written with at most six significant
// digits and no trailing zeros: 1572864 gives "1.5".
void appendMegabytes(TextBuffer& text, int64_t bytes);

#pragma once

// Keeps the controls of a resizable window in place: each anchor ties edges of one control to
// the window's client edges. The arithmetic here works on rectangles; the platform's window code
// measures the window and moves the controls.

struct LayoutRect {
    int left, top, right, bottom;
};

enum AnchorFlag {
    followRight = 1,
    followLeft = 2,
    followBottom = 4,
    followTop = 8,
    keepSize = 16,  // move the control instead of stretching it
};

struct LayoutAnchor {
    int control;
    int flags;
    int dx, dy;
};

struct DialogLayout {
    // m1 and m3 are kept from the usable right edge, m2 and m4 from the usable bottom.
    int margins[4] = {50, 50, 10, 10};
    // The client size at the first layout; nothing is ever laid out smaller.
    int minWidth = -1, minHeight = -1;
    // In order; the prompt windows need five at most.
    LayoutAnchor anchors[5];
    int anchorCount = 0;

    // A margin given as -1 keeps its default.
    void setMargins(int m1, int m2, int m3, int m4);
    // Appended at the end; beyond the table's room an anchor is ignored.
    void addAnchor(int control, int flags, int dx, int dy);
};

// The edges the anchors follow, from the client rectangle in screen coordinates.
struct LayoutFrame {
    LayoutRect client;
    int usableRight, usableBottom;
};

// Records the minimum size at the first call, holds the client to it and computes the usable
// edges; false when nothing is to be laid out (no room left inside the margins).
bool layoutFrame(DialogLayout& layout, const LayoutRect& client, LayoutFrame& frame);

// Where one anchored control goes, from its current rectangle (screen coordinates).
LayoutRect anchoredRect(const LayoutFrame& frame, const LayoutAnchor& anchor, LayoutRect control);

// The anchors of the two resizable prompt windows: the main control (list or text) stretched to
// the right and down above the buttons, OK and Cancel kept at the bottom right.
void addPromptAnchors(DialogLayout& layout, int mainControl, int okWidth, int okHeight);

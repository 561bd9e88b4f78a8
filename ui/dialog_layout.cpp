#include "ui/dialog_layout.h"

void DialogLayout::setMargins(int m1, int m2, int m3, int m4) {
    const int given[4] = {m1, m2, m3, m4};
    for (int i = 0; i < 4; ++i) {
        if (given[i] != -1) margins[i] = given[i];
    }
}

void DialogLayout::addAnchor(int control, int flags, int dx, int dy) {
    if (anchorCount < static_cast<int>(sizeof anchors / sizeof anchors[0]))
        anchors[anchorCount++] = {control, flags, dx, dy};
}

bool layoutFrame(DialogLayout& layout, const LayoutRect& client, LayoutFrame& frame) {
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    if (layout.minWidth < 0) {
        layout.minWidth = width;
        layout.minHeight = height;
    }
    // Smaller both ways is held to the minimum both ways too: skipping that layout would leave
    // the controls where a larger window had put them, the buttons beyond the window's edges.
    frame.client = client;
    if (width < layout.minWidth) frame.client.right = client.left + layout.minWidth;
    if (height < layout.minHeight) frame.client.bottom = client.top + layout.minHeight;
    frame.usableRight = frame.client.right - layout.margins[2] - layout.margins[0];
    frame.usableBottom = frame.client.bottom - layout.margins[3] - layout.margins[1];
    return frame.client.left < frame.usableRight && frame.client.top < frame.usableBottom;
}

namespace {

// One axis of an anchor, from `low` to `high` (left and right, or top and bottom): the far edge
// follows the usable far edge, the near edge the client's near edge; with `keep` the control
// moves instead of stretching. A control stretched to the far edge that starts at or beyond it
// keeps its own edge (shifted by delta) so that it never turns inside out; a moved control always
// follows the edge, also back from far away after a large shrink.
void anchorAxis(int& low, int& high, bool followFar, bool followNear, bool keep, int usableFar,
                int clientNear, int delta) {
    if (followFar) {
        int newHigh = !keep && low >= usableFar ? high + delta : usableFar + delta;
        if (keep) low += newHigh - high;
        high = newHigh;
    }
    if (followNear) {
        int size = high - low;
        low = clientNear < high ? clientNear + delta : low + delta;
        if (keep) high = low + size;
    }
}

}  // namespace

LayoutRect anchoredRect(const LayoutFrame& frame, const LayoutAnchor& anchor, LayoutRect r) {
    bool keep = anchor.flags & keepSize;
    anchorAxis(r.left, r.right, anchor.flags & followRight, anchor.flags & followLeft, keep,
               frame.usableRight, frame.client.left, anchor.dx);
    anchorAxis(r.top, r.bottom, anchor.flags & followBottom, anchor.flags & followTop, keep,
               frame.usableBottom, frame.client.top, anchor.dy);
    return r;
}

void addPromptAnchors(DialogLayout& layout, int mainControl, int okWidth, int okHeight) {
    const int ok = 1, cancel = 2;
    layout.setMargins(0, 0, 5, 5);
    layout.addAnchor(mainControl, followRight | followBottom, 0, -(okHeight + 5));
    layout.addAnchor(ok, followRight | followBottom | keepSize, 0, 0);
    layout.addAnchor(cancel, followRight | followBottom | keepSize, -(okWidth + 5), 0);
}

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
    bool narrow = width < layout.minWidth;
    bool low = height < layout.minHeight;
    if (narrow && low) return false;
    frame.client = client;
    if (narrow) frame.client.right = client.left + layout.minWidth;
    if (low) frame.client.bottom = client.top + layout.minHeight;
    frame.usableRight = frame.client.right - layout.margins[2] - layout.margins[0];
    frame.usableBottom = frame.client.bottom - layout.margins[3] - layout.margins[1];
    return frame.client.left < frame.usableRight && frame.client.top < frame.usableBottom;
}

LayoutRect anchoredRect(const LayoutFrame& frame, const LayoutAnchor& anchor, LayoutRect r) {
    bool keep = anchor.flags & keepSize;
    if (anchor.flags & followRight) {
        int right = r.left >= frame.usableRight ? r.right + anchor.dx : frame.usableRight + anchor.dx;
        if (keep) r.left += right - r.right;
        r.right = right;
    }
    if (anchor.flags & followLeft) {
        int width = r.right - r.left;
        r.left = frame.client.left < r.right ? frame.client.left + anchor.dx : r.left + anchor.dx;
        if (keep) r.right = r.left + width;
    }
    if (anchor.flags & followBottom) {
        int bottom = r.top >= frame.usableBottom ? r.bottom + anchor.dy : frame.usableBottom + anchor.dy;
        if (keep) r.top += bottom - r.bottom;
        r.bottom = bottom;
    }
    if (anchor.flags & followTop) {
        int height = r.bottom - r.top;
        r.top = frame.client.top < r.bottom ? frame.client.top + anchor.dy : r.top + anchor.dy;
        if (keep) r.bottom = r.top + height;
    }
    return r;
}

void addPromptAnchors(DialogLayout& layout, int mainControl, int okWidth, int okHeight) {
    const int ok = 1, cancel = 2;
    layout.setMargins(0, 0, 5, 5);
    layout.addAnchor(mainControl, followRight | followBottom, 0, -(okHeight + 5));
    layout.addAnchor(ok, followRight | followBottom | keepSize, 0, 0);
    layout.addAnchor(cancel, followRight | followBottom | keepSize, -(okWidth + 5), 0);
}

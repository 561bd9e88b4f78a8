#include "ui/win32/window_layout.h"

void setUpPromptLayout(DialogLayout& layout, HWND window, int mainControl) {
    RECT ok;
    GetWindowRect(GetDlgItem(window, IDOK), &ok);
    addPromptAnchors(layout, mainControl, ok.right - ok.left, ok.bottom - ok.top);
}

void applyLayout(DialogLayout& layout, HWND window) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    LayoutFrame frame;
    if (!layoutFrame(layout, {client.left, client.top, client.right, client.bottom}, frame)) return;
    for (int i = 0; i < layout.anchorCount; ++i) {
        const LayoutAnchor& anchor = layout.anchors[i];
        HWND control = GetDlgItem(window, anchor.control);
        RECT r;
        GetWindowRect(control, &r);
        LayoutRect moved = anchoredRect(frame, anchor, {r.left, r.top, r.right, r.bottom});
        MoveWindow(control, moved.left - client.left, moved.top - client.top,
                   moved.right - moved.left, moved.bottom - moved.top, FALSE);
    }
    RedrawWindow(window, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

#include "ui/win32/report_list_view.h"

#include <commctrl.h>

#include <cstdlib>

#include "params/text_buffer.h"

void ReportListView::setRedraw(bool on) {
    send(WM_SETREDRAW, on, nullptr);
    if (on) InvalidateRect(control_, nullptr, TRUE);
}

void ReportListView::removeAllRows() {
    send(LVM_DELETEALLITEMS, 0, nullptr);
}

void ReportListView::removeAllColumns() {
    while (send(LVM_DELETECOLUMN, 0, nullptr)) {
    }
}

void ReportListView::insertColumn(int column, const char* title) {
    LVCOLUMNA entry = {};
    entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    entry.fmt = LVCFMT_LEFT;
    entry.pszText = const_cast<char*>(title);
    send(LVM_INSERTCOLUMNA, column, &entry);
}

int ReportListView::columnWidth(int column) {
    return static_cast<int>(send(LVM_GETCOLUMNWIDTH, column, nullptr));
}

void ReportListView::setColumnWidth(int column, int width) {
    SendMessageA(control_, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}

int ReportListView::textWidth(const char* text) {
    return static_cast<int>(send(LVM_GETSTRINGWIDTHA, 0, text));
}

int ReportListView::rowCount() {
    return static_cast<int>(send(LVM_GETITEMCOUNT, 0, nullptr));
}

void ReportListView::insertRow(int row, const char* firstCell, const char* data) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(firstCell);
    item.lParam = reinterpret_cast<LPARAM>(data);
    send(LVM_INSERTITEMA, 0, &item);
}

void ReportListView::setCell(int row, int column, const char* text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    send(LVM_SETITEMTEXTA, row, &item);
}

void ReportListView::readCell(int row, int column, TextBuffer& text) {
    // The control copies at most the room it is given: grow until the text fits with room to spare.
    for (int room = 256;; room *= 2) {
        char* bytes = static_cast<char*>(std::malloc(room));
        if (!bytes) std::abort();
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = bytes;
        item.cchTextMax = room;
        bytes[0] = 0;
        int copied = static_cast<int>(send(LVM_GETITEMTEXTA, row, &item));
        if (copied < room - 1) text.assign(item.pszText);
        std::free(bytes);
        if (copied < room - 1) return;
    }
}

const char* ReportListView::rowData(int row) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return send(LVM_GETITEMA, 0, &item) ? reinterpret_cast<const char*>(item.lParam) : nullptr;
}

void ReportListView::selectRow(int row) {
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED;
    send(LVM_SETITEMSTATE, row, &item);  // row -1: every row
}

bool ReportListView::rowSelected(int row) {
    return SendMessageA(control_, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0;
}

// Where the mouse was when the message being handled (the click) happened, not where it is now:
// a mouse moved on at once, or a busy program, must not make a click land on another row.
void ReportListView::cursor(int& x, int& y) {
    DWORD position = GetMessagePos();
    POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(control_, &point);
    x = point.x;
    y = point.y;
}

int ReportListView::rowAt(int x, int y) {
    LVHITTESTINFO hit = {};
    hit.pt.x = x;
    hit.pt.y = y;
    return static_cast<int>(send(LVM_HITTEST, 0, &hit));
}

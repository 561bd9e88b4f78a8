#pragma once

#include <windows.h>

#include "ui/list_view.h"

// The system's report-style list view control as the view of a data list.
class ReportListView : public ListView {
public:
    explicit ReportListView(HWND control) : control_(control) {}

    void setRedraw(bool on) override;
    void removeAllRows() override;
    void removeAllColumns() override;
    void insertColumn(int column, const char* title) override;
    int columnWidth(int column) override;
    void setColumnWidth(int column, int width) override;
    int textWidth(const char* text) override;
    int rowCount() override;
    void insertRow(int row, const char* firstCell, const char* data) override;
    void setCell(int row, int column, const char* text) override;
    void readCell(int row, int column, TextBuffer& text) override;
    const char* rowData(int row) override;
    void selectRow(int row) override;
    bool rowSelected(int row) override;
    void cursor(int& x, int& y) override;
    int rowAt(int x, int y) override;

private:
    LRESULT send(UINT message, WPARAM wParam, const void* lParam) {
        return SendMessageA(control_, message, wParam, reinterpret_cast<LPARAM>(lParam));
    }

    HWND control_;
};

#pragma once

class TextBuffer;

// The report-style list view that a data list fills: the system's control in the installer, a
// recording list in tests. Rows and columns count from 0; each row carries one data text.
class ListView {
public:
    virtual ~ListView() = default;
    virtual void setRedraw(bool on) = 0;
    virtual void removeAllRows() = 0;
    virtual void removeAllColumns() = 0;
    // A left-aligned column of width 0.
    virtual void insertColumn(int column, const char* title) = 0;
    virtual int columnWidth(int column) = 0;
    virtual void setColumnWidth(int column, int width) = 0;
    // The width of a text in the list's font, in pixels.
    virtual int textWidth(const char* text) = 0;
    virtual int rowCount() = 0;
    virtual void insertRow(int row, const char* firstCell, const char* data) = 0;
    virtual void setCell(int row, int column, const char* text) = 0;
    // The whole text of a cell, however long.
    virtual void readCell(int row, int column, TextBuffer& text) = 0;
    virtual const char* rowData(int row) = 0;
    // A negative row selects every row.
    virtual void selectRow(int row) = 0;
    virtual bool rowSelected(int row) = 0;
    // The mouse position of the click being handled, in the list's client coordinates.
    virtual void cursor(int& x, int& y) = 0;
    // The row at a point, or -1.
    virtual int rowAt(int x, int y) = 0;
};

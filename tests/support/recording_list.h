#pragma once

#include <string>
#include <vector>

#include "params/text_buffer.h"
#include "ui/list_view.h"

// A list view in memory: text widths are 7 pixels per character, rows 10 pixels high.
struct RecordingList : ListView {
    std::vector<std::string> titles;
    std::vector<int> widths;
    std::vector<std::vector<std::string>> rows;
    std::vector<const char*> data;
    std::vector<bool> selected;
    std::vector<bool> redraws;
    int cursorX = 0, cursorY = 0;

    void setRedraw(bool on) override { redraws.push_back(on); }
    void removeAllRows() override {
        rows.clear();
        data.clear();
        selected.clear();
    }
    void removeAllColumns() override {
        titles.clear();
        widths.clear();
    }
    void insertColumn(int column, const char* title) override {
        titles.insert(titles.begin() + column, title);
        widths.insert(widths.begin() + column, 0);
    }
    int columnWidth(int column) override { return widths.at(column); }
    void setColumnWidth(int column, int width) override { widths.at(column) = width; }
    int textWidth(const char* text) override { return 7 * static_cast<int>(std::string(text).size()); }
    int rowCount() override { return static_cast<int>(rows.size()); }
    void insertRow(int row, const char* firstCell, const char* rowData) override {
        rows.insert(rows.begin() + row, std::vector<std::string>(titles.size()));
        rows.at(row).at(0) = firstCell;
        data.insert(data.begin() + row, rowData);
        selected.insert(selected.begin() + row, false);
    }
    void setCell(int row, int column, const char* text) override { rows.at(row).at(column) = text; }
    void readCell(int row, int column, TextBuffer& text) override {
        text.assign(rows.at(row).at(column).c_str());
    }
    const char* rowData(int row) override { return data.at(row); }
    void selectRow(int row) override {
        for (size_t r = 0; r < selected.size(); ++r) {
            if (row < 0 || static_cast<int>(r) == row) selected[r] = true;
        }
    }
    bool rowSelected(int row) override { return selected.at(row); }
    void cursor(int& x, int& y) override {
        x = cursorX;
        y = cursorY;
    }
    int rowAt(int x, int y) override { return x >= 0 && y / 10 < rowCount() ? y / 10 : -1; }
};

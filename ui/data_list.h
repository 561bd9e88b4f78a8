#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"

class ListView;

// Gives the texts of a data list: for (column, row), the text, or null at the end of the data.
// Column -1 is the row's data text, asked for before the row's cells.
using RowProvider = const char* (*)(void* context, int column, int row);

// What CONTROLE_LISTE::clear removes: the rows, or the columns too.
enum class ListParts { rows, rowsAndColumns };

// The simple provider: the names of the nodes of a list, in row-major order: data, cell 0,
// cell 1, ..., then the next row. `context` is a ParamCell** that advances.
const char* nextTextOfList(void* context, int column, int row);

// A list view filled from a flat sequence of texts, one owned data text per row, columns as wide
// as their widest text; used for the wizard's product, component and parameter lists.
class CONTROLE_LISTE {
public:
    CONTROLE_LISTE() = default;
    CONTROLE_LISTE(const CONTROLE_LISTE&) = delete;
    CONTROLE_LISTE& operator=(const CONTROLE_LISTE&) = delete;
    ~CONTROLE_LISTE();

    // The view to drive, attached when the owning window exists. Without one the list holds no
    // rows and ignores what it is given.
    void attach(ListView* view) { view_ = view; }

    // Clears rows and columns, then one column per (title, key) pair of `pairs` (ended by a null
    // title); titles are translated, keys are the caller's own.
    void setColumns(const char* const* pairs);
    // Appends rows from the provider; a row cut short after its data text is reported on the
    // error stream and ends the filling.
    void AjouteDonnees(RowProvider provider, void* context);
    void clear(ListParts parts);
    int rowCount();
    // Null for a negative row.
    const char* getRowData(int row);
    // The cell's text, valid until the next read; a negative column gives the row's data text.
    const char* getCellText(int row, int column);
    void setCellText(int row, int column, const char* text);
    void selectRow(int row);
    bool rowSelected(int row);
    // The row under the mouse cursor (or -1); `column` receives the column under it, -1 right of
    // the last one.
    int hitTest(int& column);
    // -1 suspends redrawing, +1 resumes it; nested suspensions redraw once at the outermost.
    void suspendRedraw(int delta);

    int columnCount = 0;

private:
    void widenColumn(int column, const char* text);

    ListView* view_ = nullptr;
    int redrawDepth_ = 0;
    // The data texts of the rows, owned here; rows point at them.
    ParamNode rowData_;
    // The text of the cell read last.
    TextBuffer cell_;
};

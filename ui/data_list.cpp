#include "ui/data_list.h"

#include "params/file_stream.h"
#include "params/text_buffer.h"
#include "params/text_stream.h"
#include "session/translation.h"
#include "ui/list_view.h"

const char* nextTextOfList(void* context, int, int) {
    ParamCell*& cell = *static_cast<ParamCell**>(context);
    if (!cell) return nullptr;
    const char* text = cell->node->name();
    cell = cell->next;
    return text;
}

CONTROLE_LISTE::~CONTROLE_LISTE() {
    if (view_) clear(ListParts::rows);
}

void CONTROLE_LISTE::setColumns(const char* const* pairs) {
    if (!view_) return;
    suspendRedraw(-1);
    clear(ListParts::rowsAndColumns);
    for (; pairs[0]; pairs += 2) {
        const char* title = translate(pairs[0]);
        view_->insertColumn(columnCount, title);
        widenColumn(columnCount, title);
        ++columnCount;
    }
    suspendRedraw(+1);
}

void CONTROLE_LISTE::AjouteDonnees(RowProvider provider, void* context) {
    if (!view_) return;
    int base = view_->rowCount();
    suspendRedraw(-1);
    for (int row = 0;; ++row) {
        const char* data = provider(context, -1, row);
        if (!data) break;
        ParamNode* owned = new ParamNode(data, nullptr);
        int column = 0;
        for (; column < columnCount; ++column) {
            const char* text = provider(context, column, row);
            if (!text) break;
            if (column == 0) {
                rowData_.append(owned);
                view_->insertRow(base + row, text, owned->name());
            } else {
                view_->setCell(base + row, column, text);
            }
            widenColumn(column, text);
        }
        if (column == 0) delete owned;
        if (column == columnCount) continue;
        // A row cut short in its cells is reported; one ended before its first cell is not.
        if (column > 0) {
            errorStream() << "CONTROLE_LISTE::AjouteDonnees : Arr\xEAt des donn\xE9"
                             "es sur la ligne "
                          << row << " \xE0 la colonne " << column << " / " << columnCount << "\n";
        }
        break;
    }
    suspendRedraw(+1);
}

void CONTROLE_LISTE::clear(ListParts parts) {
    view_->removeAllRows();
    if (parts == ListParts::rowsAndColumns) {
        view_->removeAllColumns();
        columnCount = 0;
    }
    rowData_.setChildren(nullptr, TakeList::adopt);
}

int CONTROLE_LISTE::rowCount() {
    return view_ ? view_->rowCount() : 0;
}

const char* CONTROLE_LISTE::getRowData(int row) {
    return row < 0 ? nullptr : view_->rowData(row);
}

const char* CONTROLE_LISTE::getCellText(int row, int column) {
    if (row < 0 || column < 0) return getRowData(row);
    view_->readCell(row, column, cell_);
    return cell_.text();
}

void CONTROLE_LISTE::setCellText(int row, int column, const char* text) {
    if (row >= 0) view_->setCell(row, column, text);
}

void CONTROLE_LISTE::selectRow(int row) {
    if (view_) view_->selectRow(row);
}

bool CONTROLE_LISTE::rowSelected(int row) {
    return view_->rowSelected(row);
}

int CONTROLE_LISTE::hitTest(int& column) {
    int x, y;
    view_->cursor(x, y);
    column = -1;
    int left = x;
    for (int c = 0; c < columnCount; ++c) {
        if (left - view_->columnWidth(c) <= 0) {
            column = c;
            break;
        }
        left -= view_->columnWidth(c);
    }
    // Any point on a row's line counts, whatever its x.
    return view_->rowAt(5, y);
}

void CONTROLE_LISTE::suspendRedraw(int delta) {
    if (!view_) return;
    redrawDepth_ += delta;
    if (redrawDepth_ == -1) view_->setRedraw(false);
    if (redrawDepth_ == 0) view_->setRedraw(true);
}

void CONTROLE_LISTE::widenColumn(int column, const char* text) {
    int wanted = view_->textWidth(text) + 20;
    if (wanted > view_->columnWidth(column)) view_->setColumnWidth(column, wanted);
}

#include "app/quiet_wizard.h"

#include "app/install_session.h"
#include "app/install_worker.h"
#include "app/progress_display.h"
#include "app/wizard_pages.h"
#include "params/param_node.h"
#include "ui/list_view.h"
#include "ui/wizard_view.h"

namespace {

// A list in memory: one node per row, named after the row's data text, its cells as children.
struct QuietList : ListView {
    ParamNode rows;
    int columns = 0;

    ParamNode* row(int index) { return rows.child(index); }

    void setRedraw(bool) override {}
    void removeAllRows() override { rows.reset(true); }
    void removeAllColumns() override { columns = 0; }
    void insertColumn(int, const char*) override { ++columns; }
    int columnWidth(int) override { return 0; }
    void setColumnWidth(int, int) override {}
    int textWidth(const char*) override { return 0; }
    int rowCount() override { return rows.childCount(); }
    // The wizard's lists only ever add rows at the end.
    void insertRow(int, const char* firstCell, const char* data) override {
        ParamNode* added = new ParamNode(data, nullptr);
        for (int c = 0; c < columns; ++c) added->append(new ParamNode("", nullptr));
        rows.append(added);
        if (columns > 0) added->child(0)->setText(firstCell);
    }
    void setCell(int r, int column, const char* text) override {
        row(r)->child(column)->setText(text);
    }
    void readCell(int r, int column, TextBuffer& text) override {
        text.assign(row(r)->child(column)->value());
    }
    const char* rowData(int r) override { return row(r)->name(); }
    void selectRow(int r) override {
        for (int i = 0; i < rowCount(); ++i) {
            if (r < 0 || i == r) row(i)->setInteger(1);
        }
    }
    bool rowSelected(int r) override { return row(r)->integerValue() != 0; }
    void cursor(int& x, int& y) override { x = y = -1; }
    int rowAt(int, int) override { return -1; }
};

// The window's state that the page logic reads back: check marks and Next's state.
struct QuietView : WizardView {
    bool checked[controlInstruction + 1] = {};
    bool nextEnabled = true;
    QuietList rows;

    void setCaption(const char*) override {}
    void showControl(int, bool) override {}
    void enableControl(int id, bool enabled) override {
        if (id == controlNext) nextEnabled = enabled;
    }
    void setControlText(int, const char*) override {}
    bool isChecked(int id) override { return checked[id]; }
    void setChecked(int id, bool on) override { checked[id] = on; }
    ListView& list() override { return rows; }
    void redraw() override {}
    void drawPicture(int, const Bitmap&) override {}
    void close() override {}
};

}  // namespace

void runQuietWizard(InstallSession& session) {
    QuietView view;
    startWizard(session, view);
    view.setChecked(controlAccept, true);
    view.setChecked(controlRefuse, false);
    while (session.currentPage < pageInstalling) {
        updateNextButton(session);
        if (!view.nextEnabled) {
            onCancel(session);
            break;
        }
        onNext(session);
    }
    if (session.currentPage == pageInstalling) {
        releaseInstallWorker(session);
        onProgressTimer(session);
    }
    view.setChecked(controlOpenFolders, false);
    onCancel(session);
}

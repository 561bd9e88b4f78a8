// Filling, reading and hit testing of the data list, over a list view that records what it is
// told.
#include "ui/data_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "captured_diagnostics.h"
#include "recording_list.h"
#include "params/text_buffer.h"
#include "ui/list_view.h"

namespace {

const char* const columns[] = {"Titre", "Titre", "Version", "Version", "Description", "Info", nullptr};

struct DataList : ::testing::Test {
    RecordingList view;
    CONTROLE_LISTE list;
    ParamNode texts;
    void SetUp() override {
        list.attach(&view);
        list.setColumns(columns);
    }
    // Fills from the names of `cells`, in row-major order with each row's data text first.
    void fill(const std::vector<std::string>& cells) {
        texts.setChildren(nullptr, TakeList::adopt);
        for (const std::string& cell : cells) texts.append(new ParamNode(cell.c_str(), ""));
        ParamCell* next = texts.children();
        list.AjouteDonnees(nextTextOfList, &next);
    }
};

}  // namespace

TEST_F(DataList, ColumnsStartAsWideAsTheirTitles) {
    EXPECT_EQ(std::vector<std::string>({"Titre", "Version", "Description"}), view.titles);
    EXPECT_EQ(std::vector<int>({55, 69, 97}), view.widths);
    EXPECT_EQ(3, list.columnCount);
    EXPECT_EQ(std::vector<bool>({false, true}), view.redraws);
}

TEST_F(DataList, RowsAppendWithTheirDataAndWidenColumns) {
    fill({"pkg1", "Produit", "1.0", "Un produit au nom long", "pkg2", "Autre", "2.0", "x"});
    fill({"pkg3", "Dernier", "3.0", "y"});
    ASSERT_EQ(3, list.rowCount());
    EXPECT_STREQ("pkg2", list.getRowData(1));
    EXPECT_STREQ("pkg3", list.getCellText(2, -1));
    EXPECT_STREQ("Dernier", list.getCellText(2, 0));
    EXPECT_STREQ("Un produit au nom long", list.getCellText(0, 2));
    EXPECT_EQ(7 * 22 + 20, view.widths[2]);
    EXPECT_EQ(nullptr, list.getRowData(-1));
    list.setCellText(-1, 0, "ignored");
    list.setCellText(1, 1, "2.1");
    EXPECT_EQ("2.1", view.rows[1][1]);
    list.clear(ListParts::rows);
    EXPECT_EQ(0, list.rowCount());
    EXPECT_EQ(3, list.columnCount);
}

TEST_F(DataList, ProviderStops) {
    CapturedDiagnostics diagnostics;
    fill({});
    fill({"pkg1"});
    EXPECT_EQ(0, list.rowCount());
    EXPECT_EQ("", diagnostics.text());
    // Five columns; the third row stops after its first cell.
    const char* const five[] = {"A", "", "B", "", "C", "", "D", "", "E", "", nullptr};
    list.setColumns(five);
    fill({"r0", "a", "b", "c", "d", "e", "r1", "a", "b", "c", "d", "e", "r2", "a"});
    EXPECT_EQ(3, list.rowCount());
    EXPECT_STREQ("a", list.getCellText(2, 0));
    EXPECT_EQ("CONTROLE_LISTE::AjouteDonnees : Arr\xEAt des donn\xE9"
              "es sur la ligne 2 \xE0 la colonne 1 / 5\n",
              diagnostics.text());
}

TEST_F(DataList, HitTestGivesRowAndColumnUnderTheCursor) {
    fill({"p1", "a", "b", "c", "p2", "a", "b", "c"});
    int column = 7;
    view.cursorX = 60;  // past the first column (55 pixels wide)
    view.cursorY = 15;
    EXPECT_EQ(1, list.hitTest(column));
    EXPECT_EQ(1, column);
    view.cursorX = 55 + 69 + 97 + 1;
    EXPECT_EQ(1, list.hitTest(column));
    EXPECT_EQ(-1, column);
    view.cursorY = 95;
    EXPECT_EQ(-1, list.hitTest(column));
}

// The data list over the system's report-style list view.
#include "ui/win32/report_list_view.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>

#include "ui/data_list.h"
#include "ui/interface_startup.h"

TEST(ReportListView, FillsAndReadsLongCellsWhole) {
    initInterfaceLibraries();
    HWND control = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 400, 200,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, control);
    ReportListView view(control);
    {
        CONTROLE_LISTE list;
        list.attach(&view);
        const char* const columns[] = {"Valeur", "", "D\xE9signation", "", nullptr};
        list.setColumns(columns);
        std::string longValue(600, 'v');
        ParamNode texts;
        for (const char* text : {"p1", longValue.c_str(), "Dossier", "p2", "court", "Nom"})
            texts.append(new ParamNode(text, ""));
        ParamCell* next = texts.children();
        list.AjouteDonnees(nextTextOfList, &next);
        ASSERT_EQ(2, list.rowCount());
        EXPECT_EQ(longValue, list.getCellText(0, 0));
        EXPECT_STREQ("Nom", list.getCellText(1, 1));
        EXPECT_STREQ("p2", list.getRowData(1));
        EXPECT_GT(view.columnWidth(0), view.textWidth("court") + 20);
        list.setCellText(1, 0, "chang\xE9");
        EXPECT_STREQ("chang\xE9", list.getCellText(1, 0));
    }
    DestroyWindow(control);
}

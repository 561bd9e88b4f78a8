// The wizard of the demo installer walked through its window: licence, products, components and
// parameters, then Cancel and "Fermer".
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "driver.h"
#include "e2e_paths.h"

namespace {

const int listControl = 1013;

struct Wizard : ::testing::Test {
    TestFolder temp{"wizard-temp"};
    TestFolder folder{"wizard-program"};
    std::string setup = folder.path + "\\demo-setup.exe";

    void SetUp() override {
        temp.useAsTemporaryFolder();
        std::string demo = std::string(EXAMPLES_DIR) + "\\demo";
        ASSERT_EQ(0u, runToEnd(quotedPath(MKINSTALLER_PATH) + " build --description " +
                               quotedPath(demo + "\\product") + " --library DATA=" +
                               quotedPath(demo + "\\data") + " --library DOCS=" +
                               quotedPath(demo + "\\docs") + " --stub " + quotedPath(STUB_PATH) +
                               " -o " + quotedPath(setup)));
    }
};

// A modal window of the program with this caption, answered by its OK button once read.
std::string answer(const RunningProgram& run, const char* caption, int textId) {
    HWND window = waitForWindow(run, caption);
    EXPECT_NE(nullptr, window) << caption;
    if (!window) return "";
    std::string text = controlText(window, textId);
    pressButton(window, IDOK);
    EXPECT_TRUE(waitUntilClosed(window)) << caption;
    return text;
}

}  // namespace

TEST_F(Wizard, WalksTheDemoToItsParametersAndCancels) {
    RunningProgram run;
    ASSERT_TRUE(startProgram(run, quotedPath(setup), folder.path));
    HWND wizard = waitForWindow(run, "Contrat de licence");
    ASSERT_NE(nullptr, wizard);
    std::string licence = controlText(wizard, 1000);
    // Shown as rich text (no RTF markup left), the brand in place of "${SOCIETE}".
    EXPECT_EQ(0u, licence.find("CONTRAT DE LICENCE")) << licence;
    EXPECT_NE(std::string::npos, licence.find("Korvane vous accorde")) << licence;
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wizard, IDOK)));
    pressButton(wizard, 1001);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(wizard, IDOK)));

    pressButton(wizard, IDOK);
    EXPECT_EQ("Produits \xE0 installer", windowText(wizard));
    HWND list = GetDlgItem(wizard, listControl);
    ASSERT_EQ(2, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    // The editor comes selected; a click selects the documentation alone, and leaving the page
    // asks whether to go without the editor: refused, the editor stays selected.
    int editorRow = SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED);
    clickListRow(list, 1 - editorRow, false);
    for (int i = 0; i < 100 && SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED) == editorRow;
         ++i) {
        Sleep(50);
    }
    postButton(wizard, IDOK);
    HWND question = waitForWindow(run, "Appliquer le changement ?");
    ASSERT_NE(nullptr, question);
    pressButton(question, IDNO);
    ASSERT_TRUE(waitUntilClosed(question));
    for (int i = 0; i < 100 && windowText(wizard) == "Produits \xE0 installer"; ++i) Sleep(50);
    EXPECT_EQ("Composants des produits s\xE9lectionn\xE9s", windowText(wizard));
    EXPECT_EQ(1, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));

    pressButton(wizard, IDOK);
    EXPECT_EQ("Environnement d'installation", windowText(wizard));
    ASSERT_EQ(4, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    // Rows: the folder, the user's name (text), the shortcut (choice Oui|Non), the summary
    // (action), in the order of the store.
    clickListRow(list, 1, true);
    HWND input = waitForWindow(run, "Saisissez votre valeur");
    ASSERT_NE(nullptr, input);
    EXPECT_EQ("Nom de l'utilisateur", controlText(input, 1162));
    EXPECT_EQ("Invit\xE9", controlText(input, 1168));
    setControlText(input, 1168, "Camille");
    pressButton(input, IDOK);
    ASSERT_TRUE(waitUntilClosed(input));
    clickListRow(list, 2, false);
    clickListRow(list, 3, false);
    EXPECT_EQ("Dossier C:\\Demo ; utilisateur Camille ; raccourci Non",
              answer(run, "R\xE9sum\xE9", 0xFFFF));

    pressButton(wizard, IDCANCEL);
    EXPECT_EQ("Etat de l'installation", windowText(wizard));
    EXPECT_NE(std::string::npos, controlText(wizard, 1000).find("ARRET UTILISATEUR"));
    EXPECT_EQ("Fermer", controlText(wizard, IDCANCEL));
    pressButton(wizard, IDCANCEL);
    EXPECT_NE(0xFFFFFFFFu, waitForExit(run));
    EXPECT_TRUE(temp.isEmpty());
}

// The prompt windows of install scripts, opened by the real stub from its worker thread over the
// wizard: REG_EVAL's choice among registry hits, IHM_LST's list with its filter, and the notice
// an empty list shows. The script writes what it got into a file that the test reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installation_fixture.h"

namespace {

enum { promptId = 1033, filterId = 1112, listId = 1013, noticeTextId = 1162, margin = 5 };

const char* const registryTitle = "Gestion de registre";
const char* const choiceTitle = "S\xE9lection";

std::vector<std::string> listRows(HWND window) {
    return listBoxRows(GetDlgItem(window, listId));
}

// Types the text into a control one key at a time, noting how many rows the list keeps after
// each key.
std::vector<size_t> typeFilter(HWND window, const std::string& text) {
    std::vector<size_t> counts;
    for (char c : text) {
        SendMessageA(GetDlgItem(window, filterId), WM_CHAR, static_cast<unsigned char>(c), 0);
        counts.push_back(listRows(window).size());
    }
    return counts;
}

// A control's rectangle in its window's client coordinates.
RECT clientRectOf(HWND window, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(window, id), &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void resize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Enlarged, the window keeps OK and Cancel at its bottom right, their size kept, and stretches
// the list, the filter and the prompt to its right edge; made smaller than it first was, its
// controls stay as they first were.
void checkResizing(HWND window) {
    RECT frame, firstOk = clientRectOf(window, IDOK), firstList = clientRectOf(window, listId);
    GetWindowRect(window, &frame);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    resize(window, width + 120, height + 80);
    RECT client, ok = clientRectOf(window, IDOK), cancel = clientRectOf(window, IDCANCEL),
                 list = clientRectOf(window, listId);
    GetClientRect(window, &client);
    EXPECT_EQ(client.right - margin, ok.right);
    EXPECT_EQ(client.bottom - margin, ok.bottom);
    EXPECT_EQ(firstOk.right - firstOk.left, ok.right - ok.left);
    EXPECT_EQ(firstOk.bottom - firstOk.top, ok.bottom - ok.top);
    EXPECT_EQ(ok.left - margin, cancel.right);
    EXPECT_EQ(ok.top, cancel.top);
    EXPECT_EQ(firstList.left, list.left);
    EXPECT_EQ(client.right - margin, list.right);
    EXPECT_EQ(ok.top - margin, list.bottom);
    EXPECT_EQ(client.right - margin, clientRectOf(window, filterId).right);
    EXPECT_EQ(client.right - margin, clientRectOf(window, promptId).right);

    resize(window, width - 60, height - 40);
    RECT smallOk = clientRectOf(window, IDOK), smallList = clientRectOf(window, listId);
    EXPECT_TRUE(EqualRect(&firstOk, &smallOk));
    EXPECT_TRUE(EqualRect(&firstList, &smallList));
}

// A prompt window of the program, owned by the wizard.
HWND waitForPrompt(const RunningProgram& run, HWND wizard, const char* title) {
    HWND prompt = waitForWindow(run, title);
    EXPECT_NE(nullptr, prompt) << title;
    if (prompt) {
        EXPECT_EQ(wizard, GetWindow(prompt, GW_OWNER)) << title;
    }
    return prompt;
}

void answer(HWND prompt, int button) {
    pressButton(prompt, button);
    EXPECT_TRUE(waitUntilClosed(prompt));
}

// The notice of an empty list: its text, OK alone.
void closeNotice(const RunningProgram& run, HWND wizard) {
    HWND notice = waitForPrompt(run, wizard, "Op\xE9ration annul\xE9" "e");
    if (!notice) return;
    EXPECT_EQ("Vous ne poss\xE9" "dez pas d'objets", controlText(notice, noticeTextId));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(notice, IDOK)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(notice, IDCANCEL)));
    answer(notice, IDOK);
}

struct Prompts : Installation {
    std::string key = "Software\\E2E-prompts-" + std::to_string(GetCurrentProcessId());
    std::string results = folder.path + "\\choix.txt";

    // Two versions written in the registry for REG_EVAL to choose from, four fruits for IHM_LST,
    // an IHM_LST over nothing, then both choices written out. Cancelled, REG_EVAL falls back on
    // its "Valeur" and IHM_LST leaves the variable as it was.
    void SetUp() override {
        Installation::SetUp();
        std::string versions = scriptPath(key + "\\Versions");
        std::string commands = "\tAFFECTE + FRUIT = \"aucun\" -\r\n";
        for (std::string version : {"V1", "V2"}) {
            commands += "\tREG_ECRIT + Racine = \"HKEY_CURRENT_USER\" Branche = \"" + versions +
                        "\xA4" + version + "\" Nom = \"Dossier\" Valeur = \"C:\xA4" + version +
                        "\" -\r\n";
        }
        pack(commands +
             "\tREG_EVAL + Racine = \"HKEY_CURRENT_USER\" AvBranche = \"" + versions +
             "\" ApBranche = \"\" Nom = \"Dossier\" IHM = \"|ihm||val|\" Titre = \"Quelle version ?\""
             " Variable = \"VERSION\" Valeur = \"aucune\" -\r\n"
             "\tIHM_LST\r\n\t+\r\n\t\tChoixStat + pomme = rouge poire = verte prune = violette"
             " \"\xE9t\xE9\" = saison -\r\n"
             "\t\tIHM = \"|tjrs|\" Titre = \"Quel fruit ?\" ParNom = 1 Variable = FRUIT\r\n\t-\r\n"
             "\tIHM_LST + IHM = \"|tjrs|\" Variable = RIEN -\r\n"
             "\tFAPPEND + \"" + scriptPath(results) + "\" = \"${FRUIT} ${VERSION}\" -\r\n");
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); }

    // The report once the installation has ended, then "Fermer".
    void finish(HWND wizard) {
        ASSERT_EQ(wizard, waitForReport());
        std::string report = controlText(wizard, 1000);
        EXPECT_NE(std::string::npos, report.find("INSTALLATION TERMINEE AVEC SUCCES")) << report;
        close(wizard);
    }
};

}  // namespace

TEST_F(Prompts, ChoicesInTheListsReachTheScript) {
    HWND wizard = startInstalling();
    ASSERT_NE(nullptr, wizard);

    HWND versions = waitForPrompt(run, wizard, registryTitle);
    ASSERT_NE(nullptr, versions);
    EXPECT_EQ("Quelle version ?", controlText(versions, promptId));
    EXPECT_EQ((std::vector<std::string>{"V1 : C:\\V1", "V2 : C:\\V2"}), listRows(versions));
    // Without the window the hit found last, V2, would be taken.
    SendDlgItemMessageA(versions, listId, LB_SETCURSEL, 0, 0);
    answer(versions, IDOK);

    HWND fruits = waitForPrompt(run, wizard, choiceTitle);
    ASSERT_NE(nullptr, fruits);
    EXPECT_EQ("Quel fruit ?", controlText(fruits, promptId));
    EXPECT_EQ((std::vector<std::string>{"\xE9t\xE9 : saison", "poire : verte", "pomme : rouge",
                                        "prune : violette"}),
              listRows(fruits));
    // "e" keeps every row, "et" the violet one and the accented one, "ete" the accented one.
    EXPECT_EQ((std::vector<size_t>{4, 2, 1}), typeFilter(fruits, "ete"));
    checkResizing(fruits);
    answer(fruits, IDOK);

    closeNotice(run, wizard);
    finish(wizard);
    EXPECT_EQ("\xE9t\xE9 V1\r\n", fileBytes(results));
}

TEST_F(Prompts, CancelledListsLeaveTheFallbacks) {
    HWND wizard = startInstalling();
    ASSERT_NE(nullptr, wizard);
    for (const char* title : {registryTitle, choiceTitle}) {
        HWND prompt = waitForPrompt(run, wizard, title);
        ASSERT_NE(nullptr, prompt);
        answer(prompt, IDCANCEL);
    }
    closeNotice(run, wizard);
    finish(wizard);
    EXPECT_EQ("aucun aucune\r\n", fileBytes(results));
}

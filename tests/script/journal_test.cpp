// The journal an installation keeps, as the commands write it, and its undoing: natively, and
// under Wine on real files and the real registry.

#include <string>

#include "params/file_stream.h"
#include "params/variable_store.h"
#include "script/journal.h"
#include "script/journal_undo.h"
#include "script_fixture.h"
#include "session/run_state.h"
#include "test_keys.h"

namespace {

bool contains(const TextBuffer& lines, const std::string& text) {
    return std::string(lines.text()).find(text) != std::string::npos;
}

}  // namespace

class JournalTest : public ScriptTest {
protected:
    JournalTest() {
        setVariable("K", key.below.c_str());
        setVariable("D", (folder / "found").c_str());
        folder.write("found/.keep", "");
        std::remove((folder / "found/.keep").c_str());
        startInstallation();
    }

    // A new run, as a repair would be: a keeper of its own, joining the journal.
    void startInstallation() {
        keeper = std::make_unique<JournalKeeper>();
        Copied().made = keeper.get();
        ASSERT_TRUE(keeper->startFile(journal.c_str()));
    }

    UndoReport undo() {
        ParamNode records;
        TextBuffer reason;
        EXPECT_TRUE(readJournal(journal.c_str(), records, reason)) << reason.text();
        return undoJournal(records, nullptr);
    }

    TestKey key;
    const std::string journal = folder / "desinstalle.txt";
    std::unique_ptr<JournalKeeper> keeper;
};

TEST_F(JournalTest, FilesGoWhileUnchangedAndFoldersOnlyWhenMadeAndEmpty) {
    folder.write("found/old.txt", "old\r\n");
    run(R"(
Installe
+
    MKDIR  +  "${D}/made/deep" = ""  -
    FAPPEND  +  "${D}/made/a.txt" = "A"  "${D}/made/deep/b.txt" = "B"  "${D}/old.txt" = "more"  -
-
)");
    folder.write("found/made/deep/b.txt", "changed by the user");
    UndoReport changed = undo();
    EXPECT_FALSE(folder.exists("found/made/a.txt"));
    EXPECT_EQ(folder.read("found/made/deep/b.txt"), "changed by the user");
    EXPECT_EQ(folder.read("found/old.txt"), "old\r\nmore\r\n");
    EXPECT_TRUE(contains(changed.kept, "b.txt (modifi")) << changed.kept.text();
    EXPECT_TRUE(contains(changed.kept, "old.txt (pr")) << changed.kept.text();
    EXPECT_TRUE(contains(changed.kept, "deep (non vide)")) << changed.kept.text();
    EXPECT_EQ(changed.undone, 1);

    // Once the file holds what was written again, the rest goes; the folder found stays.
    folder.write("found/made/deep/b.txt", "B\r\n");
    std::remove((folder / "found/old.txt").c_str());
    UndoReport rest = undo();
    EXPECT_FALSE(folder.exists("found/made"));
    EXPECT_TRUE(folder.exists("found"));
    EXPECT_TRUE(rest.kept.empty()) << rest.kept.text();
    EXPECT_EQ(rest.undone, 3);
}

TEST_F(JournalTest, ValuesArePutBackOrRemovedOnlyWhileTheyHoldWhatWasWritten) {
    writeTyped(key / "Kept", "Old", "before");
    writeTyped(key / "Kept", "Mine", "__dword:7");
    run(R"(
Installe
+
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Kept"  Nom = "Old"  Valeur = "new"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Kept"  Nom = "Added"  Valeur = "1"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Kept"  Nom = "Mine"  Valeur = "x"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Made/Sub"  Nom = ""  Valeur = "v"  -
-
)");
    writeTyped(key / "Kept", "Mine", "the user's");
    UndoReport report = undo();
    EXPECT_EQ(readTyped(key / "Kept", "Old"), "before");
    EXPECT_EQ(readTyped(key / "Kept", "Added"), "<none>");
    EXPECT_EQ(readTyped(key / "Kept", "Mine"), "the user's");
    EXPECT_TRUE(contains(report.kept, "Mine (modifi")) << report.kept.text();
    EXPECT_FALSE(keyExists(key / "Made"));
    EXPECT_TRUE(keyExists(key / "Kept"));
}

TEST_F(JournalTest, ARepairJoinsTheJournalAndUndoingLeavesWhatWasThereBeforeTheFirst) {
    writeTyped(key / "P", "V", "original");
    const std::string installation = R"(
Installe
+
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/P"  Nom = "V"  Valeur = "${N}"  -
    FCREATE  +  "${D}/f.txt" = ""  -
    FAPPEND  +  "${D}/f.txt" = "${N}"  -
-
)";
    setVariable("N", "first");
    run(installation);
    startInstallation();
    setVariable("N", "second");
    run(installation);
    ASSERT_EQ(readTyped(key / "P", "V"), "second");
    UndoReport report = undo();
    EXPECT_EQ(readTyped(key / "P", "V"), "original");
    EXPECT_FALSE(folder.exists("found/f.txt"));
    EXPECT_TRUE(report.kept.empty()) << report.kept.text();
}

TEST_F(JournalTest, AJournalWithOneRecordItCannotTrustUndoesNothing) {
    folder.write("found/f.txt", "x");
    FileMark mark;
    ASSERT_TRUE(readFileMark((folder / "found/f.txt").c_str(), mark));
    const std::string good = "Fichier = \"" + folder / "found/f.txt" + "\"\n+\n\tTaille = \"" +
                             std::to_string(mark.size) + "\"\n\tSomme = \"" +
                             std::to_string(mark.sum) + "\"\n-\n";
    const char* const untrusted[] = {
        "Fichier = \"found\\f.txt\"\n+\n\tTaille = \"1\"\n\tSomme = \"1\"\n-\n",
        "Dossier = \"C:\\Produit\\..\\Windows\"\n",
        "Efface = \"C:\\Windows\"\n",
        "Cle = \"HKEY_NOWHERE\\Software\"\n+\n\tVue = \"32\"\n-\n",
        "Valeur = \"HKEY_CURRENT_USER\\Software\"\n+\n\tVue = \"48\"\n\tNom = \"\"\n\tEcrit = "
        "\"\"\n-\n",
        "Fichier = \"C:\\f.txt\"\n+\n\tTaille = \"-1\"\n\tSomme = \"1\"\n-\n",
    };
    for (const char* record : untrusted) {
        folder.write("desinstalle.txt", good + record);
        ParamNode records;
        TextBuffer reason;
        EXPECT_FALSE(readJournal(journal.c_str(), records, reason)) << record;
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(records.children(), nullptr);
    }
    ParamNode records;
    TextBuffer reason;
    EXPECT_FALSE(readJournal((folder / "none.txt").c_str(), records, reason));
    EXPECT_TRUE(folder.exists("found/f.txt"));
}

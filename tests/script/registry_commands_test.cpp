// The registry commands, run as scripts against the registry of the platform: the in-process
// registry natively, the real one under Wine. Every test works below a key of its own ("K" holds
// its path below the root), removed at the end.

#include <algorithm>
#include <string>
#include <vector>

#include "params/variable_store.h"
#include "platform/registry_key.h"
#include "platform/system_info.h"
#include "script_fixture.h"
#include "test_keys.h"

namespace {

// Every value of a branch as "subkey path|name=typed text", sorted.
void dumpBranch(const std::string& path, const std::string& below,
                std::vector<std::string>& lines) {
    RegistryKey key;
    key.openPath(path.c_str(), KeyOpening::existing);
    for (ParamCell* c = key.listValues(KeyListing::reread, ValueForm::typed); c; c = c->next) {
        lines.push_back(below + "|" + c->node->name() + "=" + c->node->value());
    }
    for (ParamCell* c = key.listSubkeys(KeyListing::reread); c; c = c->next) {
        dumpBranch(path + "\\" + c->node->name(), below + "\\" + c->node->name(), lines);
    }
}

std::vector<std::string> branchContent(const std::string& path) {
    std::vector<std::string> lines;
    dumpBranch(path, "", lines);
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

class RegistryCommandsTest : public ScriptTest {
protected:
    RegistryCommandsTest() { setVariable("K", key.below.c_str()); }
    ~RegistryCommandsTest() override { setRegistryView64(false); }

    // A full path below the test's key.
    std::string under(const std::string& below) const { return key / below; }

    TestKey key;
    const std::string keyPath = key.below;
};

TEST_F(RegistryCommandsTest, ReadTakesTheValueOrTheDefaultOrReports) {
    writeTyped(under("Read"), "Text", "hello");
    writeTyped(under("Read"), "Number", "__dword:-5");
    setVariable("kept", "before");
    run(R"(
Installe
+
    REG_LIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Read"
                Nom = "Text"  Variable = "text"  -
    REG_LIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Read"
                Nom = "Number"  Variable = "number"  -
    REG_LIT
    +
        Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Read"  Nom = "Absent"  Variable = "fallback"
        Defaut = "c:\Prog"
    -
    REG_LIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Read"
                Nom = "Absent"  Variable = "kept"  -
    "-REG_LIT"  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Read"
                   Nom = "Absent"  Variable = "kept"  -
    REG_LIT  +  Racine = "HKEY_NOWHERE"  Branche = "${K}/Read"
                Nom = "Text"  Variable = "x"  Defaut = "none"  -
-
)");
    expectVariables({
        {"text", "hello"},
        {"number", "-5"},
        {"fallback", "c:\\Prog"},
        {"kept", "before"},
        {"x", "none"},
    });
    Entries expected = {{"REG_LIT", "Erreur de lecture dans le registre " + keyPath + "\\Read"}};
    EXPECT_EQ(errors(), expected);
}

TEST_F(RegistryCommandsTest, ReadingFromAMissingKeyCreatesIt) {
    ASSERT_FALSE(keyExists(under("Created")));
    run(R"(
Installe
+
    REG_LIT  +  Racine = ""  Branche = "HKEY_CURRENT_USER/${K}/Created"
                Nom = "V"  Variable = "v"  Defaut = "d"  -
-
)");
    EXPECT_TRUE(keyExists(under("Created")));
    EXPECT_EQ(variable("v"), "d");
}

TEST_F(RegistryCommandsTest, WriteTypesTheValueByItsPrefix) {
    run(R"(
Installe
+
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Write"
                  Nom = "Dword"  Valeur = "__dword:1"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Write"
                  Nom = "Text"  Valeur = "1"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Write"  Nom = "Empty"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Write"
                  Nom = "Expand"  Valeur = "__eval:%Root%¤x"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Write"
                  Nom = "Bytes"  Valeur = "__hex(3):1,0,255"  -
    REG_ECRIT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Write"
                  Nom = ""  Valeur = "default"  -
-
)");
    const std::string key = under("Write");
    EXPECT_EQ(readTyped(key, "Dword"), "__dword:1");
    EXPECT_EQ(readTyped(key, "Text"), "1");
    EXPECT_EQ(readTyped(key, "Empty"), "");
    EXPECT_EQ(readTyped(key, "Expand"), "__eval:%Root%\\x");
    EXPECT_EQ(readTyped(key, "Bytes"), "__hex(3):1,0,255");
    EXPECT_EQ(readTyped(key, ""), "default");
    EXPECT_TRUE(errors().empty());
}

TEST_F(RegistryCommandsTest, WriteFailuresAreReportedUnlessSilenced) {
    run(R"(
Installe
+
    REG_ECRIT  +  Racine = "HKEY_NOWHERE"  Branche = "${K}"  Nom = "N"  Valeur = "v"  -
    REG_ECRIT  +  Branche = "${K}"  Nom = "N"  Valeur = "v"  -
    "-REG_ECRIT"  +  Racine = "HKEY_NOWHERE"  Branche = "${K}"  Nom = "N"  Valeur = "v"  -
-
)");
    // Without "Racine" the root text is "erreur", which names no root either.
    Entries expected = {{"REG_ECRIT",
                         "Erreur d'\xE9"
                         "criture dans le registre "},
                        {"REG_ECRIT",
                         "Erreur d'\xE9"
                         "criture dans le registre "}};
    EXPECT_EQ(errors(), expected);
}

TEST_F(RegistryCommandsTest, ViewSwitchIsReportedAndChoosesTheView) {
    // Only HKEY_LOCAL_MACHINE\Software has two views; the key lies in this run's private
    // registry (natively in-process, under Wine in the test's own prefix).
    TestKey machine("HKEY_LOCAL_MACHINE\\Software");
    setVariable("M", machine.path.c_str());
    writeTyped(machine.path, "Where", "32-bit view");
    run(R"(
Installe
+
    REG_PROCBITS  +  Variable = "atStart"  -
    REG_PROCBITS  +  Valeur = "64"  -
    REG_PROCBITS  +  Variable = "after64"  -
    REG_LIT  +  Racine = ""  Branche = "${M}"
                Nom = "Where"  Variable = "in64"  Defaut = "absent"  -
    REG_PROCBITS  +  Variable = "stillOn"  Valeur = "32"  -
    REG_PROCBITS  +  Variable = "after32"  Valeur = "  "  -
    REG_LIT  +  Racine = ""  Branche = "${M}"
                Nom = "Where"  Variable = "in32"  Defaut = "absent"  -
    REG_PROCBITS  +  Valeur = "1"  -
    REG_PROCBITS  +  Variable = "afterOne"  Valeur = "0"  -
    REG_PROCBITS  +  Variable = "afterZero"  -
-
)");
    const bool twoViews = OsBits() == 64;
    expectVariables({
        {"atStart", "0"},
        {"after64", "1"},
        {"stillOn", "1"},
        {"after32", "0"},
        {"afterOne", "1"},
        {"afterZero", "0"},
        {"in64", twoViews ? "absent" : "32-bit view"},
        {"in32", "32-bit view"},
    });
}

class RegistrySearchTest : public RegistryCommandsTest {
protected:
    // Products A and B hold Setup\Path; C has no Setup key, D's Setup has no Path.
    RegistrySearchTest() {
        writeTyped(under("Products\\A\\Setup"), "Path", "pa");
        writeTyped(under("Products\\B\\Setup"), "Path", "pb");
        writeTyped(under("Products\\C"), "Path", "pc");
        writeTyped(under("Products\\D\\Setup"), "Other", "pd");
    }

    // A REG_EVAL command over the products for the value name, with the flags and extra lines.
    void search(const std::string& name, const std::string& flags, const std::string& extra = "") {
        run(R"(
Installe
+
    "1REG_EVAL"
    +
        Racine = "HKEY_CURRENT_USER"  AvBranche = "${K}/Products"  ApBranche = "Setup"
        Variable = "found"  Nom = ")" +
            name + R"("  IHM = ")" + flags + "\"\n" + extra + R"(
    -
-
)");
    }
};

TEST_F(RegistrySearchTest, WithoutHitsTakesTheFallbackOrReportsTheBranchAsWritten) {
    run(R"(
Installe
+
    REG_EVAL
    +
        Racine = "HKEY_CURRENT_USER"  AvBranche = "${K}/Products"  ApBranche = "Setup"
        Nom = "Nowhere"  IHM = "|ihm|"  Variable = "fallback"  Valeur = "none"
    -
    REG_EVAL
    +
        Racine = "HKEY_CURRENT_USER"  AvBranche = "${K}/Missing"  ApBranche = "Setup"
        Nom = "Path"  IHM = ""  Variable = "missing"
    -
    "-REG_EVAL"
    +
        Racine = "HKEY_CURRENT_USER"  AvBranche = "${K}/Missing"  ApBranche = "Setup"
        Nom = "Path"  IHM = ""  Variable = "missing"
    -
-
)");
    EXPECT_EQ(variable("fallback"), "none");
    EXPECT_EQ(variable("missing"), "<undefined>");
    Entries expected = {
        {"REG_EVAL", "Erreur de recherche dans le registre " + keyPath + "/Missing"}};
    EXPECT_EQ(errors(), expected);
    EXPECT_FALSE(keyExists(under("Missing")));
    EXPECT_TRUE(asked().empty());
}

TEST_F(RegistrySearchTest, OneHitIsTakenWithoutAsking) {
    writeTyped(under("Products\\B\\Setup"), "Only", "b");
    search("Only", "|ihm|");
    EXPECT_EQ(variable("found"), "B");
    EXPECT_TRUE(asked().empty());
}

TEST_F(RegistrySearchTest, SeveralHitsTakeTheLastFoundUnlessTheUserChooses) {
    search("Path", "|val|");
    EXPECT_EQ(variable("found"), "A");
    EXPECT_TRUE(asked().empty());

    answers.answerChoice("B");
    search("Path", "|ihm|");
    EXPECT_EQ(variable("found"), "B");
    Entries expected = {{"chooseFromList", "Gestion de registre"}};
    EXPECT_EQ(asked(), expected);
    EXPECT_EQ(std::string(answers.asked.child(0)->valueOf("text")),
              "S\xE9lectionnez la ligne souhait\xE9"
              "e");
}

TEST_F(RegistrySearchTest, CancelledChoiceFallsBackToValeur) {
    answers.answerChoice(nullptr);
    search("Path", "|ihm|", R"(Titre = "Quel produit ?"  Valeur = "cancelled")");
    EXPECT_EQ(variable("found"), "cancelled");
    ASSERT_EQ(asked().size(), 1u);
    EXPECT_EQ(answers.asked.child(0)->valueOf("text"), std::string("Quel produit ?"));
}

TEST_F(RegistrySearchTest, ValidationBlockSeesNineParametersPerHit) {
    search("Path", "|racine||prefixe||braj||suffixe||val|", R"(
        Valide
        +
            AFFECTE
            +
                "hit_${5}" = "${0}|${1}|${2}|${3}|${5}|${6}|${7}|${8}"
                "flags_${5}" = "${4}"
            -
        -
)");
    const std::string before = keyPath + "/Products";
    EXPECT_EQ(variable("hit_A"), "HKEY_CURRENT_USER|" + before + "|Setup|Path|A|pa|" + before +
                                     "\\A|HKEY_CURRENT_USER\\" + before + "\\A\\Setup\\pa");
    EXPECT_EQ(variable("hit_B"), "HKEY_CURRENT_USER|" + before + "|Setup|Path|B|pb|" + before +
                                     "\\B|HKEY_CURRENT_USER\\" + before + "\\B\\Setup\\pb");
    expectVariables({
        {"flags_A", "|racine||prefixe||braj||suffixe||val|"},
        {"hit_C", "<undefined>"},
        {"hit_D", "<undefined>"},
        {"found", "A"},
    });
}

TEST_F(RegistrySearchTest, LabelLeavesOutEmptyPieces) {
    writeTyped(under("Products\\B\\Setup"), "Blank", "");
    search("Blank", "|braj||suffixe||val|", R"(
        Valide  +  AFFECTE  +  label = "${8}"  -  -
)");
    EXPECT_EQ(variable("label"), "B\\Setup");
}

TEST_F(RegistrySearchTest, EmptyAfterBranchLooksInTheSubkeysThemselves) {
    run(R"(
Installe
+
    REG_EVAL
    +
        Racine = "HKEY_CURRENT_USER"  AvBranche = "${K}/Products"  ApBranche = ""
        Nom = "Path"  IHM = ""  Variable = "found"
    -
-
)");
    EXPECT_EQ(variable("found"), "C");
}

TEST_F(RegistrySearchTest, MemoFillsTheChoiceListForALaterChoice) {
    run(R"(
Installe
+
    REG_EVAL
    +
        Racine = "HKEY_CURRENT_USER"  AvBranche = "${K}/Products"  ApBranche = "Setup"
        Nom = "Path"  IHM = "|memo|"  Variable = "found"
    -
    IHM_LST  +  Variable = "count"  -
    AFFECTE  +  counted = "${IHM_LSTNB}"  -
    IHM_LST  +  IHM = ""  Variable = "first"  -
-
)");
    const std::string before = keyPath + "/Products";
    expectVariables({
        {"found", "A"},
        {"counted", "2"},
        // Pairs are kept in the order found: subkeys are walked in reverse enumeration order.
        {"first", before + "\\B"},
    });
    EXPECT_EQ(package->choiceList.childCount(), 0);
    EXPECT_TRUE(asked().empty());
}

TEST_F(RegistryCommandsTest, ExportThenImportUnderAKeyLineRestoresTheValues) {
    const std::string key = under("Saved");
    writeTyped(key, "Count", "__dword:7");
    writeTyped(key, "Name", "say \"hi\" c:\\dir");
    writeTyped(key, "Path", "__eval:%P%");
    writeTyped(key, "Bytes", "__hex(3):1,2");
    run(R"(
Installe
+
    REG_EXPORT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/Saved"
                   Fichier = "${INSTALLE}/saved.txt"  -
-
)");
    std::string exported = folder.read("saved.txt");
    // Last value first; strings without their type; other types left out. Lines end as text
    // files do on the system.
    std::string lines = exported;
    lines.erase(std::remove(lines.begin(), lines.end(), '\r'), lines.end());
    EXPECT_EQ(lines,
              "\"Path\" = \"%P%\"\n"
              "\"Name\" = \"say \\\"hi\\\" c:\\\\dir\"\n"
              "\"Count\" = 7\n");

    writeTyped(key, "Count", "__dword:0");
    writeTyped(key, "Name", "changed");
    folder.write("restore.txt", "\"HKEY_CURRENT_USER/${K}/Saved\"\r\n+\r\n" + exported + "-\r\n");
    run(R"(
Installe
+
    REG_IMPORT  +  Fichier = "${INSTALLE}/restore.txt"  -
-
)");
    EXPECT_EQ(readTyped(key, "Count"), "__dword:7");
    EXPECT_EQ(readTyped(key, "Name"), "say \"hi\" c:\\dir");
    EXPECT_EQ(readTyped(key, "Path"), "%P%");
    EXPECT_EQ(readTyped(key, "Bytes"), "__hex(3):1,2");

    // A search path extended from its old value, with or without keeping its type.
    writeTyped(key, "Path", "__eval:%P%");
    writeTyped(key, "Other", "__eval:%P%");
    folder.write("append.txt",
                 "\"HKEY_CURRENT_USER/${K}/Saved\"\r\n+\r\n"
                 "\"Path\" = \"${EXVALTYP}${EXVALHT};%Q%\"\r\n"
                 "\"Other\" = \"${EXVALHT};%Q%\"\r\n"
                 "-\r\n");
    run(R"(
Installe
+
    REG_IMPORT  +  Fichier = "${INSTALLE}/append.txt"  -
-
)");
    EXPECT_EQ(readTyped(key, "Path"), "__eval:%P%;%Q%");
    EXPECT_EQ(readTyped(key, "Other"), "%P%;%Q%");
    EXPECT_TRUE(errors().empty());
}

TEST_F(RegistryCommandsTest, ExportAndImportFailuresNameTheKeyPath) {
    folder.write("bad.txt",
                 "\"HKEY_NOWHERE/x\"\r\n+\r\n\"V\" = 1\r\n-\r\n"
                 "\"HKEY_CURRENT_USER/${K}/Good\"\r\n+\r\n\"V\" = 1\r\n-\r\n");
    run(R"(
Installe
+
    REG_EXPORT  +  Racine = "HKEY_NOWHERE"  Branche = "${K}"  Fichier = "${INSTALLE}/none.txt"  -
    "-REG_EXPORT"  +  Racine = "HKEY_NOWHERE"  Branche = "${K}"  Fichier = "${INSTALLE}/none.txt"  -
    REG_IMPORT  +  Fichier = "${INSTALLE}/bad.txt"  -
    "-REG_IMPORT"  +  Fichier = "${INSTALLE}/bad.txt"  -
    REG_IMPORT  +  Fichier = "${INSTALLE}/no such file.txt"  -
    REG_EXPORT  +  Racine = "HKEY_CURRENT_USER"  Branche = "${K}/New"
                   Fichier = "${INSTALLE}/new.txt"  -
-
)");
    Entries expected = {{"REG_IMPORT", "Erreur d'import du registre "},
                        {"REG_EXPORT", "Erreur d'export du registre "}};
    EXPECT_EQ(errors(), expected);
    EXPECT_FALSE(folder.exists("none.txt"));
    EXPECT_EQ(readTyped(under("Good"), "V"), "__dword:1");
    // Exporting a missing key creates it and writes an empty file.
    EXPECT_TRUE(keyExists(under("New")));
    EXPECT_TRUE(folder.exists("new.txt"));
    EXPECT_EQ(folder.read("new.txt"), "");
}

TEST_F(RegistryCommandsTest, CloneCopiesABranchWithEveryTypeAndReplacesTheDestination) {
    writeTyped(under("Src"), "Text", "t");
    writeTyped(under("Src"), "Expand", "__eval:%X%");
    writeTyped(under("Src"), "Number", "__dword:-1");
    writeTyped(under("Src"), "Bytes", "__hex(3):1,0,255");
    writeTyped(under("Src"), "Multi", "__hex(7):97,0,98,0,0");
    writeTyped(under("Src"), "", "default");
    writeTyped(under("Src\\Sub\\Deeper"), "Deep", "__dword:3");
    writeTyped(under("Src\\Empty"), "", "");
    writeTyped(under("Dst\\Stale"), "Old", "x");
    run(R"(
Installe
+
    REG_CLONE
    +
        "HKEY_CURRENT_USER/${K}/Src" = "HKEY_CURRENT_USER/${K}/Dst"
        "HKEY_CURRENT_USER/${K}/Src" = "HKEY_CURRENT_USER/${K}/Src/Sub/Inside"
    -
-
)");
    std::vector<std::string> source = branchContent(under("Src"));
    EXPECT_EQ(source.size(), 8u);
    EXPECT_EQ(branchContent(under("Dst")), source);
    EXPECT_FALSE(keyExists(under("Dst\\Stale")));
    // A copy into its own subtree is refused and changes nothing.
    EXPECT_FALSE(keyExists(under("Src\\Sub\\Inside")));
    EXPECT_TRUE(errors().empty());
}

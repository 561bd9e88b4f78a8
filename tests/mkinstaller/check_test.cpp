#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <sstream>

#include "packer_run.h"

namespace {

// Small products with one kind of mistake each, checked as a publisher would check them.
class Check : public ::testing::Test {
protected:
    Check() : scratch("check") {}

    PackerRun check(std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"check", scratch / "p"};
        args.insert(args.end(), more.begin(), more.end());
        return runPacker(args);
    }

    // The findings printed, with the product folder left out of each file name; the summary
    // line is not one.
    std::vector<std::string> findings(std::vector<std::string> more = {}) {
        PackerRun run = check(more);
        std::vector<std::string> lines;
        std::istringstream out(run.out);
        const std::string folder = scratch / "p/";
        for (std::string line; std::getline(out, line);) {
            if (line.rfind(folder, 0) == 0) lines.push_back(line.substr(folder.size()));
        }
        return lines;
    }

    ScratchFolder scratch;
};

using Lines = std::vector<std::string>;

TEST_F(Check, SyntaxMistakesPointAtTheirLines) {
    scratch.write("p/install.ini",
                  "Produit\n+\n\tID=\"X\"\n\t# the block ends here\n-\n-\n"
                  "Installe\n+\n\t-FDEL\n\t+\n\t\t\"a\"\n\t-\n-\n"
                  "Installe-en\n+\n\tMKDIR\n");
    scratch.write("p/var.ini", "A = \"1\"\nB =\n");
    const std::string dashEntry =
        ": error: this \"-\" is read as an entry, not as the end of a block (a comment line right "
        "before a block's \"-\" has this effect)";
    EXPECT_EQ(findings(),
              (Lines{"install.ini:3: error: the key \"ID=\"X\"\" holds \"=\": write blanks around "
                     "\"=\", or quote the key",
                     "install.ini:5" + dashEntry,
                     "install.ini:9: error: this \"-\" ends the block, and what follows it is read "
                     "as a new entry: a command silenced by \"-\" must stand in quotes "
                     "(\"-MKDIR\")",
                     "install.ini:13" + dashEntry,
                     "install.ini:15: error: this block's \"+\" has no closing \"-\": it runs to "
                     "the end of the file",
                     "var.ini:2: error: \"=\" without a value at the end of the file",
                     "install.ini:9: warning: the installer reads no block named \"FDEL\""}));
    EXPECT_EQ(check().code, 1);
}

TEST_F(Check, UnknownCommandsAfterTheirPrefixesAndGuard) {
    scratch.write("p/install.ini",
                  "Installe\n+\n"
                  "\t\"2-AFFECTE\" = \"A&B!\"\n\t+\n\t\tX = \"1\"\n\t-\n"
                  "\t\"-mkdir\"\n\t+\n\t\t\"c:\\\\x\"\n\t-\n"
                  "\t\"-COPY\"\n\t+\n\t\ta = b\n\t-\n"
                  "\t2AFFECTE\n\t+\n\t\tY = \"2\"\n\t-\n"
                  "\t\"${COMMANDE}\"\n"
                  "-\n");
    EXPECT_EQ(findings(),
              (Lines{"install.ini:11: error: unknown command \"-COPY\"",
                     "install.ini:15: error: unknown command \"2\" (a command name that begins "
                     "with a digit must stand in quotes, as in \"2AFFECTE\")",
                     "install.ini:19: warning: nothing defines the variable \"COMMANDE\""}));
}

TEST_F(Check, KeysACommandDoesNotReadOrLacks) {
    scratch.write("p/install.ini",
                  "Installe\n+\n"
                  "\tREG_LIT\n\t+\n\t\tRacine = \"HKEY_CURRENT_USER\"\n\t\tBranch = \"S\"\n"
                  "\t\tNom = \"n\"\n\t\tVariable = \"V\"\n\t-\n"
                  "\tEXECUTE\n\t+\n\t\t\"a.exe\"\n\t\t+\n\t\t\tINI = \"c:\\\\\"\n\t\t-\n\t-\n"
                  "\tFCOPY\n\t+\n\t\t\"a\" = \"b\"\n\t\t+\n\t\t\tINI = \"c:\\\\\"\n\t\t-\n\t-\n"
                  "\tSI_EGAL\n\t+\n\t\tChaine1 = \"a\"\n\t\tChaine2 = \"b\"\n"
                  "\t\tOui\n\t\t+\n\t\t\tPLAGE\n\t\t\t+\n\t\t\t\tChaine = \"abc\"\n\t\t\t-\n\t\t-\n"
                  "\t-\n"
                  "-\n");
    EXPECT_EQ(findings(),
              (Lines{"install.ini:6: error: REG_LIT does not read \"Branch\"",
                     "install.ini:3: error: REG_LIT needs \"Branche\"",
                     "install.ini:21: error: FCOPY does not read \"INI\" under its items",
                     "install.ini:30: error: PLAGE needs \"Variable\""}));
}

TEST_F(Check, LibrariesThatNoOptionGives) {
    scratch.write("p/install.ini",
                  "Installe\n+\n\tCPLIB\n\t+\n"
                  "\t\t\"${lib_DATA}\" = \"c:\\\\a\"\n\t\t\"DATA\" = \"c:\\\\b\"\n"
                  "\t\t\"${lib_DOCS}\" = \"c:\\\\c\"\n\t\t\"${INSTALLE}\xA4sub\" = \"c:\\\\d\"\n"
                  "\t-\n-\n");
    EXPECT_EQ(findings({"--library", "DATA-2=" + (scratch / "data")}),
              (Lines{"install.ini:6: error: CPLIB names the library \"DATA\", which no --library "
                     "gives",
                     "install.ini:7: error: no --library gives the library of \"lib_DOCS\""}));
}

TEST_F(Check, ReferencesThatNothingDefinesAreWarnings) {
    scratch.write("p/var.ini", "FROM_VARS = \"1\"\n");
    scratch.write(
        "p/install.ini",
        "Globale\n+\n\tFROM_GLOBALS = \"1\"\n-\n"
        "Variable\n+\n\tDECLARED = \"&Dossier\"\n-\n"
        "SSFct\n+\n\tf\n\t+\n\t\tAFFECTE\n\t\t+\n\t\t\tP = \"${0}\"\n\t\t-\n\t-\n-\n"
        "Installe\n+\n"
        "\tSI_EGAL\n\t+\n\t\tChaine1 = \"a\"\n\t\tChaine2 = \"b\"\n\t\tOui = \"FLAG\"\n\t-\n"
        "\tPLAGE\n\t+\n\t\tChaine = \"abc\"\n\t\tMemo = \"M\"\n\t\tVariable = \"R\"\n\t-\n"
        "\tAFFECTE\n\t+\n\t\tX = \"${FROM_VARS}${FROM_GLOBALS}${DECLARED}${SET_BELOW}"
        "${OSNOM}${COMPOSANT}${FLAG}${M0}${R}$NOPE ${P/Q}\"\n\t-\n"
        "-\n");
    scratch.write("p/c.cpx/install.ini",
                  "Produit\n+\n\tID = \"COMPOSANT\"\n-\n"
                  "Installe\n+\n\tAFFECTE\n\t+\n\t\tSET_BELOW = \"1\"\n\t-\n-\n");
    EXPECT_EQ(findings(),
              (Lines{"install.ini:35: warning: nothing defines the variable \"NOPE\""}));
    EXPECT_EQ(check().code, 0);
    EXPECT_EQ(check({"--strict"}).code, 1);
}

TEST_F(Check, NamesThatLeadNowhere) {
    scratch.write("p/install.ini",
                  "Langue\n+\n\t\"HKCU\\\\Software\\\\Editeur\" = \"Langue\"\n-\n"
                  "Variable\n+\n\tCHOIX = \"<Non|Oui Raccourci\"\n\tBON = \"<Non|Oui>Bureau\"\n-\n"
                  "Installe\n+\n"
                  "\tSSFCT\n\t+\n\t\tabsente\n\t-\n"
                  "\tREG_ECRIT\n\t+\n\t\tRacine = \"HKEY_Current_User\"\n\t\tBranche = \"S\"\n"
                  "\t\tNom = \"n\"\n\t-\n"
                  "\tREG_CLONE\n\t+\n\t\t\"HKEY_USERS\\\\a\" = \"Software\\\\b\"\n\t-\n"
                  "-\nInstalle-en\n+\n-\nInstale\n+\n-\n");
    EXPECT_EQ(findings(),
              (Lines{"install.ini:3: error: \"HKCU\\Software\\Editeur\" does not begin with a "
                     "registry root (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, "
                     "HKEY_USERS or HKEY_CURRENT_CONFIG, in capitals)",
                     "install.ini:7: error: the choices of \"CHOIX\" open with \"<\" but never "
                     "close with \">\"",
                     "install.ini:14: error: SSFCT calls \"absente\", which no \"SSFct\" block "
                     "holds",
                     "install.ini:18: error: \"HKEY_Current_User\" does not begin with a registry "
                     "root (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS "
                     "or HKEY_CURRENT_CONFIG, in capitals)",
                     "install.ini:24: error: \"Software\\b\" does not begin with a registry root "
                     "(HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS or "
                     "HKEY_CURRENT_CONFIG, in capitals)",
                     "install.ini:30: warning: the installer reads no block named \"Instale\""}));
}

TEST_F(Check, AnUninstalledProductNeedsAnId) {
    scratch.write("p/var.ini", "DESTINATION = \"c:\\\\x\"\nDesinstallation = \"${DESTINATION}\"\n");
    scratch.write("p/install.ini", "Produit\n+\n\tVersion = \"1\"\n-\n");
    EXPECT_EQ(findings(),
              (Lines{"var.ini:2: error: \"Desinstallation\" needs an \"ID\" in the root "
                     "package's \"Produit\" block: it names the product's entry among "
                     "the installed programs"}));
    scratch.write("p/install.ini", "Produit\n+\n\tID = \"X\"\n-\n");
    EXPECT_EQ(findings(), Lines{});
}

TEST_F(Check, TranslationsOfTextsNothingShows) {
    scratch.write("p/install.ini",
                  "Installe\n+\n\tINFORMATION\n\t+\n\t\t\"Note\" = \"Bonjour\"\n\t-\n-\n"
                  "Traduction\n+\n\ten\n\t+\n\t\t\"Fermer\" = \"Close\"\n\t\t\"Bonjour\" = "
                  "\"Hello\"\n\t\t\"Suivant\" = \"Next\"\n\t-\n-\n");
    scratch.write("stub.exe", std::string("MZ\0Fermer\0Suivant \0", 20));
    EXPECT_EQ(findings({"--stub", scratch / "stub.exe"}),
              (Lines{"install.ini:14: error: the translation of \"Suivant\" matches no text the "
                     "product shows"}));
    // Without the stub the installer's own texts are unknown: nothing is claimed about them.
    EXPECT_EQ(check({"--stub", scratch / "none.exe"}).code, 0);
}

TEST_F(Check, LayersCompleteCommandsAndKeepTheirOwnLines) {
    scratch.write("p/install.ini",
                  "Installe\n+\n\tREG_ECRIT\n\t+\n\t\tRacine = \"HKEY_CURRENT_USER\"\n"
                  "\t\tBranche = \"S\"\n\t-\n-\n");
    scratch.write("p/install.ins", "Installe\n+\n\tREG_ECRIT\n\t+\n\t\tNom = \"n\"\n\t-\n-\n");
    scratch.write("p/install.inp", "# for every package\nInstalle\n+\n\tFCOPI\n-\n");
    scratch.write("p/c.cpx/install.ini", "Installe\n+\n-\n");
    // The root's layer reaches the component too; the mistake is told once.
    EXPECT_EQ(findings(), (Lines{"install.inp:4: error: unknown command \"FCOPI\""}));
}

TEST_F(Check, TheBuildStopsOnErrors) {
    scratch.write("p/install.ini", "Installe\n+\n\tFCOPI\n-\n");
    writeStub(scratch / "stub.exe", 135168);
    std::vector<std::string> build = {
        "build", "--description",      scratch / "p", "--stub", scratch / "stub.exe",
        "-o",    scratch / "setup.exe"};
    PackerRun stopped = runPacker(build);
    EXPECT_EQ(stopped.code, 1);
    EXPECT_NE(stopped.err.find("install.ini:3: error: unknown command \"FCOPI\""),
              std::string::npos)
        << stopped.err;
    EXPECT_FALSE(scratch.exists("setup.exe"));
    std::vector<std::string> unchecked = build;
    unchecked.push_back("--no-check");
    EXPECT_EQ(runPacker(unchecked).code, 0);

    // A variable nothing defines would send the files to a folder of its name: that warning
    // stops the build too, unless allowed.
    std::filesystem::remove(scratch / "setup.exe");
    scratch.write("p/install.ini", "Installe\n+\n\tMKDIR + \"${DESTINATON}\" -\n-\n");
    stopped = runPacker(build);
    EXPECT_EQ(stopped.code, 1);
    EXPECT_NE(stopped.err.find("1 warning(s) that would break the installation"), std::string::npos)
        << stopped.err;
    EXPECT_FALSE(scratch.exists("setup.exe"));
    build.push_back("--allow-warnings");
    EXPECT_EQ(runPacker(build).code, 0);
}

// Every example: its "product" folder with each other folder as the library of that name in
// capitals. The installer's own texts are not at hand natively, so only the notice that
// translations went unchecked may remain of what --strict would fail on.
TEST_F(Check, TheExamplesHaveNoFindings) {
    for (const std::string& example : entriesOf(SOURCE_DIR "/examples")) {
        const std::string folder = SOURCE_DIR "/examples/" + example;
        std::vector<std::string> args = {"check", folder + "/product"};
        for (std::string library : entriesOf(folder)) {
            if (library == "product" || library == "README.md") continue;
            const std::string path = folder + "/" + library;
            for (char& c : library) c = static_cast<char>(std::toupper(c));
            args.insert(args.end(), {"--library", library + "=" + path});
        }
        PackerRun run = runPacker(args);
        EXPECT_EQ(run.code, 0) << run.out;
        std::istringstream out(run.out);
        for (std::string line; std::getline(out, line);) {
            if (line.find("translations not checked") != std::string::npos) continue;
            EXPECT_EQ(line.find("error:"), std::string::npos) << line;
            EXPECT_EQ(line.find("warning:"), std::string::npos) << line;
        }
    }
}

}  // namespace

// Unattended installations by the real stub: no window, an answers file, a log and the exit code.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "e2e_paths.h"

namespace {

struct Quiet : ::testing::Test {
    TestFolder temp{"quiet-temp"};
    TestFolder folder{"quiet-program"};
    std::string setup = folder.path + "\\setup.exe";
    std::string target = folder.path + "\\installed";
    std::string answers = folder.path + "\\answers.txt";
    std::string log = folder.path + "\\install.log";

    void SetUp() override { temp.useAsTemporaryFolder(); }
    void pack(const std::string& product, const std::string& libraries) {
        ASSERT_EQ(0u, runToEnd(quotedPath(MKINSTALLER_PATH) + " build --description " +
                               quotedPath(product) + libraries + " --stub " +
                               quotedPath(STUB_PATH) + " -o " + quotedPath(setup)));
    }
    // Runs the installer with the answers file and the log; its exit code, no window shown.
    DWORD runQuietly() {
        RunningProgram run;
        EXPECT_TRUE(startProgram(run,
                                 quotedPath(setup) + " /0 /quiet /answers=" + quotedPath(answers) +
                                     " /log=" + quotedPath(log),
                                 folder.path));
        size_t windows = 0;
        DWORD code = waitForExitWatchingWindows(run, windows);
        EXPECT_EQ(0u, windows);
        EXPECT_TRUE(temp.isEmpty());
        return code;
    }
    bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

}  // namespace

TEST_F(Quiet, InstallsTheDemoAsItsAnswersSay) {
    std::string demo = std::string(EXAMPLES_DIR) + "\\demo";
    pack(demo + "\\product", " --library DATA=" + quotedPath(demo + "\\data") +
                                 " --library DOCS=" + quotedPath(demo + "\\docs"));
    writeFile(answers,
              "Produit\r\n+\r\n\tEDITEUR = 0\r\n\tAIDE = 1\r\n-\r\n"
              "Variable\r\n+\r\n\tDESTINATION = " + blockValue(target) + "\r\n-\r\n"
              "Reponse\r\n+\r\n\t\"Sans l'editeur, le produit ne sert pas a grand-chose. "
              "Continuer ?\" = \"Oui\"\r\n-\r\n");
    EXPECT_EQ(0u, runQuietly());
    EXPECT_EQ(fileBytes(demo + "\\data\\readme.txt"), fileBytes(target + "\\readme.txt"));
    EXPECT_EQ(fileBytes(demo + "\\docs\\guide.txt"), fileBytes(target + "\\aide\\guide.txt"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((target + "\\editeur").c_str()));
    std::string written = fileBytes(log);
    EXPECT_EQ(0u, written.find("Sans l'editeur, le produit ne sert pas a grand-chose. "
                               "Continuer ? -> Oui\r\nProduit install\xE9 : DEMO ("))
        << written;
    for (const std::string& line :
         {std::string("\r\nProduit install\xE9 : AIDE (Documentation)\r\n"),
          "\r\nParam\xE8tre : DESTINATION = " + target + "\r\n",
          std::string("\r\nFichiers copi\xE9s : ")})
        EXPECT_TRUE(has(written, line)) << line << written;
    EXPECT_FALSE(has(written, "EDITEUR (")) << written;
    EXPECT_TRUE(has(written, "INSTALLATION TERMINEE AVEC SUCCES\r\n\r\nMerci d'avoir choisi "
                             "Korvane\r\nCode de sortie : 0\r\n"))
        << written;
}

// The scripts' errors give exit code 1 and are in the log; a question without an answer takes
// its default.
TEST_F(Quiet, AFailingScriptEndsWithItsCodeAndItsErrorsLogged) {
    std::string key = "Software\\E2E-quiet-" + std::to_string(GetCurrentProcessId());
    std::string product = folder.path + "\\product";
    CreateDirectoryA(product.c_str(), nullptr);
    CreateDirectoryA((product + "\\base.cpx").c_str(), nullptr);
    CreateDirectoryA((product + "\\option.cpx").c_str(), nullptr);
    std::string keyPath = key;
    for (char& c : keyPath) c = c == '\\' ? '\xA4' : c;
    writeFile(product + "\\install.ini",
              "Produit\r\n+\r\n\tID = \"E2E\"\r\n-\r\n"
              "Installe\r\n+\r\n"
              "\tREG_ECRIT + Racine = \"HKEY_CURRENT_USER\" Branche = \"" + keyPath +
                  "\" Nom = \"Etat\" Valeur = \"ecrit\" -\r\n"
              "\tFCOPY + \"C:\xA4" "absent\xA4one.txt\" = \"C:\xA4" "absent\xA4two.txt\" -\r\n-\r\n");
    writeFile(product + "\\base.cpx\\install.ini",
              "Produit\r\n+\r\n\tID = \"BASE\"\r\n\tEtatDef = 1\r\n-\r\n");
    writeFile(product + "\\option.cpx\\install.ini",
              "Produit\r\n+\r\n\tID = \"OPTION\"\r\n\tEtatDef = 1\r\n"
              "\tMessEtat0 = \"Retirer l'option ?\"\r\n-\r\n");
    pack(product, "");
    writeFile(answers, "Produit\r\n+\r\n\tOPTION = 0\r\n-\r\n");

    EXPECT_EQ(1u, runQuietly());
    std::string written = fileBytes(log);
    EXPECT_EQ(0u, written.find("Retirer l'option ? -> Oui (d\xE9" "faut)\r\n")) << written;
    EXPECT_TRUE(has(written, "\r\nERREUR D'INSTALLATION\r\n")) << written;
    EXPECT_TRUE(has(written, "FCOPY : ")) << written;
    EXPECT_TRUE(has(written, "\r\nCode de sortie : 1\r\n")) << written;
    char value[64] = "";
    DWORD size = sizeof value;
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "Etat", RRF_RT_REG_SZ,
                                          nullptr, value, &size));
    EXPECT_STREQ("ecrit", value);
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

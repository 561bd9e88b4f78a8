// Start-up of the real stub: the message box of each start-up failure, read through its window,
// and the work folder of a run.
#include <gtest/gtest.h>

#include <vector>

#include "driver.h"
#include "e2e_paths.h"
#include "payload_bytes.h"

namespace {

// A message box of a failing start-up: its caption and text, and how many windows the program
// showed with it.
struct StartupMessage {
    std::string caption, text;
    size_t windows = 0;
};

// Runs the program, answers each expected message box with OK, in order, and waits for its end.
std::vector<StartupMessage> runThroughMessages(const std::string& program,
                                               const std::vector<std::string>& captions) {
    RunningProgram run;
    std::vector<StartupMessage> seen;
    EXPECT_TRUE(startProgram(run, quotedPath(program)));
    for (const std::string& caption : captions) {
        HWND box = waitForWindow(run, caption);
        EXPECT_NE(nullptr, box) << "no message box captioned " << caption;
        if (!box) break;
        seen.push_back({windowText(box), messageBoxText(box), programWindows(run).size()});
        pressButton(box, IDOK);
    }
    EXPECT_NE(0xFFFFFFFFu, waitForExit(run));
    seen.resize(captions.size());
    return seen;
}

StartupMessage runToMessage(const std::string& program, const std::string& caption) {
    return runThroughMessages(program, {caption})[0];
}

struct Startup : ::testing::Test {
    TestFolder temp{"startup-temp"};
    TestFolder programs{"startup-programs"};
    void SetUp() override { temp.useAsTemporaryFolder(); }
    std::string program(const std::string& bytes, const std::string& name = "setup.exe") {
        std::string path = programs.path + "\\" + name;
        writeFile(path, bytes);
        return path;
    }
};

}  // namespace

TEST_F(Startup, MissingTemporaryFolderIsTheOnlyWindowShown) {
    SetEnvironmentVariableA("TMP", (temp.path + "\\absent").c_str());
    SetEnvironmentVariableA("TEMP", temp.path.c_str());
    StartupMessage seen = runToMessage(program(fileBytes(STUB_PATH)), "Dossier incorrect");
    EXPECT_EQ("Impossible de trouver le dossier temporaire, contactez le support", seen.text);
    EXPECT_EQ(1u, seen.windows);
    EXPECT_TRUE(temp.isEmpty());
}

TEST_F(Startup, UnreadableDirectory) {
    StartupMessage seen = runToMessage(program(fileBytes(STUB_PATH) + "INSTALLE\t1234"), "Erreur");
    EXPECT_EQ("Fichier erron\xE9 - Impossible de retrouver les informations", seen.text);
}

TEST_F(Startup, MissingVolume) {
    std::string whole = realInstaller({{"DATA", std::string(100, 'd')}});
    std::vector<StartupMessage> seen =
        runThroughMessages(program(whole.substr(0, whole.size() - 50)),
                           {"Erreur", "Erreur", "Erreur de description d'installation"});
    EXPECT_EQ("Le fichier n'est pas de la bonne taille", seen[0].text);
    // Start-up goes on: the checksum of the short file and the missing description show theirs.
    EXPECT_EQ("Le fichier contient des erreurs", seen[1].text);
    EXPECT_EQ("Erreur, librairie introuvable : INSTALLE", seen[2].text);
}

TEST_F(Startup, SpoiltChecksum) {
    std::string spoilt = realInstaller({{"DATA", "some bytes"}});
    spoilt.back() ^= 1;
    std::vector<StartupMessage> seen =
        runThroughMessages(program(spoilt), {"Erreur", "Erreur de description d'installation"});
    EXPECT_EQ("Le fichier contient des erreurs", seen[0].text);
}

TEST_F(Startup, MissingInstallDescription) {
    StartupMessage seen = runToMessage(program(realInstaller({{"DATA", "some bytes"}})),
                                       "Erreur de description d'installation");
    EXPECT_EQ("Erreur, librairie introuvable : INSTALLE", seen.text);
}

// The wizard opens on the licence; Cancel leads to the state page, whose "Fermer" ends the run
// and takes the work folder away.
TEST_F(Startup, ProgramWithoutPayloadRunsTheWizardAndRemovesItsWorkFolder) {
    std::string stub = program(fileBytes(STUB_PATH));
    RunningProgram run;
    ASSERT_TRUE(startProgram(run, quotedPath(stub)));
    HWND wizard = waitForWindow(run, "Contrat de licence");
    ASSERT_NE(nullptr, wizard);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wizard, IDOK)));
    pressButton(wizard, 1001);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(wizard, IDOK)));
    EXPECT_FALSE(temp.isEmpty());
    EXPECT_NE(0xFFFFFFFFu, closeWizard(run));
    EXPECT_TRUE(temp.isEmpty());
}

// Without payload there is no model to write: the model modes run the wizard too.
TEST_F(Startup, ProgramWithoutPayloadInAModelModeLeavesItsFolderAlone) {
    std::string stub = program(fileBytes(STUB_PATH));
    writeFile(programs.path + "\\precious.txt", "keep me");
    RunningProgram run;
    ASSERT_TRUE(startProgram(run, quotedPath(stub) + " /1", programs.path));
    EXPECT_NE(0xFFFFFFFFu, closeWizard(run));
    EXPECT_EQ("keep me", fileBytes(programs.path + "\\precious.txt"));
}

TEST_F(Startup, WorkFolderIsTheFirstNameNotTakenYet) {
    writeFile(temp.path + "\\zav0", "a file, not a folder");
    CreateDirectoryA((temp.path + "\\zav1").c_str(), nullptr);
    RunningProgram run;
    ASSERT_TRUE(startProgram(run, quotedPath(program(fileBytes(STUB_PATH)))));
    ASSERT_NE(nullptr, waitForWindow(run, "Contrat de licence"));
    DWORD zav2 = GetFileAttributesA((temp.path + "\\zav2").c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, zav2);
    EXPECT_TRUE(zav2 & FILE_ATTRIBUTE_DIRECTORY);
    // The end of the run takes away its own folder and none it found.
    EXPECT_NE(0xFFFFFFFFu, closeWizard(run));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((temp.path + "\\zav2").c_str()));
    EXPECT_EQ("a file, not a folder", fileBytes(temp.path + "\\zav0"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((temp.path + "\\zav1").c_str()));
}

// Start-up and whole runs over program files built with the packer's own code. The test stands
// its program where the running program would be and sets TMP, TEMP and the command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/entry.h"
#include "app/exit_codes.h"
#include "app/install_session.h"
#include "app/session_startup.h"
#include "app/wizard.h"
#include "folder_tree.h"
#include "packages/package.h"
#include "payload/container_format.h"
#include "payload_bytes.h"
#include "platform/posix/fixed_module_path.h"
#include "scratch_folder.h"
#include "session/reset.h"
#include "session/stores.h"
#include "tools/mkinstaller/installer_builder.h"
#include "scripted_responder.h"

namespace {

struct Run : ::testing::Test {
    ScratchFolder temp{"run-temp"};
    ScratchFolder folder{"run-program"};
    ScratchFolder product{"run-product"};
    std::string setup = folder / "setup.exe";
    std::string stub = std::string(stubSize, 'S');
    ScriptedResponder shown;

    Run() {
        setenv("TMP", temp.path.c_str(), 1);
        setenv("TEMP", temp.path.c_str(), 1);
        setFixedModulePath(setup.c_str());
        resetSession();
        product.write("description/install.ini", "Produit\n+\nID = \"demo\"\n-\n");
        product.write("data/readme.txt", "read me");
        product.write("stub.exe", stub);
    }
    ~Run() override {
        setFixedModulePath(nullptr);
        unsetenv("TMP");
        unsetenv("TEMP");
        resetSession();
    }

    // The demo product packed by the packer: INSTALLE, DATA, CRC.
    std::string packed() {
        BuildOptions options;
        options.description = product / "description";
        options.libraries = {{"DATA", product / "data"}};
        options.stub = product / "stub.exe";
        options.output = product / "setup.exe";
        buildInstaller(options, nullptr);
        return product.read("setup.exe");
    }

    // "caption: text" of each start-up message shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> seen;
        for (ParamCell* c = shown.asked.children(); c; c = c->next)
            seen.push_back(std::string(c->node->value()) + ": " + c->node->valueOf("text"));
        return seen;
    }
};

}  // namespace

// The folder beside a program without payload is the user's: no mode changes anything in it, and
// mode 0 takes away only the work folder it made itself.
TEST_F(Run, WithoutPayloadNothingBesideTheProgramIsTouched) {
    folder.write("setup.exe", stub);
    folder.write("install.ini", "Produit\n+\nID = \"beside\"\n-\n");
    folder.write("precious.txt", "keep me");
    folder.write("sub/also.txt", "keep me too");
    const auto before = treeOf(folder.path);
    for (const char* mode : {"", "/1", "/2"}) {
        {
            InstallSession session(readCommandLine(mode).mode);
            startSession(session);
            EXPECT_EQ(StartupStatus::ready, session.startupStatus) << mode;
            EXPECT_STREQ("beside", session.rootPackage->id.text()) << mode;
            runWizard(session);
        }
        resetSession();
        // The native wizard window closes at once, without a report: a stop.
        EXPECT_EQ(exitStopped, runApplication(mode)) << mode;
        resetSession();
        EXPECT_EQ(before, treeOf(folder.path)) << mode;
        EXPECT_TRUE(treeOf(temp.path).empty()) << mode;
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(Run, StartupFailuresAreShownAndStopBeforeTheWizard) {
    std::string sound = packed();
    std::string flipped = sound;
    flipped[flipped.size() - 10] ^= 1;
    const struct {
        const char* what;
        std::string program;
        std::string shown;
    } cases[] = {
        {"damaged directory", stub + "INSTALLE",
         "Erreur: Fichier erron\xE9 - Impossible de retrouver les informations"},
        {"checksum", flipped, "Erreur: Le fichier contient des erreurs"},
        {"no INSTALLE", installerFile({{"DATA", "bytes"}}, true, stub),
         "Erreur de description d'installation: Erreur, librairie introuvable : INSTALLE"},
    };
    for (const auto& c : cases) {
        folder.write("setup.exe", c.program);
        shown.asked.reset(Reach::tree);
        resetSession();
        InstallSession session(SessionMode::install);
        startSession(session);
        EXPECT_EQ(StartupStatus::stopped, session.startupStatus) << c.what;
        EXPECT_EQ(exitStartupFailure, session.exitCode) << c.what;
        EXPECT_EQ(std::vector<std::string>{c.shown}, messages()) << c.what;
    }
    // The failed runs took their work folders away. A sound program reaches the wizard, whose end
    // removes the work folder it made and not one it found.
    EXPECT_TRUE(treeOf(temp.path).empty());
    temp.write("zav0/other.txt", "another run's");
    folder.write("setup.exe", sound);
    shown.asked.reset(Reach::tree);
    resetSession();
    const auto left = treeOf(temp.path);
    EXPECT_EQ(exitStopped, runApplication(""));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(left, treeOf(temp.path));
}

TEST_F(Run, ModelModesWriteTheModelBesideTheProgram) {
    folder.write("setup.exe", packed());
    folder.makeFolder("Maquette");
    const struct {
        const char* mode;
        const char* file;   // in the model
        std::string start;  // of its bytes
    } cases[] = {{"/1", "DATA", "\x1f\x8b"}, {"/2", "DATA/readme.txt", "read me"}};
    for (const auto& c : cases) {
        resetSession();
        InstallSession session(readCommandLine(c.mode).mode);
        startSession(session);
        EXPECT_EQ(StartupStatus::stopped, session.startupStatus) << c.mode;
        EXPECT_EQ(exitSuccess, session.exitCode) << c.mode;
        EXPECT_EQ("Produit\n+\nID = \"demo\"\n-\n", folder.read("Maquette/setup.cpx/install.ini"));
        EXPECT_EQ(
            c.start,
            folder.read(std::string("Maquette/setup.cpx/") + c.file).substr(0, c.start.size()))
            << c.mode;
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(treeOf(temp.path).empty());

}

// An answers file whose entries name nothing of the installation stops it before anything is
// installed, naming each with its line: misspelt names, a question nobody asks, another format.
TEST_F(Run, AnswersThatNameNothingStopTheRun) {
    product.write("description/install.ini",
                  "Produit\n+\nID = \"demo\"\n-\nVariable\n+\nCIBLE = \"Dossier\"\n-\n"
                  "Installe\n+\nINFORMATION  +  \"${CIBLE} existe. Continuer ?\"  -\n-\n");
    folder.write("setup.exe", packed());
    folder.write("answers.txt", "Produit\n+\nDEMO = 1\n-\n"
                                "Variable\n+\nCIBLE = \"x\"\nCIBEL = \"y\"\n-\n"
                                "Reponse\n+\n\"C:\\\\A existe. Continuer ?\" = \"Oui\"\n"
                                "\"Continuer ?\" = \"Oui\"\n-\n"
                                "DESTINATION=D:/X\n");
    const std::string answers = folder / "answers.txt", log = folder / "install.log";
    EXPECT_EQ(exitStartupFailure,
              runApplication(("/quiet /answers=" + answers + " /log=" + log).c_str()));
    EXPECT_EQ("R\xE9ponses inconnues de l'installation dans " + answers +
                  " :\r\nligne 3 : DEMO\r\nligne 8 : CIBEL\r\nligne 13 : Continuer ?"
                  "\r\nligne 15 : DESTINATION=D:/X\r\n\r\nCode de sortie : 3\r\n",
              folder.read("install.log"));
    EXPECT_TRUE(treeOf(temp.path).empty());
}

// Without a "Maquette" folder the model's own folder appears only with the description: a library
// listed before it cannot be written and is named; the others are, and the run ends with errors.
TEST_F(Run, AModelLibraryThatCannotBeWrittenIsNamed) {
    std::string description =
        gzipped(beginFolder("") + fileRecord("install.ini", "Produit\n+\n-\n") + endFolder());
    folder.write("setup.exe", installerFile({{"EARLY", "early"},
                                             {"INSTALLE", description},
                                             {"LATE", "late"}},
                                            true, stub));
    InstallSession session(SessionMode::modelStored);
    startSession(session);
    EXPECT_EQ(exitInstallErrors, session.exitCode);
    EXPECT_EQ(std::vector<std::string>{"Erreur de d\xE9" "compactage: Erreur de copie de la "
                                       "librairie interne EARLY=>" +
                                       folder.path + "\\Maquette\\setup.cpx\\EARLY\n"},
              messages());
    EXPECT_EQ("late", folder.read("Maquette/setup.cpx/LATE"));

    // Where no model folder can be made, every library fails alike: that is said once.
    std::filesystem::remove_all(folder / "Maquette");
    folder.write("Maquette", "a file, not a folder");
    shown.asked.reset(Reach::tree);
    resetSession();
    InstallSession blocked(SessionMode::modelUnpacked);
    startSession(blocked);
    EXPECT_EQ(exitInstallErrors, blocked.exitCode);
    EXPECT_EQ(std::vector<std::string>{"Erreur de d\xE9" "compactage: Impossible de cr\xE9" "er le "
                                       "dossier : " + folder.path + "\\Maquette\\setup.cpx\n"},
              messages());
}

// A quiet run passes every page with the answers file's values and logs what it installed, the
// report and its exit code; one whose answers file is missing shows nothing, installs nothing and
// logs why, and one whose log cannot be written stops before anything is unpacked.
TEST_F(Run, QuietRunsInstallFromTheirAnswersAndLogTheOutcome) {
    product.write("description/install.ini",
                  "Produit\n+\nID = \"demo\"\n-\n"
                  "Variable\n+\nCIBLE = \"Dossier\"\n-\n"
                  "Installe\n+\nFAPPEND  +  \"${CIBLE}/done.txt\" = \"ok\"  -\n-\n");
    product.write("description/var.ini", "CIBLE = \"" + (folder / "default") + "\"\n");
    folder.write("setup.exe", packed());
    folder.makeFolder("chosen");
    folder.write("answers.txt", "Variable\n+\nCIBLE = \"" + (folder / "chosen") + "\"\n-\n");
    const std::string log = folder / "install.log";
    const std::string options = " /log=" + log + " /quiet";

    std::string answers = folder / "answers.txt";
    EXPECT_EQ(exitSuccess, runApplication(("/0 /answers=" + answers + options).c_str()));
    EXPECT_NE(std::string::npos, folder.read("chosen/done.txt").find("ok"));
    EXPECT_EQ("Produit install\xE9 : demo\r\nParam\xE8tre : CIBLE = " + (folder / "chosen") +
                  "\r\nFichiers copi\xE9s : 0 (0 octets)\r\n"
                  "INSTALLATION TERMINEE AVEC SUCCES\r\n\r\nMerci d'avoir choisi Korvane\r\n"
                  "Code de sortie : 0\r\n",
              folder.read("install.log"));

    resetSession();
    std::string missing = folder / "none.txt";
    EXPECT_EQ(exitStartupFailure, runApplication(("/answers=" + missing + options).c_str()));
    EXPECT_EQ("R\xE9ponses illisibles : " + missing + "\r\n\r\nCode de sortie : 3\r\n",
              folder.read("install.log"));
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(treeOf(temp.path).empty());

    // A refused command line that asks for a log shows no window: its message is in the log.
    resetSession();
    EXPECT_EQ(exitStartupFailure, runApplication(("/quite /log=" + log).c_str()));
    EXPECT_EQ("Option inconnue : /quite\r\n\r\nCode de sortie : 3\r\n", folder.read("install.log"));
    EXPECT_TRUE(messages().empty());

    resetSession();
    std::string unwritable = " /quiet /log=" + (folder / "absent/install.log");
    EXPECT_EQ(exitStartupFailure, runApplication(("/answers=" + answers + unwritable).c_str()));
    EXPECT_TRUE(treeOf(temp.path).empty());
}

// The model modes: "/1" and "/2" write the payload out beside the program instead of installing.
#include <gtest/gtest.h>

#include "driver.h"
#include "e2e_paths.h"
#include "payload_bytes.h"

namespace {

// An uncompressed install description holding one install.ini.
const std::string oneFileArchive =
    beginFolder("") + fileRecord("install.ini", "Produit\r\n") + endFolder();

struct Model : ::testing::Test {
    TestFolder temp{"model-temp"};
    TestFolder folder{"model-program"};
    std::string setup = folder.path + "\\setup.exe";
    std::string model = folder.path + "\\Maquette\\setup.cpx";
    std::string product = std::string(EXAMPLES_DIR) + "\\demo\\product";
    std::string data = std::string(EXAMPLES_DIR) + "\\demo\\data";

    void SetUp() override { temp.useAsTemporaryFolder(); }

    DWORD pack(const std::string& arguments) {
        return runToEnd(quotedPath(MKINSTALLER_PATH) + " " + arguments);
    }
    // The demo without all its libraries: the checks of a complete product do not apply.
    void packDemo() {
        ASSERT_EQ(0u, pack("build --no-check --description " + quotedPath(product) +
                           " --library DATA=" + quotedPath(data) + " --stub " +
                           quotedPath(STUB_PATH) + " -o " + quotedPath(setup)));
    }
    // Runs the installer in a model mode; true when it ended without showing any window.
    bool runQuietly(const char* mode) {
        RunningProgram run;
        EXPECT_TRUE(startProgram(run, quotedPath(setup) + " " + mode, folder.path));
        size_t windows = 0;
        EXPECT_NE(0xFFFFFFFFu, waitForExitWatchingWindows(run, windows));
        return windows == 0;
    }
    // Runs the installer in a model mode that fails: the text of its "Erreur de décompactage" box,
    // answered once read, and the exit code.
    std::string unpackingMessage(const char* mode, DWORD& code) {
        RunningProgram run;
        EXPECT_TRUE(startProgram(run, quotedPath(setup) + " " + mode, folder.path));
        HWND box = waitForWindow(run,
                                 "Erreur de d\xE9"
                                 "compactage");
        std::string text = box ? messageBoxText(box) : "(no message)";
        if (box) pressButton(box, IDOK);
        code = waitForExit(run);
        return text;
    }
    bool exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

}  // namespace

TEST_F(Model, PackedLibrariesAreWrittenAsStored) {
    packDemo();
    CreateDirectoryA((folder.path + "\\Maquette").c_str(), nullptr);
    CreateDirectoryA(model.c_str(), nullptr);
    writeFile(model + "\\stale.txt", "from an earlier model");

    EXPECT_TRUE(runQuietly("/1"));
    EXPECT_EQ(fileBytes(product + "\\install.ini"), fileBytes(model + "\\install.ini"));
    EXPECT_EQ(fileBytes(product + "\\editor.cpx\\install.ini"),
              fileBytes(model + "\\editor.cpx\\install.ini"));
    EXPECT_FALSE(exists(model + "\\stale.txt"));
    // DATA is the library exactly as the packer stored it: the same bytes as a loose library.
    ASSERT_EQ(
        0u, pack("pack-lib " + quotedPath(data) + " -o " + quotedPath(folder.path + "\\data.lib")));
    std::string stored = fileBytes(model + "\\DATA");
    EXPECT_EQ(fileBytes(folder.path + "\\data.lib"), stored);
    EXPECT_EQ("\x1f\x8b", stored.substr(0, 2));
    EXPECT_TRUE(temp.isEmpty());
}

TEST_F(Model, UnpackedLibrariesGetAFolderEach) {
    packDemo();
    EXPECT_TRUE(runQuietly("/2 and more words"));
    EXPECT_EQ(fileBytes(data + "\\readme.txt"), fileBytes(model + "\\DATA\\readme.txt"));
    EXPECT_EQ(fileBytes(data + "\\bin\\notepad.dat"),
              fileBytes(model + "\\DATA\\bin\\notepad.dat"));
    EXPECT_EQ(fileBytes(product + "\\var.ini"), fileBytes(model + "\\var.ini"));
}

// Without the model folder a library listed before the description has nowhere to go yet: it is
// named, the description is still written, and the run ends with the errors code.
TEST_F(Model, WithoutTheModelFolderALibraryBeforeTheDescriptionIsNamed) {
    writeFile(setup, realInstaller({{"DATA", "stored bytes"}, {"INSTALLE", oneFileArchive}}));

    DWORD code;
    EXPECT_EQ("Erreur de copie de la librairie interne DATA=>" + model + "\\DATA\n",
              unpackingMessage("/1", code));
    EXPECT_EQ(1u, code);
    EXPECT_EQ("Produit\r\n", fileBytes(model + "\\install.ini"));
    EXPECT_FALSE(exists(model + "\\DATA"));
}

TEST_F(Model, VolumesAreJoinedBesideTheProgram) {
    ASSERT_EQ(0u, pack("build --no-check --description " + quotedPath(product) +
                       " --library DATA=" + quotedPath(data) + " --stub " + quotedPath(STUB_PATH) +
                       " --volume-size 136000 -o " + quotedPath(setup)));
    ASSERT_TRUE(exists(setup + "1"));
    EXPECT_TRUE(runQuietly("/2"));
    EXPECT_EQ(fileBytes(data + "\\readme.txt"), fileBytes(model + "\\DATA\\readme.txt"));
    EXPECT_TRUE(exists(folder.path + "\\cloneexe.exe"));
}

TEST_F(Model, ExtraVariablesStayAsStoredInBothModes) {
    std::string variables = "OPTION = \"oui\"\r\n";
    writeFile(folder.path + "\\extra.ini", variables);
    ASSERT_EQ(0u, pack("build --no-check --description " + quotedPath(product) +
                       " --extra-variables " + quotedPath(folder.path + "\\extra.ini") +
                       " --stub " + quotedPath(STUB_PATH) + " -o " + quotedPath(setup)));
    for (const char* mode : {"/1", "/2"}) {
        EXPECT_TRUE(runQuietly(mode)) << mode;
        EXPECT_EQ(variables, fileBytes(model + "\\VARBONUS")) << mode;
    }
}

TEST_F(Model, LibraryNamesThatLeaveTheModelFolderAreRefused) {
    writeFile(setup, realInstaller({{"INSTALLE", oneFileArchive}, {"..\\evil", "stored bytes"}}));

    DWORD code;
    EXPECT_EQ("Nom de fichier encapsul\xE9 refus\xE9 : ..\\evil\n", unpackingMessage("/2", code));
    EXPECT_FALSE(exists(folder.path + "\\Maquette\\evil"));
    EXPECT_TRUE(exists(model + "\\install.ini"));
}

// Without standard output and error every diagnostic line fails to be written (one for each
// folder made here); the model is still written whole.
TEST_F(Model, AModelWithoutStandardOutputIsWrittenWhole) {
    std::string many = folder.path + "\\many";
    CreateDirectoryA(many.c_str(), nullptr);
    for (int i = 0; i < 60; ++i) {
        std::string sub = many + "\\folder" + std::to_string(i);
        CreateDirectoryA(sub.c_str(), nullptr);
        for (int j = 0; j < 5; ++j) writeFile(sub + "\\f" + std::to_string(j), sub + std::to_string(j));
    }
    ASSERT_EQ(0u, pack("build --no-check --description " + quotedPath(product) + " --library DATA=" +
                       quotedPath(many) + " --stub " + quotedPath(STUB_PATH) + " -o " +
                       quotedPath(setup)));
    RunningProgram run;
    ASSERT_TRUE(startProgram(run, quotedPath(setup) + " /2", folder.path, true));
    EXPECT_EQ(0u, waitForExit(run));
    for (int i = 0; i < 60; ++i) {
        std::string sub = "\\folder" + std::to_string(i);
        for (int j = 0; j < 5; ++j) {
            std::string name = sub + "\\f" + std::to_string(j);
            ASSERT_EQ(many + sub + std::to_string(j), fileBytes(model + "\\DATA" + name)) << name;
        }
    }
}

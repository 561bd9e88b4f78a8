// The products of examples/, each checked strictly, packed as its README says and installed by
// the wizard walker through every page with what the pages propose; then what it left is
// checked from outside. A layer moves its folders into the test's own.
#include <gtest/gtest.h>

#include <cctype>

#include "driver.h"
#include "e2e_paths.h"

namespace {

bool isLink(const std::string& path) {
    return fileBytes(path).substr(0, 4) == std::string("L\0\0\0", 4);
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct Example : ::testing::Test {
    TestFolder temp{"example-temp"};
    TestFolder folder{"example"};
    std::string installed = folder.path + "\\installed";
    std::string menu = folder.path + "\\menu";
    std::string source;

    void SetUp() override { temp.useAsTemporaryFolder(); }

    // Installs examples\NAME with its library folders (each the library of its name in
    // capitals), the parameter page proposing this destination; false when a step failed.
    bool install(const std::string& name, const std::vector<std::string>& folders,
                 const std::string& destination) {
        source = std::string(EXAMPLES_DIR) + "\\" + name;
        std::string product = folder.path + "\\product", setup = folder.path + "\\setup.exe";
        std::string options = " --stub " + quotedPath(STUB_PATH);
        for (std::string library : folders) {
            std::string path = quotedPath(source + "\\" + library);
            for (char& c : library) c = static_cast<char>(std::toupper(c));
            options += " --library " + library + "=" + path;
        }
        std::string packer = quotedPath(MKINSTALLER_PATH);
        if (runToEnd(packer + " check --strict " + quotedPath(source + "\\product") + options)) {
            return false;
        }
        copyTree(source + "\\product", product);
        writeFile(product + "\\var.ins", "DESTINATION = " + blockValue(destination) +
                                             "\r\nMENU = " + blockValue(menu) + "\r\n");
        // Where the Start menu would be, which exists on every system.
        CreateDirectoryA(menu.c_str(), nullptr);
        return runToEnd(packer + " build --description " + quotedPath(product) + options + " -o " +
                        quotedPath(setup)) == 0 &&
               runToEnd(quotedPath(WIZARD_WALK_PATH) + " " + quotedPath(setup)) == 0;
    }
    bool sameFile(const std::string& library, const std::string& installedPath) {
        return fileBytes(source + "\\" + library) == fileBytes(installedPath);
    }
};

}  // namespace

TEST_F(Example, FilesAndAShortcut) {
    ASSERT_TRUE(install("files-and-shortcut", {"fichiers"}, installed));
    EXPECT_TRUE(sameFile("fichiers\\lisezmoi.txt", installed + "\\lisezmoi.txt"));
    EXPECT_TRUE(sameFile("fichiers\\notes.txt", installed + "\\notes.txt"));
    EXPECT_TRUE(isLink(menu + "\\Lisez-moi.lnk"));
}

// Over version 1, recorded in the registry with a file that version 2 no longer has.
TEST_F(Example, RegistryGuidedUpgrade) {
    const char* key = "Software\\Exemples\\Carnet";
    CreateDirectoryA(installed.c_str(), nullptr);
    writeFile(installed + "\\carnet.idx", "index of version 1");
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, key, "Dossier", REG_SZ,
                                             installed.c_str(), installed.size() + 1));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, key, "Version", REG_SZ, "1", 2));

    EXPECT_TRUE(install("registry-upgrade", {"programme"}, folder.path + "\\proposed"));
    EXPECT_FALSE(exists(installed + "\\carnet.idx"));
    EXPECT_TRUE(sameFile("programme\\carnet.txt", installed + "\\carnet.txt"));
    EXPECT_FALSE(exists(folder.path + "\\proposed"));
    char version[16] = "";
    DWORD size = sizeof version;
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, key, "Version", RRF_RT_REG_SZ, nullptr,
                                          version, &size));
    EXPECT_STREQ("2", version);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Exemples");
}

// What the pages propose: the program with its shortcut, without the templates.
TEST_F(Example, ComponentsAndParameters) {
    ASSERT_TRUE(install("components-and-parameters", {"dessin", "modeles"}, installed));
    EXPECT_TRUE(sameFile("dessin\\atelier.txt", installed + "\\atelier.txt"));
    EXPECT_TRUE(isLink(menu + "\\Atelier.lnk"));
    EXPECT_FALSE(exists(installed + "\\modeles"));
}

// The products of examples/, each checked strictly, packed as its README says and installed by
// the wizard walker through every page with what the pages propose; then what it left is
// checked from outside. A layer moves its folders into the test's own.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>

#include "driver.h"
#include "e2e_paths.h"
#include "machine_state.h"

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

    std::string setup = folder.path + "\\setup.exe";

    // Packs examples\NAME into setup with its library folders (each the library of its name in
    // capitals), the parameter page proposing this destination; false when a step failed.
    bool pack(const std::string& name, const std::vector<std::string>& folders,
              const std::string& destination) {
        source = std::string(EXAMPLES_DIR) + "\\" + name;
        std::string product = folder.path + "\\product";
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
        removeTree(product);
        copyTree(source + "\\product", product);
        writeFile(product + "\\var.ins", "DESTINATION = " + blockValue(destination) +
                                             "\r\nMENU = " + blockValue(menu) + "\r\n");
        // Where the Start menu would be, which exists on every system.
        CreateDirectoryA(menu.c_str(), nullptr);
        return runToEnd(packer + " build --description " + quotedPath(product) + options + " -o " +
                        quotedPath(setup)) == 0;
    }
    // pack, then the installation through every page of the wizard.
    bool install(const std::string& name, const std::vector<std::string>& folders,
                 const std::string& destination) {
        return pack(name, folders, destination) &&
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

namespace {

// The command that the product's entry in the list of programs gives for a removal without
// questions, read as a deployment tool reads it; empty when there is none.
std::string quietUninstallString(const std::string& id) {
    std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + id;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        char command[2048] = "";
        DWORD size = sizeof command;
        if (RegGetValueA(root, key.c_str(), "QuietUninstallString",
                         RRF_RT_REG_SZ | RRF_SUBKEY_WOW6432KEY, nullptr, command,
                         &size) == ERROR_SUCCESS)
            return command;
    }
    return "";
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// How many files and folders, and registry keys and values, a step added or took away.
void printFigures(const char* step, const std::set<std::string>& lines) {
    int files = 0, registry = 0;
    for (const std::string& line : lines) ++(line.compare(1, 2, "c:") == 0 ? files : registry);
    std::printf("%s: %d files and folders, %d registry keys and values differ from before\n", step,
                files, registry);
}

bool waitUntilGone(const std::string& path) {
    for (int i = 0; i < 600 && exists(path); ++i) Sleep(100);
    return !exists(path);
}

}  // namespace

// Each example installed quietly and removed by its entry's QuietUninstallString: the machine
// is as it was, but for one file changed after the installation, kept with its folder.
TEST_F(Example, EachIsRemovedLeavingOnlyTheFileChangedSince) {
    struct Product {
        const char* name;
        const char* id;
        std::vector<std::string> libraries;
        const char* changed;  // below the installed folder
    } const products[] = {
        {"files-and-shortcut", "BLOCNOTES", {"fichiers"}, "notes.txt"},
        {"registry-upgrade", "CARNET", {"programme"}, "carnet.txt"},
        {"components-and-parameters", "ATELIER", {"dessin", "modeles"}, "atelier.txt"},
        {"demo", "DEMO", {"data", "docs"}, "readme.txt"},
    };
    const std::string log = folder.path + "\\uninstall.log";
    for (const Product& product : products) {
        SCOPED_TRACE(product.name);
        ASSERT_TRUE(pack(product.name, product.libraries, installed));
        // Other tests install the demo and leave its shortcut on the shared desktop: an earlier
        // file that the installation replaces stays, as it is then.
        DeleteFileA("C:\\users\\Public\\Desktop\\Bloc-notes de d\xE9monstration.lnk");
        MachineState before = machineState();
        ASSERT_EQ(0u, runToEnd(quotedPath(setup) + " /quiet"));
        std::string command = quietUninstallString(product.id);
        ASSERT_NE("", command);
        printFigures(product.name, changes(before, machineState()));
        const std::string changed = installed + "\\" + product.changed;
        writeFile(changed, fileBytes(changed) + "changed since");

        EXPECT_EQ(0u, runToEnd(command + " /log=" + quotedPath(log)));
        EXPECT_TRUE(waitUntilGone(installed + "\\desinstalle.exe"));
        EXPECT_NE(std::string::npos, fileBytes(log).find(changed)) << fileBytes(log);
        DeleteFileA(log.c_str());
        std::set<std::string> left = changes(before, machineState());
        printFigures("  then removed", left);
        std::string shown;
        for (const std::string& line : left) shown += line + "\n";
        ASSERT_EQ(2u, left.size()) << shown;
        EXPECT_EQ("+" + lower(installed) + "\\", *left.begin());
        EXPECT_EQ(0u, left.rbegin()->find("+" + lower(changed) + " ")) << shown;
        removeTree(installed);
    }
}

// An installer is often started from a download folder, where other downloads may be DLLs named
// like system ones. A DLL that leaves a marker file when loaded is copied beside the demo
// installer under such names; a whole installation through every page, about box included, must
// leave no marker.
#include <gtest/gtest.h>
#include <windows.h>

#include "driver.h"
#include "e2e_paths.h"

namespace {

// The names the installer's process loads once it runs, from a trace of a whole installation
// under Wine (WINEDEBUG=+loaddll): oleaut32, usp10 and msimg32 by name, riched20 by path; and
// names Windows loads for such windows, which Wine does not (msftedit, dwmapi, cryptbase).
//
// Left out: what Wine loads while it starts the process, before any code of the installer runs.
// Those are the DLLs that its kernel32, user32, gdi32, shell32, comdlg32, advapi32 and ole32
// import (version, comctl32, imm32, shlwapi, shcore, compstui, winspool.drv, rpcrt4, combase,
// sechost, ucrtbase, kernelbase, win32u), and uxtheme, which its comctl32 loads then and again
// through a delayed import that Wine resolves on the process's first search path. Wine looks for
// them in the program's folder first; Windows takes them from its own folder, as imports of DLLs
// it always takes from there.
const char* const plantedNames[] = {"oleaut32", "usp10",  "msimg32",  "riched20",
                                    "msftedit", "dwmapi", "cryptbase"};

// Wine puts its own built-in DLL in place of a file of the same name that its search finds,
// unless told to prefer that file: with this it loads what the search finds, as Windows does.
// Told in the registry for the installer's program name alone; Windows has no use for the key.
struct NativeFirst {
    std::string key;
    explicit NativeFirst(const std::string& program)
        : key("Software\\Wine\\AppDefaults\\" + program + "\\DllOverrides") {
        for (const char* name : plantedNames) {
            RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, "native,builtin", 15);
        }
    }
    ~NativeFirst() {
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, key.substr(0, key.rfind('\\')).c_str());
    }
};

}  // namespace

TEST(PlantedDlls, NoneIsLoadedThroughAWholeInstallation) {
    TestFolder temp{"planted-temp"};
    TestFolder folder{"planted-program"};
    temp.useAsTemporaryFolder();
    std::string demo = std::string(EXAMPLES_DIR) + "\\demo";
    std::string product = folder.path + "\\product", setup = folder.path + "\\setup.exe";
    std::string installed = folder.path + "\\installed";
    copyTree(demo + "\\product", product);
    writeFile(product + "\\var.ins",
              "DESTINATION = " + blockValue(installed) + "\r\nRACCOURCI = \"Non\"\r\n");
    ASSERT_EQ(0u, runToEnd(quotedPath(MKINSTALLER_PATH) + " build --description " +
                           quotedPath(product) + " --library DATA=" + quotedPath(demo + "\\data") +
                           " --library DOCS=" + quotedPath(demo + "\\docs") + " --stub " +
                           quotedPath(STUB_PATH) + " -o " + quotedPath(setup)));
    for (const char* name : plantedNames) {
        std::string planted = folder.path + "\\" + name + ".dll";
        ASSERT_TRUE(CopyFileA(MARKER_DLL_PATH, planted.c_str(), FALSE)) << planted;
    }

    {
        NativeFirst overrides("setup.exe");
        EXPECT_EQ(0u, runToEnd(quotedPath(WIZARD_WALK_PATH) + " " + quotedPath(setup)));
    }
    EXPECT_EQ(fileBytes(demo + "\\data\\readme.txt"), fileBytes(installed + "\\readme.txt"));
    for (const char* name : plantedNames) {
        std::string marker = folder.path + "\\" + name + ".dll.loaded";
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(marker.c_str())) << name;
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Exemple\\Demo");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Exemple");
}

// The system as Wine reports it: its default version, and the versions a
// prefix can be set to (HKCU\Software\Wine "Version"), which a process
// reads when it starts, hence a child process of this program for each.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/system_info.h"
#include "process_bits.h"
#include "scratch_folder.h"

namespace {

bool underWine() {
    return GetProcAddress(GetModuleHandleA("ntdll"), "wine_get_version") != nullptr;
}

struct Report {
    int id = -1;
    std::string name;
};

// Sets the prefix's version for a child run of the reporting test below and
// puts the old setting back.
Report reportUnder(const char* version) {
    HKEY wine;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &wine, nullptr);
    char old[64] = "";
    DWORD oldSize = sizeof old;
    bool hadOld = RegQueryValueExA(wine, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(old),
                                   &oldSize) == ERROR_SUCCESS;
    RegSetValueExA(wine, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   DWORD(strlen(version) + 1));

    ScratchFolder folder("wine-version");
    std::string file = folder / "report.txt";
    SetEnvironmentVariableA("SYSINFO_REPORT", file.c_str());
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command = std::string("\"") + program +
                          "\" --gtest_filter=WineVersionChild.* --gtest_also_run_disabled_tests";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &child)) {
        WaitForSingleObject(child.hProcess, 60000);
        CloseHandle(child.hProcess);
        CloseHandle(child.hThread);
    }
    SetEnvironmentVariableA("SYSINFO_REPORT", nullptr);

    if (hadOld)
        RegSetValueExA(wine, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(old),
                       DWORD(strlen(old) + 1));
    else
        RegDeleteValueA(wine, "Version");
    RegCloseKey(wine);

    Report report;
    std::ifstream in(file);
    in >> report.id;
    in.get();
    std::getline(in, report.name);
    return report;
}

}  // namespace

// Run only in the child process that reportUnder starts.
TEST(WineVersionChild, DISABLED_Report) {
    const char* file = std::getenv("SYSINFO_REPORT");
    ASSERT_TRUE(file);
    TextBuffer name;
    int32_t id = OsIdentify(&name);
    std::ofstream(file) << id << "\n" << name.text() << "\n";
}

TEST(WineVersions, AWow64ProcessReports64Bits) {
    SKIP_UNLESS_32BIT_PROCESS();
    char folder[MAX_PATH];
    bool wow64 = GetSystemWow64DirectoryA(folder, MAX_PATH) != 0;
    EXPECT_EQ(OsBits(), wow64 ? 64 : 32);
}

TEST(WineVersions, TheDefaultIsWindows7) {
    if (!underWine()) GTEST_SKIP() << "Wine only";
    TextBuffer name;
    EXPECT_EQ(OsIdentify(&name), 1000);
    std::string bits = OsBits() == 64 ? "64" : "32";
    EXPECT_STREQ(name.text(), ("Windows 7 (6.1 with Service Pack 1) - " + bits + "bits").c_str());
}

TEST(WineVersions, XpAndWindows10) {
    if (!underWine()) GTEST_SKIP() << "Wine only";
    std::string bits = " - " + std::string(OsBits() == 64 ? "64" : "32") + "bits";
    Report xp = reportUnder("winxp");
    EXPECT_EQ(xp.id, 800);
    EXPECT_EQ(xp.name, "Windows XP (5.1 with Service Pack 3)" + bits);
    Report ten = reportUnder("win10");
    EXPECT_EQ(ten.id, 2000);
    EXPECT_EQ(ten.name.find("Windows ("), 0u) << ten.name;
    EXPECT_NE(ten.name.find(bits), std::string::npos) << ten.name;
}

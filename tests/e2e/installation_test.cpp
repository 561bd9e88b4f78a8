// Whole installations by the real stub: a product packed by the packer, installed through every
// page of the wizard, then the files, registry values and links it left checked from outside.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>

#include "icon_file.h"
#include "installation_fixture.h"

namespace {

// The text of a window of another process, asked of the window itself.
std::string sentText(HWND window) {
    char text[1024] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool shown(HWND window, int id) {
    return IsWindowVisible(GetDlgItem(window, id)) != FALSE;
}

// Bytes that do not compress, so that a library is as large on disk as its files.
std::string noise(size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (size_t i = 0; i + 4 <= size; i += 4) {
        uint32_t word = generator();
        memcpy(&bytes[i], &word, 4);
    }
    return bytes;
}

}  // namespace

TEST_F(Installation, InstallsFilesRegistryValuesAndALink) {
    std::string key = "Software\\E2E-" + std::to_string(GetCurrentProcessId());
    writeFile(data + "\\readme.txt", "Lisez-moi\r\n");
    CreateDirectoryA((data + "\\bin").c_str(), nullptr);
    writeFile(data + "\\bin\\tool.dat", noise(300000, 1));
    std::string to = scriptPath(target);
    pack("\tMKDIR + \"" + to + "\" -\r\n"
         "\tCPLIB + \"${lib_PAYLOAD}\" = \"" + to + "\" -\r\n"
         "\tREG_ECRIT + Racine = \"HKEY_CURRENT_USER\" Branche = \"" + scriptPath(key) +
         "\" Nom = \"Dossier\" Valeur = \"" + to + "\" -\r\n"
         "\tREG_ECRIT + Racine = \"HKEY_CURRENT_USER\" Branche = \"" + scriptPath(key) +
         "\" Nom = \"Version\" Valeur = \"__dword:5\" -\r\n"
         "\tRACCOURCI + PosLien = \"" + to + "\xA4Lisez-moi.lnk\" ExeLien = \"" + to +
         "\xA4readme.txt\" -\r\n"
         "\tOUVRE + \"" + to + "\xA4readme.txt\" -\r\n");

    HWND wizard = startInstalling();
    ASSERT_NE(nullptr, wizard);
    ASSERT_EQ(wizard, waitForReport());
    std::string report = controlText(wizard, 1000);
    EXPECT_NE(std::string::npos, report.find("INSTALLATION TERMINEE AVEC SUCCES")) << report;
    EXPECT_NE(std::string::npos, report.find("Merci d'avoir choisi Korvane")) << report;
    EXPECT_FALSE(shown(wizard, IDOK));
    EXPECT_EQ("Ouvrir les 1 dossier(s) demand\xE9(s)", controlText(wizard, 1012));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(wizard, 1012), BM_GETCHECK, 0, 0));
    // Nothing is to be opened by the test's run.
    pressButton(wizard, 1012);
    close(wizard);

    EXPECT_EQ(fileBytes(data + "\\readme.txt"), fileBytes(target + "\\readme.txt"));
    EXPECT_TRUE(fileBytes(data + "\\bin\\tool.dat") == fileBytes(target + "\\bin\\tool.dat"));
    EXPECT_EQ(std::string("L\0\0\0", 4), fileBytes(target + "\\Lisez-moi.lnk").substr(0, 4));
    char text[MAX_PATH] = "";
    DWORD size = sizeof text;
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "Dossier",
                                          RRF_RT_REG_SZ, nullptr, text, &size));
    EXPECT_EQ(target, text);
    DWORD version = 0;
    size = sizeof version;
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "Version",
                                          RRF_RT_REG_DWORD, nullptr, &version, &size));
    EXPECT_EQ(5u, version);
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

// The publisher's name and licence given to the packer: the licence page shows that licence, the
// report thanks that publisher.
// An installer built with every option that sets how it presents itself, run at 144 DPI (150%):
// the publisher's licence and thanks and its program folder, with the window laid out at 150%.
// (The icon is read from the file by the identity tests: another process's icon handle is not
// readable under Wine.)
TEST_F(Installation, ShowsThePublishersLicenceAndNameAt150Percent) {
    std::string licence = folder.path + "\\licence.rtf", icon = folder.path + "\\product.ico";
    writeFile(licence, "{\\rtf1\\ansi Licence de ${SOCIETE} pour l'essai\\par}");
    writeFile(icon, iconFile({32, 16}, 0xFF2080C0));
    std::string name = "E2E-" + std::to_string(GetCurrentProcessId());
    pack("\tMKDIR + \"${WIN_PROGRAMMES}\xA4" + name + "\" -\r\n",
         "--publisher \"Editions Lune\" --licence " + quotedPath(licence) + " --icon " +
             quotedPath(icon) + " --elevation user --product-version 3.2");
    HKEY desktop;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0,
                                           KEY_SET_VALUE, &desktop));
    DWORD dpi = 144;
    RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi), sizeof dpi);
    HWND wizard = startInstalling();
    RegDeleteValueA(desktop, "LogPixels");
    RegCloseKey(desktop);
    ASSERT_NE(nullptr, wizard);
    EXPECT_EQ(0u, licenceShown.find("Licence de Editions Lune pour l'essai")) << licenceShown;
    RECT place;
    GetWindowRect(wizard, &place);
    // The dialog is laid out in its font's units: at 150% it is half as wide again.
    EXPECT_GT(place.right - place.left, 700) << place.right - place.left;
    ASSERT_EQ(wizard, waitForReport());
    std::string report = controlText(wizard, 1000);
    EXPECT_NE(std::string::npos, report.find("Merci d'avoir choisi Editions Lune")) << report;
    close(wizard);
    bool made = false;
    for (const char* variable : {"ProgramW6432", "ProgramFiles(x86)", "ProgramFiles"}) {
        char programs[MAX_PATH];
        if (!GetEnvironmentVariableA(variable, programs, sizeof programs)) continue;
        std::string path = std::string(programs) + "\\" + name;
        if (RemoveDirectoryA(path.c_str())) made = true;
    }
    EXPECT_TRUE(made);
}

// Two failing commands: the red report lists them newest first, and the export writes it. (The
// shell then opens the file where the prefix has a program for it; stopping Wine ends that.)
TEST_F(Installation, FailuresAreReportedAndExported) {
    std::string missing = scriptPath(folder.path + "\\absent");
    pack("\tFCOPY + \"" + missing + "\xA4one.txt\" = \"" + missing + "\xA4two.txt\" -\r\n"
         "\tFAPPEND + \"" + missing + "\xA4log.txt\" = \"x\" -\r\n");
    HWND wizard = startInstalling();
    ASSERT_NE(nullptr, wizard);
    ASSERT_EQ(wizard, waitForReport());
    std::string report = controlText(wizard, 1000);
    size_t title = report.find(" !!!!! ERREUR D'INSTALLATION !!!!! ");
    size_t newest = report.find("FAPPEND : "), oldest = report.find("FCOPY : ");
    EXPECT_NE(std::string::npos, title) << report;
    EXPECT_LT(title, newest);
    EXPECT_LT(newest, oldest);
    EXPECT_NE(std::string::npos, oldest) << report;
    ASSERT_EQ("Exporter...", controlText(wizard, IDOK));

    // The save dialog runs inside the click, so the click is posted, not sent.
    PostMessageA(wizard, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(wizard, IDOK)));
    HWND dialog = nullptr;
    for (int waited = 0; !dialog && waited < hangTimeoutMs; waited += 50) {
        for (HWND window : programWindows(run)) {
            if (window != wizard) dialog = window;
        }
        Sleep(50);
    }
    ASSERT_NE(nullptr, dialog);
    HWND name = GetDlgItem(dialog, 0x47C) ? GetDlgItem(dialog, 0x47C) : GetDlgItem(dialog, 0x480);
    EXPECT_EQ("buginstall.txt", sentText(name));
    std::string exported = folder.path + "\\rapport.txt";
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(exported.c_str()));
    pressButton(dialog, IDOK);
    std::string plain;
    for (int waited = 0; plain.empty() && waited < hangTimeoutMs; waited += 50) {
        Sleep(50);
        plain = fileBytes(exported);
    }
    EXPECT_EQ(0u, plain.find("ERREUR D'INSTALLATION\r\n\r\nDes erreurs ont \xE9t\xE9 rencontr\xE9"
                             "es durant l'installation\r\nContactez le support\r\n\r\n"));
    EXPECT_NE(std::string::npos, plain.find("\r\n\r\nFAPPEND : "));
    close(wizard);
}

// The Enter key on the installation page, which the dialog turns into a click on its default
// button: the page stays until the worker is done, so the commands after a long one still run.
TEST_F(Installation, EnterOnTheInstallationPageWaitsForTheWorker) {
    pack("\tEXECUTESTOP + \"" + scriptPath(SLEEPER_PATH) + " 3000\" -\r\n"
         "\tMKDIR + \"" + scriptPath(target) + "\" -\r\n");
    HWND wizard = startInstalling();
    ASSERT_NE(nullptr, wizard);
    ASSERT_EQ("Installation en cours...", windowText(wizard));
    PostMessageA(wizard, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(wizard, WM_KEYUP, VK_RETURN, 0);
    ASSERT_EQ(wizard, waitForReport());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(target.c_str()));
    std::string report = controlText(wizard, 1000);
    EXPECT_NE(std::string::npos, report.find("INSTALLATION TERMINEE AVEC SUCCES")) << report;
    close(wizard);
}

// Cancel while a large library is being unpacked by a product that can be removed: the worker
// stops after the file under way, what it did is undone, and the state page follows.
TEST_F(Installation, CancelDuringALongCopyStopsTheWorkerAndUndoesItsWork) {
    for (int i = 0; i < 100; ++i) {
        writeFile(data + "\\part" + std::to_string(i) + ".bin", noise(1 << 20, i));
    }
    writeFile(product + "\\var.ini", "Desinstallation = " + blockValue(target) + "\r\n");
    pack("\tCPLIB + \"${lib_PAYLOAD}\" = \"" + scriptPath(target) + "\" -\r\n");
    HWND wizard = startInstalling();
    ASSERT_NE(nullptr, wizard);
    ASSERT_EQ("Installation en cours...", windowText(wizard));
    // Once the unpacking has begun.
    while (GetFileAttributesA((target + "\\part0.bin").c_str()) == INVALID_FILE_ATTRIBUTES &&
           windowText(wizard) == "Installation en cours...") {
        Sleep(20);
    }
    auto cancelled = std::chrono::steady_clock::now();
    pressButton(wizard, IDCANCEL);
    ASSERT_EQ(wizard, waitForReport());
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - cancelled);
    std::printf("cancel to the state page: %lld ms\n", static_cast<long long>(waited.count()));
    // The file under way is a megabyte: well under this even through an emulated loader.
    EXPECT_LT(waited.count(), 10000);
    std::string report = controlText(wizard, 1000);
    EXPECT_NE(std::string::npos, report.find("ARRET UTILISATEUR"));
    EXPECT_NE(std::string::npos, report.find("a \xE9t\xE9 d\xE9" "fait")) << report;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(target.c_str()));
    close(wizard);
}

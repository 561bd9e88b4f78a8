#include "installation_fixture.h"

std::string scriptPath(std::string path) {
    for (char& c : path) {
        if (c == '\\') c = '\xA4';
    }
    return path;
}

void Installation::SetUp() {
    temp.useAsTemporaryFolder();
    CreateDirectoryA(product.c_str(), nullptr);
    CreateDirectoryA(data.c_str(), nullptr);
}

void Installation::pack(const std::string& commands, const std::string& options) {
    writeFile(product + "\\install.ini",
              "Produit\r\n+\r\n\tID = \"E2E\"\r\n\tTitre = \"Produit d'essai\"\r\n-\r\n"
              "Installe\r\n+\r\n" + commands + "-\r\n");
    ASSERT_EQ(0u, runToEnd(quotedPath(MKINSTALLER_PATH) + " build --description " +
                           quotedPath(product) + " --library PAYLOAD=" + quotedPath(data) +
                           " --stub " + quotedPath(STUB_PATH) + " " + options + " -o " +
                           quotedPath(setup)));
}

HWND Installation::startInstalling() {
    EXPECT_TRUE(startProgram(run, quotedPath(setup), folder.path));
    HWND wizard = waitForWindow(run, "Contrat de licence");
    if (!wizard) return nullptr;
    licenceShown = controlText(wizard, 1000);
    pressButton(wizard, 1001);
    pressButton(wizard, IDOK);
    EXPECT_EQ("Environnement d'installation", windowText(wizard));
    pressButton(wizard, IDOK);
    return wizard;
}

HWND Installation::waitForReport() {
    return waitForWindow(run, "Etat de l'installation");
}

void Installation::close(HWND wizard) {
    pressButton(wizard, IDCANCEL);
    EXPECT_NE(0xFFFFFFFFu, waitForExit(run));
    EXPECT_TRUE(temp.isEmpty());
}

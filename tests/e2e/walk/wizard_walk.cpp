// Walks an installer through its whole wizard as its user would, for scripts/demo and for
// measuring installations by hand: accepts the licence, takes the proposed products, components
// and parameters, installs, opens the about box and closes. With a shots folder it asks for a
// photograph on each page: it writes NAME.ready there, holding the window's place on the screen
// as WIDTHxHEIGHT+LEFT+TOP, and waits for the caller to write NAME.png and NAME.done. It prints
// how long the installation took and the installer's peak working set.
//   wizard_walk SETUP [SHOTS_FOLDER]
// Exit code 0 when the installation reported success and the installer ended.
#include <cstdio>
#include <string>

#include "../driver.h"

#include <psapi.h>

namespace {

std::string shots;

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void photograph(const std::string& name, HWND window) {
    if (shots.empty()) return;
    RECT place;
    GetWindowRect(window, &place);
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", place.right - place.left,
                  place.bottom - place.top, place.left, place.top);
    FILE* ready = std::fopen((shots + "\\" + name + ".ready").c_str(), "w");
    if (ready) {
        std::fputs(geometry, ready);
        std::fclose(ready);
    }
    for (int waited = 0; !exists(shots + "\\" + name + ".done") && waited < 60000; waited += 50) {
        Sleep(50);
    }
    std::printf("  %s.png\n", name.c_str());
}

// The caption the wizard shows once it has left this one.
std::string nextCaption(const RunningProgram& run, HWND wizard, const std::string& caption) {
    for (int waited = 0; waited < hangTimeoutMs; waited += 50) {
        std::string now = windowText(wizard);
        if (now != caption) return now;
        if (WaitForSingleObject(run.process.hProcess, 50) == WAIT_OBJECT_0) break;
    }
    return std::string();
}

HWND otherWindow(const RunningProgram& run, HWND wizard) {
    for (int waited = 0; waited < hangTimeoutMs; waited += 50) {
        for (HWND window : programWindows(run)) {
            if (window != wizard) return window;
        }
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: wizard_walk SETUP [SHOTS_FOLDER]\n");
        return 2;
    }
    if (argc == 3) shots = argv[2];
    RunningProgram run;
    if (!startProgram(run, "\"" + std::string(argv[1]) + "\"")) return 1;
    HWND wizard = waitForWindow(run, "Contrat de licence");
    if (!wizard) return 1;
    photograph("1-licence", wizard);
    pressButton(wizard, 1001);
    pressButton(wizard, IDOK);
    const char* pages[][2] = {{"Produits \xE0 installer", "2-products"},
                              {"Composants des produits s\xE9lectionn\xE9s", "3-components"},
                              {"Environnement d'installation", "4-parameters"}};
    DWORD started = GetTickCount();
    for (auto& page : pages) {
        if (windowText(wizard) != page[0]) continue;
        photograph(page[1], wizard);
        started = GetTickCount();
        pressButton(wizard, IDOK);
    }
    if (windowText(wizard) == "Installation en cours...") {
        photograph("5-installing", wizard);
        // A short installation may be over before the photograph.
        if (windowText(wizard) != "Installation en cours...") {
            DeleteFileA((shots + "\\5-installing.png").c_str());
            std::printf("  (the installation ended before its page could be photographed)\n");
        }
    }
    if (nextCaption(run, wizard, "Installation en cours...") != "Etat de l'installation") return 1;
    DWORD took = GetTickCount() - started;
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(run.process.hProcess, &memory, sizeof memory);
    std::printf("installation: %lu ms; peak working set of the installer: %lu KB\n",
                static_cast<unsigned long>(took),
                static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    bool succeeded =
        controlText(wizard, 1000).find("INSTALLATION TERMINEE AVEC SUCCES") != std::string::npos;
    // The demo opens nothing on the machine it runs on.
    if (SendMessageA(GetDlgItem(wizard, 1012), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        pressButton(wizard, 1012);
    }
    photograph("6-report", wizard);

    PostMessageA(wizard, WM_SYSCOMMAND, 16, 0);
    HWND about = otherWindow(run, wizard);
    if (about) {
        photograph("7-about", about);
        pressButton(about, IDOK);
    }
    pressButton(wizard, IDCANCEL);
    DWORD code = waitForExit(run);
    std::printf("the installation %s; the installer ended with exit code %lu\n",
                succeeded ? "reported success" : "reported a failure",
                static_cast<unsigned long>(code));
    return succeeded && code != 0xFFFFFFFF ? 0 : 1;
}

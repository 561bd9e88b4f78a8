// Walks an installer through its whole wizard as its user would, for scripts/demo and for
// measuring installations by hand: accepts the licence, takes the proposed products, components
// and parameters, installs, opens the about box and closes. With a shots folder it asks for a
// photograph on each page: it writes NAME.ready there, holding the window's place on the screen
// as WIDTHxHEIGHT+LEFT+TOP, and waits for the caller to write NAME.png and NAME.done. It prints
// how long the installation took and the installer's peak working set. Pages are told apart by
// their controls, not their captions, so an installer in any language walks the same.
//   wizard_walk SETUP [SHOTS_FOLDER]
// Exit code 0 when the installation reported success and the installer ended.
#include <cstdio>
#include <string>

#include "../driver.h"

#include <commctrl.h>
#include <psapi.h>

namespace {

// The wizard's controls by id.
enum {
    controlRichText = 1000,
    controlAccept = 1001,
    controlProgress = 1008,
    controlOpenFolders = 1012,
    controlList = 1013,
};

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

bool shows(HWND wizard, int controlId) {
    return IsWindowVisible(GetDlgItem(wizard, controlId)) != FALSE;
}

// The wizard's window, once its licence page is laid out.
HWND waitForWizard(const RunningProgram& run) {
    for (int waited = 0; waited < hangTimeoutMs; waited += 50) {
        for (HWND window : programWindows(run)) {
            if (GetDlgItem(window, controlList) && shows(window, controlAccept)) return window;
        }
        if (WaitForSingleObject(run.process.hProcess, 50) == WAIT_OBJECT_0) break;
    }
    return nullptr;
}

// The parameter list has two columns, the product and component lists five.
bool listsParameters(HWND wizard) {
    HWND header = reinterpret_cast<HWND>(SendDlgItemMessageA(wizard, controlList, LVM_GETHEADER, 0, 0));
    return SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) == 2;
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
    HWND wizard = waitForWizard(run);
    if (!wizard) return 1;
    photograph("1-licence", wizard);
    pressButton(wizard, controlAccept);
    pressButton(wizard, IDOK);
    DWORD started = GetTickCount();
    const char* listPages[] = {"2-products", "3-components"};
    int listPage = 0;
    while (shows(wizard, controlList)) {
        bool parameters = listsParameters(wizard);
        photograph(parameters ? "4-parameters" : listPages[listPage++ % 2], wizard);
        started = GetTickCount();
        pressButton(wizard, IDOK);
        if (parameters) break;
    }
    const std::string installing = windowText(wizard);
    if (shows(wizard, controlProgress)) {
        photograph("5-installing", wizard);
        // A short installation may be over before the photograph.
        if (!shows(wizard, controlProgress)) {
            DeleteFileA((shots + "\\5-installing.png").c_str());
            std::printf("  (the installation ended before its page could be photographed)\n");
        }
    }
    nextCaption(run, wizard, installing);
    // The caption changes before the report's controls show; the window answers a message only
    // once the whole page is laid out.
    DWORD_PTR answer;
    SendMessageTimeoutA(wizard, WM_NULL, 0, 0, SMTO_NORMAL, hangTimeoutMs, &answer);
    if (!shows(wizard, controlRichText) || shows(wizard, controlProgress)) return 1;
    DWORD took = GetTickCount() - started;
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(run.process.hProcess, &memory, sizeof memory);
    std::printf("installation: %lu ms; peak working set of the installer: %lu KB\n",
                static_cast<unsigned long>(took),
                static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    // The report offers its export only after a failure.
    bool succeeded = !shows(wizard, IDOK);
    // The demo opens nothing on the machine it runs on.
    if (SendMessageA(GetDlgItem(wizard, controlOpenFolders), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        pressButton(wizard, controlOpenFolders);
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

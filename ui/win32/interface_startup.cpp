#include "ui/interface_startup.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/bitmap.h"

namespace {

// An installer is often started from a download folder: DLLs planted beside it must never be
// loaded, so the search is restricted to the system folder where the system supports it.
void restrictDllSearch() {
    typedef BOOL(WINAPI * SetDirectoriesFn)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    SetDirectoriesFn setDirectories =
        kernel ? (SetDirectoriesFn)(void*)GetProcAddress(kernel, "SetDefaultDllDirectories")
               : nullptr;
    if (setDirectories) setDirectories(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
    SetDllDirectoryA("");
}

HMODULE loadSystemLibrary(const char* name) {
    char path[MAX_PATH + 32];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    return LoadLibraryA(path);
}

// The common controls are not among the DLLs the system always takes from its own folder, so an
// import of them would be resolved beside the program before any code of ours runs: they are
// loaded by path instead.
void initCommonControls() {
    typedef BOOL(WINAPI * InitControlsFn)(const INITCOMMONCONTROLSEX*);
    HMODULE controls = loadSystemLibrary("comctl32.dll");
    InitControlsFn init =
        controls ? (InitControlsFn)(void*)GetProcAddress(controls, "InitCommonControlsEx")
                 : nullptr;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    if (init) init(&classes);
}

}  // namespace

void initInterfaceLibraries() {
    restrictDllSearch();
    initCommonControls();
    loadSystemLibrary("riched20.dll");
    // The themed controls reach the image blending library through a delayed import, which Wine
    // resolves on the search path the process started with (the program's folder first), restricted
    // or not. Loaded by path now, it is the one every later load by name finds.
    loadSystemLibrary("msimg32.dll");
}

#include "ui/interface_startup.h"

#include <windows.h>
#include <commctrl.h>

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

void loadSystemLibrary(const char* name) {
    char path[MAX_PATH + 32];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    LoadLibraryA(path);
}

}  // namespace

void initInterfaceLibraries() {
    restrictDllSearch();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    loadSystemLibrary("riched20.dll");
}

void releaseInterfaceResources() {}

#include "platform/later_removal.h"

#include <windows.h>

#include <vector>

bool removeAfterExit(const char* file, const std::vector<TextBuffer>& folders) {
    char system[MAX_PATH];
    UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    TextBuffer interpreter(system);
    interpreter.appendPath("cmd.exe");
    // "ping" waits about a second before each try; "rd" without "/s" removes only empty folders.
    // A plain sequence: compound commands in a loop are not read alike by every interpreter.
    TextBuffer line("cmd.exe /c");
    for (int attempt = 0; attempt < 3; ++attempt) {
        line.append(" ping -n 2 127.0.0.1 >nul & del /f /q \"");
        line.append(file);
        line.append("\" 2>nul &");
    }
    for (const TextBuffer& folder : folders) {
        line.append(" rd \"");
        line.append(folder);
        line.append("\" 2>nul &");
    }
    line.append(" exit");
    // The system may write into the command line it is given.
    std::vector<char> command(line.text(), line.text() + line.length() + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(interpreter.text(), command.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, system, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

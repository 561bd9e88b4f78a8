#include "platform/system_programs.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

namespace {

void waitForEnd(HANDLE process, const std::atomic<bool>* stop) {
    if (!stop) {
        WaitForSingleObject(process, INFINITE);
        return;
    }
    // Short waits, so that a cancel is seen soon.
    while (!stop->load() && WaitForSingleObject(process, 50) == WAIT_TIMEOUT) {
    }
}

}  // namespace

bool systemShellOpen(const char* file, const char* folder) {
    HINSTANCE result = ShellExecuteA(nullptr, "open", file, ".", folder, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool systemStartProgram(const char* commandLine, const char* folder, ProgramWait wait,
                        const std::atomic<bool>* stop) {
    // The system may write into the command line it is given.
    std::vector<char> line(commandLine, commandLine + std::strlen(commandLine) + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &process))
        return false;
    if (wait == ProgramWait::untilEnded) waitForEnd(process.hProcess, stop);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

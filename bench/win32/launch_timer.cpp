// Times Windows programs from inside Wine, for bench/compare. They start as a shell starts a
// windowed program, without standard handles: under Wine a program would otherwise write its
// diagnostic lines to the launching terminal, a system call per byte.
//   launch_timer wizard SETUP   one installation through the wizard, driven as a user would:
//       from the launch to the licence page, and from the click on "Installer..." to the
//       report; then the installer's peak working set. Prints "licence S install S peak MB"
//       and fails unless the report says the installation succeeded.
//   launch_timer run COMMAND_LINE   from the launch to the end; prints "exit CODE seconds S".
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "tests/e2e/driver.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string reportText(HWND wizard) {
    char text[4096] = "";
    SendDlgItemMessageA(wizard, 1000, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool startWithoutHandles(RunningProgram& program, std::string commandLine,
                         const std::string& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;  // all three null
    program.started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &program.process) != 0;
    return program.started;
}

int runCommand(const std::string& commandLine) {
    auto launched = std::chrono::steady_clock::now();
    RunningProgram program;
    DWORD code = startWithoutHandles(program, commandLine, "") ? waitForExit(program) : 0xFFFFFFFF;
    std::printf("exit %lu seconds %.3f\n", static_cast<unsigned long>(code),
                secondsSince(launched));
    return 0;
}

int timeWizard(const std::string& setup) {
    std::string folder = setup.substr(0, setup.find_last_of("\\/"));
    RunningProgram run;
    auto launched = std::chrono::steady_clock::now();
    if (!startWithoutHandles(run, "\"" + setup + "\"", folder)) return 1;
    HWND wizard = waitForWindow(run, "Contrat de licence");
    double licence = secondsSince(launched);
    if (!wizard) return 1;
    pressButton(wizard, 1001);
    pressButton(wizard, IDOK);
    if (windowText(wizard) != "Environnement d'installation") return 1;
    auto clicked = std::chrono::steady_clock::now();
    pressButton(wizard, IDOK);
    if (waitForWindow(run, "Etat de l'installation") != wizard) return 1;
    double install = secondsSince(clicked);

    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(run.process.hProcess, &memory, sizeof memory);
    bool succeeded = reportText(wizard).find("INSTALLATION TERMINEE AVEC SUCCES") != std::string::npos;
    pressButton(wizard, IDCANCEL);
    waitForExit(run);
    std::printf("licence %.3f install %.3f peak %.1f\n", licence, install,
                memory.PeakWorkingSetSize / 1048576.0);
    if (!succeeded) std::fprintf(stderr, "launch_timer: the report shows no success\n");
    return succeeded ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "wizard" && argc == 3) return timeWizard(argv[2]);
    if (mode == "run") {
        // The command line as given, after the mode.
        const char* line = GetCommandLineA();
        const char* rest = std::strstr(line, " run ");
        if (rest) return runCommand(rest + 5);
    }
    std::fprintf(stderr, "usage: launch_timer wizard SETUP | launch_timer run COMMAND_LINE\n");
    return 2;
}

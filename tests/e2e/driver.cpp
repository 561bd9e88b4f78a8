#include "driver.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <commctrl.h>

RunningProgram::~RunningProgram() {
    if (!started) return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool startProgram(RunningProgram& program, const std::string& commandLine,
                  const std::string& folder, bool withoutStandardHandles) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // The three handles stay null.
    if (withoutStandardHandles) startup.dwFlags = STARTF_USESTDHANDLES;
    std::string writable = commandLine;
    program.started =
        CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &program.process) != 0;
    return program.started;
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM data) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> programWindows(const RunningProgram& program) {
    WindowSearch search = {program.process.dwProcessId, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForWindow(const RunningProgram& program, const std::string& caption, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        for (HWND window : programWindows(program)) {
            if (windowText(window) == caption) return window;
        }
        if (WaitForSingleObject(program.process.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

bool waitUntilClosed(HWND window, int timeoutMs) {
    HWND owner = GetWindow(window, GW_OWNER);
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        bool gone = !IsWindow(window) || !IsWindowVisible(window);
        if (gone && (!owner || IsWindowEnabled(owner))) return true;
        Sleep(50);
    }
    return false;
}

std::string windowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    GetWindowTextA(window, &text[0], length + 1);
    text.resize(lstrlenA(text.c_str()));
    return text;
}

std::string messageBoxText(HWND box) {
    // The message of a standard message box is its static control 0xFFFF.
    HWND label = GetDlgItem(box, 0xFFFF);
    return label ? windowText(label) : std::string();
}

void pressButton(HWND window, int controlId) {
    HWND button = GetDlgItem(window, controlId);
    if (button) {
        SendMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), 0);
    }
}

std::string controlText(HWND window, int controlId) {
    HWND control = GetDlgItem(window, controlId);
    int length = static_cast<int>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    SendMessageA(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(lstrlenA(text.c_str()));
    return text;
}

// Asked for in UTF-16 and converted here: from a process of the other word size, Wine hands a
// row over in UTF-16 even to the ANSI message, writing twice the length it announced.
std::vector<std::string> listBoxRows(HWND list) {
    std::vector<std::string> rows;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        std::wstring wide(SendMessageW(list, LB_GETTEXTLEN, row, 0) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&wide[0]));
        std::string text(wide.size(), '\0');
        int length = WideCharToMultiByte(1252, 0, wide.c_str(), -1, &text[0],
                                         static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(length > 0 ? length - 1 : 0);
        rows.push_back(text);
    }
    return rows;
}

void setControlText(HWND window, int controlId, const std::string& text) {
    SendMessageA(GetDlgItem(window, controlId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

namespace {

// A button event that carries its own screen position, so that it lands where it is sent however
// far the program has got with earlier moves of the cursor.
void sendMouse(int x, int y, DWORD button) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    SendInput(1, &input, sizeof input);
}

}  // namespace

// The row's place comes from messages that carry no pointers, which cross into a process of
// another word size unchanged: the header's rectangle, and the row height as the difference of
// the list's approximate heights for two rows and for one.
void clickListRow(HWND list, int row, bool right) {
    RECT header = {};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
    LRESULT one = SendMessageA(list, LVM_APPROXIMATEVIEWRECT, 1, MAKELPARAM(-1, -1));
    LRESULT two = SendMessageA(list, LVM_APPROXIMATEVIEWRECT, 2, MAKELPARAM(-1, -1));
    int rowHeight = HIWORD(two) - HIWORD(one);
    int x = header.left + 10, y = header.bottom + row * rowHeight + rowHeight / 2;
    sendMouse(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    sendMouse(x, y, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void postButton(HWND window, int controlId) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, controlId)));
}

DWORD waitForExit(RunningProgram& program, int timeoutMs) {
    if (WaitForSingleObject(program.process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(program.process.hProcess, 0xFFFFFFFF);
        return 0xFFFFFFFF;
    }
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(program.process.hProcess, &code);
    return code;
}

DWORD waitForExitWatchingWindows(RunningProgram& program, size_t& mostWindows, int timeoutMs) {
    mostWindows = 0;
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        mostWindows = std::max(mostWindows, programWindows(program).size());
        if (WaitForSingleObject(program.process.hProcess, 20) == WAIT_OBJECT_0) break;
    }
    return waitForExit(program, 0);
}

DWORD runToEnd(const std::string& commandLine, const std::string& folder) {
    RunningProgram program;
    if (!startProgram(program, commandLine, folder)) return 0xFFFFFFFF;
    return waitForExit(program);
}

DWORD runCapturing(const std::string& commandLine, std::string& output) {
    char folder[MAX_PATH], name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "out", 0, name);
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    HANDLE file = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0,
                              nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = file;
    std::string writable = commandLine;
    RunningProgram program;
    program.started = CreateProcessA(nullptr, &writable[0], nullptr, nullptr, TRUE, 0, nullptr,
                                     nullptr, &startup, &program.process) != 0;
    CloseHandle(file);
    DWORD code = program.started ? waitForExit(program) : 0xFFFFFFFF;
    std::ifstream written(name, std::ios::binary);
    output.assign(std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>());
    written.close();
    DeleteFileA(name);
    return code;
}

DWORD closeWizard(RunningProgram& program) {
    HWND wizard = waitForWindow(program, "Contrat de licence");
    if (!wizard) return 0xFFFFFFFF;
    pressButton(wizard, IDCANCEL);
    if (windowText(wizard) != "Etat de l'installation") return 0xFFFFFFFF;
    pressButton(wizard, IDCANCEL);
    return waitForExit(program);
}

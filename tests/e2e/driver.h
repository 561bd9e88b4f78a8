#pragma once
// Drives a real installer under Wine from outside: starts it, finds its windows by caption,
// reads their texts and presses their buttons, and reads its full exit code.
#include <windows.h>

#include <string>
#include <vector>

struct RunningProgram {
    PROCESS_INFORMATION process = {};
    bool started = false;
    ~RunningProgram();
};

// Starts `commandLine` in `folder` (empty: the current folder); with `withoutStandardHandles`,
// with no standard input, output or error, as a shell's "<&- >&- 2>&-" would start it.
bool startProgram(RunningProgram& program, const std::string& commandLine,
                  const std::string& folder = "", bool withoutStandardHandles = false);

// The timeouts only stop a program that hangs: a 32-bit program started through an emulated Wine
// loader takes tens of seconds to show its first window.
const int hangTimeoutMs = 300000;

// The visible top-level windows of the program (message boxes and dialogs included).
std::vector<HWND> programWindows(const RunningProgram& program);

// Waits for a visible window of the program with exactly this caption; null after the timeout.
HWND waitForWindow(const RunningProgram& program, const std::string& caption,
                   int timeoutMs = hangTimeoutMs);

// Waits until the window is gone or hidden and its owner takes input again (a modal dialog takes a
// moment to close under Wine without a window manager, and clicks on its owner before then are
// lost); false after the timeout.
bool waitUntilClosed(HWND window, int timeoutMs = hangTimeoutMs);

std::string windowText(HWND window);
// The message text of a standard message box.
std::string messageBoxText(HWND box);
// Clicks the button with this control id, as a user would.
void pressButton(HWND window, int controlId);
// The text of a control of another program (an edit or rich-text control keeps its own text,
// so it is asked for with WM_GETTEXT).
std::string controlText(HWND window, int controlId);
// The rows of a list box of another program, in their order.
std::vector<std::string> listBoxRows(HWND list);
// Replaces the text of a control, as typing into it would.
void setControlText(HWND window, int controlId, const std::string& text);
// Clicks a row of a report-style list view through the mouse (left or right button); rows count
// from 0 and the list is assumed scrolled to its top.
void clickListRow(HWND list, int row, bool right);
// Clicks a button without waiting for what the click does: for a click that opens a modal window
// (pressButton would wait until that window is answered).
void postButton(HWND window, int controlId);

// Waits for the end of the program and returns its exit code (0xFFFFFFFF after the timeout,
// when the program is killed).
DWORD waitForExit(RunningProgram& program, int timeoutMs = hangTimeoutMs);

// Waits for the end of the program like waitForExit, noting the largest number of visible windows
// it had at any one time.
DWORD waitForExitWatchingWindows(RunningProgram& program, size_t& mostWindows,
                                 int timeoutMs = hangTimeoutMs);

// Leaves the wizard the only way its window allows, Cancel to the state page and then "Fermer",
// and waits for the end of the program; its exit code as waitForExit gives it (0xFFFFFFFF when the
// wizard did not show as expected).
DWORD closeWizard(RunningProgram& program);

// Runs a command line to its end and returns its exit code.
DWORD runToEnd(const std::string& commandLine, const std::string& folder = "");
// The same, with what the program wrote to its standard output and error in `output`.
DWORD runCapturing(const std::string& commandLine, std::string& output);

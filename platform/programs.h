#pragma once

#include <atomic>

// Whether StartProgram returns once the program has started or once it has ended.
enum class ProgramWait { none, untilEnded };

// Asks the shell to "open" file: a document opens in its program, a folder in
// a window, a program starts. folder is the start folder (none when blank).
// False, with a diagnostic line, when the shell refuses.
bool ShellOpen(const char* file, const char* folder);
// Starts the program of commandLine (its first word, in double quotes when it
// holds spaces) in folder (the caller's current folder when blank). Waiting
// until it has ended, returns then, or soon after *stop turns true when a stop
// flag is given (the program goes on running). False, with a diagnostic line,
// when the program cannot be started.
bool StartProgram(const char* commandLine, ProgramWait wait, const char* folder,
                  const std::atomic<bool>* stop = nullptr);

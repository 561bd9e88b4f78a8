#pragma once

#include <atomic>

#include "platform/programs.h"

// The system's side of ShellOpen and StartProgram, defined by each platform.
// folder is null when the caller gave none.
bool systemShellOpen(const char* file, const char* folder);
bool systemStartProgram(const char* commandLine, const char* folder, ProgramWait wait,
                        const std::atomic<bool>* stop);

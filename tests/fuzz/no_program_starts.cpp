// The fuzz build's programs: a fuzzed script would otherwise start whatever its bytes name.
// Nothing starts and nothing opens, as when the system refuses.
#include "platform/system_programs.h"

bool systemShellOpen(const char*, const char*) {
    return false;
}

bool systemStartProgram(const char*, const char*, ProgramWait, const std::atomic<bool>*) {
    return false;
}

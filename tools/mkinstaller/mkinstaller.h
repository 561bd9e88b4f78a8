#pragma once

#include <ostream>
#include <string>
#include <vector>

// The packer's streams: results, messages, and progress (null when output is not a terminal).
struct Console {
    std::ostream& out;
    std::ostream& err;
    std::ostream* progress;
};

// Runs one packer command line (without the program name); returns the exit code: 0 for
// success, 1 for a failure, 2 for a command line that cannot be understood.
int runMkinstaller(const std::vector<std::string>& args, Console& console);

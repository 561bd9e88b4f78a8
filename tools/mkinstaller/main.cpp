// The packer's entry: the command line, with progress shown when messages go to a terminal.
#include <unistd.h>

#include <iostream>

#include "tools/mkinstaller/mkinstaller.h"

int main(int argc, char** argv) {
    Console console{std::cout, std::cerr, isatty(2) ? &std::cerr : nullptr};
    return runMkinstaller(std::vector<std::string>(argv + 1, argv + argc), console);
}

#pragma once

// What the command line asks for. Only its first two characters count.
struct CommandLineChoice {
    bool sizeQuery;  // "/s": end at once with stubSize (the container's offset) as exit code
    int mode;        // SessionMode 0, 1 or 2 otherwise
};

// The text after the program name (quoted or not) and the blanks that follow it.
const char* commandLineTail(const char* fullCommandLine);

CommandLineChoice readCommandLine(const char* tail);

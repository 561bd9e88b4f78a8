#pragma once

// The stub's fixed size: the program occupies this many bytes of its file and the payload
// container starts right after them. It is also the exit code of the size query.
const int stubSize = 135168;

// What the command line asks for. Only its first two characters count.
struct CommandLineChoice {
    bool sizeQuery;  // "/s": end at once with stubSize as exit code
    int mode;        // SessionMode 0, 1 or 2 otherwise
};

// The text after the program name (quoted or not) and the blanks that follow it.
const char* commandLineTail(const char* fullCommandLine);

CommandLineChoice readCommandLine(const char* tail);

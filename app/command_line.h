#pragma once

#include "params/text_buffer.h"

// What the command line asks for. The first word selects the mode by its first two characters;
// the words after it that start with "/" are the options "/quiet", "/answers=FILE" and
// "/log=FILE" (any case, quotes around a word or part of it are removed), which may also stand
// first. Words without "/" are ignored.
struct CommandLineChoice {
    bool sizeQuery = false;  // "/s": end at once with stubSize as exit code, options unread
    int mode = 0;            // SessionMode 0, 1 or 2 otherwise
    bool quiet = false;      // no window: the wizard's pages pass with their defaults
    TextBuffer answersPath;  // empty when not given
    TextBuffer logPath;
    // Why the command line cannot be run (an unknown option, "/log=" without a file name among
    // them); empty when it can.
    TextBuffer error;
};

// The text after the program name (quoted or not) and the blanks that follow it.
const char* commandLineTail(const char* fullCommandLine);

CommandLineChoice readCommandLine(const char* tail);

#pragma once

#include "app/session_mode.h"
#include "params/text_buffer.h"

// What the command line asks for. A first word that starts with "/s", "/0", "/1" or "/2" selects
// the mode; one of two characters or without "/" installs. Every other word that starts with "/"
// is one of the options "/quiet", "/uninstall", "/answers=FILE" and "/log=FILE" (any case, quotes
// around a word or part of it are removed), the first word included; words without "/" are ignored.
struct CommandLineChoice {
    bool sizeQuery = false;  // "/s": end at once with stubSize as exit code, options unread
    // The mode of "/0", "/1" or "/2" otherwise.
    SessionMode mode = SessionMode::install;
    bool quiet = false;      // no window: the wizard's pages pass with their defaults
    TextBuffer answersPath;  // empty when not given
    TextBuffer logPath;
    // Why the command line cannot be run (the first unknown option, "/log=" without a file name
    // among them); empty when it can. The options after it are still read.
    TextBuffer error;
};

// The text after the program name (quoted or not) and the blanks that follow it.
const char* commandLineTail(const char* fullCommandLine);

CommandLineChoice readCommandLine(const char* tail);

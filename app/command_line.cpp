#include "app/command_line.h"

const char* commandLineTail(const char* full) {
    const char* p = full ? full : "";
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

CommandLineChoice readCommandLine(const char* tail) {
    CommandLineChoice choice = {false, 0};
    if (tail[0] != '/') return choice;
    switch (tail[1]) {
        case 's': choice.sizeQuery = true; break;
        case '1': choice.mode = 1; break;
        case '2': choice.mode = 2; break;
        default: break;  // "/0", "/S", "/3" and any other letter install
    }
    return choice;
}

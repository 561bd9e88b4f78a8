#pragma once

#include <cstdint>

#include "params/param_node.h"
#include "params/text_buffer.h"

// The container appended to a program file: where its libraries lie. The payload reader fills
// it and its extraction reads it; it is declared on this floor so that the run's store
// (session/stores.h) can hold the program's own.
struct Container {
    // Full path of the program file; after a multi-volume join, the path of the joined copy.
    TextBuffer programPath;
    // One child per library, in container order, named after it: the value is the offset of its
    // first byte in the program file, the child "Taille" its size.
    ParamNode entries;
    // The offset just past the container's last byte.
    int64_t end = 0;
    // The file that receives a library copied out as stored.
    TextBuffer scratchFile;
};

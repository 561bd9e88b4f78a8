#pragma once

// What the command line's first word asks of the run: "/0" (or none), "/1" or "/2".
enum class SessionMode {
    install = 0,        // the wizard installs the payload
    modelStored = 1,    // the payload is written out beside the program, its libraries as stored
    modelUnpacked = 2,  // the same, each library unpacked into a folder of its own
    uninstall = 3,      // "/uninstall": the journal beside the program is undone
};

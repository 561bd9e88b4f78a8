#pragma once

#include <cstdint>
#include <vector>

#include "params/param_node.h"
#include "params/text_buffer.h"

// What undoing a journal did.
struct UndoReport {
    int32_t undone = 0;
    // One line each: what stays because somebody changed it since, or it holds what the
    // installation did not make; then what could not be removed or put back.
    TextBuffer kept;
    TextBuffer failed;
    // The recorded folders that hold the journal's own folder (it included), innermost first:
    // they can go only once the journal and the uninstaller have.
    std::vector<TextBuffer> ownFolders;
};

// Undoes records given newest first (as readJournal and JournalKeeper::thisRun give them): a file goes only while its size and checksum
// are those recorded (one that was there before the installation stays); a folder or a key only
// once empty; a value is put back (or removed when it was absent) only while it still holds what
// was written. ownFolder is where the journal lies.
UndoReport undoJournal(const ParamNode& records, const char* ownFolder);

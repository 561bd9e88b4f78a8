#pragma once

#include "params/text_buffer.h"

enum class FileDialogKind { open, save };

// The system's dialog to pick a file, asked through the responder. filter
// holds pairs of a description and a pattern, each followed by "|", the
// whole ending with one more "|" ("TXT (*.txt)|*.txt||"); none means
// "Tous|*.*||". filterIndex (from 1), when given, selects the first filter
// shown and receives the one chosen. The dialog opens in the folder of the
// previous choice (at first the current folder); the current folder is the
// same afterwards. A name saved without extension under a filter gets the
// extension of the chosen pattern ("rapport" under "*.txt" becomes
// "rapport.txt"). False when cancelled.
bool FileDialog(FileDialogKind kind, const char* filter, const char* defaultName,
                const char* defaultExtension, int* filterIndex, TextBuffer& chosen);
// The system's folder picker, showing `prompt` and opening at `current`, or
// at the nearest folder above it that exists (a destination is often not
// made yet). False when cancelled.
bool FolderDialog(const char* prompt, const char* current, TextBuffer& chosen);

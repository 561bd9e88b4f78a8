#pragma once

#include "script/command_run.h"

// The per-item commands that change files and folders. The item's name is the first operand,
// its value the second.

// FCOPY: copies the file name over the file value.
void copyFileItem(CommandRun& run, ParamNode& item);
// RENAME: renames or moves name to value.
void renameItem(CommandRun& run, ParamNode& item);
// FCREATE: creates the file name, or empties it.
void createFileItem(CommandRun& run, ParamNode& item);
// FAPPEND: appends value and a CR LF line end to the file name.
void appendLineItem(CommandRun& run, ParamNode& item);
// MKDIR: creates the folder name with its parents.
void makeFolderItem(CommandRun& run, ParamNode& item);
// CPDIR: copies the folder tree name into the existing folder value.
void copyFolderItem(CommandRun& run, ParamNode& item);
// CPLIB: copies a library (a folder, a name + ".lib" archive file, or a library of the payload)
// into the folder value.
void copyLibraryItem(CommandRun& run, ParamNode& item);
// DELDIR: deletes the folder tree name, when the name has at least 10 characters.
void deleteFolderItem(CommandRun& run, ParamNode& item);
// FDEL: deletes the file name.
void deleteFileItem(CommandRun& run, ParamNode& item);
// EVALUE: writes the file value from the template file name with its variables expanded.
void evaluateFileItem(CommandRun& run, ParamNode& item);

#pragma once

#include <string>

#include "tools/mkinstaller/arguments.h"
#include "tools/mkinstaller/installer_builder.h"
#include "tools/mkinstaller/mkinstaller.h"

// The sub-commands; each reads its own arguments and returns the exit code. Failures are thrown
// as PackError (exit 1) or UsageError (exit 2).
int buildCommand(Arguments& args, Console& console);
int checkCommand(Arguments& args, Console& console);
int packLibCommand(Arguments& args, Console& console);
int listCommand(Arguments& args, Console& console);
int extractCommand(Arguments& args, Console& console);

// The value of --library: NAME=PATH, the name in Windows-1252.
LibrarySource libraryOption(const std::string& value);

// The stub built beside the packer: the default of build and check.
std::filesystem::path defaultStub();

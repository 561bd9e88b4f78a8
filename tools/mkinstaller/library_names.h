#pragma once

#include <string>
#include <vector>

// Checks the names of the libraries given on the command line, as the installer's directory
// needs them: 1 to 159 bytes, no blank byte, a plain file name that Windows keeps as written (the installer addresses
// libraries by base name and writes them as files of the model folder), none taken by the
// installer ("CRC", "INSTALLE", "VARBONUS" in any letter case), no two alike for Windows, at most
// 100 libraries in all with the `builtIn` ones (the description, the extra variables). A
// PackError names the culprit.
void checkLibraryNames(const std::vector<std::string>& names, int builtIn);

#pragma once

#include <filesystem>
#include <string>

// Names as the installer stores them: Windows-1252 bytes. A text that is valid UTF-8 (every file
// name on Windows, most on Linux) is converted; a text that is not is taken to be Windows-1252
// already. A character that Windows-1252 cannot hold is a PackError naming `what`.
std::string windowsText(const std::string& text, const std::string& what);

// The name under which a file of the packer's system is stored in an archive.
std::string windowsName(const std::filesystem::path& file);

// A name with letter case folded as Windows folds it in file names: two names with the same key
// are one file on Windows.
std::string windowsCaseKey(std::string name);

// A path of the packer's system as the installer's code takes it, in Windows-1252.
std::string installerPath(const std::filesystem::path& path);

// A path the installer's code gives (Windows-1252) as a path of the packer's system.
std::filesystem::path systemPath(const char* installerPath);

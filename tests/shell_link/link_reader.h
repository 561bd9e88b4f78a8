#pragma once
// Reading a link back the way the platform stores it.
#include <string>

struct LinkFields {
    std::string target;
    std::string arguments;
    std::string workingFolder;
    std::string description;
    std::string iconFile;
    int iconIndex = -1;
};

// False when there is no readable link at path.
bool readLink(const std::string& path, LinkFields& fields);

// A path in the platform's own spelling (Windows separators on Windows).
std::string systemPath(const std::string& path);

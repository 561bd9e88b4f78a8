#include "tools/mkinstaller/library_names.h"

#include <map>

#include "params/fold_upper.h"
#include "payload/archive_names.h"
#include "payload/container_format.h"
#include "tools/mkinstaller/pack_error.h"
#include "tools/mkinstaller/windows_names.h"

namespace {

void checkOne(const std::string& name) {
    auto quoted = "library name \"" + name + "\"";
    if (name.empty()) throw PackError("a library name is empty");
    if (name.size() > size_t(maxLibraryNameLength))
        throw PackError(quoted + " is " + std::to_string(name.size()) + " bytes long; at most " +
                        std::to_string(maxLibraryNameLength) + " are allowed");
    for (char c : name)
        if (static_cast<unsigned char>(c) <= ' ')
            throw PackError(quoted + " holds a blank or control byte");
    if (!staysInFolder(name.data(), static_cast<int32_t>(name.size())))
        throw PackError(quoted +
                        " is no plain file name (it holds \\, / or :, or is made of dots only)");
    if (isDeviceName(name.data(), static_cast<int32_t>(name.size())))
        throw PackError(quoted + " is a device name on Windows (CON, NUL, COM1, ...)");
    if (!windowsKeepsName(name.data(), static_cast<int32_t>(name.size())))
        throw PackError(quoted + " ends in a dot, which Windows drops");
    for (const char* taken :
         {checksumLibraryName, descriptionLibraryName, extraVariablesLibraryName})
        if (foldEquals(name.c_str(), taken))
            throw PackError(quoted + " is taken by the installer's own \"" + taken + "\"");
}

}  // namespace

void checkLibraryNames(const std::vector<std::string>& names, int builtIn) {
    const size_t maxLibraries = maxDirectoryEntries - 1;
    if (names.size() + size_t(builtIn) > maxLibraries)
        throw PackError("too many libraries: " + std::to_string(names.size() + size_t(builtIn)) +
                        " with the description; an installer holds at most " +
                        std::to_string(maxLibraries));
    std::map<std::string, std::string> seen;
    for (const std::string& name : names) {
        checkOne(name);
        auto [place, added] = seen.emplace(windowsCaseKey(name), name);
        if (!added)
            throw PackError("library name \"" + name + "\" repeats \"" + place->second + "\"");
    }
}

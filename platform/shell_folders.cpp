#include "platform/system_info.h"

#include <cstring>
#include <vector>

#include "platform/registry_calls.h"

namespace {

const char shellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Value names by folder number (1 to 9); the all-users table has no rows
// past 5.
const char* const allUsersNames[] = {"Common Desktop", "Common Start Menu", "Common Programs",
                                     "Common Startup", "Common Favorites"};
const char* const userNames[] = {"Desktop", "Start Menu", "Programs", "Startup", "Favorites",
                                 "SendTo",  "Templates",  "AppData",  "Personal"};

// The value's bytes up to the first zero, whatever its type; false when
// it is missing or empty.
bool readFolderValue(int32_t root, const char* name, TextBuffer& folder) {
    RegHandle key;
    if (regOpenKey(regRootHandle(root), shellFoldersKey, KeyOpening::existing, KeyAccess::read,
                   false, key) != regSuccess)
        return false;
    uint32_t type;
    std::vector<uint8_t> data;
    bool read = regQueryValue(key, name, type, data) == regSuccess;
    regCloseKey(key);
    if (!read) return false;
    const char* chars = reinterpret_cast<const char*>(data.data());
    const void* end = std::memchr(chars, 0, data.size());
    folder.assign(nullptr);
    folder.append(chars,
                  end ? int32_t(static_cast<const char*>(end) - chars) : int32_t(data.size()));
    return !folder.empty();
}

}  // namespace

TextBuffer ShellFolder(int32_t number, bool allUsers) {
    TextBuffer folder;
    if (number < 1 || number > 9) return folder;
    if (allUsers && number <= 5 &&
        readFolderValue(rootLocalMachine, allUsersNames[number - 1], folder))
        return folder;
    readFolderValue(rootCurrentUser, userNames[number - 1], folder);
    return folder;
}

bool HasAllUsersFolders() {
    TextBuffer folder;
    return readFolderValue(rootLocalMachine, "Common Start Menu", folder);
}

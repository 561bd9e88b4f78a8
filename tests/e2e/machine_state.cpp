#include "machine_state.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace {

std::string hashOf(const std::string& bytes) {
    return std::to_string(std::hash<std::string>()(bytes));
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// Wine links the user's own folders (Desktop, Documents...) to the host's home: they are listed
// but not walked, nor is any other link.
void addFolder(const std::string& folder, MachineState& state) {
    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            HANDLE file =
                CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
            std::string bytes;
            char piece[65536];
            DWORD n;
            while (file != INVALID_HANDLE_VALUE &&
                   ReadFile(file, piece, sizeof piece, &n, nullptr) && n)
                bytes.append(piece, n);
            if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
            state.insert(lower(path) + " " + std::to_string(bytes.size()) + ":" + hashOf(bytes));
            continue;
        }
        state.insert(lower(path) + "\\");
        bool link = found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        if (!link && lower(path) != "c:\\windows") addFolder(path, state);
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
}

void addKey(HKEY root, const std::string& path, REGSAM view, const std::string& label,
            MachineState& state) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return;
    state.insert(label + lower(path));
    std::vector<char> name(16384);
    std::vector<BYTE> data(1 << 20);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = DWORD(name.size()), dataSize = DWORD(data.size()), type;
        if (RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) !=
            ERROR_SUCCESS)
            break;
        std::string bytes(reinterpret_cast<char*>(data.data()), dataSize);
        state.insert(label + lower(path) + "|" + lower(name.data()) + "=" + std::to_string(type) +
                     ":" + hashOf(bytes));
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = DWORD(name.size());
        if (RegEnumKeyExA(key, i, name.data(), &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        subkeys.push_back(name.data());
    }
    RegCloseKey(key);
    for (const std::string& subkey : subkeys) {
        // The file types are the system's, the other view is walked as a view, Wine's own
        // settings are Wine's, and so is its list of network cards, made when a program first
        // asks for it (the uninstaller's last step waits with "ping").
        std::string folded = lower(subkey);
        if (path == "Software" &&
            (folded == "classes" || folded == "wow6432node" || folded == "wine"))
            continue;
        if (folded == "networkcards") continue;
        addKey(root, path + "\\" + subkey, view, label, state);
    }
}

}  // namespace

MachineState machineState() {
    MachineState state;
    addFolder("C:", state);
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        std::string bits = view == KEY_WOW64_32KEY ? "32|" : "64|";
        addKey(HKEY_LOCAL_MACHINE, "Software", view, bits + "hklm\\", state);
        addKey(HKEY_CURRENT_USER, "Software", view, bits + "hkcu\\", state);
    }
    return state;
}

std::set<std::string> changes(const MachineState& before, const MachineState& after) {
    std::set<std::string> lines;
    for (const std::string& line : after)
        if (!before.count(line)) lines.insert("+" + line);
    for (const std::string& line : before)
        if (!after.count(line)) lines.insert("-" + line);
    return lines;
}

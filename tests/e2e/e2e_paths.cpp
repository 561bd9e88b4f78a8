#include "e2e_paths.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "payload_bytes.h"

namespace {

struct Entry {
    std::string name;
    bool isFolder;
};

// The files and folders in a folder, "." and ".." left out.
std::vector<Entry> entriesOf(const std::string& folder) {
    std::vector<Entry> entries;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return entries;
}

// The temporary folder the tests started with; tests change "TMP" for the programs they start.
const std::string& originalTemporaryFolder() {
    static const std::string folder = [] {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        return std::string(base);
    }();
    return folder;
}

}  // namespace

std::string quotedPath(const std::string& path) {
    return "\"" + path + "\"";
}

std::string blockValue(const std::string& path) {
    std::string value = "\"";
    for (char c : path) value += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return value + "\"";
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void copyTree(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    for (const Entry& entry : entriesOf(from)) {
        if (entry.isFolder) {
            copyTree(from + "\\" + entry.name, to + "\\" + entry.name);
        } else {
            CopyFileA((from + "\\" + entry.name).c_str(), (to + "\\" + entry.name).c_str(), FALSE);
        }
    }
}

void removeTree(const std::string& folder) {
    for (const Entry& entry : entriesOf(folder)) {
        std::string path = folder + "\\" + entry.name;
        if (entry.isFolder) {
            removeTree(path);
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }
    RemoveDirectoryA(folder.c_str());
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const Entry& entry : entriesOf(folder)) names.push_back(entry.name);
    return names;
}

std::string realInstaller(const std::vector<Library>& libraries) {
    return installerFile(libraries, true, fileBytes(STUB_PATH));
}

TestFolder::TestFolder(const std::string& name) {
    path = originalTemporaryFolder() + "e2e-" + name + "-" + std::to_string(GetCurrentProcessId());
    removeTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
}

TestFolder::~TestFolder() {
    removeTree(path);
}

void TestFolder::useAsTemporaryFolder() const {
    SetEnvironmentVariableA("TMP", path.c_str());
    SetEnvironmentVariableA("TEMP", path.c_str());
}

bool TestFolder::isEmpty() const {
    return entriesOf(path).empty();
}

#include "e2e_paths.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "payload_bytes.h"

namespace {

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
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

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
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
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return true;
    bool empty = true;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") empty = false;
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return empty;
}

#include "tools/mkinstaller/archive_tree.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "payload/archive_names.h"
#include "payload/container_format.h"
#include "tools/mkinstaller/pack_error.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

namespace {

// The order of a folder's children in the archive: byte order of their names.
bool byName(const ArchiveNode& a, const ArchiveNode& b) {
    return a.name < b.name;
}

[[noreturn]] void refuse(const fs::path& path, const std::string& why) {
    throw PackError(path.u8string() + ": " + why);
}

void checkName(const fs::path& path, const std::string& name) {
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < archiveFirstNameByte) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", byte);
            refuse(path, std::string("the name holds the byte ") + code +
                             "; archive names hold no byte below 11");
        }
    }
    auto length = static_cast<int32_t>(name.size());
    if (isBlankName(name.data(), length))
        refuse(path, "the name is blank; the installer would take it for the folder that holds it");
    if (!staysInFolder(name.data(), length))
        refuse(path,
               "the installer refuses this name (it holds \\, / or :, or is made of dots only)");
    if (isDeviceName(name.data(), length))
        refuse(path, "the name is a device name on Windows (CON, NUL, COM1, ...)");
    if (!windowsKeepsName(name.data(), length))
        refuse(path, "the name ends in a dot or blank, which Windows drops");
}

void checkDistinct(const std::vector<ArchiveNode>& children) {
    std::vector<std::pair<std::string, const ArchiveNode*>> keys;
    for (const ArchiveNode& child : children) keys.emplace_back(windowsCaseKey(child.name), &child);
    std::sort(keys.begin(), keys.end());
    for (size_t i = 1; i < keys.size(); ++i)
        if (keys[i].first == keys[i - 1].first)
            refuse(keys[i].second->path,
                   "Windows cannot tell this name from " + keys[i - 1].second->path.u8string());
}

fs::file_status statusOf(const fs::path& path) {
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    if (error) refuse(path, error.message());
    return status;
}

// `ancestors` holds the real locations of the folders being scanned, outermost first.
void scanFolder(ArchiveNode& folder, std::vector<fs::path>& ancestors) {
    std::error_code error;
    fs::path real = fs::canonical(folder.path, error);
    if (error) refuse(folder.path, error.message());
    for (const fs::path& above : ancestors)
        if (above == real)
            refuse(folder.path, "symbolic link loop: it leads back to " + above.u8string());
    ancestors.push_back(real);

    fs::directory_iterator entries(folder.path, error);
    if (error) refuse(folder.path, error.message());
    for (const fs::directory_entry& entry : entries) {
        ArchiveNode child;
        child.path = entry.path();
        child.name = windowsName(child.path);
        checkName(child.path, child.name);
        fs::file_status status = statusOf(child.path);
        if (fs::is_directory(status)) {
            child.isFolder = true;
            scanFolder(child, ancestors);
        } else if (fs::is_regular_file(status)) {
            child.size = fs::file_size(child.path, error);
            if (error) refuse(child.path, error.message());
            if (child.size > maxArchivedFileSize)
                refuse(child.path, "files of 2 GiB or more cannot be archived");
        } else {
            refuse(child.path, "neither a file nor a folder");
        }
        folder.children.push_back(std::move(child));
    }
    ancestors.pop_back();
    std::sort(folder.children.begin(), folder.children.end(), byName);
    checkDistinct(folder.children);
}

}  // namespace

ArchiveNode scanArchiveFolder(const fs::path& folder) {
    if (!fs::is_directory(statusOf(folder))) refuse(folder, "not a folder");
    ArchiveNode root;
    root.path = folder;
    root.isFolder = true;
    std::vector<fs::path> ancestors;
    scanFolder(root, ancestors);
    return root;
}

ArchiveNode* findFile(ArchiveNode& folder, const std::string& name) {
    for (ArchiveNode& child : folder.children)
        if (!child.isFolder && windowsCaseKey(child.name) == windowsCaseKey(name)) return &child;
    return nullptr;
}

void putFile(ArchiveNode& folder, const std::string& name, const fs::path& path, uint64_t size) {
    ArchiveNode* file = findFile(folder, name);
    if (!file) {
        folder.children.emplace_back();
        file = &folder.children.back();
        file->name = name;
    }
    file->path = path;
    file->size = size;
    std::sort(folder.children.begin(), folder.children.end(), byName);
}

uint64_t contentSize(const ArchiveNode& node) {
    uint64_t total = node.size;
    for (const ArchiveNode& child : node.children) total += contentSize(child);
    return total;
}

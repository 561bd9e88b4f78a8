#include "tools/mkinstaller/publisher_setting.h"

#include <fstream>

#include "packages/package.h"
#include "params/block_format.h"
#include "tools/mkinstaller/archive_tree.h"
#include "tools/mkinstaller/input_files.h"

namespace fs = std::filesystem;

std::optional<std::string> addPublisher(ArchiveNode& root, const Package& product,
                                        const std::string& publisher, const fs::path& folder) {
    if (const ParamNode* own = product.varTree.find("SOCIETE"))
        return std::string(own->value() ? own->value() : "");
    std::string bytes;
    if (const ArchiveNode* file = findFile(root, "var.ini")) {
        std::vector<unsigned char> content = readWholeFile(file->path, file->size);
        bytes.assign(content.begin(), content.end());
        bytes += "\n";
    }
    TextOutStream entry;
    writeEntry(ParamNode("SOCIETE", publisher.c_str()), entry);
    bytes.append(entry.buffer().text(), static_cast<size_t>(entry.buffer().length()));
    fs::path written = folder / "var.ini";
    std::ofstream(written, std::ios::binary) << bytes;
    putFile(root, "var.ini", written, bytes.size());
    return std::nullopt;
}

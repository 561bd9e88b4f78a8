#include "../link_reader.h"

#include "params/block_format.h"
#include "params/file_stream.h"

// Native links are block-text records of the fields that were set.
bool readLink(const std::string& path, LinkFields& fields) {
    InFileStream in(path.c_str());
    if (!in.isOpen()) return false;
    ParamNode file;
    readTree(file, in);
    ParamNode* record = file.find("link");
    if (!record) return false;
    fields.target = record->valueOf("target");
    fields.arguments = record->valueOf("arguments");
    fields.workingFolder = record->valueOf("workingFolder");
    fields.description = record->valueOf("description");
    fields.iconFile = record->valueOf("iconFile");
    fields.iconIndex = record->integerOf("iconIndex");
    return true;
}

std::string systemPath(const std::string& path) {
    return path;
}

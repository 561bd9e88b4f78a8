#include "tools/mkinstaller/archive_writer.h"

#include "payload/container_format.h"
#include "tools/mkinstaller/input_files.h"
#include "tools/mkinstaller/progress.h"

namespace {

void writeRecord(ByteSink& sink, const std::string& name, ArchiveRecordType type) {
    sink.write(name.data(), name.size());
    unsigned char typeByte = type;
    sink.write(&typeByte, 1);
}

void writeNode(const ArchiveNode& node, ByteSink& sink, Progress& progress) {
    if (node.isFolder) {
        writeRecord(sink, node.name, archiveBeginFolderRecord);
        for (const ArchiveNode& child : node.children) writeNode(child, sink, progress);
        writeRecord(sink, node.name, archiveEndFolderRecord);
    } else {
        writeRecord(sink, node.name, archiveFileRecord);
        unsigned char size[4];
        writeBigEndian32(static_cast<uint32_t>(node.size), size);
        sink.write(size, sizeof size);
        copyFileInto(node.path, node.size, sink, progress);
    }
}

}  // namespace

void writeArchive(const ArchiveNode& root, ByteSink& sink, Progress& progress) {
    writeNode(root, sink, progress);
}

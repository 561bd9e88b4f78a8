#include "params/file_stream.h"
#include "params/fold_upper.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"

namespace {

// Skips white space, then takes up to maxLibraryNameLength bytes up to the next white space
// (left unread); false when the input ends before a name starts or the name holds a zero byte.
bool readName(InFileStream& in, TextBuffer& name) {
    int c;
    do c = in.get();
    while (c >= 0 && isDirectorySpace(static_cast<unsigned char>(c)));
    for (; c >= 0 && !isDirectorySpace(static_cast<unsigned char>(c)); c = in.get()) {
        // The name is used as a C text: a zero byte would cut it to another name.
        if (c == 0) return false;
        name.appendChar(static_cast<char>(c));
        if (name.length() == maxLibraryNameLength) return true;
    }
    in.unget(c);
    return !name.empty();
}

bool readEntry(InFileStream& in, TextBuffer& name, uint32_t& size) {
    if (!readName(in, name) || in.get() != ' ') return false;
    unsigned char bytes[4];
    if (in.read(reinterpret_cast<char*>(bytes), 4) != 4) return false;
    size = readBigEndian32(bytes);
    return size <= uint32_t(maxContainerEnd);
}

bool readEntries(InFileStream& in, ParamNode& directory, int64_t& end) {
    if (!in.seek(stubSize)) return false;
    int64_t offset = stubSize;
    for (int entries = 1;; ++entries) {
        TextBuffer name;
        uint32_t size;
        if (!readEntry(in, name, size) || entries > maxDirectoryEntries) return false;
        offset += name.length() + directoryEntryOverhead;
        ParamNode* entry = new ParamNode(name.text(), static_cast<int32_t>(size));
        entry->append(new ParamNode("Taille", static_cast<int32_t>(size)));
        directory.append(entry);
        if (foldEquals(name.text(), checksumLibraryName)) break;
    }
    for (ParamCell* cell = directory.children(); cell; cell = cell->next) {
        int64_t size = cell->node->integerValue();
        cell->node->setInteger(static_cast<int32_t>(offset));
        offset += size;
        if (offset > maxContainerEnd) return false;
    }
    end = offset;
    return true;
}

}  // namespace

bool readDirectoryEntries(const char* programPath, ParamNode& directory, int64_t& end) {
    InFileStream in(programPath, FileMode::binary);
    if (readEntries(in, directory, end)) return true;
    directory.reset(Reach::tree);
    return false;
}

#include "payload/archive_reader.h"

#include <vector>

#include "params/file_stream.h"
#include "payload/archive_names.h"
#include "payload/container_format.h"
#include "payload/gz_file_stream.h"
#include "platform/folder_ops.h"
#include "platform/stream_copy.h"
#include "session/translation.h"

namespace {

// The report shows the reason after the command's own text, so it is translated too.
ArchiveResult fail(TextBuffer& error, const char* text, const char* operand = nullptr) {
    error.assign(translate(text));
    error.append(operand);
    return ArchiveResult::Failed;
}

bool readSize(GzFileStream& in, uint32_t& size) {
    unsigned char bytes[4];
    for (unsigned char& b : bytes) b = static_cast<unsigned char>(in.get());
    size = readBigEndian32(bytes);
    return !in.fail();
}

// Creates the file and fills it with `size` bytes of the input.
bool unpackFile(GzFileStream& in, const char* path, uint32_t size) {
    OutFileStream out(path, FileMode::binary);
    if (!out.isOpen()) return false;
    int64_t copied = CopyStreamBytes(in, out, size);
    return out.close() && copied == size;
}

}  // namespace

// Folders nest without bound in the stream (blank names even nest without lengthening the
// path), so instead of one call per folder the reading keeps the path of the innermost open
// folder and, per open folder, the length of its parent's path: a few bytes per level.
// A folder that this reading made was empty, and the reading makes no links, so nothing in it
// or below it needs the check for a link: freshDepth is the number of open folders at the
// outermost such folder (0: none is open). The check looks the name up on disk, which costs as
// much as creating the file on some systems.
ArchiveResult readArchiveFolder(GzFileStream& in, const char* folder, TextBuffer& error,
                                CopyCounter* counter, const std::atomic<bool>* stop) {
    TextBuffer path(folder);
    std::vector<int32_t> parentLengths;
    size_t freshDepth = 0;
    MadeObserver* made = counter ? counter->made : nullptr;
    TextBuffer name;
    for (int c = in.get(); c >= 0; c = in.get()) {
        if (c >= archiveFirstNameByte) {
            // A name too long for any file is damage; reading on would only grow it.
            if (name.length() == maxArchiveNameLength)
                return fail(error, "Erreur d'analyse de la librairie");
            name.appendChar(static_cast<char>(c));
            continue;
        }
        if (c == archiveEndFolderRecord) {
            if (parentLengths.empty()) return ArchiveResult::FolderEnded;
            TextBuffer parent;
            parent.append(path.text(), parentLengths.back());
            path = std::move(parent);
            if (parentLengths.size() == freshDepth) freshDepth = 0;
            parentLengths.pop_back();
            name.clear();
            continue;
        }
        if (c != archiveFileRecord && c != archiveBeginFolderRecord)
            return fail(error, "Erreur d'analyse de la librairie");
        TextBuffer target(path);
        if (!isBlankName(name.text(), name.length())) {
            target.appendPath(name.text());
            // A link already in the destination could lead anywhere: nothing is written
            // through one.
            if (!isSafeName(name.text()) || (freshDepth == 0 && IsLink(target.text())))
                return fail(error, "Nom de fichier encapsul\xE9 refus\xE9 : ", name.text());
        }
        if (c == archiveFileRecord) {
            if (stop && stop->load(std::memory_order_relaxed)) return ArchiveResult::Failed;
            uint32_t size;
            if (!readSize(in, size))
                return fail(error, "Erreur de lecture de la taille d'un fichier encapsul\xE9");
            if (size > maxArchivedFileSize) return fail(error, "Erreur d'analyse de la librairie");
            // Nothing was in a folder this reading made.
            FileBefore before = freshDepth ? FileBefore::absent : fileBefore(made, target.text());
            bool unpacked = unpackFile(in, target.text(), size);
            // A file cut short is told as well: it is there and must go with the rest.
            tellFileWritten(made, target.text(), before);
            if (!unpacked)
                return fail(error,
                            "Erreur de d\xE9"
                            "compression du fichier encapsul\xE9, peut \xEAtre en utilisation : ",
                            target.text());
            if (counter) counter->add(size);
        } else {
            // Reading on past a folder that cannot be made would try again for every folder
            // nested in it.
            bool created = CreateFolder(target.text());
            if (created) tellFolderMade(made, target.text());
            if (!created && !MakeFolder(target.text(), FolderParents::created, made))
                return fail(error,
                            "Impossible de cr\xE9"
                            "er le dossier : ",
                            target.text());
            parentLengths.push_back(path.length());
            if (created && freshDepth == 0) freshDepth = parentLengths.size();
            path = std::move(target);
        }
        name.clear();
    }
    if (!name.empty())
        return fail(error,
                    "Fin de fichier d'entr\xE9"
                    "e anticip\xE9"
                    "e");
    // Data that zlib found damaged or cut short would otherwise pass for a clean end.
    if (in.damaged()) return fail(error, "Erreur d'analyse de la librairie");
    // Inside a folder the input ended too early; that sets no text of its own.
    return parentLengths.empty() ? ArchiveResult::StreamEnded : ArchiveResult::Failed;
}

bool unpackArchive(const char* path, const char* destination, TextBuffer& error,
                   CopyCounter* counter, const std::atomic<bool>* stop, int32_t offset,
                   int32_t size) {
    GzFileStream in;
    in.open(path, offset, size);
    ArchiveResult result = readArchiveFolder(in, destination, error, counter, stop);
    in.close();
    return result != ArchiveResult::Failed;
}

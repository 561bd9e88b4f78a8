#include "params/file_stream.h"
#include "payload/archive_reader.h"
#include "payload/payload_reader.h"
#include "platform/stream_copy.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

// The library's stored bytes into the scratch file; false when they are not all there (a scratch
// file that cannot be written, a program file cut short, or a stop).
bool copyToScratchFile(const char* programPath, const ParamNode& entry,
                       const std::atomic<bool>* stop) {
    OutFileStream out(LibraryScratchFile().text(), FileMode::binary);
    InFileStream in(programPath, FileMode::binary);
    int64_t size = entry.integerOf("Taille");
    bool copied = in.seek(entry.integerValue()) && CopyStreamBytes(in, out, size, stop) == size;
    return out.close() && copied;
}

}  // namespace

bool extractLibrary(const char* programPath, const char* name, TextBuffer& error,
                    const char* destination, ByteCounter* counter, const std::atomic<bool>* stop) {
    const ParamNode* entry = ContainerDirectory().find(name);
    if (!entry) {
        error.assign(translate("Erreur, librairie introuvable : "));
        error.append(name);
        return false;
    }
    bool copied = copyToScratchFile(programPath, *entry, stop);
    if (!destination) return true;
    if (!copied) {
        // Unpacking what did arrive would blame the library for a copy that failed.
        error.assign(translate("Erreur de copie du fichier "));
        error.append(programPath);
        error.append("=>");
        error.append(LibraryScratchFile());
    } else if (unpackArchive(LibraryScratchFile().text(), destination, error, counter, stop)) {
        return true;
    }
    if (stop && stop->load(std::memory_order_relaxed)) return false;
    TextBuffer message(translate("Erreur de copie de la librairie interne "));
    message.append(LibraryScratchFile());
    message.append("=>");
    message.append(destination);
    message.append(" (");
    message.append(error);
    message.append(")");
    addError("ExtLIB", message.text());
    return false;
}

#include "params/file_stream.h"
#include "payload/archive_reader.h"
#include "payload/payload_reader.h"
#include "platform/stream_copy.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

// The library's stored bytes into the scratch file. A short copy is not checked here: it shows
// up as an unpacking error, or, when the run was stopped, as the stopped unpacking.
void copyToScratchFile(const char* programPath, const ParamNode& entry,
                       const std::atomic<bool>* stop) {
    OutFileStream out(LibraryScratchFile().text(), FileMode::binary);
    InFileStream in(programPath, FileMode::binary);
    if (in.seek(entry.integerValue())) CopyStreamBytes(in, out, entry.integerOf("Taille"), stop);
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
    copyToScratchFile(programPath, *entry, stop);
    if (!destination ||
        unpackArchive(LibraryScratchFile().text(), destination, error, counter, stop))
        return true;
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

#include "params/file_stream.h"
#include "payload/archive_reader.h"
#include "payload/payload_reader.h"
#include "platform/stream_copy.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

// The library's stored bytes into the scratch file; false when that file cannot be written. A
// short read is not checked here: the reader of the scratch file finds it short.
bool copyToScratchFile(const char* programPath, const ParamNode& entry) {
    OutFileStream out(LibraryScratchFile().text(), FileMode::binary);
    InFileStream in(programPath, FileMode::binary);
    if (in.seek(entry.integerValue())) CopyStreamBytes(in, out, entry.integerOf("Taille"));
    return out.close();
}

}  // namespace

bool extractLibrary(const char* programPath, const char* name, TextBuffer& error,
                    const char* destination, CopyCounter* counter, const std::atomic<bool>* stop) {
    const ParamNode* entry = ContainerDirectory().find(name);
    if (!entry) {
        error.assign(translate("Erreur, librairie introuvable : "));
        error.append(name);
        return false;
    }
    if (!destination) {
        if (copyToScratchFile(programPath, *entry)) return true;
        error.assign(translate("Erreur de copie de la librairie interne "));
        error.append(name);
        error.append("=>");
        error.append(LibraryScratchFile());
        return false;
    }
    // Unpacked where it lies: a copy into the scratch file first would read and write the whole
    // library once more, and would need the work folder for a library installed elsewhere.
    if (unpackArchive(programPath, destination, error, counter, stop, entry->integerValue(),
                      entry->integerOf("Taille")))
        return true;
    if (stop && stop->load(std::memory_order_relaxed)) return false;
    TextBuffer message(translate("Erreur de copie de la librairie interne "));
    message.append(programPath);
    message.append("=>");
    message.append(destination);
    message.append(" (");
    message.append(error);
    message.append(")");
    addError("ExtLIB", message.text());
    return false;
}

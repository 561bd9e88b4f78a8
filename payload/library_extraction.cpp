#include "params/file_stream.h"
#include "payload/archive_reader.h"
#include "payload/payload_reader.h"
#include "platform/stream_copy.h"
#include "session/translation.h"

namespace {

// The library's stored bytes into the scratch file; false when that file cannot be written. A
// short read is not checked here: the reader of the scratch file finds it short.
bool copyToScratchFile(const Container& container, const ParamNode& entry) {
    OutFileStream out(container.scratchFile.text(), FileMode::binary);
    InFileStream in(container.programPath.text(), FileMode::binary);
    if (in.seek(entry.integerValue())) CopyStreamBytes(in, out, entry.integerOf("Taille"));
    return out.close();
}

Extraction failure(const char* text, const char* name, const TextBuffer* target = nullptr) {
    Extraction result{ExtractionOutcome::failed, TextBuffer(translate(text)), TextBuffer()};
    result.error.append(name);
    if (target) {
        result.error.append("=>");
        result.error.append(*target);
    }
    return result;
}

// Unpacked where it lies: a copy into the scratch file first would read and write the whole
// library once more, and would need the work folder for a library installed elsewhere.
Extraction unpack(const Container& container, const ParamNode& entry, const char* destination,
                  CopyCounter* counter, const std::atomic<bool>* stop) {
    Extraction result;
    const char* program = container.programPath.text();
    if (unpackArchive(program, destination, result.error, counter, stop, entry.integerValue(),
                      entry.integerOf("Taille")))
        return result;
    if (stop && stop->load(std::memory_order_relaxed)) {
        result.outcome = ExtractionOutcome::stopped;
        return result;
    }
    result.outcome = ExtractionOutcome::failed;
    TextBuffer& message = result.unpackingError;
    message.assign(translate("Erreur de copie de la librairie interne "));
    message.append(program);
    message.append("=>");
    message.append(destination);
    message.append(" (");
    message.append(result.error);
    message.append(")");
    return result;
}

}  // namespace

Extraction extractLibrary(const Container& container, const char* name, const char* destination,
                          CopyCounter* counter, const std::atomic<bool>* stop) {
    const ParamNode* entry = container.entries.find(name);
    if (!entry) return failure("Erreur, librairie introuvable : ", name);
    if (destination) return unpack(container, *entry, destination, counter, stop);
    if (copyToScratchFile(container, *entry)) return Extraction();
    return failure("Erreur de copie de la librairie interne ", name, &container.scratchFile);
}

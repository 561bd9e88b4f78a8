#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "session/translation.h"

namespace {

void addFailure(ParamNode& failures, const char* text) {
    failures.append(new ParamNode(translate(text), nullptr));
}

}  // namespace

// The steps do not stop each other after a size failure: the checksum is still verified.
ContainerState readContainer(Container& container, const char* workFolder, ParamNode& failures) {
    TextBuffer& programPath = container.programPath;
    if (!readDirectoryEntries(programPath.text(), container.entries, container.end)) {
        addFailure(failures, "Fichier erron\xE9 - Impossible de retrouver les informations");
        return ContainerState::Unreadable;
    }
    ContainerState state = ContainerState::Sound;
    FileInfo info;
    GetFileInfo(programPath.text(), info);
    if (info.size < container.end && !joinVolumes(programPath, workFolder, container.end)) {
        addFailure(failures, "Le fichier n'est pas de la bonne taille");
        state = ContainerState::Damaged;
    }
    if (container.entries.find(checksumLibraryName) &&
        !checksumMatches(programPath.text(), container.end)) {
        addFailure(failures, "Le fichier contient des erreurs");
        state = ContainerState::Damaged;
    }
    return state;
}

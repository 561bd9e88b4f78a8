#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/responder.h"

namespace {

void showError(const char* text) {
    const char* caption = translate("Erreur");
    responder().startupMessage(caption, translate(text));
}

}  // namespace

// The steps do not stop each other after a size failure: the checksum is still verified.
ContainerState readDirectory(TextBuffer& programPath, const char* workFolder) {
    int64_t end = 0;
    if (!readDirectoryEntries(programPath.text(), ContainerDirectory(), end)) {
        showError("Fichier erron\xE9 - Impossible de retrouver les informations");
        return ContainerState::Unreadable;
    }
    ContainerState state = ContainerState::Sound;
    FileInfo info;
    GetFileInfo(programPath.text(), info);
    if (info.size < end && !joinVolumes(programPath, workFolder, end)) {
        showError("Le fichier n'est pas de la bonne taille");
        state = ContainerState::Damaged;
    }
    if (ContainerDirectory().find(checksumLibraryName) &&
        !checksumMatches(programPath.text(), end)) {
        showError("Le fichier contient des erreurs");
        state = ContainerState::Damaged;
    }
    return state;
}

#include "app/uninstaller.h"

#include <cstring>

#include "app/install_session.h"
#include "platform/file_ops.h"
#include "packages/package.h"
#include "platform/folder_ops.h"
#include "platform/later_removal.h"
#include "platform/path_names.h"
#include "platform/process_paths.h"
#include "script/journal.h"
#include "script/journal_undo.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/responder.h"

namespace {

// The language of the last installation, with its table, and the name its entry gave the product:
// the first of each, the records being newest first.
void takeRecordedTexts(const ParamNode& records, TextBuffer& product) {
    const ParamNode* language = nullptr;
    for (ParamCell* c = records.children(); c; c = c->next) {
        const ParamNode& record = *c->node;
        if (!language && std::strcmp(record.name(), "Langue") == 0) language = &record;
        if (product.empty() && std::strcmp(record.name(), "Valeur") == 0 &&
            std::strcmp(record.valueOf("Nom"), "DisplayName") == 0)
            product.assign(record.valueOf("Ecrit"));
    }
    if (!language) return;
    Language().assign(language->value());
    Translations()
        .findOrCreate(language->value())
        ->setChildren(language->children(), TakeList::copy);
}

// The program's folder as the journal spells the folders it holds, whatever path started it.
TextBuffer programFolder() {
    return ResolvedPath(ParentPath(ModulePath().text()).text());
}

}  // namespace

void startUninstallation(InstallSession& session) {
    session.rootPackage.reset(new Package(nullptr, nullptr));
    session.startupStatus = StartupStatus::stopped;
    TextBuffer journal = JoinPath(programFolder().text(), journalFileName);
    TextBuffer reason;
    if (!readJournal(journal.text(), session.removal, reason)) {
        TextBuffer text(
            translate("La d\xE9sinstallation est impossible, rien n'a \xE9t\xE9 retir\xE9 : "));
        text.append(reason);
        responder().startupMessage(translate("Erreur"), text.text());
        return;
    }
    takeRecordedTexts(session.removal, session.rootPackage->title);
    TextBuffer question(translate("Retirer "));
    question.append(session.rootPackage->title);
    question.append(translate(" et tout ce que son installation a fait ?"));
    if (!session.quiet && !responder().askYesNo(translate("D\xE9sinstallation"), question.text())) {
        session.exitCode = exitStopped;
        return;
    }
    session.startupStatus = StartupStatus::ready;
}

void runRemoval(InstallSession& session) {
    TextBuffer folder = programFolder();
    session.undo = undoJournal(session.removal, folder.text());
    DeletePath(JoinPath(folder.text(), journalFileName).text());
    if (!session.undo.failed.empty()) addError("Desinstallation", session.undo.failed.text());
}

void finishRemoval(const InstallSession& session) {
    TextBuffer program = ModulePath();
    if (!PathExists(JoinPath(programFolder().text(), journalFileName).text()))
        removeAfterExit(program.text(), session.undo.ownFolders);
}

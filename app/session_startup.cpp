#include "app/session_startup.h"

#include <cstdlib>

#include "app/model_folder.h"
#include "app/work_folder.h"
#include "packages/package.h"
#include "params/block_format.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "platform/file_ops.h"
#include "platform/folder_ops.h"
#include "platform/path_names.h"
#include "platform/process_paths.h"
#include "session/run_state.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/responder.h"

namespace {

// A start-up message: no owner window, OK button, exclamation icon; caption and text translated.
void showStartupMessage(const char* caption, const char* text) {
    responder().startupMessage(translate(caption), translate(text));
}

// "TMP", else "TEMP", else the system's usual folder; only the first one found is tried.
TextBuffer temporaryFolder() {
    const char* folder = std::getenv("TMP");
    if (!folder) folder = std::getenv("TEMP");
    return TextBuffer(folder ? folder : "c:\\windows\\temp");
}

// The reader's messages are translated already.
void showReadingFailures(const ParamNode& failures) {
    for (ParamCell* c = failures.children(); c; c = c->next)
        responder().startupMessage(translate("Erreur"), c->node->name());
}

void readExtraVariables() {
    const Container& container = ProgramContainer();
    Extraction result = extractLibrary(container, extraVariablesLibraryName, nullptr, nullptr);
    if (result.outcome == ExtractionOutcome::done)
        readTreeFile(ExtraVariables(), container.scratchFile.text());
}

void extractDescription(InstallSession& session) {
    Extraction result = extractLibrary(ProgramContainer(), descriptionLibraryName,
                                       WorkFolder().path.text(), nullptr);
    if (result.outcome != ExtractionOutcome::done) {
        if (!result.unpackingError.empty()) addError("ExtLIB", result.unpackingError.text());
        session.startupStatus = StartupStatus::stopped;
        showStartupMessage("Erreur de description d'installation", result.error.text());
    }
    InstallFolder().assign(WorkFolder().path.text());
}

// lib_DATA = DATA-2: scripts name a library by its short name, whatever suffix the packer gave it.
void defineLibraryVariables() {
    for (ParamCell* c = ProgramContainer().entries.children(); c; c = c->next) {
        const char* name = c->node->name();
        TextBuffer variable("lib_");
        for (const char* p = name; *p && *p != '-'; ++p) variable.appendChar(*p);
        ExtraVariables().findOrCreate(variable.text())->setText(name);
    }
}

void loadPackages(InstallSession& session) {
    session.rootPackage.reset(new Package(InstallFolder().text(), nullptr));
    session.rootPackage->readLanguage(Language());
    mergeTranslations(Translations(), *session.rootPackage);
    // A product that can be removed keeps its journal from the first script on: the pages'
    // scripts may already make keys.
    if (session.rootPackage->varTree.find("Desinstallation")) Copied().made = &session.journal;
}

}  // namespace

void mergeTranslations(ParamNode& translations, Package& package) {
    for (auto& sub : package.subPackages) mergeTranslations(translations, *sub);
    ParamNode* block = package.FindBlock("Traduction");
    for (ParamCell* language = block->children(); language; language = language->next) {
        ParamNode* table = translations.findOrCreate(language->node->name());
        for (ParamCell* entry = language->node->children(); entry; entry = entry->next) {
            table->findOrCreate(entry->node->name())->setText(entry->node->value());
        }
    }
}

void startSession(InstallSession& session) {
    // A multi-volume join replaces the program path; the model is named after the program as
    // started.
    const TextBuffer started = ModulePath();
    Container& container = ProgramContainer();
    container.programPath = started;
    Language() = languageFromProgramName(started.text());

    TextBuffer temporary = temporaryFolder();
    if (!FolderExists(temporary.text()) ||
        (session.mode == SessionMode::install && !createWorkFolder(temporary.text()))) {
        session.startupStatus = StartupStatus::stopped;
        showStartupMessage("Dossier incorrect",
                           "Impossible de trouver le dossier temporaire, contactez le support");
        return;
    }
    // The model modes work beside the program, where a multi-volume join is written too; that
    // folder is not the run's own, so nothing ever removes it.
    if (session.mode != SessionMode::install) {
        WorkFolder() = RunFolder{ParentPath(started.text()), false};
    }
    container.scratchFile = JoinPath(WorkFolder().path.text(), "libtmp.tmp");
    session.startupStatus = StartupStatus::ready;

    FileInfo program;
    GetFileInfo(started.text(), program);
    if (program.size <= stubSize) {
        InstallFolder() = ParentPath(started.text());
    } else {
        ParamNode failures;
        ContainerState state = readContainer(container, WorkFolder().path.text(), failures);
        showReadingFailures(failures);
        if (state == ContainerState::Unreadable) {
            session.startupStatus = StartupStatus::stopped;
            return;
        }
        if (state == ContainerState::Damaged) session.startupStatus = StartupStatus::stopped;
        if (session.mode == SessionMode::install) {
            readExtraVariables();
            extractDescription(session);
        } else {
            TextBuffer errors;
            bool written = writeModelFolder(container, started.text(), session.mode, errors);
            if (!written)
                showStartupMessage(
                    "Erreur de d\xE9"
                    "compactage",
                    errors.text());
            // The libraries that could be written are: the run ended with errors, not at start.
            if (state == ContainerState::Sound)
                session.exitCode = written ? exitSuccess : exitInstallErrors;
            session.startupStatus = StartupStatus::stopped;
        }
        defineLibraryVariables();
    }
    loadPackages(session);
}

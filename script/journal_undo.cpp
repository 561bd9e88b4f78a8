#include "script/journal_undo.h"

#include <cstring>

#include "params/fold_upper.h"
#include "platform/file_ops.h"
#include "platform/folder_ops.h"
#include "platform/registry_key.h"
#include "script/journal.h"
#include "session/translation.h"

namespace {

void addLine(TextBuffer& lines, const char* path, const char* why) {
    lines.append(path);
    lines.append(translate(why));
    lines.append("\r\n");
}

// Whether folder is inner or holds it, as the system compares names.
bool holds(const char* folder, const char* inner) {
    size_t n = std::strlen(folder);
    while (n > 0 && (folder[n - 1] == '\\' || folder[n - 1] == '/')) --n;
    for (size_t i = 0; i < n; ++i)
        if (foldUpper(folder[i]) != foldUpper(inner[i])) return false;
    return inner[n] == 0 || inner[n] == '\\' || inner[n] == '/';
}

bool sameMark(const ParamNode& record, const FileMark& mark) {
    TextBuffer size, sum;
    size.appendInt64(mark.size);
    sum.appendUInt64(mark.sum);
    return std::strcmp(record.valueOf("Taille"), size.text()) == 0 &&
           std::strcmp(record.valueOf("Somme"), sum.text()) == 0;
}

void undoFile(const ParamNode& record, UndoReport& report) {
    FileMark mark;
    const char* path = record.value();
    if (!readFileMark(path, mark)) return;
    if (record.find("Avant")) {
        addLine(report.kept, path, " (pr\xE9sent avant l'installation)");
    } else if (!sameMark(record, mark)) {
        addLine(report.kept, path, " (modifi\xE9 depuis l'installation)");
    } else if (DeletePath(path)) {
        ++report.undone;
    } else {
        addLine(report.failed, path, " (suppression impossible)");
    }
}

void undoFolder(const ParamNode& record, const char* ownFolder, UndoReport& report) {
    const char* path = record.value();
    if (ownFolder && holds(path, ownFolder)) {
        report.ownFolders.emplace_back(path);
    } else if (RemoveEmptyFolder(path)) {
        ++report.undone;
    } else if (FolderExists(path)) {
        addLine(report.kept, path, " (non vide)");
    }
}

void undoKey(const ParamNode& record, UndoReport& report) {
    RegistryKey key;
    key.allowWriting();
    key.openPath(record.value(), KeyOpening::existing);
    if (!key.isOpen()) return;
    if (!key.queryInfo() || key.info().subkeyCount || key.info().valueCount) {
        addLine(report.kept, record.value(), " (non vide)");
    } else if (key.deleteTree()) {
        ++report.undone;
    } else {
        addLine(report.failed, record.value(), " (suppression impossible)");
    }
}

void undoValue(const ParamNode& record, UndoReport& report) {
    RegistryKey key;
    key.allowWriting();
    key.openPath(record.value(), KeyOpening::existing);
    const char* name = record.valueOf("Nom");
    const char* now = key.readValue(name, KeyListing::reread, ValueForm::typed);
    if (!now) return;
    TextBuffer where(record.value());
    where.appendPath(name);
    const ParamNode* before = record.find("Avant");
    if (std::strcmp(now, record.valueOf("Ecrit")) != 0) {
        addLine(report.kept, where.text(),
                " (modifi\xE9"
                "e depuis l'installation)");
    } else if (before ? key.writeValue(name, before->value(), IntegerNodes::asDword)
                      : key.deleteValue(name)) {
        ++report.undone;
    } else {
        addLine(report.failed, where.text(), " (restauration impossible)");
    }
}

}  // namespace

UndoReport undoJournal(const ParamNode& records, const char* ownFolder) {
    UndoReport report;
    bool view = registryView64();
    for (ParamCell* c = records.children(); c; c = c->next) {
        const ParamNode& record = *c->node;
        setRegistryView64(std::strcmp(record.valueOf("Vue"), "64") == 0);
        if (std::strcmp(record.name(), "Fichier") == 0) undoFile(record, report);
        if (std::strcmp(record.name(), "Dossier") == 0) undoFolder(record, ownFolder, report);
        if (std::strcmp(record.name(), "Cle") == 0) undoKey(record, report);
        if (std::strcmp(record.name(), "Valeur") == 0) undoValue(record, report);
    }
    setRegistryView64(view);
    return report;
}

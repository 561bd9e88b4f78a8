#include "app/uninstallation.h"

#include <cstring>
#include <vector>

#include "app/install_session.h"
#include "packages/package.h"
#include "params/expansion.h"
#include "params/file_bytes.h"
#include "params/file_stream.h"
#include "params/variable_store.h"
#include "payload/container_format.h"
#include "platform/file_ops.h"
#include "platform/folder_ops.h"
#include "platform/path_names.h"
#include "platform/registry_key.h"
#include "script/journal.h"
#include "session/container.h"
#include "session/stores.h"

namespace {

// Shortcut mode 2: programs and shortcuts for the user alone.
bool privateInstallation(const InstallSession& session) {
    return session.shortcutMode == 2;
}

const char entryBranch[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char uninstallOption[] = "\" /uninstall";

// What the installer's manifest asks of the system, as the packer may have set it; a private
// installation's uninstaller asks for nothing, so it runs with the rights of whoever removes it.
const char* const elevatedLevels[] = {"level=\"requireAdministrator\"",
                                      "level=\"highestAvailable\""};
const char invokerLevel[] = "level=\"asInvoker\"";

void askNoElevation(std::vector<char>& program) {
    for (const char* level : elevatedLevels) {
        size_t length = std::strlen(level);
        for (size_t at = 0; at + length <= program.size(); ++at) {
            if (std::memcmp(&program[at], level, length) != 0) continue;
            std::memset(&program[at], ' ', length);
            std::memcpy(&program[at], invokerLevel, std::strlen(invokerLevel));
        }
    }
}

// The program's first stubSize bytes: the stub, without the payload.
bool writeUninstaller(const char* path, bool privateInstallation) {
    std::vector<char> program(stubSize);
    InFileStream in(ProgramContainer().programPath.text(), FileMode::binary);
    if (in.read(program.data(), stubSize) != stubSize) return false;
    if (privateInstallation) askNoElevation(program);
    OutFileStream out(path, FileMode::binary);
    out.write(program.data(), stubSize);
    return out.close();
}

TextBuffer expanded(const char* text) {
    TextBuffer result(text);
    expandText(result, VariableStore().children(), nullptr);
    return result;
}

// The journal's date, as the list of programs wants it: YYYYMMDD.
TextBuffer installDate(const char* journal) {
    FileInfo info;
    GetFileInfo(journal, info);
    TextBuffer date;
    date.appendInt(info.modified.year * 10000 + info.modified.month * 100 + info.modified.day);
    return date;
}

void writeEntry(InstallSession& session, const char* folder, const char* uninstaller) {
    Package& root = *session.rootPackage;
    ParamNode* product = root.FindBlock("Produit");
    TextBuffer journal = JoinPath(folder, journalFileName);
    ParamNode records;
    TextBuffer reason;
    readJournal(journal.text(), records, reason);
    TextBuffer command("\"");
    command.append(uninstaller);
    command.append(uninstallOption);
    TextBuffer quiet(command);
    quiet.append(" /quiet");
    TextBuffer size("__dword:");
    size.appendInt(journalKilobytes(records));

    ParamNode values;
    auto add = [&values](const char* name, const char* value) {
        values.append(new ParamNode(name, value));
    };
    add("DisplayName", expanded(product->valueOf("Titre")).text());
    add("DisplayVersion", expanded(product->valueOf("Version")).text());
    if (const char* publisher = root.varTree.valueOf("SOCIETE", nullptr))
        add("Publisher", expanded(publisher).text());
    add("InstallLocation", folder);
    add("InstallDate", installDate(journal.text()).text());
    add("EstimatedSize", size.text());
    add("DisplayIcon", uninstaller);
    add("UninstallString", command.text());
    add("QuietUninstallString", quiet.text());
    add("NoModify", "__dword:1");
    add("NoRepair", "__dword:1");

    // A 32-bit program's entries are listed from the 32-bit view, whichever view the scripts
    // left on.
    bool view = setRegistryView64(false);
    RegistryKey key;
    key.allowWriting();
    key.tellMade(&session.journal);
    TextBuffer branch(entryBranch);
    branch.append(root.id);
    key.joinRootAndBranch(privateInstallation(session) ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE",
                          branch.text(), KeyOpening::create);
    if (!key.writeValues(values.children(), IntegerNodes::asString))
        addError("Desinstallation", key.path());
    setRegistryView64(view);
}

}  // namespace

TextBuffer uninstallationFolder(const InstallSession& session) {
    const char* setting = session.rootPackage->varTree.valueOf("Desinstallation", nullptr);
    if (!setting) return TextBuffer();
    TextBuffer folder(setting);
    expandPath(folder, VariableStore());
    // A blank folder would be the current one, whatever that is.
    return hasVisibleByte(folder.text()) ? ResolvedPath(folder.text()) : TextBuffer();
}

bool openJournal(InstallSession& session, const char* folder) {
    TextBuffer journal = JoinPath(folder, journalFileName);
    // An uninstaller that runs with administrators' rights must read a journal that nobody else
    // could have written: otherwise it would delete whatever the journal named.
    bool found = FolderExists(folder);
    bool made = MakeFolder(folder, FolderParents::created, &session.journal);
    if (made && (found || privateInstallation(session) || ProtectFolder(folder)) &&
        session.journal.startFile(journal.text()))
        return true;
    addError("Desinstallation", journal.text());
    return false;
}

void finishUninstallation(InstallSession& session, const char* folder) {
    TextBuffer uninstaller = JoinPath(folder, uninstallerFileName);
    if (!writeUninstaller(uninstaller.text(), privateInstallation(session)))
        addError("Desinstallation", uninstaller.text());
    writeEntry(session, folder, uninstaller.text());
}

bool undoThisRun(InstallSession& session, const char* folder) {
    session.journal.finishFile();
    session.undo = undoJournal(session.journal.thisRun(), folder);
    TextBuffer journal = JoinPath(folder, journalFileName);
    int64_t earlier = session.journal.earlierSize();
    if (earlier <= 0) return DeletePath(journal.text());
    TextBuffer bytes;
    readFileBytes(journal.text(), bytes);
    OutFileStream out(journal.text(), FileMode::binary);
    out.write(bytes.text(), earlier < bytes.length() ? int32_t(earlier) : bytes.length());
    out.close();
    return false;
}

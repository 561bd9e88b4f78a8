#include "platform/programs.h"

#include "params/file_stream.h"
#include "platform/system_programs.h"

namespace {

// A folder text of spaces only names no folder.
const char* folderOrNone(const char* folder) {
    if (folder)
        for (const char* p = folder; *p; ++p)
            if (*p != ' ' && *p != '\t') return folder;
    return nullptr;
}

}  // namespace

bool ShellOpen(const char* file, const char* folder) {
    if (file && systemShellOpen(file, folderOrNone(folder))) return true;
    errorStream() << "Erreur lors de l'ouverture de <" << file << ">\n";
    return false;
}

bool StartProgram(const char* commandLine, ProgramWait wait, const char* folder,
                  const std::atomic<bool>* stop) {
    if (commandLine && systemStartProgram(commandLine, folderOrNone(folder), wait, stop))
        return true;
    errorStream() << "Erreur d'ouverture du prg <" << commandLine << ">\n";
    return false;
}

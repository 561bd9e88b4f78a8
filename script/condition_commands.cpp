#include "script/condition_commands.h"

#include <cstring>

#include "params/decimal.h"
#include "params/fold_upper.h"
#include "platform/file_ops.h"
#include "script/run_limits.h"
#include "script/script_engine.h"

void runBranchOf(CommandRun& run, bool yes) {
    const char* branch = yes ? "Oui" : "Non";
    if (!RunBranch(run.package, branch, run.command))
        reportLimit(run, "Blocs trop imbriqu\xE9s : ", branch);
}

void runIfEqual(CommandRun& run) {
    runBranchOf(run, foldEquals(argument(run, "Chaine1"), argument(run, "Chaine2")));
}

void runIfGreater(CommandRun& run) {
    double first = decimalToReal(argument(run, "Chaine1", "0"));
    double second = decimalToReal(argument(run, "Chaine2", "0"));
    runBranchOf(run, first > second);
}

void runIfContains(CommandRun& run) {
    TextBuffer text(argument(run, "Chaine1"));
    TextBuffer wanted(argument(run, "Chaine2"));
    if ((run.command.integerOf("FLAGS", 0) & 1) == 0) {
        text.toLower();
        wanted.toLower();
    }
    runBranchOf(run, std::strstr(text.text(), wanted.text()) != nullptr);
}

void runIfPathExists(CommandRun& run) {
    runBranchOf(run, PathExists(argument(run, "Chemin", "")));
}

void runIfFolderExists(CommandRun& run) {
    runBranchOf(run, FolderExists(argument(run, "Chemin", "")));
}

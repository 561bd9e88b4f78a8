#include "script/shortcut_commands.h"

#include "platform/file_ops.h"
#include "platform/shell_link.h"
#include "session/run_state.h"

void runCreateShortcut(CommandRun& run) {
    ShellLink link;
    const char* linkPath = argument(run, "PosLien");
    FileBefore before = fileBefore(Copied().made, linkPath);
    link.setLinkPath(linkPath);
    link.setTarget(argument(run, "ExeLien"));
    link.setArguments(argument(run, "ArgExe", ""));
    link.setWorkingFolder(argument(run, "HomeExe", ""));
    link.setDescription(argument(run, "InfoLien", ""));
    link.setIcon(argument(run, "PosIcone", ""), run.command.integerOf("IdxIcone", 0));
    // The system accepts a link whose file it then cannot save (its folder missing, for one);
    // the installation must not count such a shortcut as made.
    if (!link.CreateLink() || !PathExists(linkPath)) {
        report(run,
               "Erreur de cr\xE9"
               "ation du raccourci ",
               linkPath);
        return;
    }
    tellFileWritten(Copied().made, linkPath, before);
}

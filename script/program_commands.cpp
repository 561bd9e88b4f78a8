#include "script/program_commands.h"

#include "platform/programs.h"
#include "session/run_state.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

enum class Launch { shellOpen, start, startAndWait };

// The item's name, then its value as one quoted argument when it is not blank.
TextBuffer commandText(const ParamNode& item) {
    TextBuffer text(item.name());
    if (hasVisibleByte(item.value())) {
        text.append(" \"");
        text.append(item.value());
        text.appendChar('"');
    }
    return text;
}

// The value of the item's "INI" child; null when the item has none.
const char* startFolder(const ParamNode& item) {
    const ParamNode* folder = item.find("INI");
    return folder ? itemValue(*folder) : nullptr;
}

bool launch(const char* commandText, const char* folder, Launch how) {
    switch (how) {
        case Launch::shellOpen: return ShellOpen(commandText, folder);
        case Launch::start: return StartProgram(commandText, ProgramWait::none, folder);
        case Launch::startAndWait:
            // A stop request ends the wait; the program itself goes on.
            return StartProgram(commandText, ProgramWait::untilEnded, folder, &StopFlag());
    }
    return false;
}

// A program or document that did not open is reported whatever the "-" prefix says: what it
// was to do is not done.
void launchItem(CommandRun& run, const ParamNode& item, Launch how) {
    TextBuffer text = commandText(item);
    const char* folder = startFolder(item);
    if (launch(text.text(), folder, how)) return;
    composeMessage(run, "Erreur d'ouverture du fichier ", text.text());
    if (folder) {
        run.message.append(translate(", dossier initial : "));
        run.message.append(folder);
    }
    addError(run.keyword, run.message.text());
}

}  // namespace

void queueOpenItem(CommandRun&, ParamNode& item) {
    OpenList().append(item.clone(Reach::tree));
}

void openDocumentItem(CommandRun& run, ParamNode& item) {
    launchItem(run, item, Launch::shellOpen);
}

void startProgramItem(CommandRun& run, ParamNode& item) {
    launchItem(run, item, Launch::start);
}

void runProgramItem(CommandRun& run, ParamNode& item) {
    launchItem(run, item, Launch::startAndWait);
}

void openQueuedItems() {
    for (ParamCell* c = OpenList().children(); c; c = c->next) {
        launch(commandText(*c->node).text(), startFolder(*c->node), Launch::shellOpen);
    }
}

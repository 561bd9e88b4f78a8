#include "app/entry.h"

#include "app/answering_responder.h"
#include "app/answers.h"
#include "app/command_line.h"
#include "app/install_session.h"
#include "app/run_log.h"
#include "app/session_startup.h"
#include "app/uninstaller.h"
#include "app/wizard.h"
#include "app/work_folder.h"
#include "packages/package.h"
#include "params/file_stream.h"
#include "params/param_node.h"
#include "payload/container_format.h"
#include "ui/interface_startup.h"

int runApplication(const char* commandTail) {
    CommandLineChoice choice = readCommandLine(commandTail);
    if (choice.sizeQuery) return stubSize;
    initInterfaceLibraries();
    ParamNode answers;
    // A command line that is refused while it asks for a log comes from a deployment script: its
    // message goes to the log, and no window waits for a person who is not there.
    bool unattended = choice.quiet || (!choice.error.empty() && !choice.logPath.empty());
    AnsweringResponder answering(unattended ? nullptr : &responder(), answers);
    Responder* previous = setResponder(&answering);
    // The log is opened before anything is unpacked: a run whose log cannot be written would
    // otherwise end with nothing to tell what it did.
    OutFileStream logFile;
    if (!choice.logPath.empty() && !logFile.open(choice.logPath.text(), FileMode::binary) &&
        choice.error.empty()) {
        choice.error.assign("Journal impossible \xE0 cr\xE9" "er : ");
        choice.error.append(choice.logPath);
    }
    if (choice.error.empty() && !choice.answersPath.empty())
        readAnswersFile(choice.answersPath.text(), answers, choice.error);
    int code = exitStartupFailure;
    if (choice.error.empty()) {
        InstallSession session(choice.mode);
        session.quiet = choice.quiet;
        session.answers = &answers;
        if (choice.mode == SessionMode::uninstall)
            startUninstallation(session);
        else
            startSession(session);
        bool ready = session.startupStatus == StartupStatus::ready;
        TextBuffer unknown;
        if (ready && !choice.answersPath.empty() &&
            !checkAnswers(choice.answersPath.text(), *session.rootPackage, unknown)) {
            // A misspelt name would otherwise install what the file meant to change.
            answering.startupMessage("Erreur", unknown.text());
            removeWorkFolder();
        } else if (ready) {
            applyProductAnswers(*session.rootPackage, answers);
            runWizard(session);
            // A removal installs nothing: its report says what it did.
            if (choice.mode == SessionMode::uninstall)
                finishRemoval(session);
            else
                appendRunSummary(answering.log, *session.rootPackage);
        }
        code = unknown.empty() ? session.exitCode : exitStartupFailure;
        answering.log.append(session.reportText);
    } else {
        answering.startupMessage("Erreur", choice.error.text());
    }
    // The questions and messages in their order, what was installed, the report, then the exit
    // code. The texts keep their own "\r\n" line ends, so the file is written as bytes.
    if (logFile.isOpen()) logFile << answering.log << "\r\nCode de sortie : " << code << "\r\n";
    setResponder(previous);
    return code;
}

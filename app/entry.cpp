#include "app/entry.h"

#include "app/answering_responder.h"
#include "app/answers.h"
#include "app/command_line.h"
#include "app/install_session.h"
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
    AnsweringResponder answering(choice.quiet ? nullptr : &responder(), answers);
    Responder* previous = setResponder(&answering);
    if (choice.error.empty() && !choice.answersPath.empty())
        readAnswersFile(choice.answersPath.text(), answers, choice.error);
    int code = exitStartupFailure;
    if (choice.error.empty()) {
        InstallSession session(choice.mode, nullptr);
        session.quiet = choice.quiet;
        session.answers = &answers;
        if (session.startupStatus == 0) {
            applyProductAnswers(*session.rootPackage, answers);
            runWizard(session);
        }
        code = session.exitCode;
        answering.log.append(session.reportText);
    } else {
        answering.startupMessage("Erreur", choice.error.text());
    }
    releaseInterfaceResources();
    // The questions and messages in their order, the report, then the exit code. The texts keep
    // their own "\r\n" line ends, so the file is written as bytes.
    if (!choice.logPath.empty()) {
        OutFileStream file(choice.logPath.text(), FileMode::binary);
        file << answering.log << "\r\nCode de sortie : " << code << "\r\n";
    }
    setResponder(previous);
    return code;
}

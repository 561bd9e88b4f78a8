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

namespace {

// The report, the questions and messages of the run, then its exit code. Texts keep their own
// "\r\n" line ends, so the file is written as bytes.
void writeLog(const char* path, const TextBuffer& report, const TextBuffer& questions, int code) {
    OutFileStream file(path, FileMode::binary);
    file << report;
    if (!report.empty()) file << "\r\n\r\n";
    file << questions;
    file << "Code de sortie : " << code << "\r\n";
    file.close();
}

}  // namespace

int runApplication(const char* commandTail) {
    CommandLineChoice choice = readCommandLine(commandTail);
    if (choice.sizeQuery) return stubSize;
    initInterfaceLibraries();
    ParamNode answers;
    AnsweringResponder answering(choice.quiet ? nullptr : &responder(), answers);
    Responder* previous = setResponder(&answering);
    int code = exitStartupFailure;
    TextBuffer report;
    if (choice.error.empty() && !choice.answersPath.empty())
        readAnswersFile(choice.answersPath.text(), answers, choice.error);
    if (choice.error.empty()) {
        InstallSession session(choice.mode, nullptr);
        session.quiet = choice.quiet;
        session.answers = &answers;
        if (session.startupStatus == 0) {
            applyProductAnswers(*session.rootPackage, answers);
            runWizard(session);
        }
        code = session.exitCode;
        report = session.reportText;
    } else {
        answering.startupMessage("Erreur", choice.error.text());
    }
    releaseInterfaceResources();
    if (!choice.logPath.empty()) writeLog(choice.logPath.text(), report, answering.log, code);
    setResponder(previous);
    return code;
}

#include "app/answering_responder.h"

#include "app/answers.h"
#include "params/fold_upper.h"

AnsweringResponder::AnsweringResponder(Responder* person, const ParamNode& answers)
    : person_(person), answers_(answers) {}

void AnsweringResponder::note(const char* text, const char* answer, bool fromFile) {
    log.append(text);
    if (answer) {
        log.append(" -> ");
        log.append(answer);
        if (!fromFile && !person_) log.append(" (d\xE9" "faut)");
    }
    log.append("\r\n");
}

void AnsweringResponder::startupMessage(const char* caption, const char* text) {
    note(text, nullptr, false);
    if (person_) person_->startupMessage(caption, text);
}

bool AnsweringResponder::askYesNo(const char* title, const char* message) {
    const char* given = answerFor(answers_, message);
    bool yes = given ? foldEquals(given, "Oui") : !person_ || person_->askYesNo(title, message);
    note(message, yes ? "Oui" : "Non", given != nullptr);
    return yes;
}

void AnsweringResponder::showMessage(const char* title, const char* message, bool warning) {
    if (person_) person_->showMessage(title, message, warning);
}

void AnsweringResponder::notify(const char* title, const char* text) {
    if (person_) person_->notify(title, text);
}

bool AnsweringResponder::confirm(const char* title, const char* text) {
    return !person_ || person_->confirm(title, text);
}

bool AnsweringResponder::askText(const char* title, const char* prompt, const char* initial,
                                 TextBuffer& answer) {
    return person_ && person_->askText(title, prompt, initial, answer);
}

const char* AnsweringResponder::chooseFromList(const char* title, const char* prompt,
                                               ParamNode* items, int namesFirst,
                                               int returnWhich) {
    const char* chosen = answerFor(answers_, prompt);
    bool fromFile = chosen != nullptr;
    if (!fromFile && person_)
        chosen = person_->chooseFromList(title, prompt, items, namesFirst, returnWhich);
    note(prompt, chosen ? chosen : "", fromFile);
    return chosen;
}

bool AnsweringResponder::chooseFile(bool save, const char* filter, const char* defaultName,
                                    const char* defaultExtension, int& filterIndex,
                                    TextBuffer& path) {
    return person_ &&
           person_->chooseFile(save, filter, defaultName, defaultExtension, filterIndex, path);
}

bool AnsweringResponder::chooseFolder(const char* prompt, const char* start, TextBuffer& folder) {
    return person_ && person_->chooseFolder(prompt, start, folder);
}

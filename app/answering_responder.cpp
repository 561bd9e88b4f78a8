#include "app/answering_responder.h"

#include "app/answers.h"
#include "params/fold_upper.h"
#include "params/param_node.h"

namespace {

const char fromFile[] = "fichier de r\xE9ponses";

const char* yesNoText(bool yes) {
    return yes ? "Oui" : "Non";
}

}  // namespace

AnsweringResponder::AnsweringResponder(Responder* person, const ParamNode& answers)
    : person_(person), answers_(answers) {}

const char* AnsweringResponder::source() const {
    return person_ ? "utilisateur" : "d\xE9" "faut";
}

void AnsweringResponder::note(const char* kind, const char* title, const char* text,
                              const char* answer, const char* source) {
    TextBuffer line(kind);
    line.append(" [");
    line.append(title ? title : "");
    line.append("] ");
    line.append(text ? text : "");
    if (answer) {
        line.append(" -> ");
        line.append(answer);
        line.append(" (");
        line.append(source);
        line.append(")");
    }
    // One line per entry, whatever the texts hold.
    line.replaceAll("\r\n", " ");
    line.replaceByte('\n', ' ');
    line.append("\r\n");
    while (writing_.test_and_set(std::memory_order_acquire)) {
    }
    log.append(line);
    writing_.clear(std::memory_order_release);
}

void AnsweringResponder::noteMessage(const char* title, const char* text) {
    note("Message", title, text, nullptr, nullptr);
}

bool AnsweringResponder::yesOrNo(const char* title, const char* text,
                                 bool (Responder::*ask)(const char*, const char*)) {
    const char* answer = answerFor(answers_, title, text);
    bool yes = answer ? foldEquals(answer, "Oui") : person_ ? (person_->*ask)(title, text) : true;
    note("Question", title, text, yesNoText(yes), answer ? fromFile : source());
    return yes;
}

void AnsweringResponder::startupMessage(const char* caption, const char* text) {
    noteMessage(caption, text);
    if (person_) person_->startupMessage(caption, text);
}

bool AnsweringResponder::askYesNo(const char* title, const char* message) {
    return yesOrNo(title, message, &Responder::askYesNo);
}

void AnsweringResponder::showMessage(const char* title, const char* message, bool warning) {
    noteMessage(title, message);
    if (person_) person_->showMessage(title, message, warning);
}

void AnsweringResponder::notify(const char* title, const char* text) {
    noteMessage(title, text);
    if (person_) person_->notify(title, text);
}

bool AnsweringResponder::confirm(const char* title, const char* text) {
    return yesOrNo(title, text, &Responder::confirm);
}

bool AnsweringResponder::askText(const char* title, const char* prompt, const char* initial,
                                 TextBuffer& answer) {
    const char* given = answerFor(answers_, title, prompt);
    bool taken = true;
    if (given)
        answer.assign(given);
    else if (person_)
        taken = person_->askText(title, prompt, initial, answer);
    else
        answer.assign(initial ? initial : "");
    note("Question", title, prompt, taken ? answer.text() : "(annul\xE9)",
         given ? fromFile : source());
    return taken;
}

const char* AnsweringResponder::chooseFromList(const char* title, const char* prompt,
                                               ParamNode* items, int namesFirst,
                                               int returnWhich) {
    const char* chosen = answerFor(answers_, title, prompt);
    const char* from = fromFile;
    if (!chosen) {
        from = source();
        if (person_) chosen = person_->chooseFromList(title, prompt, items, namesFirst, returnWhich);
    }
    note("Question", title, prompt, chosen ? chosen : "(aucun choix)", from);
    return chosen;
}

bool AnsweringResponder::chooseFile(bool save, const char* filter, const char* defaultName,
                                    const char* defaultExtension, int& filterIndex,
                                    TextBuffer& path) {
    const char* title = save ? "save" : "open";
    const char* given = answerFor(answers_, title, defaultName);
    bool taken = false;
    if (given) {
        path.assign(given);
        taken = true;
    } else if (person_) {
        taken = person_->chooseFile(save, filter, defaultName, defaultExtension, filterIndex,
                                    path);
    }
    note("Question", title, defaultName, taken ? path.text() : "(aucun fichier)",
         given ? fromFile : source());
    return taken;
}

#include "scripted_responder.h"

#include <cstring>

ScriptedResponder::ScriptedResponder()
    : asked("asked", ""), answers_("answers", ""), previous_(setResponder(this)) {}

ScriptedResponder::~ScriptedResponder() {
    setResponder(previous_);
}

void ScriptedResponder::answerYes(bool yes) {
    answers_.append(new ParamNode("yes", yes ? 1 : 0));
}

void ScriptedResponder::answerChoice(const char* text) {
    answers_.append(text ? new ParamNode("choice", text) : new ParamNode("none", ""));
}

void ScriptedResponder::record(const char* kind, const char* title, const char* text) {
    ParamNode* entry = new ParamNode(kind, title ? title : "");
    entry->append(new ParamNode("text", text ? text : ""));
    asked.append(entry);
}

ParamNode* ScriptedResponder::nextAnswer() {
    ParamNode* first = answers_.child(0);
    if (first) listRemove(answers_.childListHead(), first, Removed::keep);
    return first;
}

void ScriptedResponder::startupMessage(const char* caption, const char* text) {
    record("startupMessage", caption, text);
}

bool ScriptedResponder::nextYes() {
    ParamNode* answer = nextAnswer();
    bool yes = answer && answer->integerValue() != 0;
    delete answer;
    return yes;
}

bool ScriptedResponder::askYesNo(const char* title, const char* message) {
    record("askYesNo", title, message);
    return nextYes();
}

void ScriptedResponder::showMessage(const char* title, const char* message, bool) {
    record("showMessage", title, message);
}

void ScriptedResponder::notify(const char* title, const char* text) {
    record("notify", title, text);
}

bool ScriptedResponder::confirm(const char* title, const char* text) {
    record("confirm", title, text);
    return nextYes();
}

bool ScriptedResponder::askText(const char* title, const char* prompt, const char*,
                                TextBuffer& answer) {
    record("askText", title, prompt);
    return nextChoice(answer);
}

const char* ScriptedResponder::chooseFromList(const char* title, const char* prompt, ParamNode*,
                                              int, int) {
    record("chooseFromList", title, prompt);
    return nextChoice(choice_) ? choice_.text() : nullptr;
}

bool ScriptedResponder::nextChoice(TextBuffer& text) {
    ParamNode* answer = nextAnswer();
    bool chosen = answer && std::strcmp(answer->name(), "choice") == 0;
    if (chosen) text.assign(answer->value());
    delete answer;
    return chosen;
}

bool ScriptedResponder::chooseFile(bool save, const char*, const char* defaultName, const char*,
                                   int&, TextBuffer& path) {
    record("chooseFile", save ? "save" : "open", defaultName);
    return nextChoice(path);
}

bool ScriptedResponder::chooseFolder(const char* prompt, const char* start, TextBuffer& folder) {
    record("chooseFolder", prompt, start);
    return nextChoice(folder);
}

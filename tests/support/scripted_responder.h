#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"
#include "ui/responder.h"

// A responder for tests: answers from a queue and records every question asked.
// Each question asked becomes a node of `asked`, in order: name = kind ("startupMessage",
// "askYesNo", "showMessage", "notify", "confirm", "askText", "chooseFromList", "chooseFile",
// "chooseFolder"), value = title ("open" or "save" for a file, the prompt for a folder), child
// "text" = message or prompt (the default name of a file, the start folder of a folder). Answers
// are consumed in order; with none left, a question is answered "no" / nothing chosen.
class ScriptedResponder : public Responder {
public:
    ScriptedResponder();
    ~ScriptedResponder() override;

    // Yes for askYesNo, OK for confirm.
    void answerYes(bool yes);
    // The text chooseFromList returns, the text askText types, or the path a file or folder
    // dialog returns; null for "nothing chosen" (Cancel).
    void answerChoice(const char* text);

    ParamNode asked;

    void startupMessage(const char* caption, const char* text) override;
    bool askYesNo(const char* title, const char* message) override;
    void showMessage(const char* title, const char* message, bool warning) override;
    void notify(const char* title, const char* text) override;
    bool confirm(const char* title, const char* text) override;
    bool askText(const char* title, const char* prompt, const char* initial,
                 TextBuffer& answer) override;
    const char* chooseFromList(const char* title, const char* prompt, ParamNode* items,
                               int namesFirst, int returnWhich) override;
    bool chooseFile(bool save, const char* filter, const char* defaultName,
                    const char* defaultExtension, int& filterIndex, TextBuffer& path) override;
    bool chooseFolder(const char* prompt, const char* start, TextBuffer& folder) override;

private:
    void record(const char* kind, const char* title, const char* text);
    // The next queued answer, or null when the queue is empty.
    ParamNode* nextAnswer();
    // Takes the next answer as yes or no; no when the queue is empty.
    bool nextYes();
    // Takes the next answer as a choice: true with its text, false for "nothing chosen".
    bool nextChoice(TextBuffer& text);

    ParamNode answers_;
    TextBuffer choice_;
    Responder* previous_;
};

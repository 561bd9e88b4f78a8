#pragma once

#include "params/text_buffer.h"
#include "ui/responder.h"

class ParamNode;

// The responder of every run. The scripts' questions (yes/no, a choice from a list) that the
// answers file answers take that answer; the others go to the person at the screen or, in a quiet
// run (no person), take their default: yes, nothing chosen. Each of them and each start-up
// message becomes a line of `log`. Other messages and the wizard's own inputs (a typed value, a
// file or folder picked) go to the person only; a quiet run never asks those inputs.
class AnsweringResponder : public Responder {
public:
    // `person` is null in a quiet run; `answers` may be empty.
    AnsweringResponder(Responder* person, const ParamNode& answers);

    // The worker asks its questions while the interface thread asks none (the wizard shows the
    // installation page, whose only button first stops the worker), so the lines never interleave.
    TextBuffer log;

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
    // One line: the question's text, then " -> " and the answer, marked as the default when
    // neither the answers file nor a person gave it; a message's text alone.
    void note(const char* text, const char* answer, bool fromFile);

    Responder* person_;
    const ParamNode& answers_;
};

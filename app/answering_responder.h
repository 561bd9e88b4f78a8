#pragma once

#include <atomic>

#include "params/text_buffer.h"
#include "ui/responder.h"

class ParamNode;

// The responder of every run: a question that the answers file answers takes that answer;
// otherwise a person answers it, or, in a quiet run (no person), it takes its default: Yes, OK,
// the text offered, nothing chosen from a list, no file. Messages reach the person, and nobody in
// a quiet run. Each question and message becomes a line of `log`, with the answer taken and where
// it came from.
class AnsweringResponder : public Responder {
public:
    // `person` is null in a quiet run; `answers` may be empty.
    AnsweringResponder(Responder* person, const ParamNode& answers);

    // Questions come from the interface thread and the installation worker; read it once both
    // have ended.
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

private:
    // Appends "Question|Message [title] text -> answer (source)" as one line.
    void note(const char* kind, const char* title, const char* text, const char* answer,
              const char* source);
    void noteMessage(const char* title, const char* text);
    // A yes/no question: the file's answer ("Oui" is yes), else the person's, else yes.
    bool yesOrNo(const char* title, const char* text, bool (Responder::*ask)(const char*,
                                                                             const char*));
    const char* source() const;

    Responder* person_;
    const ParamNode& answers_;
    std::atomic_flag writing_ = ATOMIC_FLAG_INIT;
};

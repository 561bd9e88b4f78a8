#include "ui/system_responder.h"

#include "params/file_stream.h"

namespace {

// Native builds have no windows: questions are written to the error stream and answered "no".
class ConsoleResponder : public Responder {
public:
    void startupMessage(const char* caption, const char* text) override { say(caption, text); }
    bool askYesNo(const char* title, const char* message) override {
        say(title, message);
        return false;
    }
    void showMessage(const char* title, const char* message, bool) override { say(title, message); }
    void notify(const char* title, const char* text) override { say(title, text); }
    bool confirm(const char* title, const char* text) override {
        say(title, text);
        return false;
    }
    bool askText(const char* title, const char* prompt, const char*, TextBuffer&) override {
        say(title, prompt);
        return false;
    }
    const char* chooseFromList(const char* title, const char* prompt, ParamNode*, int,
                               int) override {
        say(title, prompt);
        return nullptr;
    }
    // Nobody can pick, as if the dialog were cancelled.
    bool chooseFile(bool, const char*, const char*, const char*, int&, TextBuffer&) override {
        return false;
    }
    bool chooseFolder(const char*, const char*, TextBuffer&) override { return false; }

private:
    static void say(const char* title, const char* text) {
        errorStream() << title << ": " << text << "\n";
    }
};

}  // namespace

Responder& systemResponder() {
    static ConsoleResponder instance;
    return instance;
}

#pragma once

class ParamNode;
class TextBuffer;

// Everything the installer asks a person goes through one responder. The stub installs the
// system's windows; tests install a scripted responder, so no test ever waits for a person.
// Texts arrive already translated.
class Responder {
public:
    virtual ~Responder() = default;
    // A message box without owner window: one OK button and the exclamation icon (start-up).
    virtual void startupMessage(const char* caption, const char* text) = 0;
    // The main window's Yes/No question; true for Yes.
    virtual bool askYesNo(const char* title, const char* message) = 0;
    // The main window's message box with one OK button; warning or information icon.
    virtual void showMessage(const char* title, const char* message, bool warning) = 0;
    // The notice window with only an OK button.
    virtual void notify(const char* title, const char* text) = 0;
    // The notice window with OK and Cancel; true for OK.
    virtual bool confirm(const char* title, const char* text) = 0;
    // The one-line text input, starting from `initial`; true and `answer` set when the user
    // presses OK, `answer` untouched otherwise.
    virtual bool askText(const char* title, const char* prompt, const char* initial,
                         TextBuffer& answer) = 0;
    // The single-choice list over (name, value) nodes; null when nothing was chosen.
    virtual const char* chooseFromList(const char* title, const char* prompt, ParamNode* items,
                                       int namesFirst, int returnWhich) = 0;
    // The system's dialog to pick a file to open or save (see FileDialog in ui/file_dialogs.h);
    // false when cancelled. filterIndex goes in and comes back.
    virtual bool chooseFile(bool save, const char* filter, const char* defaultName,
                            const char* defaultExtension, int& filterIndex, TextBuffer& path) = 0;
    // The system's folder picker, showing `prompt` and opening at `start` (empty: where the
    // system opens it); true and `folder` set when a folder was chosen.
    virtual bool chooseFolder(const char* prompt, const char* start, TextBuffer& folder) = 0;
};

// The responder in use; the system's windows unless a test installed another one.
Responder& responder();
// Installs a responder (null restores the system's); returns the previous one.
Responder* setResponder(Responder* r);

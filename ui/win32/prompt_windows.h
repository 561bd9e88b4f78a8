#pragma once

#include <windows.h>

class ParamNode;
class TextBuffer;

// The prompt windows, each run modally over `owner` from its resource template. They may be
// called from any thread: a script on the worker thread passes the main window of the interface
// thread as owner.

// The single-choice list over the (name, value) children of `items`; the chosen text, kept in
// one process-wide buffer that the next call overwrites, or null (Cancel, or no row selected).
const char* runChoiceWindow(HWND owner, const char* title, const char* prompt,
                            const ParamNode* items, int namesFirst, int returnWhich);

// The one-line text input; true and `answer` set on OK.
bool runInputWindow(HWND owner, const char* title, const char* prompt, const char* initial,
                    TextBuffer& answer);

// The buttons of the notice window.
enum class NoticeButtons { ok, okAndCancel };

// The notice window, brought to the front with a short beep; true on OK.
bool runNoticeWindow(HWND owner, const char* title, const char* text, NoticeButtons buttons);

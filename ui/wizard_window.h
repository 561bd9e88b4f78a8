#pragma once

class WizardView;

enum class MouseButton { left, right };

// What the wizard's window reports to the page logic that drives it.
class WizardEvents {
public:
    virtual ~WizardEvents() = default;
    // The window exists; its controls can be laid out for the first page.
    virtual void opened(WizardView& view) = 0;
    // A click on a button or radio button, by control id; Cancel (2) also for the close box and
    // Escape.
    virtual void clicked(int id) = 0;
    virtual void listSelectionChanged() = 0;
    // Timer 1, every 200 ms from the window's start.
    virtual void timerTicked() = 0;
    // The window is being painted; pictures drawn through the view now go into that painting.
    virtual void painting() = 0;
    // The "A propos" item of the system menu.
    virtual void aboutChosen() = 0;
    // A left or right click in the list; the page logic finds the row under the mouse itself.
    virtual void listClicked(MouseButton button) = 0;
};

// Shows the wizard's window (dialog 102) until the page logic closes it. Where there is no
// window system (the native builds) it returns at once.
void runWizardWindow(WizardEvents& events);

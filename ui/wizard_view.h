#pragma once

struct Bitmap;
class ListView;

// The controls of the wizard's window (dialog 102) by id.
enum WizardControl {
    controlNext = 1,
    controlCancel = 2,
    controlRichText = 1000,
    controlAccept = 1001,
    controlRefuse = 1002,
    controlLogo = 1004,
    controlPrevious = 1007,
    controlProgress = 1008,
    controlSharedShortcuts = 1009,
    controlPrivateShortcuts = 1010,
    controlPrivateAll = 1011,
    controlOpenFolders = 1012,
    controlList = 1013,
    control64Bit = 1014,
    controlInstruction = 1072,
};

// The system sounds the page logic plays.
enum class WizardSound { information, error };

// What the wizard's page logic does to its window: the real dialog in the installer, a recording
// view in tests. Controls are named by their ids.
class WizardView {
public:
    virtual ~WizardView() = default;
    virtual void setCaption(const char* text) = 0;
    virtual void showControl(int id, bool shown) = 0;
    virtual void enableControl(int id, bool enabled) = 0;
    // Rich text (the licence, the report) is recognised by its own header.
    virtual void setControlText(int id, const char* text) = 0;
    // Radio buttons and check boxes.
    virtual bool isChecked(int id) = 0;
    virtual void setChecked(int id, bool checked) = 0;
    // The product, component and parameter list (control 1013); null for a view without one.
    virtual ListView* list() = 0;
    // Draws the whole window again at once (a new logo).
    virtual void redraw() = 0;
    // Draws the picture stretched over the rectangle of control areaId (which the picture
    // covers, shown or not).
    virtual void drawPicture(int areaId, const Bitmap& picture) = 0;
    // Ends the modal run of the window.
    virtual void close() = 0;
    virtual void beep(WizardSound sound) = 0;
};

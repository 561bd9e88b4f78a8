#pragma once
// A wizard over a window that records what it is told, for a program without payload whose
// install description stands beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/install_session.h"
#include "app/session_startup.h"
#include "app/wizard_pages.h"
#include "folder_tree.h"
#include "platform/posix/fixed_module_path.h"
#include "recording_list.h"
#include "scratch_folder.h"
#include "session/reset.h"
#include "scripted_responder.h"
#include "ui/wizard_view.h"

struct Control {
    bool shown = true;
    bool enabled = true;
    bool checked = false;
    std::string text;
};

struct RecordingView : WizardView {
    std::map<int, Control> controls;
    std::string caption;
    RecordingList rows;
    bool closed = false;
    std::vector<WizardSound> beeps;
    int redraws = 0;
    std::vector<std::pair<int, const Bitmap*>> drawn;

    void setCaption(const char* text) override { caption = text; }
    void showControl(int id, bool shown) override { controls[id].shown = shown; }
    void enableControl(int id, bool enabled) override { controls[id].enabled = enabled; }
    void setControlText(int id, const char* text) override { controls[id].text = text; }
    bool isChecked(int id) override { return controls[id].checked; }
    void setChecked(int id, bool checked) override { controls[id].checked = checked; }
    ListView* list() override { return &rows; }
    void redraw() override { ++redraws; }
    void drawPicture(int areaId, const Bitmap& picture) override {
        drawn.push_back({areaId, &picture});
    }
    void close() override { closed = true; }
    void beep(WizardSound sound) override { beeps.push_back(sound); }

    // A click on a radio: the others of its group go off.
    void click(int id, std::initializer_list<int> group) {
        for (int other : group) controls[other].checked = other == id;
    }
    // The row whose title cell is this text, -1 when not listed.
    int rowTitled(const char* title) {
        for (size_t r = 0; r < rows.rows.size(); ++r) {
            if (rows.rows[r][0] == title) return static_cast<int>(r);
        }
        return -1;
    }
};

struct Wizard : ::testing::Test {
    ScratchFolder temp{"wizard-temp"};
    ScratchFolder folder{"wizard-program"};
    ScriptedResponder shown;
    RecordingView view;

    Wizard() {
        setenv("TMP", temp.path.c_str(), 1);
        setenv("TEMP", temp.path.c_str(), 1);
        std::string setup = folder / "setup.exe";
        setFixedModulePath(setup.c_str());
        resetSession();
        folder.write("setup.exe", "stub");
        folder.write("install.ini", "Produit\n+\nID = \"root\"\n-\n");
    }
    ~Wizard() override {
        setFixedModulePath(nullptr);
        unsetenv("TMP");
        unsetenv("TEMP");
        resetSession();
    }

    void product(const std::string& path, const char* title) {
        folder.write(path + "/install.ini", std::string("Produit\n+\nTitre = \"") + title + "\"\n-\n");
    }
    // Starts a session over the folder and the wizard with the licence accepted.
    std::unique_ptr<InstallSession> start() {
        auto session = std::make_unique<InstallSession>(SessionMode::install);
        startSession(*session);
        EXPECT_EQ(StartupStatus::ready, session->startupStatus);
        startWizard(*session, view);
        view.click(controlAccept, {controlAccept, controlRefuse});
        return session;
    }
};


// The wizard's pages over a window that records what it is told, for a program without payload
// whose install description stands beside it.
#include "app/wizard_pages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "app/install_session.h"
#include "folder_tree.h"
#include "params/variable_store.h"
#include "platform/posix/fixed_module_path.h"
#include "recording_list.h"
#include "scratch_folder.h"
#include "session/reset.h"
#include "session/stores.h"
#include "ui/scripted_responder.h"
#include "ui/wizard_view.h"

namespace {

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

    void setCaption(const char* text) override { caption = text; }
    void showControl(int id, bool shown) override { controls[id].shown = shown; }
    void enableControl(int id, bool enabled) override { controls[id].enabled = enabled; }
    void setControlText(int id, const char* text) override { controls[id].text = text; }
    bool isChecked(int id) override { return controls[id].checked; }
    void setChecked(int id, bool checked) override { controls[id].checked = checked; }
    ListView& list() override { return rows; }
    void close() override { closed = true; }

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
        auto session = std::make_unique<InstallSession>(0, nullptr);
        EXPECT_EQ(0, session->startupStatus);
        startWizard(*session, view);
        view.click(controlAccept, {controlAccept, controlRefuse});
        return session;
    }
};

}  // namespace

TEST_F(Wizard, NextNeedsTheLicenceAcceptedAndAProductSelected) {
    product("a.cpx", "A");
    auto session = start();
    view.click(-1, {controlAccept, controlRefuse});
    updateNextButton(*session);
    EXPECT_EQ("Contrat de licence", view.caption);
    EXPECT_FALSE(view.controls[controlNext].enabled);
    for (int id : {controlAccept, controlRefuse, controlAccept}) {
        view.click(id, {controlAccept, controlRefuse});
        updateNextButton(*session);
        EXPECT_EQ(id == controlAccept, view.controls[controlNext].enabled) << id;
    }

    onNext(*session);
    EXPECT_EQ(pageProducts, session->currentPage);
    EXPECT_TRUE(view.controls[controlList].shown);
    EXPECT_FALSE(view.controls[controlRichText].shown);
    updateNextButton(*session);
    EXPECT_TRUE(view.controls[controlNext].enabled);
    view.rows.selected.assign(view.rows.rows.size(), false);
    updateNextButton(*session);
    EXPECT_FALSE(view.controls[controlNext].enabled);
}

// Pages 1 and 2 are passed over in the direction of travel when they would list nothing.
TEST_F(Wizard, EmptyListPagesAreSkippedBothWays) {
    product("a.cpx", "A");
    product("a.cpx/c.cpx", "C of A");
    product("b.cpx", "B");
    auto session = start();
    onNext(*session);
    ASSERT_EQ(2, view.rows.rowCount());
    view.rows.selected[view.rowTitled("A")] = false;
    onNext(*session);
    EXPECT_EQ(pageParameters, session->currentPage);
    EXPECT_EQ("Installer...", view.controls[controlNext].text);
    onPrevious(*session);
    EXPECT_EQ(pageProducts, session->currentPage);
    EXPECT_FALSE(view.rows.selected[view.rowTitled("A")]);

    view.rows.selected[view.rowTitled("A")] = true;
    onNext(*session);
    EXPECT_EQ(pageComponents, session->currentPage);
    EXPECT_EQ(0, view.rowTitled("C of A"));
    EXPECT_EQ(1, view.rows.rowCount());
}

TEST_F(Wizard, WithoutSubPackagesTheLicenceLeadsToTheParameters) {
    auto session = start();
    onNext(*session);
    EXPECT_EQ(pageParameters, session->currentPage);
    onPrevious(*session);
    EXPECT_EQ(pageLicence, session->currentPage);
    EXPECT_TRUE(view.controls[controlAccept].shown);
}

TEST_F(Wizard, FixedBitsOverrideTheCheckBox) {
    for (const char* bits : {"32", "64"}) {
        folder.write("var.ini", std::string("FIGE64BITS = ") + bits + "\n");
        auto session = start();
        EXPECT_FALSE(view.controls[control64Bit].shown) << bits;
        EXPECT_STREQ(bits, VariableStore().valueOf("USERREGBITS")) << bits;
        resetSession();
    }
}

// Cancel before the end shows why the run stopped and keeps the window; on the state page it
// closes the window and takes away the work folder this run made.
TEST_F(Wizard, CancelReportsThenCloseRemovesTheWorkFolder) {
    product("a.cpx", "A");
    auto session = start();
    onNext(*session);
    onCancel(*session);
    EXPECT_EQ(pageState, session->currentPage);
    EXPECT_EQ(0u, std::string(session->reportText.text()).find("ARRET UTILISATEUR"));
    EXPECT_EQ("Fermer", view.controls[controlCancel].text);
    EXPECT_FALSE(view.closed);

    addError("???", "failed");
    onPrevious(*session);
    onCancel(*session);
    EXPECT_EQ(0u, std::string(session->reportText.text()).find("ARRET SCRIPT"));
    EXPECT_FALSE(treeOf(temp.path).empty());

    onCancel(*session);
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(treeOf(temp.path).empty());
    EXPECT_TRUE(treeOf(folder.path).count("install.ini"));
}

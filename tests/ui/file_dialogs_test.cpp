#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/file_dialogs.h"
#include "platform/process_paths.h"
#include "scratch_folder.h"
#include "scripted_responder.h"
#include "session/reset.h"

namespace {

// Also notes the current folder each dialog was shown in.
class FolderNotingResponder : public ScriptedResponder {
public:
    bool chooseFile(bool save, const char* filter, const char* defaultName,
                    const char* defaultExtension, int& filterIndex, TextBuffer& path) override {
        shownIn.push_back(CurrentFolder().text());
        filters.push_back(filter);
        return ScriptedResponder::chooseFile(save, filter, defaultName, defaultExtension,
                                             filterIndex, path);
    }
    std::vector<std::string> shownIn;
    std::vector<std::string> filters;
};

std::string saveAs(const char* filter, int index, const std::string& answer) {
    ScriptedResponder script;
    script.answerChoice(answer.c_str());
    TextBuffer chosen;
    EXPECT_TRUE(
        FileDialog(FileDialogKind::save, filter, "buginstall.txt", nullptr, &index, chosen));
    return chosen.text();
}

}  // namespace

TEST(FileDialog, SavedNamesGetTheExtensionOfTheChosenPattern) {
    EXPECT_EQ(saveAs("TXT (*.txt)|*.txt||", 1, "c:\\out\\rapport"), "c:\\out\\rapport.txt");
    EXPECT_EQ(saveAs("TXT (*.txt)|*.txt||", 0, "c:\\out\\rapport"), "c:\\out\\rapport.txt");
    EXPECT_EQ(saveAs("TXT (*.txt)|*.txt||", 1, "c:\\out.d\\rapport.log"), "c:\\out.d\\rapport.log");
    EXPECT_EQ(saveAs("A|*.a|B|*.b;*.c||", 2, "rapport"), "rapport.b");
    EXPECT_EQ(saveAs("Tous|*.*||", 1, "rapport"), "rapport");
    EXPECT_EQ(saveAs("A|*.a||", 5, "rapport"), "rapport");
    EXPECT_EQ(saveAs(nullptr, 1, "rapport"), "rapport");
}

TEST(FileDialog, OpensInThePreviousFolderAndLeavesTheCurrentOne) {
    ScratchFolder dir("dialogs");
    dir.makeFolder("chosen");
    TextBuffer current = CurrentFolder();
    FolderNotingResponder script;
    script.answerChoice((dir / "chosen/file.txt").c_str());
    script.answerChoice(nullptr);
    TextBuffer chosen("untouched");
    int index = 3;

    ASSERT_TRUE(FileDialog(FileDialogKind::open, "", "default", nullptr, &index, chosen));
    EXPECT_EQ(std::string(chosen.text()), dir / "chosen/file.txt");
    EXPECT_FALSE(FileDialog(FileDialogKind::open, nullptr, "default", nullptr, &index, chosen));
    EXPECT_EQ(std::string(chosen.text()), dir / "chosen/file.txt");
    EXPECT_EQ(std::string(CurrentFolder().text()), current.text());

    ASSERT_EQ(script.shownIn.size(), 2u);
    EXPECT_TRUE(SetCurrentFolder((dir / "chosen").c_str()));
    EXPECT_EQ(std::string(CurrentFolder().text()), script.shownIn[1]);
    EXPECT_TRUE(SetCurrentFolder(current.text()));
    EXPECT_EQ(script.filters[1], "Tous|*.*||");
    EXPECT_EQ(index, 3);
    ASSERT_EQ(script.asked.childCount(), 2);
    EXPECT_STREQ(script.asked.child(0)->value(), "open");
    EXPECT_STREQ(script.asked.child(0)->valueOf("text", nullptr, nullptr), "default");

    // A new run's first dialog opens in the current folder again.
    resetSession();
    script.answerChoice(nullptr);
    EXPECT_FALSE(FileDialog(FileDialogKind::open, nullptr, "default", nullptr, &index, chosen));
    EXPECT_EQ(script.shownIn.back(), current.text());
}

// A destination not made yet opens the picker at the nearest folder above it that exists.
TEST(FolderDialog, OpensAtTheNearestFolderOfTheValue) {
    ScratchFolder dir("picker");
    dir.makeFolder("made");
    ScriptedResponder script;
    script.answerChoice("c:\\first");
    script.answerChoice(nullptr);
    TextBuffer folder("unchanged");
    ASSERT_TRUE(FolderDialog("Dossier", (dir / "made/not/yet").c_str(), folder));
    EXPECT_STREQ(folder.text(), "c:\\first");
    EXPECT_FALSE(FolderDialog("Dossier", "nowhere", folder));
    EXPECT_STREQ(folder.text(), "c:\\first");
    ASSERT_EQ(script.asked.childCount(), 2);
    EXPECT_STREQ(script.asked.child(0)->name(), "chooseFolder");
    EXPECT_STREQ(script.asked.child(0)->value(), "Dossier");
    EXPECT_EQ(script.asked.child(0)->valueOf("text"), dir / "made");
    EXPECT_STREQ(script.asked.child(1)->valueOf("text"), "");
}

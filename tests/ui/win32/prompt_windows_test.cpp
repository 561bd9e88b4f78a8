// The real prompt windows, opened from a second thread over the main window as a script does
// during an installation; the test thread plays the user through the control ids.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "params/param_node.h"
#include "params/text_buffer.h"
#include "session/stores.h"
#include "ui/system_responder.h"

namespace {

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string itemText(HWND window, int id) {
    char text[512] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

void press(HWND window, int id) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

struct PromptWindows : ::testing::Test {
    HWND mainWindow = nullptr;
    ParamNode items;

    void SetUp() override {
        mainWindow = CreateWindowExA(0, "STATIC", "Installation", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     0, 0, 500, 400, nullptr, nullptr, nullptr, nullptr);
        MainWindow() = mainWindow;
        items.append(new ParamNode("B", "2"));
        items.append(new ParamNode("A", "1"));
        items.append(new ParamNode("\xE9t\xE9", "x"));
    }
    void TearDown() override {
        MainWindow() = nullptr;
        DestroyWindow(mainWindow);
    }

    // Runs `question` on a second thread, as a script does during an installation, while this
    // thread owns the main window and, once the window titled `title` shows, answers it by `user`.
    void ask(std::function<void()> question, const char* title, std::function<void(HWND)> user) {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            question();
            done = true;
        });
        HWND prompt = nullptr;
        for (int waited = 0; !prompt && waited < 20000; waited += 10) {
            pumpMessages();
            HWND found = FindWindowA("#32770", title);
            if (found && IsWindowVisible(found)) prompt = found;
            Sleep(10);
        }
        EXPECT_NE(nullptr, prompt) << "no window titled " << title;
        if (prompt) {
            EXPECT_EQ(mainWindow, GetWindow(prompt, GW_OWNER));
            user(prompt);
        }
        while (!done) {
            pumpMessages();
            Sleep(10);
        }
        worker.join();
    }

    const char* choose(int namesFirst, int returnWhich, std::function<void(HWND)> user) {
        const char* chosen = "not asked";
        ask([&] { chosen = systemResponder().chooseFromList("S\xE9lection", "Lequel ?", &items,
                                                            namesFirst, returnWhich); },
            "S\xE9lection", user);
        return chosen;
    }
};

}  // namespace

TEST_F(PromptWindows, ChoiceListFiltersAndReturnsTheChosenText) {
    const char* chosen = choose(1, -1, [](HWND window) {
        EXPECT_EQ("Lequel ?", itemText(window, 1033));
        EXPECT_EQ(3, SendDlgItemMessageA(window, 1013, LB_GETCOUNT, 0, 0));
        char first[64] = "";
        SendDlgItemMessageA(window, 1013, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ("A : 1", first);  // sorted
        SetDlgItemTextA(window, 1112, "ete");
        EXPECT_EQ(1, SendDlgItemMessageA(window, 1013, LB_GETCOUNT, 0, 0));
        press(window, IDOK);
    });
    EXPECT_STREQ("\xE9t\xE9", chosen);
    EXPECT_STREQ("2", choose(1, 0, [](HWND window) {
        SendDlgItemMessageA(window, 1013, LB_SETCURSEL, 1, 0);
        press(window, IDOK);
    }));
}

TEST_F(PromptWindows, ChoiceListCancelledOrEmptiedReturnsNothing) {
    EXPECT_EQ(nullptr, choose(1, -1, [](HWND window) { press(window, IDCANCEL); }));
    EXPECT_EQ(nullptr, choose(1, -1, [](HWND window) {
        SetDlgItemTextA(window, 1112, "zz");
        EXPECT_EQ(0, SendDlgItemMessageA(window, 1013, LB_GETCOUNT, 0, 0));
        press(window, IDOK);
    }));
}

TEST_F(PromptWindows, NoticeAndConfirmation) {
    ask([] { systemResponder().notify("Op\xE9ration annul\xE9" "e", "Vous ne poss\xE9" "dez pas d'objets"); },
        "Op\xE9ration annul\xE9" "e", [](HWND window) {
            EXPECT_EQ("Vous ne poss\xE9" "dez pas d'objets", itemText(window, 1162));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDCANCEL)));
            press(window, IDOK);
        });
    bool confirmed = true;
    std::string text = std::string(60, 'a') + ". " + std::string(10, 'b');
    ask([&] { confirmed = systemResponder().confirm("Confirmation", text.c_str()); },
        "Confirmation", [&](HWND window) {
            EXPECT_EQ(std::string(60, 'a') + ".\r\n" + std::string(10, 'b'), itemText(window, 1162));
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDCANCEL)));
            press(window, IDCANCEL);
        });
    EXPECT_FALSE(confirmed);
}

TEST_F(PromptWindows, TextInputStartsFromTheCurrentValue) {
    TextBuffer answer("avant");
    bool typed = false;
    ask([&] { typed = systemResponder().askText("Saisissez votre valeur", "Dossier", "C:\\App", answer); },
        "Saisissez votre valeur", [](HWND window) {
            EXPECT_EQ("Dossier", itemText(window, 1162));
            EXPECT_EQ("C:\\App", itemText(window, 1168));
            SetDlgItemTextA(window, 1168, "D:\\Nouveau");
            press(window, IDOK);
        });
    EXPECT_TRUE(typed);
    EXPECT_STREQ("D:\\Nouveau", answer.text());
}

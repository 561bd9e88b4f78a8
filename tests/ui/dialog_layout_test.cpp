// The anchor arithmetic of the resizable prompt windows, on rectangles in screen coordinates.
#include "ui/dialog_layout.h"

#include <gtest/gtest.h>

#include <ostream>

// Global, beside LayoutRect, so that the test macros find them.
bool operator==(const LayoutRect& a, const LayoutRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const LayoutRect& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

// A window like the single-choice list: its client at (100, 100), 300 x 200 at the first layout;
// OK 60 x 20 at the bottom right, Cancel beside it, the list above them.
struct ChoiceWindow : ::testing::Test {
    DialogLayout layout;
    LayoutRect list{105, 140, 395, 270}, ok{335, 275, 395, 295}, cancel{270, 275, 330, 295};

    void SetUp() override {
        addPromptAnchors(layout, 1013, 60, 20);
        LayoutFrame first;
        ASSERT_TRUE(layoutFrame(layout, {100, 100, 400, 300}, first));
    }
    // Lays out the three anchored controls for a new client rectangle.
    bool resize(const LayoutRect& client) {
        LayoutFrame frame;
        if (!layoutFrame(layout, client, frame)) return false;
        list = anchoredRect(frame, layout.anchors[0], list);
        ok = anchoredRect(frame, layout.anchors[1], ok);
        cancel = anchoredRect(frame, layout.anchors[2], cancel);
        return true;
    }
};

}  // namespace

TEST_F(ChoiceWindow, GrowingStretchesTheListAndMovesTheButtons) {
    ASSERT_TRUE(resize({100, 100, 500, 400}));
    EXPECT_EQ((LayoutRect{105, 140, 495, 370}), list);
    EXPECT_EQ((LayoutRect{435, 375, 495, 395}), ok);
    EXPECT_EQ((LayoutRect{370, 375, 430, 395}), cancel);
    // Back to the first size in one step: the buttons come back from beyond the new edges.
    ASSERT_TRUE(resize({100, 100, 400, 300}));
    EXPECT_EQ((LayoutRect{105, 140, 395, 270}), list);
    EXPECT_EQ((LayoutRect{335, 275, 395, 295}), ok);
    EXPECT_EQ((LayoutRect{270, 275, 330, 295}), cancel);
}

TEST_F(ChoiceWindow, NeverLaysOutBelowTheFirstSize) {
    // From larger straight to smaller both ways: the controls go back to their first places,
    // not left where the larger window had them.
    ASSERT_TRUE(resize({100, 100, 500, 400}));
    ASSERT_TRUE(resize({100, 100, 250, 200}));
    EXPECT_EQ((LayoutRect{105, 140, 395, 270}), list);
    EXPECT_EQ((LayoutRect{335, 275, 395, 295}), ok);
    EXPECT_EQ((LayoutRect{270, 275, 330, 295}), cancel);
    // Narrower only: the width is held at the minimum while the height follows.
    ASSERT_TRUE(resize({100, 100, 250, 350}));
    EXPECT_EQ((LayoutRect{105, 140, 395, 320}), list);
    EXPECT_EQ((LayoutRect{335, 325, 395, 345}), ok);
}

TEST(DialogLayout, LeftAndTopAnchorsMoveOrStretch) {
    DialogLayout layout;
    layout.setMargins(0, 0, 5, 5);
    LayoutFrame frame;
    ASSERT_TRUE(layoutFrame(layout, {10, 20, 210, 220}, frame));
    LayoutRect control{50, 60, 90, 80};
    EXPECT_EQ((LayoutRect{13, 24, 53, 44}),
              anchoredRect(frame, {0, followLeft | followTop | keepSize, 3, 4}, control));
    EXPECT_EQ((LayoutRect{13, 24, 90, 80}),
              anchoredRect(frame, {0, followLeft | followTop, 3, 4}, control));
    // A control stretched to the edges that already lies beyond them keeps its own edges,
    // shifted by the offsets, instead of turning inside out.
    LayoutRect outside{205, 215, 240, 230};
    EXPECT_EQ((LayoutRect{205, 215, 242, 233}),
              anchoredRect(frame, {0, followRight | followBottom, 2, 3}, outside));
}

TEST(DialogLayout, MarginsDefaultAndLeaveRoom) {
    DialogLayout layout;
    layout.setMargins(-1, 0, -1, 5);
    EXPECT_EQ(50, layout.margins[0]);
    EXPECT_EQ(10, layout.margins[2]);
    LayoutFrame frame;
    EXPECT_FALSE(layoutFrame(layout, {0, 0, 60, 100}, frame));  // 60 - 10 - 50 leaves nothing
}

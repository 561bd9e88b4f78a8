// The portable half of the prompt windows: line breaking, the rows of the single-choice list,
// its filter and the text an accepted row returns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "params/param_node.h"
#include "params/text_buffer.h"
#include "ui/choice_items.h"
#include "ui/wrap_text.h"

namespace {

std::string wrapped(const std::string& text, int width = 50) {
    TextBuffer out;
    wrapText(text.c_str(), width, out);
    return out.text();
}

std::string repeat(const std::string& piece, int times) {
    std::string text;
    while (times-- > 0) text += piece;
    return text;
}

std::string shown(const ParamNode& node, int namesFirst) {
    TextBuffer text;
    displayText(node, namesFirst, text);
    return text.text();
}

// The display texts of the children of `items` that pass the filter, in list order.
std::vector<std::string> shownRows(const ParamNode& items, int namesFirst, const char* filter) {
    TextBuffer folded;
    foldFilter(filter, folded);
    std::vector<std::string> rows;
    for (ParamCell* c = items.children(); c; c = c->next) {
        std::string row = shown(*c->node, namesFirst);
        if (passesFilter(row.c_str(), folded.text())) rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(WrapText, CutsHardOnlyPastTwiceTheWidth) {
    std::string text = repeat("abcdefghij", 12);
    EXPECT_EQ(text.substr(0, 101) + "\r\n" + text.substr(101), wrapped(text));
    EXPECT_EQ(wrapped(text), wrapped(text, 0));
    std::string spaced = repeat("abcd ", 30);  // spaces alone never break without a sentence end
    EXPECT_EQ(std::string::npos, wrapped(spaced).substr(0, 101).find('\r'));
}

TEST(WrapText, BreaksAtTheFirstSpaceAfterASentenceEndOnceTheLineIsFull) {
    // The period stands at column 40; the spaces after it at columns 40, 43, 46, 49, 52.
    std::string head = repeat("a", 39) + "." + repeat(" bb", 4);
    EXPECT_EQ(head + "\r\nbb bb", wrapped(head + " bb bb"));
    // After the break the sentence end is forgotten.
    std::string longTail = repeat(" cc", 30);
    EXPECT_EQ(head + "\r\nbb" + longTail, wrapped(head + " bb" + longTail));
}

TEST(WrapText, LineEndsBecomeCrLfAndRestartTheLine) {
    EXPECT_EQ("un\r\ndeux\r\ntrois", wrapped("un\r\ndeux\ntrois"));
    std::string line = repeat("x", 100);
    EXPECT_EQ(line + "\r\n" + line, wrapped(line + "\n" + line));
}

TEST(ChoiceItems, DisplayAndReturnedText) {
    ParamNode a("A", "1");
    EXPECT_EQ("A : 1", shown(a, 1));
    EXPECT_EQ("1 : A", shown(a, 0));
    EXPECT_STREQ("A", returnedText(a, 1, -1));
    EXPECT_STREQ("1", returnedText(a, 0, -1));
    EXPECT_STREQ("1", returnedText(a, 1, 0));
    EXPECT_STREQ("A", returnedText(a, 0, 7));
}

TEST(ChoiceItems, FilterFoldsSmallLettersAndSmallAccentedVowelsOnly) {
    ParamNode items;
    items.append(new ParamNode("\xE9t\xE9", "x"));  // été
    items.append(new ParamNode("\xC9t\xE9", "y"));  // Été
    items.append(new ParamNode("hiver", "z"));
    EXPECT_EQ(std::vector<std::string>({"\xE9t\xE9 : x"}), shownRows(items, 1, "ete"));
    EXPECT_EQ(std::vector<std::string>({"\xE9t\xE9 : x"}), shownRows(items, 1, "\xE9T\xEB"));
    EXPECT_TRUE(shownRows(items, 1, "zz").empty());
    EXPECT_EQ(3u, shownRows(items, 1, "").size());
    EXPECT_EQ(std::vector<std::string>({"z : hiver"}), shownRows(items, 0, "Z :"));
}

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "params/block_format.h"
#include "params/block_tokenizer.h"
#include "params/expansion.h"
#include "params/file_stream.h"

#include "captured_diagnostics.h"
#include "scratch_folder.h"

namespace {

bool readText(ParamNode& node, const std::string& text, BlockNumbers numbers = BlockNumbers::text) {
    TextInStream in(text.data(), static_cast<int32_t>(text.size()));
    return readTree(node, in, numbers);
}

std::string written(const ParamNode& node, BlockNumbers numbers = BlockNumbers::text) {
    TextOutStream out;
    writeEntry(node, out, numbers);
    return out.buffer().text();
}

// The children of root as the writer writes them, one after the other.
std::string writtenChildren(const ParamNode& root, BlockNumbers numbers = BlockNumbers::text) {
    std::string out;
    for (ParamCell* c = root.children(); c; c = c->next) out += written(*c->node, numbers);
    return out;
}

std::vector<std::string> tokens(const char* text, const char* specials = "") {
    TextInStream in(text);
    BlockTokenizer t("#", specials);
    std::vector<std::string> out;
    while (t.next(in)) out.push_back(std::to_string(t.type) + ":" + t.text.text());
    EXPECT_EQ(t.type, BlockTokenizer::end);
    return out;
}

using Tokens = std::vector<std::string>;

}  // namespace

TEST(BlockTokenizer, WordsNumbersAndQuotedTexts) {
    EXPECT_EQ(tokens("KEY=value \"a b=+#\" 12abc -7.9 -x 1.2.3"),
              (Tokens{"0:KEY=value", "1:a b=+#", "2:12", "0:abc", "2:-7.9", "0:-x", "2:1.2.3"}));
    // A "#" inside a token is ordinary; one that starts a token is a comment.
    EXPECT_EQ(tokens("a#b # comment \"x\"\r\n  # another\nlast"), (Tokens{"0:a#b", "0:last"}));
    EXPECT_EQ(tokens(" \t\r\n\v\f# only a comment"), Tokens{});
    // Bytes above 0x7F are ordinary characters, never white space.
    EXPECT_EQ(tokens("\xE9t\xE9\xA0x"), Tokens{"0:\xE9t\xE9\xA0x"});
}

TEST(BlockTokenizer, Escapes) {
    EXPECT_EQ(tokens(R"("a\"b" "c\\d\e" w\ rd)"),
              (Tokens{"1:a\"b", "1:c\\d\\e", "0:w\\ rd"}));  // an escaped blank stays in the word
    // Unterminated quote and trailing backslash end the token quietly.
    EXPECT_EQ(tokens("\"open"), Tokens{"1:open"});
    EXPECT_EQ(tokens("word\\"), Tokens{"0:word"});
    // A backslash ends a number.
    EXPECT_EQ(tokens("12\\x"), (Tokens{"2:12", "0:\\x"}));
}

TEST(BlockTokenizer, SpecialCharactersCutTokens) {
    EXPECT_EQ(tokens("a,b,,12,\"x,y\"", ","),
              (Tokens{"0:a", "3:,", "0:b", "3:,", "3:,", "2:12", "3:,", "1:x,y"}));
}

TEST(BlockReader, EntriesWithAndWithoutValues) {
    ParamNode root;
    EXPECT_TRUE(readText(root, "\"a\" = \"b\"\nc\n\"d\"=\"e\"\n"));
    EXPECT_EQ(writtenChildren(root), "\"a\" = \"b\"\n\"c\" = \"\"\n\"d\" = \"e\"\n");

    // "=" only separates after white space or a quote.
    EXPECT_TRUE(readText(root, "KEY=value\nK= \"v\"\nN = 12abc"));
    EXPECT_EQ(writtenChildren(root),
              "\"KEY=value\" = \"\"\n\"K=\" = \"\"\n\"v\" = \"\"\n"
              "\"N\" = \"12\"\n\"abc\" = \"\"\n");

    EXPECT_TRUE(readText(root, "-DELDIR\n\"-DELDIR\"\n2AFFECTE"));
    EXPECT_EQ(writtenChildren(root),
              "\"-DELDIR\" = \"\"\n\"-DELDIR\" = \"\"\n\"2\" = \"\"\n\"AFFECTE\" = \"\"\n");
}

TEST(BlockReader, ReplacesChildrenButKeepsNodeItself) {
    ParamNode root("R", "v");
    root.append(new ParamNode("old", ""));
    EXPECT_TRUE(readText(root, "# nothing but comments\n\n   # and blanks\n"));
    EXPECT_EQ(root.childCount(), 0);
    EXPECT_STREQ(root.name(), "R");
    EXPECT_STREQ(root.value(), "v");
}

TEST(BlockReader, ChildBlocks) {
    ParamNode root;
    const char* text =
        "Produit\n"
        "+\n"
        "\t\"Titre\"\t= \"Exemple\"   # comment after a value\n"
        "\tInstalle\n"
        "\t+\n"
        "\t\t# comment at the start of a block\n"
        "\t\tAFFECTE\n"
        "\t-\n"
        "-\n"
        "After = x\n";
    EXPECT_TRUE(readText(root, text));
    EXPECT_EQ(writtenChildren(root),
              "\"Produit\" = \"\"\n+\n"
              "\t\"Titre\" = \"Exemple\"\n"
              "\t\"Installe\" = \"\"\n\t+\n\t\t\"AFFECTE\" = \"\"\n\t-\n"
              "-\n"
              "\"After\" = \"x\"\n");
}

TEST(BlockReader, UnclosedBlockRunsToEndOfInput) {
    ParamNode root;
    EXPECT_TRUE(readText(root, "A\n+\nb = 1\nc = 2\n"));
    ASSERT_EQ(root.childCount(), 1);
    EXPECT_EQ(root.child(0)->childCount(), 2);
}

TEST(BlockReader, CommentBeforeClosingLineSwallowsIt) {
    // The "-" after a comment is read as an entry name, so the block goes on.
    ParamNode root;
    EXPECT_TRUE(readText(root, "A\n+\nb\n# comment\n-\nc\n"));
    ASSERT_EQ(root.childCount(), 1);
    EXPECT_EQ(written(*root.child(0)),
              "\"A\" = \"\"\n+\n\t\"b\" = \"\"\n\t\"-\" = \"\"\n\t\"c\" = \"\"\n-\n");
}

TEST(BlockReader, MissingValueAtEndIsReported) {
    ParamNode root;
    CapturedDiagnostics errors;
    EXPECT_FALSE(readText(root, "first = \"1\"\n+\nsub\n-\nx ="));
    EXPECT_EQ(errors.text(),
              "Erreur de lecture de la valeur de x\n"
              "Erreur apres : \n"
              "\"first\" = \"1\"\n+\n\t\"sub\" = \"\"\n-\n"
              "\n");
    EXPECT_EQ(writtenChildren(root), "\"first\" = \"1\"\n+\n\t\"sub\" = \"\"\n-\n");
}

TEST(BlockReader, ErrorInFirstEntryLeavesNoChildren) {
    ParamNode root;
    CapturedDiagnostics errors;
    EXPECT_TRUE(readText(root, "  x = # nothing follows"));
    EXPECT_EQ(root.childCount(), 0);
    EXPECT_EQ(errors.text(), "Erreur de lecture de la valeur de x\n");
}

TEST(BlockReader, ErrorInsideBlockKeepsEntryWithoutValue) {
    ParamNode root;
    CapturedDiagnostics errors;
    EXPECT_TRUE(readText(root, "A\n+\nb = 1\nc ="));
    EXPECT_EQ(errors.text(), "Erreur de lecture de la valeur de c\n");
    EXPECT_EQ(writtenChildren(root), "\"A\" = \"\"\n+\n\t\"b\" = \"1\"\n\t\"c\" = X\n-\n");
}

TEST(BlockReader, TypedNumbers) {
    ParamNode root;
    const char* text = "A = 12\nB = \"12\"\nC = -7.9\nD = 99999999999\n";
    EXPECT_TRUE(readText(root, text));
    EXPECT_EQ(root.find("A")->kind(), ValueKind::text);
    EXPECT_STREQ(root.find("C")->value(), "-7.9");
    EXPECT_TRUE(readText(root, text, BlockNumbers::typed));
    EXPECT_EQ(root.find("A")->kind(), ValueKind::integer);
    EXPECT_EQ(root.find("A")->integerValue(), 12);
    EXPECT_EQ(root.find("B")->kind(), ValueKind::text);
    EXPECT_EQ(root.find("C")->integerValue(), -7);
    EXPECT_STREQ(root.find("C")->value(), "-7");
    EXPECT_EQ(root.find("D")->integerValue(), INT32_MAX);
    EXPECT_EQ(writtenChildren(root, BlockNumbers::typed),
              "\"A\" = 12\n\"B\" = \"12\"\n\"C\" = -7\n\"D\" = 2147483647\n");
    // Written with text numbers, an integer node is quoted text.
    EXPECT_EQ(written(*root.find("C")), "\"C\" = \"-7\"\n");
}

TEST(BlockWriter, QuotingAndAbsentTexts) {
    ParamNode node("a\"b", "c\\d\\e");
    EXPECT_EQ(written(node), "\"a\\\"b\" = \"c\\\\d\\\\e\"\n");
    ParamNode absent(nullptr, nullptr);
    EXPECT_EQ(written(absent), "X = X\n");
    ParamNode raw("\xE9\r\n", "");
    EXPECT_EQ(written(raw), "\"\xE9\r\n\" = \"\"\n");
}

TEST(BlockFormat, RoundTripKeepsNamesValuesAndStructure) {
    ParamNode source;
    ParamNode* product = new ParamNode("Produit", "");
    product->append(new ParamNode("Titre", "Un \"titre\" = + - # \\ \xE9"));
    product->append(new ParamNode("2AFFECTE", "\\\\server\\share\\"));
    ParamNode* install = new ParamNode("Installe", "");
    install->append(new ParamNode("-DELDIR", "${INSTALLE}\xA4tmp"));
    install->append(new ParamNode("", ""));
    product->append(install);
    source.append(product);
    source.append(new ParamNode("Count", 3));

    std::string text = writtenChildren(source);
    ParamNode copy;
    EXPECT_TRUE(readText(copy, text));
    EXPECT_EQ(writtenChildren(copy), text);
    EXPECT_EQ(copy.find("Count")->kind(), ValueKind::text);
    EXPECT_STREQ(copy.findPath("Produit/Installe/-DELDIR")->value(), "${INSTALLE}\xA4tmp");
}

TEST(BlockFormat, FilesInTextMode) {
    ScratchFolder folder("params_block_file");
    std::string path = folder / "block.ini";
    ParamNode source;
    ParamNode* entry = new ParamNode("Produit", "");
    entry->append(new ParamNode("ID", "X1"));
    source.append(entry);
    {
        OutFileStream out(path.c_str());
        ASSERT_TRUE(out.good());
        writeEntry(*entry, out);
        EXPECT_TRUE(out.close());
    }
    ParamNode copy;
    EXPECT_TRUE(readTreeFile(copy, path.c_str()));
    EXPECT_EQ(writtenChildren(copy), writtenChildren(source));

    // The same file read as bytes: the line ends of the platform's text mode.
    InFileStream raw(path.c_str(), FileMode::binary);
    std::string bytes;
    for (int c = raw.get(); c >= 0; c = raw.get()) bytes += static_cast<char>(c);
    std::string expected = "\"Produit\" = \"\"\n+\n\t\"ID\" = \"X1\"\n-\n";
    if (bytes.find('\r') != std::string::npos) {
        std::string crlf;
        for (char c : expected) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        expected = crlf;
    }
    EXPECT_EQ(bytes, expected);

    ParamNode missing("m", "");
    missing.append(new ParamNode("old", ""));
    EXPECT_TRUE(readTreeFile(missing, (path + ".absent").c_str()));
    EXPECT_EQ(missing.childCount(), 0);
}

namespace {

// levels nested blocks "a" + ... around one entry "leaf", each closed.
std::string nestedText(int levels) {
    std::string text;
    for (int i = 0; i < levels; ++i) text += "a\n+\n";
    text += "leaf\n";
    for (int i = 0; i < levels; ++i) text += "-\n";
    return text;
}

// The number of blocks between node and its first leaf.
int depthOf(const ParamNode& node) {
    int depth = 0;
    for (const ParamNode* n = &node; n->children(); n = n->child(0)) ++depth;
    return depth;
}

// Checks the writer's output line by line without keeping it: the tabs that
// start each line, and the balance of the "+" and "-" lines.
class LayoutCheck : public OutStream {
public:
    void put(char c) override {
        if (c == '\n') {
            ++lines;
            open += line == "+" ? 1 : line == "-" ? -1 : 0;
            line.clear();
            tabs = 0;
        } else if (c == '\t' && line.empty()) {
            maxTabs = std::max(maxTabs, ++tabs);
        } else {
            line += c;
        }
    }

    int lines = 0, tabs = 0, maxTabs = 0, open = 0;
    std::string line;
};

}  // namespace

TEST(BlockReader, NestingUpToTheWritersIndentationAndNoDeeper) {
    ParamNode root;
    CapturedDiagnostics errors;
    std::string deepest = nestedText(maxBlockNesting);
    EXPECT_TRUE(readText(root, deepest));
    EXPECT_EQ(depthOf(*root.child(0)), maxBlockNesting);
    // At the limit the round trip still holds.
    ParamNode again;
    EXPECT_TRUE(readText(again, writtenChildren(root)));
    EXPECT_EQ(writtenChildren(again), writtenChildren(root));
    EXPECT_EQ(errors.text(), "");

    // One level more stops the reading; like any failed entry at top level,
    // the one holding it is dropped and the entries before it remain.
    EXPECT_FALSE(readText(root, "first = 1\n" + nestedText(maxBlockNesting + 1) + "after\n"));
    EXPECT_EQ(writtenChildren(root), "\"first\" = \"1\"\n");
    EXPECT_EQ(errors.text(),
              "Erreur : imbrication trop profonde\n"
              "Erreur apres : \n\"first\" = \"1\"\n\n");
}

TEST(BlockReader, HostileNestingEndsWithAnError) {
    ScratchFolder folder("params_nesting");
    folder.write("deep.ini", nestedText(100000));
    ParamNode root("R", "");
    CapturedDiagnostics errors;
    EXPECT_FALSE(readTreeFile(root, (folder / "deep.ini").c_str()));
    EXPECT_EQ(root.childCount(), 0);
    EXPECT_EQ(errors.text(), "Erreur : imbrication trop profonde\n");

    // Nothing but "+" lines: each pair opens a block under an entry named "+".
    std::string pluses;
    for (int i = 0; i < 1000000; ++i) pluses += "+\n";
    EXPECT_FALSE(readText(root, pluses));
    EXPECT_EQ(root.childCount(), 0);
}

TEST(BlockWriter, DeeperTreesKeepTheLastIndentation) {
    // Only code builds such trees; the writer and the destructor take them
    // without a call per level.
    const int levels = 100000;
    ParamNode top("top", "");
    ParamNode* node = &top;
    for (int i = 0; i < levels; ++i) {
        node->append(new ParamNode("n", ""));
        node = node->child(0);
    }
    LayoutCheck layout;
    writeEntry(top, layout);
    EXPECT_EQ(layout.lines, 3 * levels + 1);
    EXPECT_EQ(layout.maxTabs, maxBlockNesting);
    EXPECT_EQ(layout.open, 0);

    // Past the limit, entries and "+"/"-" lines stay at the last indentation.
    ParamNode small("s", "");
    node = &small;
    for (int i = 0; i < maxBlockNesting + 2; ++i) {
        node->append(new ParamNode("n", ""));
        node = node->child(0);
    }
    const std::string limit(maxBlockNesting, '\t'), entry = "\"n\" = \"\"\n";
    const std::string deepest = "\n" + limit + entry + limit + "+\n" + limit + entry + limit +
                                "+\n" + limit + entry + limit + "-\n" + limit + "-\n" +
                                limit.substr(1) + "-\n";
    EXPECT_NE(written(small).find(deepest), std::string::npos);
}

TEST(BlockFormat, DeepestReadableTreeThroughTheRecursiveOperations) {
    // These walk one call per level: at the reader's limit they must fit in
    // the smallest stack the program runs on.
    ParamNode root;
    ASSERT_TRUE(readText(root, nestedText(maxBlockNesting)));
    std::string text = writtenChildren(root);
    std::unique_ptr<ParamNode> copy(root.clone(Reach::tree));
    copy->merge(root, Unmatched::appended);
    copy->reverseChildren(Reach::tree);
    copy->replaceChar(nameAndValue, 'a', '\xA4', Reach::tree);
    copy->replaceChar(nameAndValue, '\xA4', 'a', Reach::tree);
    ParamNode vars;
    vars.append(new ParamNode("V", "v"));
    expandTree(*copy, nameAndValue, ExpandStart::node, vars.children(), nullptr, -1);
    EXPECT_EQ(writtenChildren(*copy), text);
}

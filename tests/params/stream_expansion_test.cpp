#include <gtest/gtest.h>

#include <string>

#include "expected_values.h"
#include "params/stream_expansion.h"

namespace {

class StreamExpansion : public ::testing::Test {
protected:
    ParamNode vars;

    void set(const char* name, const char* value) {
        vars.findOrCreate(name, NewChild::atEnd)->setText(value);
    }

    std::string expanded(const std::string& input) {
        TextInStream in(input.data(), static_cast<int32_t>(input.size()));
        TextOutStream out;
        EXPECT_TRUE(expandStream(in, out, vars.children(), nullptr));
        return std::string(out.buffer().text(), out.buffer().length());
    }

    void expectExpansions(const ExpectedValues& expected) {
        expectValues([this](const std::string& text) { return expanded(text); }, expected);
    }
};

}  // namespace

TEST_F(StreamExpansion, ReferencesAndPlainText) {
    set("PRD", "Produit ${VERSION}");
    set("VERSION", "2");
    expectExpansions({
        {"a ${PRD} b ${INCONNU}\n", "a Produit 2 b INCONNU\n"},
        // Only the braced form is a reference in a stream.
        {"5$ net $PRD $", "5$ net $PRD $"},
        {"", ""},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    });
}

TEST_F(StreamExpansion, Backslashes) {
    set("X", "x");
    expectExpansions({
        {"\\${X}", "${X}"},
        {"\\\\${X}", "\\x"},
        {"c:\\d\\\\e \\n", "c:\\d\\\\e \\n"},
        {"\\\\\\${X}", "\\\\x"},
        {"end\\", "end\\"},
        {"end\\\\", "end\\\\"},
    });
    // "\}" inside a directive is a brace that does not end it; the
    // reference itself still ends there.
    set("A", "a");
    set("A}B", "ab");
    EXPECT_EQ(expanded("${A\\}B}"), "aB}");
    EXPECT_EQ(expanded("${?A\\}B|?}yes${?/}"), "yes");
}

TEST_F(StreamExpansion, UnterminatedDirectivesAreWrittenAsRead) {
    set("ABC", "v");
    expectExpansions({
        {"x ${ABC", "x ${ABC"},
        {"x ${?ABC|?", "x ${?ABC|?"},
        {"x ${AB\\", "x ${AB\\"},
    });
}

TEST_F(StreamExpansion, ConditionsOnDefinition) {
    const char* text = "${?DEBUG|?}x${?/}y${?DEBUG|?!}z${?/}";
    EXPECT_EQ(expanded(text), "yz");
    set("DEBUG", "");
    EXPECT_EQ(expanded(text), "xy");
}

TEST_F(StreamExpansion, ConditionsOnValue) {
    set("LANGUE", "fr");
    set("OPTION", "Oui");
    expectExpansions({
        {"${?LANGUE|=|fr}Bonjour${?LANGUE|=|en}Hello${?/}!", "Bonjour!"},
        {"${?LANGUE|=!|en}pas en${?/}", "pas en"},
        {"${?LANGUE|=!|fr}pas fr${?/}", ""},
        // Exact comparison; an undefined name equals nothing and differs from all.
        {"${?OPTION|=|OUI}a${?AUCUNE|=|}b${?AUCUNE|=!|}c", "c"},
        // Only the first byte "?" and the second byte "!" of the test count.
        {"${?OPTION|?x}a${?OPTION|x!|Non}b", "ab"},
    });
}

TEST_F(StreamExpansion, HiddenTextIsReadButNotWritten) {
    set("X", "x");
    EXPECT_EQ(expanded("${?NON|?}${X} \\$ $ \\\\ ${?/}${X}"), "x");
    // Sections do not nest: the next condition decides alone.
    EXPECT_EQ(expanded("${?NON|?}a${?X|?}b${?/}c"), "bc");
}

TEST_F(StreamExpansion, MalformedConditionsHideWhatFollows) {
    set("A", "1");
    expectExpansions({
        {"${?A}a${?/}b", "b"},
        {"${?}a${?/}b", "b"},
        {"${?A|=}a${?/}b", "b"},
        {"${?A|=!}a${?/}b", "b"},
        {"${?A|}a${?/}b", "b"},
    });
}

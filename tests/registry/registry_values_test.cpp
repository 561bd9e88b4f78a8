// Values through their texts: every type written from its typed text is
// stored with that type and those bytes, and lists back as the same text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "captured_diagnostics.h"
#include "platform/registry_key.h"
#include "test_keys.h"

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

Texts listed(RegistryKey& key, ValueForm form) {
    Texts texts;
    for (ParamCell* c = key.listValues(KeyListing::reread, form); c; c = c->next)
        texts.emplace_back(c->node->name(), c->node->value() ? c->node->value() : "<none>");
    return texts;
}

struct Stored {
    uint32_t type;
    std::string bytes;
};

Stored stored(const TestKey& test, const std::string& name) {
    Stored value{0, "<missing>"};
    if (!storedValue(rootCurrentUser, test.below, name, false, value.type, value.bytes))
        value.bytes = "<missing>";
    return value;
}

struct RegistryValues : ::testing::Test {
    TestKey test;
    RegistryKey key;

    void SetUp() override {
        key.allowWriting();
        ASSERT_TRUE(key.openPath(test.path.c_str(), KeyOpening::create));
        ASSERT_TRUE(key.isOpen());
    }
};

}  // namespace

TEST_F(RegistryValues, TypedTextsGiveTheirTypeAndBytes) {
    struct Case {
        const char* text;
        uint32_t type;
        std::string bytes;
    } cases[] = {
        {"plain", regString, std::string("plain\0", 6)},
        {"__eval:%SystemRoot%\\x", regExpandString, std::string("%SystemRoot%\\x\0", 15)},
        {"__dword:5", regDword, std::string("\5\0\0\0", 4)},
        {"__dword:-1", regDword, std::string("\xFF\xFF\xFF\xFF", 4)},
        {"__hex(3):1,0,255", regBinary, std::string("\1\0\xFF", 3)},
        {"__hex(3):", regBinary, ""},
        {"__hex(7):97,0,98,0,0", 7, std::string("a\0b\0\0", 5)},
        {"__hex(11):1,2,3,4,5,6,7,8", 11, "\1\2\3\4\5\6\7\x08"},
        {"__hex(3):257,-1", regBinary, "\1\xFF"},  // each number kept to 8 bits
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string name = "v" + std::to_string(n++);
        ASSERT_TRUE(key.writeValue(name.c_str(), c.text, IntegerNodes::asString)) << c.text;
        Stored value = stored(test, name);
        EXPECT_EQ(value.type, c.type) << c.text;
        EXPECT_EQ(value.bytes, c.bytes) << c.text;
    }
}

TEST_F(RegistryValues, TypedListingReadsBackWhatWasWritten) {
    // Written in name order, which is also the order of enumeration on
    // systems that keep values sorted.
    const Texts written = {{"", "default"},          {"b", "__hex(3):1,0,255"},
                           {"d", "__dword:-7"},      {"e", "__eval:%P%;x"},
                           {"empty", "__hex(3):"},   {"m", "__hex(7):97,0,0"},
                           {"s", "text with spaces"}};
    for (auto& [name, text] : written)
        ASSERT_TRUE(key.writeValue(name.c_str(), text.c_str(), IntegerNodes::asString));
    // The cache holds the values in reverse enumeration order.
    Texts expected(written.rbegin(), written.rend());
    EXPECT_EQ(listed(key, ValueForm::typed), expected);

    // Writing the listing into another key gives the same values.
    TestKey copy;
    RegistryKey other;
    other.allowWriting();
    other.openPath(copy.path.c_str(), KeyOpening::create);
    EXPECT_TRUE(other.writeValues(key.listValues(KeyListing::cached, ValueForm::typed),
                                  IntegerNodes::asDword));
    // Written in listing order, the copy may enumerate in another order.
    Texts copied = listed(other, ValueForm::typed);
    std::sort(copied.begin(), copied.end());
    EXPECT_EQ(copied, written);
    for (auto& [name, text] : written) {
        Stored a = stored(test, name), b = stored(copy, name);
        EXPECT_EQ(a.type, b.type) << name;
        EXPECT_EQ(a.bytes, b.bytes) << name;
    }
}

TEST_F(RegistryValues, UntypedListingKeepsStringsAndNumbersOnly) {
    key.writeValue("b", "__hex(3):1", IntegerNodes::asString);
    key.writeValue("d", "__dword:5", IntegerNodes::asString);
    key.writeValue("e", "__eval:%P%", IntegerNodes::asString);
    key.writeValue("m", "__hex(7):97,0,0", IntegerNodes::asString);
    key.writeValue("s", "x", IntegerNodes::asString);
    EXPECT_EQ(listed(key, ValueForm::plain), (Texts{{"s", "x"}, {"e", "%P%"}, {"d", "5"}}));
    ParamNode* number = listFind(key.listValues(KeyListing::cached, ValueForm::plain), "d");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->kind(), ValueKind::integer);
    EXPECT_EQ(number->integerValue(), 5);
    EXPECT_EQ(key.readValue("b", KeyListing::cached, ValueForm::plain), nullptr);
    EXPECT_STREQ(key.readValue("b", KeyListing::reread, ValueForm::typed), "__hex(3):1");
    EXPECT_STREQ(key.readValue("d", KeyListing::cached, ValueForm::typed), "__dword:5");
    // Names are matched exactly.
    EXPECT_EQ(key.readValue("D", KeyListing::cached, ValueForm::typed), nullptr);
}

TEST_F(RegistryValues, NumbersBecomeDwordsOnlyWhenAsked) {
    EXPECT_TRUE(key.writeValue("text", "12", IntegerNodes::asString));
    EXPECT_EQ(stored(test, "text").type, regString);

    ParamNode number("n", 12), text("t", "12");
    ParamCell second{&text, nullptr}, first{&number, &second};
    EXPECT_TRUE(key.writeValues(&first, IntegerNodes::asDword));
    EXPECT_EQ(stored(test, "n").type, regDword);
    EXPECT_EQ(stored(test, "t").type, regString);
    EXPECT_TRUE(key.writeValues(&first, IntegerNodes::asString));
    EXPECT_EQ(stored(test, "n").type, regString);
}

TEST_F(RegistryValues, MalformedAndEmptyNodesAreSkippedQuietly) {
    CapturedDiagnostics errors;
    ParamNode noText("none", nullptr), broken("broken", "__hex(3)1,2");
    ParamCell second{&broken, nullptr}, first{&noText, &second};
    EXPECT_TRUE(key.writeValues(&first, IntegerNodes::asDword));
    EXPECT_EQ(key.readValue("broken", KeyListing::reread, ValueForm::typed), nullptr);
    EXPECT_EQ(key.readValue("none", KeyListing::cached, ValueForm::typed), nullptr);
    EXPECT_EQ(errors.text(), "");
}

TEST_F(RegistryValues, WritesThroughAReadOnlyKeyFailAndSayWhere) {
    RegistryKey reader;
    reader.openPath(test.path.c_str(), KeyOpening::existing);
    ASSERT_TRUE(reader.isOpen());
    CapturedDiagnostics errors;
    ParamNode a("a", "1"), b("b", "2");
    ParamCell second{&b, nullptr}, first{&a, &second};
    EXPECT_FALSE(reader.writeValues(&first, IntegerNodes::asString));
    std::string where = " dans " + test.below + ")\n";
    EXPECT_EQ(errors.text(), "Erreur d'ecriture dans le registre (a" + where +
                                 "Erreur d'ecriture dans le registre (b" + where);
}

TEST_F(RegistryValues, WritingRefreshesTheCache) {
    key.writeValue("a", "1", IntegerNodes::asString);
    EXPECT_STREQ(key.readValue("a", KeyListing::cached, ValueForm::typed), "1");
    key.writeValue("a", "2", IntegerNodes::asString);
    EXPECT_STREQ(key.readValue("a", KeyListing::cached, ValueForm::typed), "2");
}

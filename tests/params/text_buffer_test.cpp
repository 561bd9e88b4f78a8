#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "params/decimal.h"
#include "params/fold_upper.h"
#include "params/text_buffer.h"

TEST(TextBuffer, EmptyBufferReadsAsEmptyText) {
    TextBuffer empty;
    ASSERT_NE(empty.text(), nullptr);
    EXPECT_STREQ(empty.text(), "");
    TextBuffer fromNull(nullptr);
    EXPECT_STREQ(fromNull.text(), "");
    fromNull.assign(nullptr);
    EXPECT_STREQ(fromNull.text(), "");
    EXPECT_EQ(fromNull.capacity(), 0);
}

TEST(TextBuffer, GrowthPolicy) {
    TextBuffer b;
    b.append("0123456789");
    EXPECT_EQ(b.capacity(), 211);
    b.append(std::string(200, 'x').c_str());  // 210 characters and the zero fit
    EXPECT_EQ(b.capacity(), 211);
    b.appendChar('y');
    EXPECT_EQ(b.capacity(), (210 + 1 + 201) * 3);
    EXPECT_EQ(b.charAt(-1), 'y');

    TextBuffer c("0123456789");
    c.append(std::string(300, 'z').c_str());
    EXPECT_EQ(c.capacity(), 1533);
    EXPECT_EQ(c.length(), 310);
    EXPECT_EQ(c.text()[310], 0);
    EXPECT_EQ(c.charAt(9), '9');
    EXPECT_EQ(c.charAt(10), 'z');
}

// Near the 32-bit limit growth stops at the maximum instead of shrinking to the bytes needed,
// which made every later append copy the whole text.
TEST(TextBuffer, GrowthClampsAtTheMaximum) {
    EXPECT_EQ(grownTextCapacity(210, 1), (210 + 1 + 201) * 3);
    EXPECT_EQ(grownTextCapacity(400000000, 1), 1200000606);
    EXPECT_EQ(grownTextCapacity(800000000, 1), INT32_MAX);
    EXPECT_EQ(grownTextCapacity(INT32_MAX - 2, 1), INT32_MAX);
}

TEST(TextBuffer, AppendCountsAndNulls) {
    TextBuffer b("ab");
    b.append("cdef", 2);
    b.append(nullptr, 5);
    b.append("zzz", 0);
    b.append(std::string("g\0h", 3).c_str(), 3);  // explicit counts keep zero bytes
    EXPECT_EQ(b.length(), 7);
    EXPECT_EQ(std::string(b.text(), 7), std::string("abcdg\0h", 7));
}

TEST(TextBuffer, AppendFromItselfSurvivesGrowth) {
    TextBuffer b(std::string(205, 'a').c_str());
    int32_t before = b.capacity();
    b.append(b.text(), b.length());
    EXPECT_GT(b.capacity(), before);
    EXPECT_EQ(std::string(b.text()), std::string(410, 'a'));
    b.assign(b.text() + 400);
    EXPECT_STREQ(b.text(), "aaaaaaaaaa");
}

TEST(TextBuffer, ClearKeepsStorageReleaseAndDetach) {
    TextBuffer b("hello");
    b.clear();
    EXPECT_STREQ(b.text(), "");
    EXPECT_EQ(b.capacity(), 206);

    b.release(10);
    EXPECT_EQ(b.capacity(), 11);
    b.append("0123456789");  // exactly fits the released room
    EXPECT_EQ(b.capacity(), 11);
    b.release();
    EXPECT_EQ(b.capacity(), 0);
    EXPECT_STREQ(b.text(), "");

    b.assign("mine");
    char* owned = b.detach();
    EXPECT_STREQ(owned, "mine");
    std::free(owned);
    EXPECT_EQ(b.capacity(), 0);
    EXPECT_STREQ(b.text(), "");
    EXPECT_EQ(TextBuffer().detach(), nullptr);
}

TEST(TextBuffer, CopyAndMoveAreIndependent) {
    TextBuffer a("one");
    TextBuffer b(a);
    b.append("two");
    EXPECT_STREQ(a.text(), "one");
    TextBuffer c(static_cast<TextBuffer&&>(b));
    EXPECT_STREQ(c.text(), "onetwo");
    EXPECT_STREQ(b.text(), "");
    a = c;
    c.clear();
    EXPECT_STREQ(a.text(), "onetwo");
}

TEST(TextBuffer, AppendPathAddsOneSeparator) {
    auto joined = [](const char* start, const char* piece) {
        TextBuffer b(start);
        b.appendPath(piece);
        return std::string(b.text());
    };
    EXPECT_EQ(joined("a", "b"), "a\\b");
    EXPECT_EQ(joined("a\\", "b"), "a\\b");
    EXPECT_EQ(joined("a/", "b"), "a/b");
    EXPECT_EQ(joined("", "b"), "\\b");
}

TEST(TextBuffer, ReplaceAllAndReplaceByte) {
    TextBuffer b("aaa");
    b.replaceAll("aa", "b");
    EXPECT_STREQ(b.text(), "ba");

    b.assign("x${A}y${A}");
    b.replaceAll("${A}", "${A}${A}");  // replacements are not rescanned
    EXPECT_STREQ(b.text(), "x${A}${A}y${A}${A}");
    b.replaceAll("${A}", "");
    EXPECT_STREQ(b.text(), "xy");

    b.assign("c:/a/b");
    b.replaceByte('/', '\\');
    EXPECT_STREQ(b.text(), "c:\\a\\b");
}

TEST(TextBuffer, CharAtCountsFromEitherEnd) {
    TextBuffer b("abc");
    bool found = false;
    EXPECT_EQ(b.charAt(-1, &found), 'c');
    EXPECT_TRUE(found);
    EXPECT_EQ(b.charAt(-3), 'a');
    EXPECT_EQ(b.charAt(3, &found), 0);
    EXPECT_FALSE(found);
    EXPECT_EQ(b.charAt(-4, &found), 0);
    EXPECT_FALSE(found);
    EXPECT_EQ(TextBuffer().charAt(0, &found), 0);
    EXPECT_FALSE(found);
}

TEST(TextBuffer, CaseConversions) {
    TextBuffer b("d\xE9j\xE0 vu \xC9t\xE9 \xFC\xF1");
    b.toUpper();
    // Accented small vowels lose their accent; other bytes stay.
    EXPECT_STREQ(b.text(), "DEJA VU \xC9TE U\xF1");
    b.assign("ABC \xC9xyz");
    b.toLower();
    EXPECT_STREQ(b.text(), "abc \xC9xyz");
}

TEST(TextBuffer, DecimalForms) {
    TextBuffer b;
    b.appendInt(0);
    b.appendChar(' ');
    b.appendInt(-42);
    b.appendChar(' ');
    b.appendInt(INT32_MIN);
    b.appendChar(' ');
    b.appendInt64(INT64_MIN);
    b.appendChar(' ');
    b.appendUInt64(UINT64_MAX);
    EXPECT_STREQ(b.text(), "0 -42 -2147483648 -9223372036854775808 18446744073709551615");
}

TEST(FoldUpper, FoldsLettersAndSmallAccentedVowels) {
    EXPECT_EQ(foldUpper('q'), 'Q');
    EXPECT_EQ(foldUpper('Q'), 'Q');
    EXPECT_EQ(foldUpper('\xE2'), 'A');
    EXPECT_EQ(foldUpper('\xEB'), 'E');
    EXPECT_EQ(foldUpper('\xEF'), 'I');
    EXPECT_EQ(foldUpper('\xF6'), 'O');
    EXPECT_EQ(foldUpper('\xF9'), 'U');
    EXPECT_EQ(foldUpper('\xE7'), '\xE7');  // cedilla is not folded
    EXPECT_EQ(foldUpper('\xC0'), '\xC0');  // capitals keep their accent
    EXPECT_EQ(foldUpper('{'), '{');
}

TEST(FoldUpper, EqualityNeedsSameLength) {
    EXPECT_TRUE(foldEquals("si_\xE9gal", "SI_EGAL"));
    EXPECT_TRUE(foldEquals("crc", "CRC"));
    EXPECT_FALSE(foldEquals("CRC", "CRC2"));
    EXPECT_FALSE(foldEquals("CRC2", "CRC"));
    EXPECT_FALSE(foldEquals("a", "b"));
    EXPECT_TRUE(foldEquals(nullptr, ""));
}

TEST(Decimal, IntegerConversionStopsAtFirstOtherCharacter) {
    EXPECT_EQ(decimalToInt("  \t-12abc"), -12);
    EXPECT_EQ(decimalToInt("+7"), 7);
    EXPECT_EQ(decimalToInt("x12"), 0);
    EXPECT_EQ(decimalToInt(""), 0);
    EXPECT_EQ(decimalToInt(nullptr), 0);
    EXPECT_EQ(decimalToInt("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(decimalToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(decimalToInt("-99999999999"), INT32_MIN);
}

TEST(Decimal, RealConversionTakesLongestDecimalPrefix) {
    EXPECT_DOUBLE_EQ(decimalToReal(" -7.9xyz"), -7.9);
    EXPECT_DOUBLE_EQ(decimalToReal("1.5e3"), 1500);
    EXPECT_DOUBLE_EQ(decimalToReal("2e"), 2);
    EXPECT_DOUBLE_EQ(decimalToReal("2e+"), 2);
    EXPECT_DOUBLE_EQ(decimalToReal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(decimalToReal("3."), 3);
    EXPECT_DOUBLE_EQ(decimalToReal("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(decimalToReal("."), 0);
    EXPECT_DOUBLE_EQ(decimalToReal("0x1A"), 0);  // no hexadecimal form
    EXPECT_DOUBLE_EQ(decimalToReal("inf"), 0);
    EXPECT_DOUBLE_EQ(decimalToReal(nullptr), 0);
}

TEST(Decimal, TruncationClampsToThe32BitRange) {
    EXPECT_EQ(truncateToInt(-7.9), -7);
    EXPECT_EQ(truncateToInt(7.9), 7);
    EXPECT_EQ(truncateToInt(1e20), INT32_MAX);
    EXPECT_EQ(truncateToInt(-1e20), INT32_MIN);
}

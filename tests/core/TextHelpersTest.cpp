#include "core/TextHelpers.h"

#include <gtest/gtest.h>

namespace
{
// Installs a translation table with the given decimal separator for the life of a test.
class DecimalSeparator : public ::testing::Test
{
protected:
    void useSeparator (const juce::String& separator)
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings ("language: Test\n\"decimalna_vejica\" = \"" + separator + "\"\n", true));
    }
    void SetUp() override { useSeparator (","); }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
};
} // namespace

TEST_F (DecimalSeparator, FormatsWithTheTranslatedComma)
{
    struct Case { double x; int decimals; const char* text; };
    const Case cases[] = {
        { 2.5, 2, "2,50" },
        { 22, 1, "22,0" },
        { 1234.5, 2, "1234,50" },
        { -0.004, 2, "-0,00" },
        { 0.125, 2, "0,13" },
        { 1.005, 2, "1,00" },      // 1.005 is stored just below 1.005
        { -0.125, 2, "-0,13" },
        { -1.5, 1, "-1,5" },
        { 0.05, 1, "0,1" },
        { 0.000001, 6, "0,000001" },
        { 1e17, 2, "100000000000000000,00" }, // beyond the 64-bit range once scaled
        { 22, 0, "22" },
        { 0.5, 0, "1" },           // whole numbers, halves away from zero
        { 2.5, 0, "3" },
        { -0.5, 0, "-1" },
        { -2.5, 0, "-3" },
        { 12.5, 0, "13" },
        { 1234567, 0, "1234567" },
        { 0.49999999999999994, 0, "0" },
        { 1e21, 2, "1e+21" },      // the stream's exponent form: no point, no separator
        { 1.5e21, 2, "1,5e+21" },
        { 3.14159265, 7, "3,141593" },
        { 2.5, -1, "3" },          // a negative count of decimals writes a whole number
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.x, 10) + " with " + juce::String (c.decimals));
        EXPECT_EQ (formatDecimal (c.x, c.decimals), c.text);
    }
    EXPECT_EQ (formatDecimal0 (0.5), "1");
    EXPECT_EQ (formatDecimal1 (22), "22,0");
    EXPECT_EQ (formatDecimal2 (2.5), "2,50");
}

TEST_F (DecimalSeparator, SeparatorIsLookedUpAtEveryCall)
{
    EXPECT_EQ (formatDecimal2 (2.5), "2,50");
    useSeparator (".");
    EXPECT_EQ (formatDecimal2 (2.5), "2.50");
    juce::LocalisedStrings::setCurrentMappings (nullptr);
    EXPECT_EQ (formatDecimal2 (2.5), "2decimalna_vejica50"); // no translation: the key stands for itself
    EXPECT_DOUBLE_EQ (parseDecimal ("2decimalna_vejica75"), 2.75);
}

TEST_F (DecimalSeparator, ReadsTypedNumbers)
{
    struct Case { const char* text; double value, floor, two, four; };
    const Case cases[] = {
        { "3,75", 3.75, 3, 3.75, 3.75 },
        { "3.75", 3.75, 3, 3.75, 3.75 },
        { "", 0, 0, 0, 0 },
        { "abc", 0, 0, 0, 0 },
        { "-2,5", -2.5, -3, -2.5, -2.5 },
        { "0,999", 0.999, 0, 0.99, 0.999 },
        { "12,3456", 12.3456, 12, 12.34, 12.3456 },
        { "-1,239", -1.239, -2, -1.23, -1.239 },
        { "1.234,5", 1.234, 1, 1.23, 1.234 },   // a thousands separator ends the number
        { "  7 kg", 7, 7, 7, 7 },
        { "1,5e3", 1500, 1500, 1.5, 1500 },      // cutting decimals counts characters behind the point
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        EXPECT_DOUBLE_EQ (parseDecimal (c.text), c.value);
        EXPECT_DOUBLE_EQ (parseDecimalFloor (c.text), c.floor);
        EXPECT_DOUBLE_EQ (parseDecimal2 (c.text), c.two);
        EXPECT_DOUBLE_EQ (parseDecimal4 (c.text), c.four);
    }
}

TEST (TextHelpers, CountsSqlTextsAndLists)
{
    EXPECT_EQ (formatFloor (2.9), "2");
    EXPECT_EQ (formatFloor (-2.1), "-3");
    EXPECT_EQ (formatFloor (1e12), "2147483647");
    EXPECT_EQ (formatFloor (-1e12), "-2147483648");
    EXPECT_STREQ (boolToText (true), "true");
    EXPECT_STREQ (boolToText (false), "false");

    EXPECT_EQ (sqlEscape ("O'Brien's"), "O''Brien''s");
    EXPECT_EQ (sqlGroupConcat ("v.id", ", "), "GROUP_CONCAT(v.id,', ')");

    struct Case { const char* text; std::vector<int> values; };
    const Case cases[] = {
        { "(12, 15, 12)", { 12, 15 } },
        { "1,2,3", { 1 } },
        { " 4 -5\t6\n4 ", { 4, -5, 6 } },
        { "3  5", { 3, 0, 5 } },   // two blanks in a row give an empty item, read as 0
        { "( )", {} },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        const auto list = parseIntList (c.text);
        EXPECT_EQ (std::vector<int> (list.begin(), list.end()), c.values);
    }
}

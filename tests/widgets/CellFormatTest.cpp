#include "app/SubsystemCellTypes.h"
#include "support/TestSupport.h"
#include "widgets/CellFormat.h"

#include <gtest/gtest.h>

namespace
{
class CellFormatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }

    // One shown column "c" of the given type and width.
    static TableColumnSpec specFor (int type, int width = 10)
    {
        const char* const hidden[] = { "" };
        const char* const shown[] = { "c", "" };
        const int types[] = { type, 0 };
        const int widths[] = { width, 0 };
        return TableColumnSpec ("t_", hidden, shown, types, widths);
    }
};

const auto L = juce::Justification::centredLeft;
const auto R = juce::Justification::centredRight;
const auto C = juce::Justification::centred;
juce::String u (const char* s) { return juce::String::fromUTF8 (s); }
} // namespace

TEST_F (CellFormatTest, DisplayByTypeCode)
{
    struct Case { int type; const char* value; const char* text; juce::Justification just; int width; };
    const Case cases[] = {
        { 3, "SI56191000000123438", "SI56 1910 0000 0123 438", C, 10 },
        { 4, "10", "Prejeti ra\xc4\x8dun", L, 10 },
        { 4, "5", "", L, 10 },
        { 5, "2", "Steklenica", L, 10 },
        { 5, "99", "", L, 10 },
        { 6, " x ", " x ", L, 10 },
        { 7, "Invoice", "Ra\xc4\x8dun", L, 10 },
        { 8, "ab\r\ncd", "abcd", L, 10 },
        { 8, "abcdefghij", "abc...", L, 2 },          // limit = width * 3 / 2
        { 10, "7", "7", R, 10 },
        { 11, "1234.5", "1234,50", R, 10 },
        { 12, "0", "", R, 10 },
        { 12, "abc", "", R, 10 },
        { 13, "0", "-", R, 10 },
        { 13, "abc", "-", R, 10 },
        { 14, "-2.125", "-2,13", R, 10 },
        { 15, "1.23456", "1,2346", R, 10 },
        { 16, "3", "3,00", C, 10 },
        { 18, "0.5", "0,5000", C, 10 },
        { 19, "-2.5", "-3", R, 10 },
        { 20, "7.9", "7", C, 10 },
        { 21, "7.9", "7", L, 10 },
        { 22, "2021-03-05", "{5 March 2021}", C, 10 },
        { 22, "2021-03-05 13:14:15", "{5 March 2021}", C, 10 },
        { 22, "05.03.2021", "-", C, 10 },
        { 23, "05032021", "{5 March 2021}", C, 10 },
        { 23, "xx", "-", C, 10 },
        { 24, "", "-", C, 10 },
        { 25, " t", "da", C, 10 },
        { 25, "0", "ne", C, 10 },
        { 26, "", "rde\xc4\x8d" "e", C, 10 },      // empty reads as 0
        { 26, "1", "belo", C, 10 },
        { 26, "2", "", C, 10 },
        { 0, "v", "v", C, 10 },
        { 1, "v", "v", C, 10 },
    };
    // Dates are shown in the layout that the language file gives for "%Y-%m-%d".
    const auto shownDate = juce::Time (2021, 2, 5, 12, 0).formatted (TRANS ("%Y-%m-%d"));
    for (const auto& c : cases)
    {
        auto j = juce::Justification (juce::Justification::top);
        const auto expected = u (c.text).replace ("{5 March 2021}", shownDate);
        EXPECT_EQ (CellFormat::textForValue (specFor (c.type, c.width), "c", u (c.value), j), expected)
            << "type " << c.type << " value " << c.value;
        EXPECT_EQ (j.getFlags(), c.just.getFlags()) << "type " << c.type;
    }
}

TEST_F (CellFormatTest, ColumnsOutsideTheSpec)
{
    auto j = juce::Justification (juce::Justification::top);
    EXPECT_EQ (CellFormat::textForValue (specFor (11), "other", "5", j), ""); // valid spec: empty text
    EXPECT_EQ (j.getFlags(), juce::Justification::top);                     // alignment left as it was
    EXPECT_EQ (CellFormat::textForValue (TableColumnSpec(), "other", "5", j), "5");
    EXPECT_EQ (j.getFlags(), juce::Justification::centred);

    const char* const hidden[] = { "" };
    const char* const shown[] = { "a", "b", "" };
    const int types[] = { 11, 0 };                                            // shorter than the shown list
    const TableColumnSpec shortTypes ("t_", hidden, shown, types, nullptr);
    EXPECT_EQ (CellFormat::textForValue (shortTypes, "b", "5.5", j), "5.5");
}

TEST_F (CellFormatTest, DecodeByTypeCode)
{
    struct Case { int type; const char* typed; const char* stored; bool ok; };
    const Case cases[] = {
        { 3, "si56 1910-0000 0123 438", "SI56191000000123438", true },
        { 4, "Invoice", "Invoice", true },
        { 11, "12,3456", "12.34", true },
        { 13, "-1,239", "-1.23", true },
        { 17, "7", "7.00", true },
        { 11, "abc", "", false },
        { 11, "", "", false },
        { 15, "1,23456", "1.2345", true },
        { 18, "2", "2.0000", true },
        { 19, "-2,5", "-3", true },
        { 21, "x1", "", false },
        { 24, "05-03-2021", "2021-03-05 00:00:00", true },
        { 24, "5.3.2021", "2021-03-05 00:00:00", true },
        { 24, "31-02-2021", "", false },
        { 24, "", "", true },
        { 25, "da", "1", true },
        { 25, "ne", "0", true },
        { 25, "Ne", "0", true },
        { 25, "morda", "", false },   // "maybe" holds "da" (yes), but not as a word
        { 25, "da, pla\xc4\x8dano", "1", true },
        { 25, "", "", false },
        { 25, "da ali ne", "", false },
        { 26, "rde\xc4\x8d" "e", "0", true },
        { 26, "belo", "1", true },
        { 26, "belo vino", "1", true },
        { 26, "roza", "", false },
        { 26, "2", "", false },
        { 6, " x ", " x ", true },
    };
    for (const auto& c : cases)
    {
        bool ok = ! c.ok;
        EXPECT_EQ (CellFormat::decode (specFor (c.type), "c", u (c.typed), ok), u (c.stored)) << "type " << c.type << " " << c.typed;
        EXPECT_EQ (ok, c.ok) << "type " << c.type << " " << c.typed;
    }
    bool ok = false;
    EXPECT_EQ (CellFormat::decode (specFor (11), "other", "abc", ok), "abc"); // not a shown column: as typed
    EXPECT_TRUE (ok);
}

TEST_F (CellFormatTest, SubsystemTypesTakeTheirTextsFromTheRegisteredRule)
{
    CellFormat::Rule kind;
    kind.shown = [] (const juce::String& v) { return "kind " + v; };
    kind.stored = [] (const juce::String& t) { return t.toUpperCase(); };
    CellFormat::registerRule (CellType::itemKind, kind);
    CellFormat::registerRule (CellType::iban, {});

    auto j = juce::Justification (juce::Justification::top);
    EXPECT_EQ (CellFormat::textForValue (specFor (5), "c", "7", j), "kind 7");
    EXPECT_EQ (j.getFlags(), L); // the alignment stays the formatter's
    bool ok = false;
    EXPECT_EQ (CellFormat::decode (specFor (5), "c", "ab", ok), "AB");
    // A type whose rule has no texts shows and stores values unchanged.
    EXPECT_EQ (CellFormat::textForValue (specFor (3), "c", "si56 19", j), "si56 19");
    EXPECT_EQ (j.getFlags(), C);
    EXPECT_EQ (CellFormat::decode (specFor (3), "c", "si56 19", ok), "si56 19");

    registerSubsystemCellTypes(); // the program's rules again, for the tests that follow
    EXPECT_EQ (CellFormat::textForValue (specFor (3), "c", "SI56191000000123438", j), "SI56 1910 0000 0123 438");
}

#include "widgets/RowSortComparator.h"

#include <gtest/gtest.h>

namespace
{
const SortAlphabet slovene (juce::String::fromUTF8 ("abc\xc4\x8d" "defghijklmnopqrs\xc5\xa1tuvwxyz\xc5\xbe"),
                            juce::String::fromUTF8 ("ABC\xc4\x8c" "DEFGHIJKLMNOPQRS\xc5\xa0TUVWXYZ\xc5\xbd"),
                            juce::String::fromUTF8 ("ABC\xc4\x8c" "DEFGHIJKLMNOPQRS\xc5\xa0TUVWXYZ\xc5\xbd"));

juce::String u (const char* s) { return juce::String::fromUTF8 (s); }
} // namespace

TEST (RowSortComparatorTest, NaturalComparisonCases)
{
    struct Case { const char* a; const char* b; int expected; };
    const Case cases[] = {
        { "a2", "a10", -1 },              // number runs compare as numbers
        { "a10", "a2", 1 },
        { "a02", "a1", -1 },              // a run with a leading zero compares from the left
        { "a1", "a01", 1 },
        { "abc", "abc", 0 },
        { "abc", "ABC", 0 },              // capitals compare equal
        { "\xc4\x8d" "a", "\xc4\x8c" "a", 0 }, // and so do the alphabet's own letters
        { "c", "\xc4\x8d", -1 },          // č follows c in the collating order
        { "\xc4\x8d", "d", -1 },
        { "\xc5\xbe", "z", 1 },
        { "1", "a", -1 },                 // characters outside the alphabet come before its letters
        { "-", "a", -1 },
        { "ab", "abc", -1 },              // the shorter text first
        { "", "a", -1 },
        { "  x", "x", 0 },                // leading white space is skipped
        { "a b", "ab", -1 },              // white space at the same point comes first
        { "x9 ", "x9", -1 },             // after the first pass a text at white space comes first
        { "v1.10", "v1.9", 1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ (slovene.compare (u (c.a), u (c.b)), c.expected) << c.a << " vs " << c.b;
}

TEST (RowSortComparatorTest, UpperCaseMapStaysInsideShortAlphabets)
{
    // A lower-case alphabet longer than its capitals must neither crash nor invent a capital.
    const SortAlphabet uneven ("xyz\xe2", "XY", "ABCXYZ");
    EXPECT_EQ (uneven.upperCase ('x'), (juce::juce_wchar) 'X');
    EXPECT_EQ (uneven.upperCase ('z'), (juce::juce_wchar) 'Z');       // falls back to a-z
    EXPECT_EQ (uneven.upperCase (0xe2), (juce::juce_wchar) 0xe2);     // stays as it is
    EXPECT_EQ (uneven.compare ("x", "Z"), -1);

    // Without a language file the keys' own texts serve as alphabets.
    const SortAlphabet keys ("male", "velike", "abeceda");
    EXPECT_EQ (keys.upperCase ('m'), (juce::juce_wchar) 'v');
}

TEST (RowSortComparatorTest, RowsTieOnTheirIdsInBothDirections)
{
    juce::XmlElement a ("ITEM"), b ("ITEM");
    a.setAttribute ("ime", "Zeta");
    a.setAttribute ("id", "9");
    b.setAttribute ("ime", "zeta");
    b.setAttribute ("id", "10");
    const RowSortComparator up ("ime", 1, slovene), down ("ime", -1, slovene);
    EXPECT_LT (up.compareElements (&a, &b), 0);
    EXPECT_GT (down.compareElements (&a, &b), 0);

    juce::XmlElement missing ("ITEM");
    EXPECT_LT (up.compareElements (&missing, &a), 0); // an absent attribute is the empty text
}

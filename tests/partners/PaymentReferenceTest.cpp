// Payment references beyond the plain vectors: the RF reference always passes the ISO 11649
// check, whatever the text it is made from; the printed split; the arbitrary-length integer.
#include "partners/PaymentReference.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace
{
// The ISO 11649 check, written apart from the code under test: the first four characters moved to
// the end, letters as 10..35, the number modulo 97 (taken digit by digit) must be 1.
bool passesIso11649 (const juce::String& reference)
{
    if (reference.length() < 4 || ! reference.startsWith ("RF"))
        return false;
    const auto moved = (reference.substring (4) + reference.substring (0, 4)).toUpperCase();
    int remainder = 0;
    for (auto p = moved.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        int value = 0;
        if (c >= '0' && c <= '9')
            value = (int) (c - '0');
        else if (c >= 'A' && c <= 'Z')
            value = (int) (c - 'A') + 10;
        else
            return false;   // a character the check cannot read
        remainder = (remainder * (value >= 10 ? 100 : 10) + value) % 97;
    }
    return remainder == 1;
}
} // namespace

TEST (PaymentReference, TheVectorsOfTheReferenceModels)
{
    const std::pair<juce::String, juce::String> cases[] = {
        { makeReferenceSI00 (7, 15), "SI00715" },         { makeReferenceSI00 (7, 0), "SI0070" },
        { makeReferenceSI00 (2018, -3), "SI002018-3" },   { makeReferenceRF ("7-15"), "RF757X15" },
        { makeReferenceRF ("P1-B1-15"), "RF67P1XB1X15" }, { makeReferenceRF ("abc"), "RF45abc" },
        { makeReferenceRF ("ABC"), "RF45ABC" },           { makeReferenceRF (""), "RF04" },
    };
    for (auto& [made, expected] : cases)
        EXPECT_EQ (made, expected);
}

TEST (PaymentReference, CharactersTheCheckSkipsAreLeftOutOfTheReference)
{
    const auto reference = makeReferenceRF ("2024/15");
    EXPECT_EQ (reference, "RF" + reference.substring (2, 4) + "202415");
    EXPECT_TRUE (passesIso11649 (reference)) << reference;
    EXPECT_EQ (makeReferenceRF ("2024/15"), makeReferenceRF ("202415"));
    EXPECT_EQ (makeReferenceRF ("P1 B1 - 15"), makeReferenceRF ("P1B1X15"));
    EXPECT_EQ (makeReferenceRF (juce::String::fromUTF8 ("\xc5\xa1" "ab")), makeReferenceRF ("ab")) << "a letter outside A-Z counts as nothing";
}

// Fixed seed: the same texts on every run. Letters of both cases, digits, "-", "/" and blanks.
TEST (PaymentReference, RandomTextsGiveReferencesThatPassTheCheck)
{
    std::mt19937 random (20240115u);
    const juce::String alphabet ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-/ ");
    std::uniform_int_distribution<int> length (0, 19), pick (0, alphabet.length() - 1);
    for (int n = 0; n < 2000; ++n)
    {
        juce::String text;
        for (int i = length (random); --i >= 0;)
            text << alphabet.substring (pick (random)).substring (0, 1);
        const auto reference = makeReferenceRF (text);
        ASSERT_TRUE (passesIso11649 (reference)) << "'" << text << "' -> " << reference;
        ASSERT_EQ (reference.substring (4), text.replace ("-", "X").removeCharacters ("/ ")) << text;
    }
}

TEST (PaymentReference, DigitTextsBeyondSixtyFourBitsAreReadWhole)
{
    // 46 digits: the longest digit text a 23-character reference can give.
    const juce::String digits ("1234567890123456789012345678901234567890123456");
    const auto value = bigIntegerFromDigits (digits);
    EXPECT_EQ (juce::String (value.str()), digits);
    EXPECT_EQ (value % 97, 52);
    EXPECT_GT (value, boost::multiprecision::cpp_int (std::numeric_limits<juce::uint64>::max()));
    EXPECT_EQ (bigIntegerFromDigits (""), 0);
    EXPECT_EQ (bigIntegerFromDigits ("007"), 7);
    EXPECT_EQ (lettersToDigits ("RF00"), "271500");
}

TEST (PaymentReference, PrintedSplitAfterTheModel)
{
    const std::pair<const char*, const char*> cases[] = {
        { "SI00715", "SI00 715" }, { "RF757X15", "RF 757X15" }, { "si00715", "si00715" },
        { "715", "715" },          { "SI", "SI " },             { "", "" },
    };
    for (auto [reference, printed] : cases)
        EXPECT_EQ (formatReferenceForPrint (reference), printed) << reference;
}

// The standard's own published example, also with leading zeros: check digits that do not come
// from the code under test.
TEST (PaymentReference, RFCheckDigitsOfThePublishedExample)
{
    EXPECT_EQ (makeReferenceRF ("539007547034"), "RF18539007547034");
    EXPECT_EQ (makeReferenceRF ("000000000539007547034"), "RF18000000000539007547034");
}

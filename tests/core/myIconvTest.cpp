#include "core/myIconv.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
std::string bytes (std::initializer_list<unsigned char> list) { return std::string (list.begin(), list.end()); }
const char* const kUtf8Sample = "\xc4\x8d\xc5\xa1\xc5\xbe\xc4\x8c\xc5\xa0\xc5\xbd"; // čšžČŠŽ
} // namespace

TEST (myIconv, Utf8AndCp1250BothWays)
{
    const auto cp1250 = bytes ({ 0xE8, 0x9A, 0x9E, 0xC8, 0x8A, 0x8E });
    myIconv toCp ("CP1250", "UTF-8");
    myIconv toUtf ("UTF-8", "CP1250");
    ASSERT_TRUE (toCp.isOpen());

    const auto converted = toCp.convert (kUtf8Sample);
    EXPECT_EQ (converted, cp1250);
    EXPECT_EQ (converted.c_str()[converted.size()], '\0');
    EXPECT_EQ (toCp.getReplacementCount(), 0);
    EXPECT_EQ (toUtf.convert (cp1250.c_str()), kUtf8Sample);

    // Through Strings: the CP1250 side travels one byte per character.
    const auto carried = toCp.convertToString (juce::String::fromUTF8 (kUtf8Sample));
    EXPECT_EQ (carried.length(), 6);
    EXPECT_EQ ((int) carried[0], 0xE8);
    const auto block = myIconv::bytesOf (carried);
    EXPECT_EQ (std::string ((const char*) block.getData(), block.getSize()), cp1250);
    EXPECT_EQ (toUtf.convertToString (carried), juce::String::fromUTF8 (kUtf8Sample));
}

TEST (myIconv, UnknownCharactersBecomeQuestionMarksAndAreCounted)
{
    myIconv toCp ("CP1250", "UTF-8");
    struct Case { std::string in; std::string out; int replaced; };
    const Case cases[] = {
        { "a\xe2\x82\xac" "b", bytes ({ 'a', 0x80, 'b' }), 0 },        // the euro sign exists in CP1250
        { "x\xe6\x97\xa5y\xe6\x9c\xac" "z", "x?y?z", 2 },               // CJK does not
        { "ok\xc4", "ok?", 1 },                                          // a sequence cut off at the end
        { "a\xff" "b", "a?b", 1 },                                       // a byte that is never UTF-8
        { "\xf0\x9f\x8d\x87 vino", "? vino", 1 },                        // four bytes, one character
        { "", "", 0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.in);
        const auto out = toCp.convert (c.in.data(), c.in.size());
        EXPECT_EQ (out, c.out);
        EXPECT_EQ (toCp.getReplacementCount(), c.replaced);
    }

    myIconv toUtf ("UTF-8", "CP1250");
    EXPECT_EQ (toUtf.convert (bytes ({ 'a', 0x98, 'b' }).c_str()), "a?b"); // 0x98 is unassigned in CP1250
    EXPECT_EQ (toUtf.getReplacementCount(), 1);
}

TEST (myIconv, NeverReadsPastTheGivenLength)
{
    // The buffer holds no terminator where the length ends: only the given bytes are read.
    const char buffer[] = { 'a', 'b', '\xc4', '\x8d', 'Z', 'Z' };
    myIconv toCp ("CP1250", "UTF-8");
    EXPECT_EQ (toCp.convert (buffer, 4), bytes ({ 'a', 'b', 0xE8 }));
    EXPECT_EQ (toCp.convert (buffer, 3), "ab?");
}

TEST (myIconv, UnknownCharacterSetGivesEmptyTextAndALogLine)
{
    vtest::LogCapture log;
    myIconv broken ("NO-SUCH-SET", "UTF-8");
    EXPECT_FALSE (broken.isOpen());
    EXPECT_EQ (broken.convert ("abc"), "");
    EXPECT_EQ (broken.convertToString ("abc"), "");
    EXPECT_TRUE (log.contains ("<myIconv::myIconv> ERROR:"));
}

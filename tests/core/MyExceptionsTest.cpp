#include "core/MyExceptions.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class Translated : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (
            "\"Timeout\" = \"Potekel cas\"\n\"A\" = \"Prvi\"\n\"B\" = \"Drugi\"\n", true));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }

    // Log lines of the program's form, keeping only what follows the method's name.
    static juce::StringArray messagesOf (const vtest::LogCapture& log, const juce::String& method)
    {
        juce::StringArray result;
        for (auto& l : log.lines())
            if (l.contains ("<" + method + "> "))
                result.add (l.fromFirstOccurrenceOf ("<" + method + "> ", false, false));
        return result;
    }
};
} // namespace

TEST_F (Translated, MessagesArePartsTranslatedOneByOne)
{
    using myexceptions::myException;
    struct Case { const char* message; const char* translated; };
    const Case cases[] = {
        { "Timeout", " Potekel cas" },
        { "A*B", " Prvi Drugi" },
        { "A**B", " Prvi  Drugi" },
        { "A*neznano", " Prvi neznano" },
        { "*", "  " },
        { "", "" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.message);
        EXPECT_EQ (myException::translateMessage (c.message), c.translated);
    }
}

TEST_F (Translated, EachClassLogsItsLinesAndKeepsItsText)
{
    {
        vtest::LogCapture log;
        try
        {
            throw myexceptions::curlException ("Timeout");
        }
        catch (const myexceptions::myException& e)
        {
            EXPECT_STREQ (e.what(), "Timeout");
        }
        EXPECT_EQ (log.lines().size(), 1); // the copy made by throw logs nothing
        EXPECT_EQ (messagesOf (log, "myexceptions::myException::myException"), juce::StringArray (" Potekel cas"));
    }
    {
        vtest::LogCapture log;
        try
        {
            throw myexceptions::PrsDataFindException ("A*B");
        }
        catch (const myexceptions::AjpesException& e)
        {
            EXPECT_STREQ (e.what(), "A*B");
        }
        EXPECT_EQ (log.lines().size(), 2);
        EXPECT_EQ (messagesOf (log, "myexceptions::myException::myException"), juce::StringArray (" Prvi Drugi"));
        EXPECT_EQ (messagesOf (log, "myexceptions::AjpesException::AjpesException"), juce::StringArray (" Prvi Drugi"));
    }
    {
        vtest::LogCapture log;
        const auto text = juce::String::fromUTF8 ("Napaka \xc4\x8d");
        myexceptions::xmlSecException e (text);
        EXPECT_EQ (juce::String::fromUTF8 (e.what()), text);
        EXPECT_EQ (log.lines().size(), 1);
        myexceptions::openSSLException o ("x");
        myexceptions::PrsDataGetException g ("y");
        EXPECT_EQ (log.lines().size(), 4);
        const std::runtime_error& base = g;
        EXPECT_STREQ (base.what(), "y");
    }
}

TEST_F (Translated, MergeJoinsWithAStarAndComplainsAboutStars)
{
    vtest::LogCapture log;
    EXPECT_EQ (myexceptions::myException::merge ("a", "c"), "a*c");
    EXPECT_TRUE (log.lines().isEmpty());
    EXPECT_EQ (myexceptions::myException::merge ("a*b", "c"), "a*b*c");
    EXPECT_TRUE (log.contains ("<myexceptions::myException::merge> ERROR: messages contains * msg1:a*b msg2:c"));
}

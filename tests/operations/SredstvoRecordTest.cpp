// The agent register without a window: the display text, the register of a kind mask, the
// listener slots, and what the insert and the edit of an agent leave in the file.
#include "db/SQLtoXml.h"
#include "operations/SredstvoListener.h"
#include "operations/SredstvoRecord.h"
#include "support/FaultInjection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class AgentStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (db.file(), sql); }
    vtest::FreshDatabase db;
};

SredstvoRecord agent (int id, const juce::String& label, const juce::String& description)
{
    SredstvoRecord r;
    r.id = id;
    r.oznaka = label;
    r.opis = description;
    return r;
}
} // namespace

TEST (SredstvoText, TheDescriptionIsCutFromFourteenCharactersOn)
{
    const auto u = [] (const char* s) { return juce::String::fromUTF8 (s); };
    struct Case { SredstvoRecord record; juce::String text; } cases[] = {
        { agent (3, "KMS", "Kalijev metabisulfit"), "KMS(Kalijev me...)" },
        { agent (3, "Bentonit", "1234567890123"), "Bentonit(1234567890123)" },
        { agent (3, "Bentonit", "12345678901234"), "Bentonit(1234567890...)" },
        { agent (3, "Bentonit", ""), "Bentonit" },
        // characters, not bytes: thirteen letters with carons still fit whole
        { agent (3, "Sol", u ("\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d")),
          u ("Sol(\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d\xc4\x8d)") },
        { agent (0, "Bentonit", "x"), "" },
        { agent (-1, "Bentonit", "x"), "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (getSredstvoText (c.record), c.text) << c.record.oznaka << " / " << c.record.opis;
}

TEST (SredstvoSlots, SlotsCountFromOneAndIgnoreWhatIsOutOfRange)
{
    vtest::LogCapture log;
    SredstvoListener listener (9);
    EXPECT_EQ (listener.getSredstvo (1).id, -1);
    listener.setSredstvoIDN (agent (4, "Kvas", ""), 3);
    listener.setSredstvoIDN (agent (5, "X", ""), 0);
    listener.setSredstvoIDN (agent (6, "Y", ""), 10);
    EXPECT_EQ (listener.getSredstvo (3).oznaka, "Kvas");
    EXPECT_EQ (listener.getSredstvo (10).id, -1);
    EXPECT_EQ (listener.getSredstvo (0).id, -1);
    EXPECT_TRUE (log.contains ("ERROR which is wrong"));
}

TEST_F (AgentStore, AKindListsOnlyActiveAgentsSharingItsBit)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO sredstvo(id,oznaka,opis,tip,active) VALUES (1,'Sest','',6,1),(2,'Stiri','',4,1),"
                                           "(3,'Dva','',2,1),(4,'Brez','',NULL,1),(5,'Staro','',4,0)"));
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery (sredstvoSelectSql (4) + " ORDER BY s.id"), nullptr);
    juce::StringArray listed;
    for (auto* row : q.getData()->getChildIterator())
        listed.add (interpretSredstvoXml (row).oznaka);
    EXPECT_EQ (listed, juce::StringArray ({ "Sest", "Stiri" }));
    const auto first = interpretSredstvoXml (q.getData()->getChildElement (0));
    EXPECT_EQ (first.id, 1);
    EXPECT_EQ (first.tip, 6);
    EXPECT_TRUE (first.active);
}

TEST_F (AgentStore, AnInsertTrimsAndStoresQuotesOnce)
{
    juce::String error;
    const auto stored = insertSredstvo ("  O'Neil ", " Kalijev 'meta' ", 20, error);
    ASSERT_TRUE (stored.has_value()) << error;
    EXPECT_GT (stored->id, 0);
    EXPECT_EQ (stored->oznaka, "O'Neil");
    EXPECT_EQ (stored->tip, 20);
    EXPECT_TRUE (stored->active);
    EXPECT_EQ (rows ("SELECT oznaka,opis,tip,active FROM sredstvo WHERE id=" + juce::String (stored->id)),
               juce::StringArray ({ "O'Neil|Kalijev 'meta'|20|1" }));
}

TEST_F (AgentStore, ALabelOfBlanksIsRefusedByBothStores)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO sredstvo(id,oznaka,opis,tip,active) VALUES (1,'Bentonit','',2,1)"));
    for (auto* label : { "", "   ", "\t " })
    {
        juce::String error;
        EXPECT_FALSE (insertSredstvo (label, "opis", 2, error).has_value());
        EXPECT_EQ (error, TRANS ("sredstvo_oznaka_nipodana"));
        error.clear();
        EXPECT_FALSE (updateSredstvo (1, label, "opis", 2, error));
        EXPECT_EQ (error, TRANS ("sredstvo_oznaka_nipodana"));
    }
    EXPECT_EQ (rows ("SELECT id,oznaka FROM sredstvo"), juce::StringArray ({ "1|Bentonit" }));
}

TEST_F (AgentStore, AnEditRewritesTheTextsAsTypedAndMakesTheAgentActive)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO sredstvo(id,oznaka,opis,tip,active) VALUES (12,'Bentonit','',2,0)"));
    juce::String error;
    ASSERT_TRUE (updateSredstvo (12, " O'Neil", "a''b", 5, error)) << error;
    EXPECT_EQ (rows ("SELECT oznaka,opis,tip,active FROM sredstvo WHERE id=12"), juce::StringArray ({ " O'Neil|a''b|5|1" }));
}

TEST_F (AgentStore, AFailedStatementGivesTheAgentsFailureText)
{
    vtest::FaultInjection faults (db.file(), { "sredstvo" });
    faults.failWrite (1);
    juce::String error;
    EXPECT_FALSE (insertSredstvo ("Bentonit", "", 2, error).has_value());
    EXPECT_EQ (error, TRANS ("sredstvo_napakainsert"));
}

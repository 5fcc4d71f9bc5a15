// The pages of the main window's journal list as lines and kinds, before any layout: day headers,
// entry lines, the page links, and what a failed read shows.
#include "operations/JournalTextFixture.h"
#include "operations/LogsBoxLoader.h"

using optest::FixedTranslations;
using Kind = LogsBoxLoader::LineKind;

namespace
{
struct RecordingTarget : LogsBoxLoader::Target
{
    void setLines (const juce::StringArray& l, const juce::Array<LogsBoxLoader::Link>& links, const juce::Array<int>& k) override
    {
        lines = l;
        kinds = k;
        linksGiven = links.size();
        ++pages;
    }
    juce::StringArray lines;
    juce::Array<int> kinds;
    int linksGiven = 0;
    int pages = 0;
};
} // namespace

class LogsBoxLoaderTest : public optest::JournalTextFixture
{
protected:
    RecordingTarget page (int offset)
    {
        RecordingTarget target;
        EXPECT_TRUE (LogsBoxLoader::loadPage (&target, offset, LogsBoxLoader::kPageSize));
        EXPECT_EQ (target.pages, 1);
        EXPECT_EQ (target.linksGiven, 0);
        EXPECT_EQ (target.lines.size(), target.kinds.size());
        return target;
    }

    /** Entries that name themselves: a data import's remark is its whole details text. */
    void postNamed (int count, const juce::String& date, const juce::String& prefix)
    {
        for (int i = 0; i < count; ++i)
        {
            DateTime when;
            when = date;
            Glavna entry;
            ASSERT_GT (entry.vknjizi (&db, when, OperationType::dataImport, prefix + juce::String (i)), 0);
        }
    }

    void removePlaceholder() { ASSERT_TRUE (exec ("DELETE FROM glavna")); }

    FixedTranslations translations;
};

TEST_F (LogsBoxLoaderTest, EmptyJournalShowsNoLinesAtAll)
{
    removePlaceholder();
    const auto p = page (0);
    EXPECT_TRUE (p.lines.isEmpty());
}

TEST_F (LogsBoxLoaderTest, FullPageEndsWithNextAndTheNextPageStartsWithPrevThenADay)
{
    removePlaceholder();
    postNamed (15, "2017-05-02 10:00:00", "e");
    const auto first = page (0);
    ASSERT_EQ (first.lines.size(), 1 + 15 + 1);
    EXPECT_EQ (first.lines[0], "  02.05.2017");
    EXPECT_EQ (first.kinds[0], Kind::dayHeader);
    EXPECT_EQ (first.lines[1], "* Prenos podatkov (Ana Kletar) - e14.");
    EXPECT_EQ (first.kinds[1], Kind::entry);
    EXPECT_EQ (first.lines[16], "NEXT");
    EXPECT_EQ (first.kinds[16], Kind::nextPage);

    // Exactly fifteen: the next page holds only the way back.
    auto second = page (15);
    EXPECT_EQ (second.lines, juce::StringArray ({ "PREV" }));
    EXPECT_EQ (second.kinds, juce::Array<int> ({ Kind::prevPage }));

    postNamed (1, "2017-05-01 10:00:00", "older");
    second = page (15);
    EXPECT_EQ (second.lines, juce::StringArray ({ "PREV", "  01.05.2017", "* Prenos podatkov (Ana Kletar) - older0." }));
    EXPECT_EQ (second.kinds, juce::Array<int> ({ Kind::prevPage, Kind::dayHeader, Kind::entry }));
}

TEST_F (LogsBoxLoaderTest, EveryDayGetsItsHeaderAndTheFirstLineOfAPageIsADay)
{
    removePlaceholder();
    postNamed (2, "2017-05-01 08:00:00", "a");
    postNamed (2, "2017-05-02 08:00:00", "b");
    postNamed (1, "2017-05-03 08:00:00", "c");
    const auto p = page (0);
    EXPECT_EQ (p.lines, juce::StringArray ({ "  03.05.2017", "* Prenos podatkov (Ana Kletar) - c0.", "  02.05.2017",
                                             "* Prenos podatkov (Ana Kletar) - b1.", "* Prenos podatkov (Ana Kletar) - b0.",
                                             "  01.05.2017", "* Prenos podatkov (Ana Kletar) - a1.", "* Prenos podatkov (Ana Kletar) - a0." }));
}

TEST_F (LogsBoxLoaderTest, EntriesOfOneDateAreNeitherRepeatedNorSkippedBetweenPages)
{
    removePlaceholder();
    postNamed (20, "2017-05-02 10:00:00", "e");
    juce::StringArray seen;
    for (int offset : { 0, 15 })
    {
        const auto p = page (offset);
        for (int i = 0; i < p.lines.size(); ++i)
            if (p.kinds[i] == Kind::entry)
                seen.add (p.lines[i].fromLastOccurrenceOf (" - ", false, false));
    }
    seen.sort (true);
    juce::StringArray all;
    for (int i = 0; i < 20; ++i)
        all.add ("e" + juce::String (i) + ".");
    all.sort (true);
    EXPECT_EQ (seen, all);
}

TEST_F (LogsBoxLoaderTest, BookingsReadInWordsWithTheirUserAndOperation)
{
    bookHarvest (7, 5, 1000, 700, "2017-09-10 08:00:00");
    bookTransfer (7, 5, 6, 300, "2017-09-12 08:00:00");
    const auto p = page (0);
    EXPECT_EQ (p.lines, juce::StringArray ({ "  12.09.2017", "* Pretok (Ana Kletar) - Transfer: 300.0l (Belo) out of A in Klet 300.0l (Belo) into B in Klet.",
                                             "  10.09.2017", "* Trgatev (Ana Kletar) - Harvest: Belo (Breg nad potokom) 1000.0kg; Transfer: 700.0l (Belo) into A in Klet.",
                                             "  01.01.2016", "* Ostalo (neznan) - ." }));
}

TEST_F (LogsBoxLoaderTest, FailedReadShowsOneErrorLine)
{
    postNamed (3, "2017-05-02 10:00:00", "e");
    ASSERT_TRUE (exec ("ALTER TABLE stranka RENAME TO stranka_old"));
    const auto p = page (0);
    EXPECT_EQ (p.lines, juce::StringArray ({ "READ FAILED" }));
    EXPECT_EQ (p.kinds, juce::Array<int> ({ Kind::error }));
}

TEST_F (LogsBoxLoaderTest, WithoutDatabaseOrTarget)
{
    RecordingTarget target;
    LogsBoxLoader noDatabase (&target, nullptr, nullptr);
    EXPECT_TRUE (noDatabase.load());
    EXPECT_EQ (target.lines, juce::StringArray ({ "Connection to database failed. Please check username and password." }));
    EXPECT_EQ (target.kinds, juce::Array<int> ({ Kind::error }));

    vtest::LogCapture log;
    LogsBoxLoader noTarget (nullptr, nullptr, &db);
    EXPECT_FALSE (noTarget.load());
    EXPECT_TRUE (log.contains ("ERROR: ni podan launcher"));
}

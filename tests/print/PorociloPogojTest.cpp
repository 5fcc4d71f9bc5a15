// The report conditions: joining, limit text, copying a period through the report's own setters,
// and the long pass that polls for a cancel before and after each wait.
#include "print/PorociloPogoj.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
/** A report whose start date adds a condition, as the VAT books do. */
class DatedReport : public PorociloPogoj
{
public:
    void setStartDate (const juce::String& text) override
    {
        PorociloPogoj::setStartDate (text);
        addCondition ("g.datum>='" + text + "'");
    }
};

/** A progress window stand-in that asks to stop after a number of polls. */
class CountingProgress : public PorociloPogoj::Progress
{
public:
    explicit CountingProgress (int stopAfterPolls) : stopAfter (stopAfterPolls) {}
    void setProgress (double f) override { lastFraction = f; }
    void setStatusMessage (const juce::String& text) override { messages.add (text); }
    bool threadShouldExit() const override { return stopAfter >= 0 && ++polls > stopAfter; }
    bool wait (int ms) override { waited += ms; return false; }

    int stopAfter;
    mutable int polls = 0;
    int waited = 0;
    double lastFraction = -1;
    juce::StringArray messages;
};
} // namespace

TEST (PorociloPogojTest, ConditionsAndLimitText)
{
    PorociloPogoj p;
    EXPECT_EQ (p.getPogoj(), "");
    p.addCondition ("a=1");
    EXPECT_EQ (p.getPogoj(), "a=1");
    p.addCondition ("b<2");
    EXPECT_EQ (p.getPogoj(), "a=1 AND b<2");
    p.clearConditions();
    EXPECT_EQ (p.getPogoj(), "");

    const std::pair<int, const char*> limits[] = { { -1, "" }, { 0, " LIMIT 0" }, { 25, " LIMIT 25" } };
    for (const auto& [limit, text] : limits)
    {
        p.setLimit (limit);
        EXPECT_EQ (p.getLimit(), text) << limit;
    }
    EXPECT_TRUE (p.usesStartDate());
    EXPECT_FALSE (p.usesEndDate() || p.usesSerija() || p.usesStranka() || p.usesArtikel() || p.usesSkladisce() || p.usesKlet()
                  || p.printsOwnForm());
    EXPECT_EQ (p.getStrankaTip(), -1);
}

TEST (PorociloPogojTest, CopiedPeriodGoesThroughTheReportsSetters)
{
    PorociloPogoj source;
    source.setStartDate ("2024-01-01 00:00:00");
    source.setEndDate ("2024-02-01 00:00:00");
    DatedReport target;
    target.copyDates (nullptr);
    EXPECT_EQ (target.getStartDate(), "");
    EXPECT_EQ (target.getPogoj(), "");
    target.copyDates (&source);
    EXPECT_EQ (target.getStartDate(), "2024-01-01 00:00:00");
    EXPECT_EQ (target.getEndDate(), "2024-02-01 00:00:00");
    EXPECT_EQ (target.getPogoj(), "g.datum>='2024-01-01 00:00:00'");
}

TEST (PorociloPogojTest, LongPassRunsToItsEndOrStopsAtACancel)
{
    vtest::LogCapture log;
    PorociloPogoj p;
    CountingProgress whole (-1);
    p.runThread (whole);
    EXPECT_EQ (p.getThreadResult(), 1);
    EXPECT_EQ (whole.waited, 500);
    EXPECT_TRUE (whole.messages[7].endsWith ("7/100"));
    EXPECT_DOUBLE_EQ (whole.lastFraction, 0.99);

    struct Case { int stopAfter; const char* logged; };
    for (const auto& c : { Case { 0, "Exit called" }, Case { 1, "Exit called after wait" }, Case { 3, "Exit called after wait" } })
    {
        log.clear();
        CountingProgress cancelled (c.stopAfter);
        p.setThreadResult (1);
        p.runThread (cancelled);
        EXPECT_EQ (p.getThreadResult(), 0) << c.stopAfter;
        EXPECT_TRUE (log.contains (c.logged)) << c.stopAfter;
    }

    EXPECT_FALSE (p.launchProgressThread (nullptr));
    EXPECT_EQ (p.getThreadResult(), 0);
    EXPECT_TRUE (log.contains (PorociloPogoj::kNoParent));
}

// Threaded loading of a long query behind a progress window: the rows arrive, a cancel keeps the
// previous result, and a failed statement is reported as a failure.
#include "db/gui/SQLProgressThread.h"
#include "db/SQLtoXml.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <mutex>

namespace
{
juce::String rowsQuery (int n)
{
    return "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM c WHERE x<" + juce::String (n) + ") SELECT x FROM c";
}

class ThreadedQuery : public ::testing::Test
{
protected:
    vtest::FreshDatabase db;
    vtest::ScriptedAnswerer answerer;
    vtest::LogCapture log;
    juce::Component owner;
};

TEST_F (ThreadedQuery, LoadsTheRowsBehindTheProgressWindow)
{
    SQLtoXml query;
    auto* tree = query.sqlQuery (rowsQuery (3), &owner);
    ASSERT_NE (tree, nullptr);
    EXPECT_EQ (tree, query.getResult());
    EXPECT_TRUE (query.ok);
    EXPECT_EQ (query.getNumRows(), 3);
    EXPECT_EQ (tree->getTagName(), "SQLITE_DATA");
    EXPECT_EQ (query.getData()->getChildElement (2)->getStringAttribute ("x"), "3");
    EXPECT_EQ (answerer.progressTitles, juce::StringArray (TRANS ("Loading")));
    EXPECT_TRUE (log.contains ("<SQLtoXml::sqlQuery> runThread returned true"));
    EXPECT_TRUE (log.contains ("<SQLtoXml::sqlQuery> done"));
}

TEST_F (ThreadedQuery, NoRowsGiveAnEmptyResult)
{
    SQLtoXml query;
    auto* tree = query.sqlQuery ("SELECT id FROM settings WHERE 0", &owner);
    ASSERT_NE (tree, nullptr);
    EXPECT_TRUE (query.ok);
    EXPECT_EQ (query.getNumRows(), 0);
    EXPECT_TRUE (log.contains ("no data loaded"));
}

TEST_F (ThreadedQuery, AFailedStatementReturnsNoResultAndReportsFailure)
{
    SQLtoXml query;
    ASSERT_NE (query.sqlQuery (rowsQuery (2), &owner), nullptr);

    EXPECT_EQ (query.sqlQuery ("SELEC broken FROM nowhere", &owner), nullptr);
    EXPECT_FALSE (query.ok);
    EXPECT_TRUE (query.lastError.startsWith ("SQL error 1:")) << query.lastError;
    EXPECT_TRUE (log.contains ("<SQLProgressThread::run> ERROR: ni vrnilo podatkov"));
    // The object keeps what it had; the caller is told nothing new was loaded.
    EXPECT_EQ (query.getNumRows(), 2);
}

TEST_F (ThreadedQuery, CancelKeepsThePreviousResult)
{
    SQLtoXml query;
    ASSERT_NE (query.sqlQuery (rowsQuery (2), &owner), nullptr);

    answerer.cancelProgressAfter (300);
    const auto started = juce::Time::getMillisecondCounter();
    EXPECT_EQ (query.sqlQuery (rowsQuery (1000), &owner), nullptr);
    // Counting 1000 rows takes at least 5 seconds; a cancel stops it at the next row.
    EXPECT_LT (juce::Time::getMillisecondCounter() - started, 4000u);
    EXPECT_FALSE (query.ok);
    EXPECT_EQ (query.getNumRows(), 2);
    EXPECT_TRUE (log.contains ("Exit called"));
    EXPECT_TRUE (log.contains ("<SQLtoXml::sqlQuery> exited here"));
}

TEST_F (ThreadedQuery, EmptyTextRunsNothing)
{
    SQLtoXml query;
    query.ok = true;
    EXPECT_EQ (query.sqlQuery (juce::String(), &owner), nullptr);
    EXPECT_TRUE (query.ok);
    EXPECT_TRUE (answerer.progressTitles.isEmpty());
}

/** The worker's status texts, in the order it gave them. */
struct StatusRecorder : SQLProgressThread
{
    using SQLProgressThread::SQLProgressThread;
    void showStatus (const juce::String& text) override
    {
        {
            const std::lock_guard<std::mutex> lock (mutex);
            texts.add (text);
        }
        SQLProgressThread::showStatus (text);
    }
    juce::StringArray shown()
    {
        const std::lock_guard<std::mutex> lock (mutex);
        return texts;
    }
    std::mutex mutex;
    juce::StringArray texts;
};

TEST_F (ThreadedQuery, StatusTellsPreparingEachRowAndFinishing)
{
    SQLtoXml query;
    ASSERT_TRUE (query.connect());
    {
        StatusRecorder thread (rowsQuery (3), &owner, &query);
        thread.startThread();
        ASSERT_TRUE (thread.waitForThreadToExit (5000));
        EXPECT_EQ (thread.shown(), juce::StringArray ({ "Preparing", "Loading 1/3", "Loading 2/3", "Loading 3/3", "Finishing" }));
        ASSERT_NE (thread.getRows(), nullptr);
    }
    {
        // A statement that fails stops at "Preparing": nothing was loaded, nothing is finished.
        StatusRecorder thread ("SELEC broken", &owner, &query);
        thread.startThread();
        ASSERT_TRUE (thread.waitForThreadToExit (5000));
        EXPECT_EQ (thread.shown(), juce::StringArray ({ "Preparing" }));
    }
}

TEST_F (ThreadedQuery, WithoutAQueryObjectTheThreadOnlyLogs)
{
    SQLProgressThread thread ("SELECT 1", &owner, nullptr);
    thread.startThread();
    EXPECT_TRUE (thread.waitForThreadToExit (2000));
    EXPECT_EQ (thread.getRows(), nullptr);
    EXPECT_TRUE (log.contains ("<SQLProgressThread::run> ERROR: ni baze"));
}
} // namespace

namespace
{
TEST (ThreadedQueryWindow, RealProgressWindowComesAndGoes)
{
    vtest::FreshDatabase db;
    juce::Component owner;
    SQLtoXml query;
    ASSERT_EQ (vindoro::getModalAnswerer(), nullptr);
    EXPECT_NE (query.sqlQuery (rowsQuery (20), &owner), nullptr);
    EXPECT_EQ (query.getNumRows(), 20);
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
}
} // namespace

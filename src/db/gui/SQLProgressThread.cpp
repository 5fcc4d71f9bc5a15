#include "db/gui/SQLProgressThread.h"
#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "db/SQLtoXml.h"

namespace
{
constexpr int kCountingWaitMs = 5;
// A cancel waits for the statement to end: a thread killed inside the database library would
// leave the shared connection locked for good.
constexpr int kWaitForStatementMs = -1;
} // namespace

SQLProgressThread::SQLProgressThread (const juce::String& sqlText, juce::Component* owner, SqlitetoXml* queryObject)
    : juce::ThreadWithProgressWindow (TRANS ("Loading"), true, true, kWaitForStatementMs, TRANS ("Cancel"), owner),
      db (queryObject),
      sql (sqlText)
{
    setStatusMessage (TRANS ("Preparing"));
}

SQLProgressThread::~SQLProgressThread()
{
    stopThread (kWaitForStatementMs);
    rows.reset();
}

void SQLProgressThread::threadComplete (bool) {}

void SQLProgressThread::showStatus (const juce::String& text)
{
    setStatusMessage (text);
}

void SQLProgressThread::run()
{
    setProgress (-1.0);
    showStatus (TRANS ("Preparing"));

    if (db == nullptr)
    {
        vindoro::vlog ("SQLProgressThread::run", "ERROR: ni baze");
        return;
    }

    if (threadShouldExit())
    {
        setProgress (-1.0);
        showStatus (TRANS ("Finishing"));
        return;
    }

    rows = db->sqlFetch (sql);
    if (rows == nullptr)
    {
        vindoro::vlog ("SQLProgressThread::run", "ERROR: ni vrnilo podatkov");
        return;
    }

    auto* dataElement = rows->getChildByName ("DATA");
    rowTotal = dataElement != nullptr ? dataElement->getNumChildElements() : 0;
    rowCount = 0;

    for (int i = 0; i < rowTotal; ++i)
    {
        ++rowCount;
        setProgress ((double) rowCount / (double) rowTotal);
        showStatus (TRANS ("Loading") + " " + juce::String (rowCount) + "/" + juce::String (rowTotal));

        if (threadShouldExit())
        {
            vindoro::vlog ("SQLProgressThread::run", "Exit called");
            break;
        }
        wait (kCountingWaitMs);
        if (threadShouldExit())
        {
            vindoro::vlog ("SQLProgressThread::run", "Exit called after wait");
            break;
        }
    }

    setProgress (-1.0);
    showStatus (TRANS ("Finishing"));
}

juce::XmlElement* SQLtoXml::sqlQuery (const juce::String& sqlText, juce::Component* owner)
{
    vindoro::vlog ("SQLtoXml::sqlQuery", "beginning");
    if (sqlText.isEmpty())
        return nullptr;

    ok = false;
    if (! isConnected() && ! connect())
        return nullptr;

    auto thread = std::make_unique<SQLProgressThread> (sqlText, owner, this);
    if (! vindoro::runProgressWindow (*thread))
    {
        vindoro::vlog ("SQLtoXml::sqlQuery", "exited here");
        return nullptr;
    }

    vindoro::vlog ("SQLtoXml::sqlQuery", "runThread returned true");

    // A statement that failed fetched nothing: that is a failure, not the previous rows again.
    if (thread->getRows() == nullptr)
    {
        vindoro::vlog ("SQLtoXml::sqlQuery", "ERROR: query failed: " + lastError);
        return nullptr;
    }

    setResultCopy (thread->getRows());
    thread.reset();
    if (numRows <= 0)
        vindoro::vlog ("SQLtoXml::sqlQuery", "no data loaded");
    ok = true;
    vindoro::vlog ("SQLtoXml::sqlQuery", "done");
    return result.get();
}

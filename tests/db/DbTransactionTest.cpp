#include "db/DbFixture.h"
#include "db/DbTransaction.h"

#include <atomic>
#include <thread>

using dbtest::DbFixture;

TEST_F (DbFixture, TransactionCommitsWhenTheScopeEndsWell)
{
    vtest::LogCapture log;
    {
        DbTransaction transaction;
        ASSERT_TRUE (transaction.isActive()) << transaction.getLastError();
        EXPECT_TRUE (transaction.isOutermost());
        SQLtoXml q;
        EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'a')"));
        EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (2, 'b')"));
        EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_log"), "0"); // not visible before the commit
    }
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,2");
    EXPECT_TRUE (log.contains ("BEGIN IMMEDIATE"));
    EXPECT_TRUE (log.contains ("COMMIT"));
}

TEST_F (DbFixture, TransactionRollsBackWhenAStatementInsideFailsOrAnExceptionLeaves)
{
    {
        DbTransaction transaction;
        SQLtoXml q;
        EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'journal entry')"));
        EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_nothing VALUES (1)")); // its movement fails
        EXPECT_TRUE (transaction.hasFailed());
    }
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_log"), "0");

    try
    {
        DbTransaction transaction;
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (2, 'b')");
        throw std::runtime_error ("booking broke off");
    }
    catch (const std::runtime_error&) {}
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_log"), "0");

    DbTransaction marked;
    SQLtoXml q;
    q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (3, 'c')");
    marked.markFailed();
    EXPECT_FALSE (marked.commit());
    EXPECT_FALSE (marked.isActive());
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_log"), "0");
}

TEST_F (DbFixture, NestedScopesAreSavepoints)
{
    {
        DbTransaction outer;
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'outer')");
        {
            DbTransaction inner;
            EXPECT_TRUE (inner.isActive());
            EXPECT_FALSE (inner.isOutermost());
            q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (2, 'kept')");
        }
        {
            DbTransaction inner;
            q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (3, 'undone')");
            inner.rollback(); // the caller's own choice: the outer work stands
        }
        EXPECT_FALSE (outer.hasFailed());
        EXPECT_TRUE (outer.commit());
    }
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,2");

    {
        DbTransaction outer;
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (4, 'outer')");
        {
            DbTransaction inner;
            q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'duplicate')"); // fails
        }
        EXPECT_TRUE (outer.hasFailed()); // a failed part fails the whole
    }
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,2");
}

// Query objects that end inside the scope must not close the connection under it.
TEST_F (DbFixture, QueryObjectsEndingInsideTheScopeLeaveItOpenUntilItEnds)
{
    vtest::LogCapture log;
    {
        DbTransaction transaction;
        for (int i = 1; i <= 3; ++i)
        {
            SQLtoXml q;
            EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (" + juce::String (i) + ", 'x')"));
            EXPECT_TRUE (q.connect()); // a reconnect would roll the work back: it keeps the connection
        }
        EXPECT_TRUE (SqlitetoXml::isConnected());
        EXPECT_FALSE (log.contains ("DISCONNECTED FROM DB"));
    }
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_log"), "3");
    EXPECT_FALSE (SqlitetoXml::isConnected()); // the close they asked for came after the commit
    EXPECT_TRUE (log.contains ("DISCONNECTED FROM DB"));
}

// Another thread's statement waits for the scope to end instead of falling into it.
TEST_F (DbFixture, AnotherThreadsStatementNeverFallsIntoTheTransaction)
{
    std::atomic<bool> workerDone { false };
    std::thread worker;
    {
        DbTransaction transaction;
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'rolled back')");
        worker = std::thread ([&] {
            SQLtoXml other;
            other.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (2, 'worker')");
            workerDone = true;
        });
        std::this_thread::sleep_for (std::chrono::milliseconds (100));
        EXPECT_FALSE (workerDone.load());
        transaction.rollback();
    }
    worker.join();
    EXPECT_EQ (peek ("SELECT group_concat(besedilo) FROM test_log"), "worker");
}

TEST_F (DbFixture, TransactionThatCannotBeginSaysSo)
{
    sqlite3* rival = nullptr;
    sqlite3_open_v2 (db.file().getFullPathName().toRawUTF8(), &rival, SQLITE_OPEN_READWRITE, nullptr);
    ASSERT_EQ (sqlite3_exec (rival, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    {
        DbTransaction transaction;
        EXPECT_FALSE (transaction.isActive());
        EXPECT_TRUE (transaction.getLastError().contains ("locked")) << transaction.getLastError();
        EXPECT_FALSE (transaction.commit());
    }
    sqlite3_exec (rival, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close (rival);

    vtest::TestSettings noDatabase;
    DbTransaction transaction;
    EXPECT_FALSE (transaction.isActive());
    EXPECT_EQ (transaction.getLastError(), "No database filename set");
}

TEST_F (DbFixture, AScopeWhoseCallerJudgesFailuresCommitsAroundAFailedStatementUntilTheDatabaseEndsIt)
{
    {
        DbTransaction transaction (DbTransaction::FailedStatements::callerDecides);
        SQLtoXml q;
        EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'a')"));
        EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_nothing VALUES (1)"));   // counted by the caller, not fatal
        EXPECT_FALSE (transaction.hasFailed());
        EXPECT_TRUE (transaction.isStillOpen());
        EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (2, 'b')"));
        EXPECT_TRUE (transaction.commit());
    }
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,2");

    // A RAISE(ROLLBACK) ends SQLite's transaction by itself: the scope must tell, or the statements
    // after it would each commit on their own.
    run ("CREATE TRIGGER stop_all BEFORE INSERT ON test_log WHEN NEW.id=4 BEGIN SELECT RAISE(ROLLBACK,'stopped'); END");
    DbTransaction transaction (DbTransaction::FailedStatements::callerDecides);
    SQLtoXml q;
    EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (3, 'c')"));
    EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (4, 'd')"));
    EXPECT_FALSE (transaction.isStillOpen());
    transaction.rollback();
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,2");
}

// An optional part that failed and was abandoned leaves the rest of the work to commit; one that
// failed and was merely ended still fails the whole.
TEST_F (DbFixture, AbandonedPartUndoesItsWorkAndNoLongerFailsTheWhole)
{
    {
        DbTransaction outer;
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'entry')");
        {
            DbTransaction optional;
            EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (2, 'undone')"));
            EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'duplicate')"));
            optional.abandon();
            EXPECT_FALSE (optional.isActive());
        }
        EXPECT_FALSE (outer.hasFailed());
        q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (3, 'after')");
        EXPECT_TRUE (outer.commit());
    }
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,3");

    {
        // A failure before the part stays a failure of the whole.
        DbTransaction outer;
        SQLtoXml q;
        EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_nothing VALUES (1)"));
        {
            DbTransaction optional;
            q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'duplicate')");
            optional.abandon();
        }
        EXPECT_TRUE (outer.hasFailed());
    }

    {
        // Abandoning the outermost scope is a rollback.
        DbTransaction only;
        SQLtoXml q;
        q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (4, 'gone')");
        only.abandon();
        EXPECT_FALSE (only.isActive());
    }
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,3");
}

// The journal an upgrade run writes through: the run's steps commit into a write-ahead log, the
// database ends in the journal mode it had (rollback, or the user's own write-ahead mode), a file
// whose user_version is taken keeps it, and a run cut off in the fast mode is set right at the
// next start with nothing it committed lost.
#include "support/UpgradeTestSupport.h"

#include "db/SchemaSteps.h"
#include "db/SqlitetoXml.h"
#include "db/UpgradeChain.h"
#include "db/UpgradeJournal.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using vindoro::UpgradeChain;
using vindoro::UpgradeJournal;
using vindoro::UpgradeRun;

namespace
{
juce::File walFile (const vtest::UpgradeDb& db)
{
    return db.file().getSiblingFile (db.file().getFileName() + "-wal");
}

/** A database at version 35, the steps before run one by one outside any chain. */
void bringTo35 (vtest::UpgradeDb& db)
{
    UpgradeRun earlier;
    for (int v = 7; v < 35; ++v)
        vindoro::SchemaSteps::stepFrom (v) (earlier);
    SqlitetoXml::disconnect();
    ASSERT_EQ (earlier.getFailedStatements(), 0);
    ASSERT_EQ (db.version(), 35);
}
} // namespace

TEST (UpgradeJournal, TheChainsCommitAheadAndTheDatabaseEndsInTheModeItHad)
{
    struct Case
    {
        const char* what;
        const char* setup;
        const char* modeAfter;
        const char* userVersionAfter;
        bool writesAhead;
    };
    const Case cases[] = {
        { "a rollback journal, as the program keeps it", "", "delete", "0", true },
        { "the user's own write-ahead mode", "PRAGMA journal_mode=WAL;", "wal", "0", true },
        { "a user_version of someone else's", "PRAGMA user_version=5;", "delete", "5", false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        vtest::UpgradeDb db ({ "v7-schema.sql", "v7-data.sql" });
        bringTo35 (db);
        ASSERT_TRUE (db.exec (c.setup)) << db.lastError;

        vtest::LogCapture log;
        UpgradeRun run;
        EXPECT_EQ (UpgradeChain::runSchema (35, run).outcome, UpgradeChain::Outcome::completed);
        EXPECT_EQ (UpgradeChain::runMaintenance (db.level(), run).outcome, UpgradeChain::Outcome::completed);
        EXPECT_EQ (run.getFailedStatements(), 0);
        EXPECT_FALSE (run.isWriteAhead());

        EXPECT_EQ (log.contains ("PRAGMA synchronous=NORMAL"), c.writesAhead);
        EXPECT_EQ (db.version(), 37);
        EXPECT_EQ (db.level(), 3);
        EXPECT_EQ (db.value ("PRAGMA journal_mode"), c.modeAfter);
        EXPECT_EQ (db.value ("PRAGMA user_version"), c.userVersionAfter);
        EXPECT_EQ (db.value ("PRAGMA integrity_check"), "ok");
        if (juce::String (c.modeAfter) == "delete")
            EXPECT_FALSE (walFile (db).exists());
    }
}

TEST (UpgradeJournal, AStepThatFailsInWriteAheadModeStillLeavesThePreviousVersion)
{
    vtest::UpgradeDb db ({ "v7-schema.sql", "v7-data.sql" });
    bringTo35 (db);
    ASSERT_TRUE (db.exec ("CREATE TRIGGER fault_version BEFORE UPDATE ON settings WHEN NEW.val_i=37 "
                          "BEGIN SELECT RAISE(ABORT,'injected fault'); END;"));
    const auto glavnaBefore = db.value ("SELECT sql FROM sqlite_master WHERE name='glavna'");

    UpgradeRun run;
    const auto result = UpgradeChain::runSchema (35, run);
    EXPECT_EQ (result.outcome, UpgradeChain::Outcome::stopped);
    EXPECT_EQ (db.version(), 36);
    EXPECT_EQ (db.value ("PRAGMA journal_mode"), "delete");
    EXPECT_EQ (db.value ("PRAGMA user_version"), "0");
    // Step 36 to 37 rebuilds the journal table: none of that stays.
    EXPECT_EQ (db.value ("SELECT sql FROM sqlite_master WHERE name='glavna'"), glavnaBefore);
}

namespace
{
/** What a run killed in the fast mode leaves: the mark, write-ahead mode, and a committed row
    that is still only in the log beside the file. */
void leaveLikeACutOffRun (vtest::UpgradeDb& db, bool marked, bool switched)
{
    sqlite3* c = nullptr;
    ASSERT_EQ (sqlite3_open_v2 (db.file().getFullPathName().toRawUTF8(), &c, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    if (marked)
        sqlite3_exec (c, ("PRAGMA user_version=" + juce::String (UpgradeJournal::kRunMark)).toRawUTF8(), nullptr, nullptr, nullptr);
    if (switched)
    {
        sqlite3_exec (c, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        // As after a kill: the log is neither copied into the file nor deleted.
        sqlite3_db_config (c, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        int persist = 1;
        sqlite3_file_control (c, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
    }
    ASSERT_EQ (sqlite3_exec (c, "INSERT INTO drzava(id,ime) VALUES (900,'ZAPISANA')", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close (c);
}
} // namespace

TEST (UpgradeJournal, ACutOffRunIsSetRightAtTheNextStartWithNothingLost)
{
    struct Case { const char* what; bool marked, switched; const char* modeAfter; const char* userVersionAfter; };
    const Case cases[] = {
        { "killed in write-ahead mode", true, true, "delete", "0" },
        { "killed between the mark and the switch", true, false, "delete", "0" },
        { "the user's own write-ahead mode is no run's", false, true, "wal", "0" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        vtest::UpgradeDb db ({ "v7-schema.sql" });
        leaveLikeACutOffRun (db, c.marked, c.switched);
        if (c.switched)
            ASSERT_GT (walFile (db).getSize(), 0);

        EXPECT_TRUE (UpgradeJournal::restoreAfterCutOffRun());
        if (juce::String (c.modeAfter) == "delete")
            EXPECT_FALSE (walFile (db).exists());
        EXPECT_EQ (db.value ("PRAGMA journal_mode"), c.modeAfter);
        EXPECT_EQ (db.value ("PRAGMA user_version"), c.userVersionAfter);
        EXPECT_EQ (db.value ("SELECT ime FROM drzava WHERE id=900"), "ZAPISANA");
    }
}

TEST (UpgradeJournal, AConnectionInATransactionKeepsTheModeAndTheMarkForTheNextStart)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    leaveLikeACutOffRun (db, true, true);
    // Someone else is writing: the mode cannot be changed now, and the mark must stay for later.
    sqlite3* other = nullptr;
    ASSERT_EQ (sqlite3_open_v2 (db.file().getFullPathName().toRawUTF8(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ (sqlite3_exec (other, "BEGIN IMMEDIATE; INSERT INTO drzava(id,ime) VALUES (901,'DRUGA')", nullptr, nullptr, nullptr), SQLITE_OK);

    EXPECT_FALSE (UpgradeJournal::restoreAfterCutOffRun());
    sqlite3_exec (other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close (other);
    EXPECT_EQ (db.value ("PRAGMA user_version"), juce::String (UpgradeJournal::kRunMark));

    EXPECT_TRUE (UpgradeJournal::restoreAfterCutOffRun());
    EXPECT_EQ (db.value ("PRAGMA journal_mode"), "delete");
    EXPECT_EQ (db.value ("PRAGMA user_version"), "0");
    EXPECT_EQ (db.rows ("SELECT id FROM drzava WHERE id>=900 ORDER BY id"), juce::StringArray ({ "900", "901" }));
}

#include "db/UpgradeJournal.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "db/SqlitetoXml.h"

#include <sqlite3.h>

namespace vindoro
{
namespace
{
juce::File databaseFile()
{
    auto* settings = getUserSettings();
    const auto path = settings != nullptr ? settings->getValue ("dbfilename", {}) : juce::String();
    return path.isNotEmpty() && juce::File::isAbsolutePath (path) ? juce::File (path) : juce::File();
}

void note (const juce::String& message)
{
    vlog ("UpgradeJournal", message);
}

sqlite3* openOwnConnection()
{
    const auto file = databaseFile();
    if (file == juce::File() || ! file.existsAsFile())
        return nullptr;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2 (file.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    {
        note ("the database could not be opened: " + juce::String::fromUTF8 (db != nullptr ? sqlite3_errmsg (db) : "?"));
        sqlite3_close (db);
        return nullptr;
    }
    return db;
}

/** The first value a pragma answers; `ok` false when it failed. */
juce::String pragma (sqlite3* db, const juce::String& sql, bool& ok)
{
    note (sql);
    sqlite3_stmt* st = nullptr;
    juce::String value;
    ok = sqlite3_prepare_v2 (db, sql.toRawUTF8(), -1, &st, nullptr) == SQLITE_OK;
    if (ok)
    {
        const int rc = sqlite3_step (st);
        if (rc == SQLITE_ROW)
            value = juce::String::fromUTF8 ((const char*) sqlite3_column_text (st, 0));
        ok = rc == SQLITE_ROW || rc == SQLITE_DONE;
    }
    if (! ok)
        note ("SQL error:" + juce::String::fromUTF8 (sqlite3_errmsg (db)));
    sqlite3_finalize (st);
    return value;
}

/** Leaves write-ahead mode (moving the log into the file, with the flush) and then clears the
    mark, in that order: a kill in between leaves the mark, and the next start ends the work. */
bool backToRollbackJournal (sqlite3* db)
{
    // Leaving write-ahead mode needs the file to itself.
    SqlitetoXml::disconnect();
    bool ok = false;
    const auto mode = pragma (db, "PRAGMA journal_mode=DELETE", ok);
    if (! ok || mode != "delete")
    {
        note ("WARNING: the database stays in write-ahead mode until the next start");
        return false;
    }
    pragma (db, "PRAGMA user_version=0", ok);
    return ok;
}
} // namespace

UpgradeJournal::UpgradeJournal (UpgradeRun& r) : run (r)
{
    // The steps' connection is opened again by the first step, after the mode is set.
    SqlitetoXml::disconnect();
    keeper = openOwnConnection();
    if (keeper == nullptr)
        return;

    bool ok = false;
    const auto mode = pragma (keeper, "PRAGMA journal_mode", ok);
    if (! ok)
        return;
    const int mark = pragma (keeper, "PRAGMA user_version", ok).getIntValue();
    if (! ok)
        return;

    if (mode == "wal")
    {
        // The user's own choice stays; a mark is what a cut-off run left and is ended at the end.
        restoreOnEnd = mark == kRunMark;
        holdLog();
        return;
    }
    if (mark != 0 && mark != kRunMark)
    {
        note ("user_version holds " + juce::String (mark) + ": the run keeps the rollback journal");
        return;
    }
    // The mark goes first, in the rollback journal: no moment exists in which the file is in the
    // run's mode without it.
    if (mark != kRunMark)
    {
        pragma (keeper, "PRAGMA user_version=" + juce::String (kRunMark), ok);
        if (! ok)
            return;
    }
    restoreOnEnd = true;
    if (pragma (keeper, "PRAGMA journal_mode=WAL", ok) == "wal" && ok)
        holdLog();
}

void UpgradeJournal::holdLog()
{
    // A connection that has read in write-ahead mode keeps its share of the file until it closes,
    // so the steps' connections never find themselves the last one, which would copy the log into
    // the file with its flush and delete it at every step.
    bool ok = false;
    pragma (keeper, "SELECT COUNT(*) FROM sqlite_master", ok);
    run.setWriteAhead (true);
}

UpgradeJournal::~UpgradeJournal()
{
    run.setWriteAhead (false);
    if (keeper == nullptr)
        return;
    if (restoreOnEnd)
        backToRollbackJournal (keeper);
    sqlite3_close_v2 (keeper);
}

bool UpgradeJournal::restoreAfterCutOffRun()
{
    sqlite3* db = openOwnConnection();
    if (db == nullptr)
        return true;
    bool ok = false;
    const int mark = pragma (db, "PRAGMA user_version", ok).getIntValue();
    bool restored = true;
    if (ok && mark == kRunMark)
    {
        note ("a cut-off upgrade left its journal mode: the rollback journal is put back");
        restored = backToRollbackJournal (db);
    }
    sqlite3_close_v2 (db);
    return restored;
}
} // namespace vindoro

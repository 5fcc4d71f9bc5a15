#include "db/SchemaStep.h"

#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"

#include <exception>

namespace vindoro
{
SchemaStep::SchemaStep (UpgradeRun& r, const juce::String& stepName, int from, int to, Kind k)
    : run (r), name (stepName), target (to), kind (k), query (std::make_unique<SQLtoXml>())
{
    log (juce::String::formatted (kind == Kind::schema ? "Updating database from v.%d to v.%d"
                                                       : "Manteinance of database from v.%d to v.%d",
                                  from, to));
    if (run.isAborted())
        return;
    // "PRAGMA foreign_keys" is the one statement of the steps that SQLite ignores inside a
    // transaction, so it runs before BEGIN. The steps' own "PRAGMA foreign_keys=..." lines are then
    // no-ops: foreign keys stay off for the whole step, as its table rebuilds need.
    query->sqlQueryNA ("PRAGMA foreign_keys=OFF");
    // In write-ahead mode a commit without its own flush still cannot half-apply; only a power
    // cut can take back the latest steps, which the next start then runs again.
    if (run.isWriteAhead())
        query->sqlQueryNA ("PRAGMA synchronous=NORMAL");
    transaction = std::make_unique<DbTransaction> (DbTransaction::FailedStatements::callerDecides);
    if (! transaction->isActive())
    {
        log ("ERROR: the step's transaction could not begin: " + transaction->getLastError());
        run.abort ("Transaction: " + transaction->getLastError());
    }
}

SchemaStep::~SchemaStep()
{
    if (done)
        return;
    // Left by an exception: nothing of a step that did not run to its end may stay.
    if (std::uncaught_exceptions() > 0)
        leaveEarly();
    else
        finish();
}

bool SchemaStep::runChecked (const juce::String& sql, bool counted)
{
    if (run.isAborted())
        return false;
    const bool okay = query->sqlQueryNA (sql);
    if (! okay)
    {
        if (counted)
            run.countFailure();
        if (transaction != nullptr && ! transaction->isStillOpen())
        {
            // Every later statement would commit by itself: the step must not go on half-done.
            log ("ERROR: the database ended the step's transaction: " + query->lastError);
            run.abort ("Transaction: " + query->lastError);
        }
    }
    return okay;
}

bool SchemaStep::exec (const juce::String& sql)
{
    return runChecked (sql, true);
}

bool SchemaStep::execTolerated (const juce::String& sql)
{
    return runChecked (sql, false);
}

SQLtoXml& SchemaStep::db()
{
    return *query;
}

void SchemaStep::log (const juce::String& message) const
{
    vlog (name, message);
}

juce::String SchemaStep::storedCreateText (const juce::String& table)
{
    return query->sqlQueryString ("SELECT sql FROM sqlite_master WHERE tbl_name='" + table + "'");
}

bool SchemaStep::rebuildMovingAside (const juce::String& table, const juce::String& createSql,
                                     const juce::String& copySql, const std::function<void()>& afterCopy)
{
    if (run.isAborted())
        return false;

    const juce::String moved = table + "tmp";
    exec ("PRAGMA foreign_keys=OFF");
    // Since SQLite 3.26 a rename also rewrites the references that other tables hold to the
    // renamed table; the legacy behaviour keeps them naming the table, so they follow the rebuild.
    exec ("PRAGMA legacy_alter_table=ON");
    exec ("ALTER TABLE " + table + " RENAME TO " + moved);
    exec (createSql);
    const bool copied = exec (copySql);

    if (! copied)
    {
        // The step's transaction puts the old table back under its name with all its rows; the
        // run cannot go on past this step.
        const juce::String reason = query->lastError;
        log ("ERROR: rebuilding table " + table + " failed, the table is left as it was: " + reason);
        run.abort ("Table " + table + ": " + reason);
        return false;
    }

    if (afterCopy)
        afterCopy();
    exec ("DROP TABLE " + moved);
    execTolerated ("PRAGMA foreign_key_check");
    execTolerated ("PRAGMA foreign_keys=ON");
    execTolerated ("PRAGMA legacy_alter_table=OFF");
    return ! run.isAborted();
}

void SchemaStep::afterCommit (std::function<void()> action)
{
    committedActions.push_back (std::move (action));
}

void SchemaStep::endTransaction (bool keep)
{
    if (transaction == nullptr)
        return;
    if (keep && ! transaction->commit())
    {
        log ("ERROR: the step could not be committed: " + transaction->getLastError());
        run.abort ("Commit: " + transaction->getLastError());
    }
    else if (! keep)
    {
        transaction->rollback();
    }
    transaction.reset();
    if (keep && ! run.isAborted())
        for (auto& action : committedActions)
            action();
    committedActions.clear();
}

void SchemaStep::finish()
{
    if (done)
        return;
    done = true;
    if (! run.isAborted())
    {
        // Written last, in the step's own transaction: the version moves with the step's work or not at all.
        const juce::String row = kind == Kind::schema ? "dbversion" : "dbmanteinance";
        if (! exec ("UPDATE settings SET val_i=" + juce::String (target) + " WHERE ime='" + row + "'") && ! run.isAborted())
            run.abort ("Version: " + query->lastError);
    }
    endTransaction (! run.isAborted());
    query.reset();
    if (run.isAborted())
        log ("ERROR: step stopped, the version was not written");
    log (kind == Kind::schema ? "Update finished" : "Manteinance finished");
}

void SchemaStep::leaveEarly()
{
    done = true;
    endTransaction (false);
    query.reset();
}

juce::String SchemaStep::escaped (const juce::String& text)
{
    return SqlitetoXml::sqlEscapeQuotes (text);
}

juce::String SchemaStep::quoted (const juce::String& text)
{
    return "'" + escaped (text) + "'";
}
} // namespace vindoro

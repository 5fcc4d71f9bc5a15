#include "db/SchemaStep.h"

#include "core/Log.h"
#include "db/SQLtoXml.h"

namespace vindoro
{
SchemaStep::SchemaStep (UpgradeRun& r, const juce::String& stepName, int from, int to, Kind k)
    : run (r), name (stepName), target (to), kind (k), query (std::make_unique<SQLtoXml>())
{
    log (juce::String::formatted (kind == Kind::schema ? "Updating database from v.%d to v.%d"
                                                       : "Manteinance of database from v.%d to v.%d",
                                  from, to));
}

SchemaStep::~SchemaStep()
{
    if (! done)
        finish();
}

bool SchemaStep::exec (const juce::String& sql)
{
    if (run.isAborted())
        return false;
    const bool okay = query->sqlQueryNA (sql);
    if (! okay)
        run.countFailure();
    return okay;
}

bool SchemaStep::execTolerated (const juce::String& sql)
{
    if (run.isAborted())
        return false;
    return query->sqlQueryNA (sql);
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
    const bool renamed = exec ("ALTER TABLE " + table + " RENAME TO " + moved);
    const bool created = exec (createSql);
    const bool copied = exec (copySql);

    if (copied)
    {
        if (afterCopy)
            afterCopy();
        exec ("DROP TABLE " + moved);
    }
    else
    {
        // Put the old table back under its name, so no rows are left behind in the moved table
        // and nothing half-built stands in its place; the run cannot go on past this step.
        const juce::String reason = query->lastError;
        if (created)
            query->sqlQueryNA ("DROP TABLE " + table);
        if (renamed)
            query->sqlQueryNA ("ALTER TABLE " + moved + " RENAME TO " + table);
        log ("ERROR: rebuilding table " + table + " failed, the table is left as it was: " + reason);
        run.abort ("Table " + table + ": " + reason);
    }

    query->sqlQueryNA ("PRAGMA foreign_key_check");
    query->sqlQueryNA ("PRAGMA foreign_keys=ON");
    query->sqlQueryNA ("PRAGMA legacy_alter_table=OFF");
    return copied;
}

void SchemaStep::finish()
{
    if (done)
        return;
    done = true;
    if (! run.isAborted())
    {
        const juce::String row = kind == Kind::schema ? "dbversion" : "dbmanteinance";
        if (! query->sqlQueryNA ("UPDATE settings SET val_i=" + juce::String (target) + " WHERE ime='" + row + "'"))
            run.countFailure();
    }
    query.reset();
    if (run.isAborted())
        log ("ERROR: step stopped, the version was not written");
    log (kind == Kind::schema ? "Update finished" : "Manteinance finished");
}

void SchemaStep::leaveEarly()
{
    done = true;
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

#include "support/FaultInjection.h"

#include <sqlite3.h>

namespace vtest
{
namespace
{
struct Connection
{
    explicit Connection (const juce::File& file)
    {
        sqlite3_open_v2 (file.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout (db, 5000);
    }
    ~Connection() { sqlite3_close (db); }
    sqlite3* db = nullptr;
};
} // namespace

bool execOn (const juce::File& database, const juce::String& sql)
{
    Connection c (database);
    // Tests set files up and arm faults many times over; none of it has to survive a power cut.
    sqlite3_exec (c.db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    char* error = nullptr;
    const bool ok = sqlite3_exec (c.db, sql.toRawUTF8(), nullptr, nullptr, &error) == SQLITE_OK;
    if (! ok)
        DBG ("execOn: " << (error != nullptr ? error : "?") << " in " << sql);
    sqlite3_free (error);
    return ok;
}

namespace
{
juce::StringArray rowsOn (sqlite3* db, const juce::String& sql)
{
    juce::StringArray rows;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2 (db, sql.toRawUTF8(), -1, &st, nullptr) != SQLITE_OK)
    {
        rows.add ("<error> " + juce::String::fromUTF8 (sqlite3_errmsg (db)));
        return rows;
    }
    while (sqlite3_step (st) == SQLITE_ROW)
    {
        juce::StringArray columns;
        for (int i = 0; i < sqlite3_column_count (st); ++i)
            columns.add (sqlite3_column_type (st, i) == SQLITE_NULL
                             ? juce::String ("<null>")
                             : juce::String::fromUTF8 ((const char*) sqlite3_column_text (st, i)));
        rows.add (columns.joinIntoString ("|"));
    }
    sqlite3_finalize (st);
    return rows;
}
} // namespace

juce::StringArray rowsOf (const juce::File& database, const juce::String& sql)
{
    Connection c (database);
    return rowsOn (c.db, sql);
}

juce::String valueOf (const juce::File& database, const juce::String& sql)
{
    const auto rows = rowsOf (database, sql);
    return rows.isEmpty() ? juce::String() : rows[0].upToFirstOccurrenceOf ("|", false, false);
}

Reader::Reader (const juce::File& database)
{
    sqlite3_open_v2 (database.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout (db, 5000);
}

Reader::~Reader() { sqlite3_close (db); }

juce::StringArray Reader::rows (const juce::String& sql) { return rowsOn (db, sql); }

juce::String Reader::value (const juce::String& sql)
{
    const auto all = rows (sql);
    return all.isEmpty() ? juce::String() : all[0].upToFirstOccurrenceOf ("|", false, false);
}

juce::StringArray Reader::dump (const juce::StringArray& tables)
{
    juce::StringArray lines;
    for (auto& table : tables)
    {
        auto rows = rowsOn (db, "SELECT * FROM " + table);
        rows.sort (false);
        for (auto& row : rows)
            lines.add (table + ": " + row);
    }
    return lines;
}

juce::StringArray dumpTables (const juce::File& database, const juce::StringArray& tables)
{
    return Reader (database).dump (tables);
}

FaultInjection::FaultInjection (const juce::File& database, const juce::StringArray& tables) : file (database)
{
    juce::String sql = "BEGIN;"
                       "CREATE TABLE IF NOT EXISTS test_fault (target INTEGER, seen INTEGER);"
                       "DELETE FROM test_fault; INSERT INTO test_fault VALUES (0, 0);";
    for (auto& table : tables)
        for (auto* op : { "INSERT", "UPDATE", "DELETE" })
        {
            const auto name = "test_fault_" + table + "_" + juce::String (op).toLowerCase();
            triggers.add (name);
            sql << "CREATE TRIGGER " << name << " BEFORE " << op << " ON " << table
                << " WHEN (SELECT target FROM test_fault) > 0 BEGIN"
                   " UPDATE test_fault SET seen = seen + 1;"
                   " SELECT RAISE(ABORT, '" << kMessage << "') WHERE (SELECT seen FROM test_fault) = (SELECT target FROM test_fault);"
                   " END;";
        }
    exec (sql + "COMMIT;");
}

FaultInjection::~FaultInjection()
{
    juce::String sql = "BEGIN;";
    for (auto& name : triggers)
        sql << "DROP TRIGGER IF EXISTS " << name << ";";
    exec (sql + "DROP TABLE IF EXISTS test_fault; COMMIT;");
}

void FaultInjection::failWrite (int n)
{
    if (n == 0 && ! armed)
        return;
    armed = n > 0;
    exec ("UPDATE test_fault SET target=" + juce::String (n) + ", seen=0");
}

int FaultInjection::writesSeen()
{
    return valueOf (file, "SELECT seen FROM test_fault").getIntValue();
}

bool FaultInjection::exec (const juce::String& sql)
{
    return execOn (file, sql);
}
} // namespace vtest

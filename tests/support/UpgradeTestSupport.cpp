#include "support/UpgradeTestSupport.h"

#include "db/SqlitetoXml.h"

#include <sqlite3.h>

namespace vtest
{
namespace
{
juce::StringArray query (const juce::File& database, const juce::String& sql, juce::String* error = nullptr)
{
    juce::StringArray out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2 (database.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    {
        if (error != nullptr)
            *error = "cannot open";
        sqlite3_close (db);
        return out;
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2 (db, sql.toRawUTF8(), -1, &st, nullptr) != SQLITE_OK)
    {
        if (error != nullptr)
            *error = sqlite3_errmsg (db);
    }
    else
    {
        int rc;
        while ((rc = sqlite3_step (st)) == SQLITE_ROW)
        {
            juce::StringArray cols;
            for (int i = 0; i < sqlite3_column_count (st); ++i)
                cols.add (sqlite3_column_type (st, i) == SQLITE_NULL
                              ? juce::String ("<null>")
                              : juce::String::fromUTF8 ((const char*) sqlite3_column_text (st, i)));
            out.add (cols.joinIntoString ("|"));
        }
        if (rc != SQLITE_DONE && error != nullptr)
            *error = sqlite3_errmsg (db);
    }
    sqlite3_finalize (st);
    sqlite3_close (db);
    return out;
}

bool execScript (const juce::File& database, const juce::String& sql, juce::String& error)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2 (database.getFullPathName().toRawUTF8(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_exec (db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    char* message = nullptr;
    const int rc = sqlite3_exec (db, sql.toRawUTF8(), nullptr, nullptr, &message);
    if (message != nullptr)
    {
        error = message;
        sqlite3_free (message);
    }
    sqlite3_close (db);
    return rc == SQLITE_OK;
}
} // namespace

juce::File upgradeFixture (const juce::String& name)
{
    return juce::File (VINDORO_SOURCE_DIR).getChildFile ("tests/db/fixtures").getChildFile (name);
}

// The chain commits every statement by itself; on a memory-backed folder that costs no disk flush.
juce::File databaseFolder (const TestSettings& settings)
{
    const juce::File shm ("/dev/shm");
    if (shm.isDirectory() && shm.hasWriteAccess())
    {
        auto folder = shm.getNonexistentChildFile ("vindoro-upgrade-test", "", false);
        if (folder.createDirectory())
            return folder;
    }
    return settings.folder().get();
}

UpgradeDb::UpgradeDb (std::initializer_list<const char*> fixtureFiles, const juce::String& extraSql)
{
    folder = databaseFolder (testSettings);
    dbFile = folder.getChildFile ("Vindoro.db");
    juce::String sql;
    for (auto* name : fixtureFiles)
        sql << upgradeFixture (name).loadFileAsString() << "\n";
    sql << extraSql;
    if (! execScript (dbFile, "BEGIN;\n" + sql + "\nCOMMIT;", lastError))
        juce::Logger::writeToLog ("fixture failed to load: " + lastError);
    testSettings.user().setValue ("dbfilename", dbFile.getFullPathName());
}

UpgradeDb::UpgradeDb (const juce::File& copyOf)
{
    folder = databaseFolder (testSettings);
    dbFile = folder.getChildFile ("Vindoro.db");
    copyOf.copyFileTo (dbFile);
    testSettings.user().setValue ("dbfilename", dbFile.getFullPathName());
}

UpgradeDb::~UpgradeDb()
{
    SqlitetoXml::disconnect();
    if (folder != testSettings.folder().get())
        folder.deleteRecursively();
}

bool UpgradeDb::exec (const juce::String& sql)
{
    lastError.clear();
    return execScript (dbFile, sql, lastError);
}

juce::String UpgradeDb::value (const juce::String& sql)
{
    lastError.clear();
    auto r = query (dbFile, sql, &lastError);
    return r.isEmpty() ? juce::String() : r[0].upToFirstOccurrenceOf ("|", false, false);
}

juce::StringArray UpgradeDb::rows (const juce::String& sql)
{
    lastError.clear();
    return query (dbFile, sql, &lastError);
}

juce::StringArray describeSchema (const juce::File& database)
{
    juce::StringArray out;
    for (auto& table : query (database, "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' ORDER BY name"))
        for (auto& column : query (database, "SELECT name,type,\"notnull\",IFNULL(dflt_value,'<null>'),pk FROM pragma_table_info('" + table + "') ORDER BY cid"))
            out.add (table + ": " + column);
    return out;
}

juce::StringArray createTexts (const juce::File& database)
{
    juce::StringArray out;
    for (auto& row : query (database, "SELECT name,sql FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' ORDER BY name"))
        out.add (row.replaceFirstOccurrenceOf ("|", ": "));
    return out;
}
} // namespace vtest

#pragma once
// A fresh database with small tables of the data-layer tests' own, and a second, bare library
// connection that reads what really reached the file, independent of the code under test.
#include "support/TestSupport.h"
#include "db/SQLtoXml.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace dbtest
{
class DbFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SQLtoXml q;
        for (auto* sql : {
                 "CREATE TABLE test_partner (id INTEGER PRIMARY KEY AUTOINCREMENT, ime TEXT, ulica TEXT, znesek REAL,"
                 " kolicina INTEGER, active INTEGER DEFAULT 1)",
                 "CREATE TABLE test_log (id INTEGER PRIMARY KEY, besedilo TEXT)",
                 "CREATE TABLE test_mixed (id INTEGER PRIMARY KEY, v, naziv TEXT)",
                 "CREATE TABLE test_year (id INTEGER, leto INTEGER, naziv TEXT)" })
            ASSERT_TRUE (q.sqlQueryNA (sql)) << q.lastError;
    }

    void run (const juce::String& sql)
    {
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA (sql)) << q.lastError << " in " << sql;
    }

    /** The first value of the first row, read over a connection of its own ("<none>" without a row). */
    juce::String peek (const juce::String& sql) const
    {
        sqlite3* raw = nullptr;
        sqlite3_open_v2 (db.file().getFullPathName().toRawUTF8(), &raw, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* st = nullptr;
        juce::String value = "<error>";
        if (sqlite3_prepare_v2 (raw, sql.toRawUTF8(), -1, &st, nullptr) == SQLITE_OK)
        {
            const int rc = sqlite3_step (st);
            if (rc == SQLITE_ROW)
                value = juce::String::fromUTF8 ((const char*) sqlite3_column_text (st, 0));
            else if (rc == SQLITE_DONE)
                value = "<none>";
        }
        sqlite3_finalize (st);
        sqlite3_close (raw);
        return value;
    }

    static juce::XmlElement* rowAt (SqlitetoXml& q, int index)
    {
        return q.getData() != nullptr ? q.getData()->getChildElement (index) : nullptr;
    }

    vtest::FreshDatabase db;
};
} // namespace dbtest

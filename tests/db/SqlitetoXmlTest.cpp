#include "db/DbFixture.h"
#include "db/DbConnection.h"
#include "db/DbTransaction.h"

#include <atomic>
#include <limits>
#include <condition_variable>
#include <thread>

using dbtest::DbFixture;
using juce::String;

//==============================================================================
// Connection

TEST (SqlitetoXmlConnect, RefusesWithoutAnExistingDatabaseFileAndNeverCreatesOne)
{
    vtest::TestSettings settings;
    vtest::LogCapture log;
    struct Case { const char* name; String path; const char* error; const char* logLine; };
    const auto missing = settings.folder().file ("missing.db");
    const auto folder = settings.folder().get();
    const Case cases[] = {
        { "no setting", String(), "No database filename set", "No database filename set" },
        { "missing file", missing.getFullPathName(), "No database file found in ", "No database filename founds:" },
        { "a folder", folder.getFullPathName(), "No database file found in ", "No database filename founds:" },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        settings.user().setValue ("dbfilename", c.path);
        SqlitetoXml q;
        EXPECT_FALSE (q.connect());
        EXPECT_EQ (q.lastError, String (c.error) + c.path);
        EXPECT_TRUE (log.contains (String (c.logLine) + c.path));
        EXPECT_EQ (q.sqlQuery ("SELECT 1"), nullptr);
        EXPECT_FALSE (SqlitetoXml::isConnected());
    }
    EXPECT_FALSE (missing.exists());
}

TEST_F (DbFixture, DestroyingAnyQueryObjectClosesTheConnectionAndTheNextStatementReopensIt)
{
    vtest::LogCapture log;
    SQLtoXml longLived;
    ASSERT_NE (longLived.sqlQuery ("SELECT 1"), nullptr);
    EXPECT_TRUE (SqlitetoXml::isConnected());
    {
        SQLtoXml shortLived;
    }
    EXPECT_FALSE (SqlitetoXml::isConnected());
    EXPECT_TRUE (log.contains ("<SqlitetoXml::disconnect> ++++++++++++++++++++++++++ DISCONNECTED FROM DB"));
    log.clear();
    EXPECT_EQ (longLived.sqlQueryInt ("SELECT 7"), 7);
    EXPECT_TRUE (log.contains ("<SqlitetoXml::connect> ************************* NEW CONNECTION TO DB"));

    log.clear();
    EXPECT_TRUE (longLived.connect()); // on an open connection: closes first, then opens
    auto lines = log.lines();
    ASSERT_EQ (lines.size(), 2);
    EXPECT_TRUE (lines[0].contains ("DISCONNECTED FROM DB"));
    EXPECT_TRUE (lines[1].contains ("NEW CONNECTION TO DB"));
}

TEST_F (DbFixture, DetachedObjectUsesAnOpenConnectionButNeverOpensOrClosesIt)
{
    vtest::LogCapture log;
    SQLtoXml opener;
    ASSERT_TRUE (opener.ensureConnected());
    {
        SQLtoXml holder (opener.sqlFetch ("SELECT 1 AS a"));
        EXPECT_TRUE (holder.isDetached());
        EXPECT_EQ (holder.getNumRows(), 1);
        EXPECT_EQ (holder.sqlQueryInt ("SELECT 5"), 5);
    }
    EXPECT_TRUE (SqlitetoXml::isConnected()); // the holder's end left it open

    SqlitetoXml::disconnect();
    SQLtoXml holder (std::make_unique<juce::XmlElement> ("SQLITE_DATA"));
    EXPECT_EQ (holder.sqlQueryString ("SELECT 5"), "");
    EXPECT_FALSE (holder.ok);
    EXPECT_TRUE (log.contains ("WARNING: database connection not allowed"));
    EXPECT_FALSE (SqlitetoXml::isConnected());
}

//==============================================================================
// Statements

TEST_F (DbFixture, OnlyTheFirstStatementOfATextRuns)
{
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT 1; INSERT INTO test_log (besedilo) VALUES ('x')"), nullptr);
    EXPECT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (besedilo) VALUES ('a'); INSERT INTO test_log (besedilo) VALUES ('b')"));
    EXPECT_EQ (peek ("SELECT group_concat(besedilo) FROM test_log"), "a");
}

TEST_F (DbFixture, FailuresLeaveTheLibraryTextInLastErrorAndTheLog)
{
    vtest::LogCapture log;
    SQLtoXml q;
    q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'a')");

    EXPECT_EQ (q.sqlQuery ("SELEC 1"), nullptr);
    EXPECT_FALSE (q.ok);
    EXPECT_TRUE (q.lastError.startsWith ("SQL error 1:")) << q.lastError;
    EXPECT_TRUE (log.contains ("SQL error:SQL error 1:"));

    EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (1, 'b')"));
    EXPECT_TRUE (q.lastError.startsWith ("SQL error 2:")) << q.lastError;
    EXPECT_TRUE (q.lastError.contains ("UNIQUE"));

    // A success does not clear the last failure's text.
    EXPECT_TRUE (q.sqlQueryNA ("DELETE FROM test_log WHERE id=99"));
    EXPECT_TRUE (q.lastError.startsWith ("SQL error 2:"));

    log.clear();
    EXPECT_EQ (q.sqlQuery (""), nullptr);
    EXPECT_EQ (q.getData(), nullptr);
    EXPECT_TRUE (log.lines().isEmpty());
}

TEST_F (DbFixture, OneValueTellsNoRowFromANullValue)
{
    SQLtoXml q;
    EXPECT_EQ (q.sqlQueryString ("SELECT besedilo FROM test_log"), "");
    EXPECT_FALSE (q.ok);
    EXPECT_EQ (q.sqlQueryString ("SELECT NULL"), "");
    EXPECT_TRUE (q.ok);
    EXPECT_EQ (q.sqlQueryInt ("SELECT id FROM test_log"), 0);
    EXPECT_FALSE (q.ok);
    EXPECT_EQ (q.sqlQueryStringNoLog ("SELECT 'it''s', 2"), "it's");
}

// Integers are 64-bit end to end, and the typed one-value queries return the value as stored,
// not a six-digit text of it.
TEST_F (DbFixture, OneValueQueriesReturnTheStoredValue)
{
    struct Case { const char* stored; juce::int64 asInt; double asDouble; const char* asText; };
    const Case cases[] = {
        { "4294967297", 4294967297LL, 4294967297.0, "4294967297" },
        { "9007199254740993", 9007199254740993LL, 9007199254740992.0, "9007199254740993" },
        { "-9223372036854775808", INT64_MIN, -9223372036854775808.0, "-9223372036854775808" },
        { "1234567.5", 1234567, 1234567.5, "1234567.5" },
        { "1234.5678", 1234, 1234.5678, "1234.5678" },
        { "12.5", 12, 12.5, "12.5" },
        { "-2.75", -2, -2.75, "-2.75" },
        { "'42abc'", 42, 42.0, "42abc" },
        { "' -17 kg'", -17, -17.0, " -17 kg" },
        { "'99999999999999999999'", INT64_MAX, 1e20, "99999999999999999999" },
    };
    SQLtoXml q;
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.stored);
        run ("DELETE FROM test_mixed");
        run (String ("INSERT INTO test_mixed (id, v) VALUES (1, ") + c.stored + ")");
        EXPECT_EQ (q.sqlQueryInt ("SELECT v FROM test_mixed"), c.asInt);
        EXPECT_TRUE (q.ok);
        EXPECT_EQ (q.sqlQueryDouble ("SELECT v FROM test_mixed"), c.asDouble);
        EXPECT_EQ (q.sqlQueryString ("SELECT v FROM test_mixed"), c.asText);
    }
}

TEST_F (DbFixture, LastInsertedIdIsTheWhole64BitRowId)
{
    SQLtoXml q;
    ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (id, besedilo) VALUES (5000000000, 'big')"));
    EXPECT_EQ (q.lastInsertedID(), 5000000000LL);
    ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO test_log (besedilo) VALUES ('next')"));
    EXPECT_EQ (q.lastInsertedID(), 5000000001LL);
    SqlitetoXml::disconnect();
    EXPECT_EQ (q.lastInsertedID(), 0); // the id belongs to the connection that was closed
}

TEST (SqlitetoXmlText, EscapesQuotesAndComposesStrftime)
{
    EXPECT_EQ (SqlitetoXml::sqlEscapeQuotes ("it's"), "it''s");
    EXPECT_EQ (SqlitetoXml::sqlEscapeQuotes (String (juce::CharPointer_UTF8 ("\xc4\x8c" "okl ''"))), String (juce::CharPointer_UTF8 ("\xc4\x8c" "okl ''''")));
    EXPECT_EQ (SqlitetoXml::sqlEscapeQuotes ("plain"), "plain");
    EXPECT_EQ (SqlitetoXml::sqlStrftime ("g.datum", "%H:%M:%S"), "strftime('%H:%M:%S',g.datum)");
}

//==============================================================================
// The row tree

TEST_F (DbFixture, RowTreeOfAliasedComputedAndEmptyResults)
{
    run ("INSERT INTO test_partner (ime, znesek, kolicina) VALUES ('A', 1.5, 2), ('B', 2.5, 3)");
    SQLtoXml q;
    auto* root = q.sqlQuery ("SELECT p.id AS rid, p.ime, COUNT(*) OVER () AS n, p.znesek * 2 FROM test_partner p ORDER BY p.id");
    ASSERT_NE (root, nullptr);
    EXPECT_EQ (root->getTagName(), "SQLITE_DATA");
    ASSERT_EQ (root->getNumChildElements(), 2);
    EXPECT_EQ (root->getChildElement (0)->getTagName(), "COLUMNS");
    EXPECT_EQ (root->getChildElement (1)->getTagName(), "DATA");

    struct Col { const char* name; const char* orgName; const char* table; int type; };
    const Col expected[] = {
        { "rid", "id", "test_partner", 1 },
        { "ime", "ime", "test_partner", 0 },
        { "n", "", "", 1 },
        { "p.znesek * 2", "", "", 2 },
    };
    ASSERT_EQ (q.getColumns()->getNumChildElements(), 4);
    for (int i = 0; i < 4; ++i)
    {
        auto* c = q.getColumns()->getChildElement (i);
        SCOPED_TRACE (expected[i].name);
        EXPECT_EQ (c->getNumAttributes(), 7);
        EXPECT_EQ (c->getAttributeName (0), "columnId");
        EXPECT_EQ (c->getIntAttribute ("columnId"), i + 1);
        EXPECT_EQ (c->getStringAttribute ("name"), expected[i].name);
        EXPECT_EQ (c->getStringAttribute ("org_name"), expected[i].orgName);
        EXPECT_EQ (c->getStringAttribute ("table"), expected[i].table);
        EXPECT_EQ (c->getStringAttribute ("org_table"), expected[i].table);
        EXPECT_EQ (c->getIntAttribute ("type"), expected[i].type);
        EXPECT_EQ (c->getIntAttribute ("width"), 10 * String (expected[i].name).length());
    }
    EXPECT_EQ (q.getNumRows(), 2);
    auto* second = rowAt (q, 1);
    EXPECT_EQ (second->getTagName(), "ITEM");
    EXPECT_EQ (second->getStringAttribute ("ime"), "B");
    EXPECT_EQ (second->getStringAttribute ("n"), "2");
    EXPECT_EQ (second->getStringAttribute ("p.znesek * 2"), "5");

    vtest::LogCapture log;
    ASSERT_NE (q.sqlQuery ("SELECT id, ime FROM test_partner WHERE id < 0"), nullptr);
    EXPECT_TRUE (q.ok);
    EXPECT_EQ (q.getNumRows(), 0);
    EXPECT_EQ (q.getColumns()->getNumChildElements(), 2);
    EXPECT_EQ (q.getColumns()->getChildElement (0)->getIntAttribute ("type", -1), 0);
    EXPECT_TRUE (log.contains ("SQLITE_DONE  - probably no data returned"));
    EXPECT_TRUE (log.contains ("no data loaded"));

    auto tree = q.sqlFetch ("INSERT INTO test_log (besedilo) VALUES ('via fetch')");
    ASSERT_NE (tree, nullptr);
    EXPECT_EQ (tree->getChildByName ("COLUMNS")->getNumChildElements(), 0);
    EXPECT_EQ (tree->getChildByName ("DATA")->getNumChildElements(), 0);
    EXPECT_EQ (peek ("SELECT besedilo FROM test_log"), "via fetch");
}

// Each value is read by its own storage class, never by the type its column's first row had.
TEST_F (DbFixture, ValuesAreReadByTheirOwnStorageClass)
{
    run ("INSERT INTO test_mixed (id, v) VALUES (1, 5), (2, 5.5), (3, 'x'), (4, NULL), (5, 4294967297), (6, 0.1)");
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, v FROM test_mixed ORDER BY id"), nullptr);
    EXPECT_EQ (q.getColumns()->getChildElement (1)->getIntAttribute ("type"), 1);
    const char* expected[] = { "5", "5.5", "x", "0", "4294967297", "0.10000000000000000555" };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (rowAt (q, i)->getStringAttribute ("v"), expected[i]) << "row " << i;
    EXPECT_EQ (rowAt (q, 5)->getDoubleAttribute ("v"), 0.1);

    ASSERT_NE (q.sqlQuery ("SELECT v FROM test_mixed ORDER BY id DESC"), nullptr); // first value 0.1: type 2
    EXPECT_EQ (q.getColumns()->getChildElement (0)->getIntAttribute ("type"), 2);
    EXPECT_EQ (rowAt (q, 5)->getStringAttribute ("v"), "5");
    ASSERT_NE (q.sqlQuery ("SELECT v FROM test_mixed WHERE id IN (4, 1) ORDER BY id DESC"), nullptr); // first NULL: type 0
    EXPECT_EQ (rowAt (q, 0)->getStringAttribute ("v"), "");
    EXPECT_EQ (rowAt (q, 1)->getStringAttribute ("v"), "5");
}

TEST_F (DbFixture, DuplicateNamesRowNumbersAndWidths)
{
    run ("INSERT INTO test_log (id, besedilo) VALUES (10, 'a'), (20, 'b'), (30, 'c')");
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery (String (juce::CharPointer_UTF8 ("SELECT 0 AS _rownumber_, id, id * 2 AS id, besedilo AS \"koli\xc4\x8dina\" FROM test_log ORDER BY id"))), nullptr);
    EXPECT_EQ (q.getColumns()->getNumChildElements(), 4);
    for (int i = 0; i < 3; ++i)
    {
        auto* row = rowAt (q, i);
        EXPECT_EQ (row->getIntAttribute ("_rownumber_"), i + 1);
        EXPECT_EQ (row->getIntAttribute ("id"), (i + 1) * 20); // the later column wins
        EXPECT_EQ (row->getAttributeName (1), "id");            // in the first one's place
    }
    EXPECT_EQ (q.getColumns()->getChildElement (3)->getIntAttribute ("width"), 80);
}

//==============================================================================
// Change tracking and saving

TEST_F (DbFixture, InsertAndModifyRoundTripWithQuotesAndNonAsciiText)
{
    run ("INSERT INTO test_partner (ime, ulica, znesek, kolicina) VALUES ('Prvi', 'Ulica 1', 2.5, 4)");
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, ime, ulica, znesek, kolicina FROM test_partner"), nullptr);

    auto* fresh = q.getData()->createNewChildElement ("ITEM");
    const String street (juce::CharPointer_UTF8 ("\xc4\x8c" "e\xc4\x8d" "kova ulica 5, \xc5\xa0" "entjur"));
    fresh->setAttribute ("id", "999");
    fresh->setAttribute ("ime", "O'Neil");
    fresh->setAttribute ("ulica", street);
    fresh->setAttribute ("znesek", "1,5");
    fresh->setAttribute ("kolicina", " 3 ");
    SqlitetoXml::setInserted (fresh);
    EXPECT_EQ (q.getSaveInsertedSQL ("id"),
               "INSERT INTO test_partner (ime,ulica,znesek,kolicina) VALUES ('O''Neil','" + street + "',1.5,3);");
    EXPECT_EQ (q.saveInserted ("id", true), 1);
    EXPECT_TRUE (q.ok);
    EXPECT_EQ (q.getNumRows(), 2);
    EXPECT_FALSE (fresh->hasAttribute ("inserted"));
    const auto newId = fresh->getStringAttribute ("id");
    EXPECT_EQ (newId, "2"); // the given 999 is overwritten by the new row id
    EXPECT_EQ (peek ("SELECT ime || '|' || ulica || '|' || znesek || '|' || kolicina FROM test_partner WHERE id=2"),
               "O'Neil|" + street + "|1.5|3");

    fresh->setAttribute ("ime", "D'Arc");
    SqlitetoXml::setModified (fresh);
    rowAt (q, 0)->setAttribute ("ulica", "");
    SqlitetoXml::setModified (rowAt (q, 0));
    EXPECT_EQ (q.saveModified ("id"), 2);
    EXPECT_FALSE (fresh->hasAttribute ("modified"));
    EXPECT_EQ (peek ("SELECT ime FROM test_partner WHERE id=2"), "D'Arc");
    EXPECT_EQ (peek ("SELECT quote(ulica) FROM test_partner WHERE id=1"), "''");
    EXPECT_EQ (q.saveModified ("id"), 0); // nothing marked any more
}

TEST_F (DbFixture, SavingAModifiedRowWritesOnlyTheValuesTheUserChanged)
{
    run ("INSERT INTO test_mixed (id, v, naziv) VALUES (1, 5, 'a'), (2, 5.5, 'b'), (3, NULL, 'c'), (4, x'00ff', 'd')");
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, v, naziv FROM test_mixed ORDER BY id"), nullptr);
    for (int i = 1; i < 4; ++i)
    {
        rowAt (q, i)->setAttribute ("naziv", "changed");
        SqlitetoXml::setModified (rowAt (q, i));
    }
    EXPECT_EQ (q.getSaveModifiedSQL ("id"), "UPDATE test_mixed SET naziv='changed' WHERE id=2;"
                                            "UPDATE test_mixed SET naziv='changed' WHERE id=3;"
                                            "UPDATE test_mixed SET naziv='changed' WHERE id=4;");
    EXPECT_EQ (q.saveModified ("id"), 3);
    EXPECT_EQ (peek ("SELECT group_concat(typeof(v) || ':' || quote(v), ' ') FROM test_mixed"),
               "integer:5 real:5.5 null:NULL blob:X'00FF'");

    // Once saved, the saved values are the ones the next save compares with.
    rowAt (q, 1)->setAttribute ("naziv", "b");
    rowAt (q, 1)->setAttribute ("v", "5.5");
    SqlitetoXml::setModified (rowAt (q, 1));
    EXPECT_EQ (q.getSaveModifiedSQL ("id"), "UPDATE test_mixed SET naziv='b' WHERE id=2;");
}

// Only a number is written unquoted; anything else refuses the whole save before a statement runs.
TEST_F (DbFixture, ANumericColumnTakesOnlyNumbers)
{
    run ("INSERT INTO test_partner (ime, znesek, kolicina) VALUES ('A', 1.5, 1), ('B', 2.5, 2)");
    struct Case { const char* typed; bool accepted; const char* stored; };
    const Case cases[] = {
        { "1,5", true, "1.5" }, { " 7 ", true, "7" }, { "-3", true, "-3" }, { "2e3", true, "2000" }, { ".5", true, "0.5" },
        { "", false, nullptr }, { "abc", false, nullptr }, { "5 OR 1=1", false, nullptr },
        { "1; DELETE FROM test_partner", false, nullptr }, { "1.2.3", false, nullptr }, { "0x10", false, nullptr },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.typed);
        SQLtoXml q;
        ASSERT_NE (q.sqlQuery ("SELECT id, ime, kolicina FROM test_partner ORDER BY id"), nullptr);
        rowAt (q, 0)->setAttribute ("ime", "first");
        SqlitetoXml::setModified (rowAt (q, 0));
        rowAt (q, 1)->setAttribute ("kolicina", c.typed);
        SqlitetoXml::setModified (rowAt (q, 1));
        const int saved = q.saveModified ("id");
        if (c.accepted)
        {
            EXPECT_EQ (saved, 2);
            EXPECT_EQ (peek ("SELECT kolicina FROM test_partner WHERE id=2"), c.stored);
        }
        else
        {
            EXPECT_EQ (saved, -1);
            EXPECT_FALSE (q.ok);
            EXPECT_TRUE (q.lastError.contains ("kolicina")) << q.lastError;
            EXPECT_EQ (peek ("SELECT ime FROM test_partner WHERE id=1"), "A"); // nothing ran
            EXPECT_TRUE (SqlitetoXml::isModified (rowAt (q, 0)));
        }
        run ("UPDATE test_partner SET ime='A', kolicina=2 WHERE id IN (1, 2)");
    }

    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, ime, kolicina FROM test_partner ORDER BY id"), nullptr);
    auto* fresh = q.getData()->createNewChildElement ("ITEM");
    fresh->setAttribute ("ime", "no amount");
    SqlitetoXml::setInserted (fresh);
    EXPECT_EQ (q.saveInserted ("id", true), -1);
    EXPECT_TRUE (q.lastError.contains ("kolicina"));
    EXPECT_EQ (q.getSaveInsertedSQL ("id"), "");
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_partner"), "2");
}

TEST_F (DbFixture, SaveFindsItsTableThroughTheKeysOriginAndReportsRowsItCouldNotWrite)
{
    run ("INSERT INTO test_partner (ime) VALUES ('A')");
    run ("INSERT INTO test_year (id, leto, naziv) VALUES (1, 2020, 'x')");
    SQLtoXml q;

    ASSERT_NE (q.sqlQuery ("SELECT id AS rid, ime FROM test_partner"), nullptr);
    rowAt (q, 0)->setAttribute ("ime", "B");
    SqlitetoXml::setModified (rowAt (q, 0));
    EXPECT_EQ (q.saveModified ("id"), -1); // the row holds no attribute "id"
    EXPECT_EQ (q.saveModified ("nope"), -3);
    EXPECT_EQ (q.saveInserted ("nope", false), -3);

    ASSERT_NE (q.sqlQuery ("SELECT id, leto, naziv FROM test_year"), nullptr);
    rowAt (q, 0)->setAttribute ("naziv", "y");
    SqlitetoXml::setModified (rowAt (q, 0));
    EXPECT_EQ (q.getSaveModifiedSQL (juce::StringArray { "id", "leto" }), "UPDATE test_year SET naziv='y' WHERE leto=2020 AND id=1;");

    // A row that is gone from the table saves nothing and must not count as saved.
    ASSERT_NE (q.sqlQuery ("SELECT id, ime FROM test_partner"), nullptr);
    run ("DELETE FROM test_partner");
    rowAt (q, 0)->setAttribute ("ime", "ghost");
    SqlitetoXml::setModified (rowAt (q, 0));
    EXPECT_EQ (q.saveModified ("id"), -1);
    EXPECT_TRUE (SqlitetoXml::isModified (rowAt (q, 0)));
}

TEST (SqlitetoXmlFlags, InsertedAndModifiedMarksExcludeEachOther)
{
    vtest::LogCapture log;
    juce::XmlElement row ("ITEM");
    SqlitetoXml::setInserted (&row);
    SqlitetoXml::setModified (&row);
    EXPECT_TRUE (log.contains ("ta row je inserted in bi rad postavil na modified - a si cist nor"));
    EXPECT_TRUE (SqlitetoXml::isInserted (&row));
    EXPECT_FALSE (SqlitetoXml::isModified (&row));

    juce::XmlElement other ("ITEM");
    other.setAttribute ("deleted", "1");
    EXPECT_FALSE (SqlitetoXml::isModified (&other));
    SqlitetoXml::setModified (&other);
    EXPECT_FALSE (other.hasAttribute ("deleted"));
    SqlitetoXml::setInserted (&other);
    EXPECT_TRUE (log.contains ("ta row je modified in bi rad postavil na inserted - a si cist nor"));
    EXPECT_FALSE (SqlitetoXml::isInserted (&other));
    SqlitetoXml::setInserted (nullptr);
}

TEST_F (DbFixture, ComplianceOfTypedValues)
{
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT 12 AS i, 1.5 AS d, 'x' AS t"), nullptr);
    q.getColumns()->createNewChildElement ("COLUMN")->setAttribute ("name", "b");
    q.getColumns()->getChildElement (3)->setAttribute ("type", 3);
    struct Case { const char* field; const char* value; bool ok; };
    const Case cases[] = {
        { "i", "12", true }, { "i", "-12", true }, { "i", "+12", true }, { "i", "  12  ", true },
        { "i", "1.5", false }, { "i", "12 34", false }, { "i", "- 12", false }, { "i", "", false }, { "i", "12a", false },
        { "d", "1,5", true }, { "d", ".5", true }, { "d", "5.", true }, { "d", " -1.25 ", true }, { "d", "5 .", true },
        { "d", "1.2.3", false }, { "d", ",", false }, { "d", "1.5x", false }, { "d", "1 5", false },
        { "t", "anything", true }, { "t", "", false },
        { "b", "0", true }, { "b", " 1xyz", true }, { "b", "2", false },
        { "not a column", "x", true },
    };
    for (auto& c : cases)
        EXPECT_EQ (q.checkCompliance (c.field, c.value), c.ok) << c.field << " <" << c.value << ">";

    vtest::LogCapture log;
    q.checkCompliance ("not a column", "x");
    EXPECT_TRUE (log.contains ("WARNIGN:type 0 not treated properly. Field name:not a column table:"));
    q.checkCompliance ("i", "7");
    EXPECT_TRUE (log.contains ("testing type 1. Field name:i table: value:7"));
}

//==============================================================================
// One connection, many threads

namespace
{
/** A SQL function that holds a statement open until the test lets it go. */
struct Gate
{
    std::mutex m;
    std::condition_variable cv;
    bool entered = false, released = false;

    static void probe (sqlite3_context* context, int, sqlite3_value**)
    {
        auto* gate = static_cast<Gate*> (sqlite3_user_data (context));
        std::unique_lock<std::mutex> lock (gate->m);
        gate->entered = true;
        gate->cv.notify_all();
        gate->cv.wait (lock, [gate] { return gate->released; });
        sqlite3_result_int (context, 1);
    }
    void waitEntered()
    {
        std::unique_lock<std::mutex> lock (m);
        cv.wait (lock, [this] { return entered; });
    }
    void release()
    {
        std::lock_guard<std::mutex> lock (m);
        released = true;
        cv.notify_all();
    }
};
} // namespace

// A query object that closes the connection waits for a statement that another thread is running.
TEST_F (DbFixture, ClosingTheConnectionWaitsForARunningStatement)
{
    run ("INSERT INTO test_log (besedilo) VALUES ('a'), ('b'), ('c')");
    Gate gate;
    SQLtoXml reader;
    ASSERT_TRUE (reader.ensureConnected());
    {
        std::lock_guard<std::recursive_mutex> lock (DbConnection::mutex());
        sqlite3_create_function (DbConnection::handle(), "gate", 0, SQLITE_UTF8, &gate, &Gate::probe, nullptr, nullptr);
    }

    std::unique_ptr<juce::XmlElement> rows;
    std::thread worker ([&] { rows = reader.sqlFetch ("SELECT id, besedilo, gate() FROM test_log ORDER BY id"); });
    gate.waitEntered();

    std::atomic<bool> closed { false };
    std::thread closer ([&] {
        {
            SQLtoXml other; // its end closes the process-wide connection
        }
        closed = true;
    });
    std::this_thread::sleep_for (std::chrono::milliseconds (100));
    EXPECT_FALSE (closed.load());
    gate.release();
    worker.join();
    closer.join();

    EXPECT_TRUE (closed.load());
    ASSERT_NE (rows, nullptr);
    EXPECT_EQ (rows->getChildByName ("DATA")->getNumChildElements(), 3);
    EXPECT_FALSE (SqlitetoXml::isConnected());
}

TEST_F (DbFixture, ThreadsShareTheConnectionWhileOthersOpenAndCloseIt)
{
    run ("INSERT INTO test_log (id, besedilo) VALUES (1, 'a'), (2, 'b'), (3, 'c')");
    std::atomic<int> wrong { 0 };
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back ([&, t] {
            for (int i = 0; i < 150; ++i)
            {
                SQLtoXml q; // each end closes the shared connection under the others
                if (t % 2 == 0)
                {
                    auto tree = q.sqlFetch ("SELECT id FROM test_log ORDER BY id");
                    if (tree == nullptr || tree->getChildByName ("DATA")->getNumChildElements() != 3)
                        ++wrong;
                }
                else if (q.sqlQueryInt ("SELECT SUM(id) FROM test_log") != 6 || ! q.ok)
                {
                    if (wrong++ == 0)
                        ADD_FAILURE() << q.lastError;
                }
            }
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ (wrong.load(), 0);
}

//==============================================================================
// Database file copies

TEST_F (DbFixture, BackupCopiesTheDatabaseByteForByteAndReplacesAnOldCopy)
{
    run ("INSERT INTO test_log (besedilo) VALUES ('backed up')");
    const auto target = db.settings().folder().file ("copy.db");
    target.replaceWithText ("an older backup");
    EXPECT_TRUE (SqlitetoXml::backupDatabase (target));
    EXPECT_EQ (vtest::bytesOf (target), vtest::bytesOf (db.file()));

    const auto folder = db.settings().folder().file ("emptyFolder");
    folder.createDirectory();
    EXPECT_TRUE (SqlitetoXml::backupDatabase (folder));
    EXPECT_TRUE (folder.existsAsFile());

    const auto busy = db.settings().folder().file ("busyFolder");
    busy.getChildFile ("inside.txt").create();
    EXPECT_FALSE (SqlitetoXml::backupDatabase (busy));
    EXPECT_TRUE (busy.getChildFile ("inside.txt").exists());

    EXPECT_FALSE (SqlitetoXml::backupDatabase (db.settings().folder().file ("no/such/folder/copy.db")));
}

// Paths are compared as the file system does: a name in other letters is another file, and any
// name that leads to the database file itself is the database file.
TEST_F (DbFixture, CopiesTellTheSameFileFromAnotherByIdentity)
{
    const auto before = vtest::bytesOf (db.file());
    EXPECT_TRUE (SqlitetoXml::backupDatabase (db.file()));
    const auto link = db.settings().folder().file ("link.db");
    ASSERT_TRUE (db.file().createSymbolicLink (link, true));
    EXPECT_TRUE (SqlitetoXml::backupDatabase (link));
    EXPECT_TRUE (link.isSymbolicLink());
    EXPECT_TRUE (SqlitetoXml::restoreDatabase (link));
    EXPECT_EQ (vtest::bytesOf (db.file()), before);

    const auto otherCase = db.file().getSiblingFile ("VINDORO.DB");
    EXPECT_TRUE (SqlitetoXml::backupDatabase (otherCase));
    EXPECT_EQ (vtest::bytesOf (otherCase), before); // really copied, not taken for the database itself

    const auto stranger = db.file().getSiblingFile ("vindoro.db");
    vtest::shippedDatabase().copyFileTo (stranger);
    { SQLtoXml q; q.sqlQueryNA ("CREATE TABLE only_in_the_live_file (x)"); }
    EXPECT_TRUE (SqlitetoXml::restoreDatabase (stranger));
    EXPECT_EQ (vtest::bytesOf (db.file()), vtest::bytesOf (stranger));
}

TEST_F (DbFixture, RestoreClosesTheConnectionAndReplacesTheFileWhole)
{
    const auto saved = db.settings().folder().file ("saved.db");
    run ("INSERT INTO test_log (besedilo) VALUES ('in the backup')");
    ASSERT_TRUE (SqlitetoXml::backupDatabase (saved));
    run ("INSERT INTO test_log (besedilo) VALUES ('after the backup')");

    vtest::LogCapture log;
    SQLtoXml q;
    ASSERT_EQ (q.sqlQueryInt ("SELECT COUNT(*) FROM test_log"), 2);
    ASSERT_TRUE (SqlitetoXml::restoreDatabase (saved));
    EXPECT_FALSE (SqlitetoXml::isConnected());
    EXPECT_EQ (vtest::bytesOf (db.file()), vtest::bytesOf (saved));
    log.clear();
    EXPECT_EQ (q.sqlQueryInt ("SELECT COUNT(*) FROM test_log"), 1);
    EXPECT_TRUE (log.contains ("NEW CONNECTION TO DB"));

    // Failures leave the database file as it was.
    const auto before = vtest::bytesOf (db.file());
    EXPECT_FALSE (SqlitetoXml::restoreDatabase (db.settings().folder().file ("deleted meanwhile.db")));
    const auto folderSource = db.settings().folder().file ("a folder.db");
    folderSource.createDirectory();
    EXPECT_FALSE (SqlitetoXml::restoreDatabase (folderSource));
    {
        DbTransaction transaction;
        EXPECT_FALSE (SqlitetoXml::restoreDatabase (saved));
        EXPECT_FALSE (SqlitetoXml::backupDatabase (db.settings().folder().file ("mid-transaction.db")));
    }
    EXPECT_EQ (vtest::bytesOf (db.file()), before);
    EXPECT_EQ (db.settings().folder().get().getNumberOfChildFiles (juce::File::findFiles, "*part*"), 0);
}

//==============================================================================
// One save, all or nothing

TEST_F (DbFixture, ASaveFailingAtAnyWriteLeavesTheFileAndTheTreeAsTheyWere)
{
    // A trigger fails the n-th row written, whatever statement writes it.
    run ("CREATE TABLE fault (countdown INTEGER)");
    run ("INSERT INTO fault VALUES (-1)");
    for (juce::String event : { "INSERT", "UPDATE", "DELETE" })
        run ("CREATE TRIGGER fault_" + event + " BEFORE " + event + " ON test_partner BEGIN UPDATE fault SET countdown=countdown-1; "
             "SELECT RAISE(ABORT,'injected fault') WHERE (SELECT countdown FROM fault)=0; END");
    const auto contents = [this] { return peek ("SELECT group_concat(row, ' ') FROM (SELECT id || ':' || ime || ':' || ulica || ':' || active "
                                                "AS row FROM test_partner ORDER BY id)"); };
    const String baseline = "1:A:a:1 2:B:b:1 3:C:c:1 4:D:d:1";

    // Two updates, two inserts, two rows switched off: six rows written.
    for (int failingWrite = 1; failingWrite <= 6; ++failingWrite)
    {
        SCOPED_TRACE (failingWrite);
        run ("DELETE FROM test_partner");
        run ("INSERT INTO test_partner (id, ime, ulica) VALUES (1,'A','a'),(2,'B','b'),(3,'C','c'),(4,'D','d')");
        run ("UPDATE fault SET countdown=" + String (failingWrite));
        ASSERT_EQ (contents(), baseline);

        SQLtoXml q;
        ASSERT_NE (q.sqlQuery ("SELECT id, ime, ulica, active FROM test_partner ORDER BY id"), nullptr);
        rowAt (q, 0)->setAttribute ("ime", "A2");
        SqlitetoXml::setModified (rowAt (q, 0));
        rowAt (q, 1)->setAttribute ("ulica", "b2");
        SqlitetoXml::setModified (rowAt (q, 1));
        SQLtoXml::setDeleted (rowAt (q, 2), true);
        SQLtoXml::setDeleted (rowAt (q, 3), true);
        for (auto* name : { "E", "F" })
        {
            auto* fresh = q.getData()->createNewChildElement ("ITEM");
            fresh->setAttribute ("id", "auto");
            fresh->setAttribute ("ime", name);
            fresh->setAttribute ("ulica", "new");
            fresh->setAttribute ("active", "1");
            SqlitetoXml::setInserted (fresh);
        }
        const auto tree = q.getResult()->toString();
        const int rows = q.getNumRows();

        EXPECT_EQ (q.saveMarkedRows ({ "id" }, SqlitetoXml::allMarkedRows, true), -1);
        EXPECT_FALSE (q.ok);
        EXPECT_TRUE (q.lastError.contains ("injected fault")) << q.lastError;
        EXPECT_EQ (contents(), baseline);
        EXPECT_EQ (q.getResult()->toString(), tree);   // flags, ids and rows as before: ready to save again
        EXPECT_EQ (q.getNumRows(), rows);
        EXPECT_EQ (SqlitetoXml::isConnected(), true);

        run ("UPDATE fault SET countdown=-1");
        SqlitetoXml::SaveCounts counts;
        EXPECT_EQ (q.saveMarkedRows ({ "id" }, SqlitetoXml::allMarkedRows, true, &counts), 6);
        EXPECT_EQ (counts.inserted, 2);
        EXPECT_EQ (counts.modified, 2);
        EXPECT_EQ (counts.deleted, 2);
        EXPECT_EQ (contents(), "1:A2:a:1 2:B:b2:1 3:C:c:0 4:D:d:0 5:E:new:1 6:F:new:1");
        EXPECT_EQ (q.getNumRows(), 4);
        EXPECT_EQ (rowAt (q, 2)->getStringAttribute ("id"), "5");
        EXPECT_FALSE (rowAt (q, 2)->hasAttribute ("inserted"));
        EXPECT_FALSE (rowAt (q, 0)->hasAttribute ("modified"));
        run ("DELETE FROM sqlite_sequence WHERE name='test_partner'");
    }
}

TEST_F (DbFixture, AModifiedRowIsWrittenOnlyOverWhatItWasLoadedWith)
{
    run ("INSERT INTO test_partner (id, ime, ulica, znesek) VALUES (1, 'A', 'a', 1)");
    SQLtoXml first, second;
    ASSERT_NE (first.sqlQuery ("SELECT id, ime, ulica, znesek FROM test_partner"), nullptr);
    ASSERT_NE (second.sqlQuery ("SELECT id, ime, ulica, znesek FROM test_partner"), nullptr);

    // Different columns: each save writes its own column only.
    rowAt (first, 0)->setAttribute ("ime", "first's name");
    SqlitetoXml::setModified (rowAt (first, 0));
    EXPECT_EQ (first.saveModified ("id"), 1);
    rowAt (second, 0)->setAttribute ("ulica", "second's street");
    SqlitetoXml::setModified (rowAt (second, 0));
    EXPECT_EQ (second.getSaveModifiedSQL ("id"), "UPDATE test_partner SET ulica='second''s street' WHERE id=1;");
    EXPECT_EQ (second.saveModified ("id"), 1);
    EXPECT_EQ (peek ("SELECT ime || '|' || ulica FROM test_partner"), "first's name|second's street");

    // The same column: the later save would write over a value it never saw, and is refused.
    rowAt (first, 0)->setAttribute ("znesek", "2");
    SqlitetoXml::setModified (rowAt (first, 0));
    EXPECT_EQ (first.saveModified ("id"), 1);
    rowAt (second, 0)->setAttribute ("znesek", "3");
    SqlitetoXml::setModified (rowAt (second, 0));
    EXPECT_EQ (second.saveModified ("id"), -1);
    EXPECT_TRUE (second.lastError.contains ("test_partner id=1 (znesek)")) << second.lastError;
    EXPECT_TRUE (second.lastError.contains (TRANS ("changed by another window meanwhile; reload")));
    EXPECT_EQ (second.getSaveModifiedSQL ("id"), "");
    EXPECT_EQ (peek ("SELECT znesek FROM test_partner"), "2.0");
    EXPECT_TRUE (SqlitetoXml::isModified (rowAt (second, 0)));
    EXPECT_EQ (rowAt (second, 0)->getStringAttribute ("znesek"), "3");

    // The same value typed in both windows is no conflict: nothing is lost.
    rowAt (second, 0)->setAttribute ("znesek", "2");
    EXPECT_EQ (second.saveModified ("id"), 1);

    // A row saved as new compares with what it was stored as, not with how it was typed.
    auto* fresh = first.getData()->createNewChildElement ("ITEM");
    fresh->setAttribute ("ime", "B");
    fresh->setAttribute ("ulica", "b");
    fresh->setAttribute ("znesek", "1,5");
    SqlitetoXml::setInserted (fresh);
    ASSERT_EQ (first.saveInserted ("id", true), 1);
    fresh->setAttribute ("znesek", "4");
    SqlitetoXml::setModified (fresh);
    EXPECT_EQ (first.saveModified ("id"), 1) << first.lastError;
    EXPECT_EQ (peek ("SELECT znesek FROM test_partner WHERE ime='B'"), "4.0");
}

TEST_F (DbFixture, BoundValuesCarryForeignTextUntouched)
{
    struct Case { const char* what; BoundValue value; const char* stored; };
    const Case cases[] = {
        { "a quote",                  "O'Neil",                                    "text:'O''Neil'" },
        { "a statement in the text",  "x'); DROP TABLE test_log; --",              "text:'x''); DROP TABLE test_log; --'" },
        { "text beyond ASCII",        String::fromUTF8 ("\xc4\x8c" "rni Kal"),     "text:'\xc4\x8c" "rni Kal'" },
        { "no value",                 nullptr,                                     "null:NULL" },
        { "the largest integer",      std::numeric_limits<juce::int64>::max(),     "integer:9223372036854775807" },
        { "a real",                   2.5,                                         "real:2.5" },
        { "an amount",                *vindoro::Amount::fromTypedText ("1234,50"), "real:1234.5" },
    };
    SQLtoXml q;
    int id = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO test_mixed (id, v, naziv) VALUES (?, ?, 'bound')", { ++id, c.value })) << q.lastError;
        EXPECT_EQ (peek ("SELECT typeof(v) || ':' || quote(v) FROM test_mixed WHERE id=" + String (id)), String::fromUTF8 (c.stored));
    }
    EXPECT_EQ (peek ("SELECT count(*) FROM sqlite_master WHERE name='test_log'"), "1");

    auto rows = q.sqlFetch ("SELECT id FROM test_mixed WHERE v=? OR v=?", { "O'Neil", 2.5 });
    ASSERT_NE (rows, nullptr);
    EXPECT_EQ (rows->getChildByName ("DATA")->getNumChildElements(), 2);
    ASSERT_NE (q.sqlQuery ("SELECT naziv FROM test_mixed WHERE id=?", { 1 }), nullptr);
    EXPECT_EQ (q.getNumRows(), 1);

    // A "?" left without its value would store NULL unnoticed: the statement is refused instead.
    EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_mixed (id, v) VALUES (?, ?)", { 99 }));
    EXPECT_TRUE (q.lastError.contains ("2 values expected, 1 given")) << q.lastError;
    EXPECT_FALSE (q.sqlQueryNA ("INSERT INTO test_mixed (id, v) VALUES (98, ?)"));
    EXPECT_EQ (peek ("SELECT count(*) FROM test_mixed WHERE id IN (98, 99)"), "0");
}

// The id an INSERT reports is its own row's: never the row of an earlier statement.
TEST_F (DbFixture, InsertReportsTheIdOfItsOwnRowOrNothing)
{
    SQLtoXml q;
    EXPECT_EQ (q.sqlInsert ("INSERT INTO test_log (id, besedilo) VALUES (41, 'a')"), 41);
    EXPECT_EQ (q.sqlInsert ("INSERT INTO test_log (besedilo) VALUES ('b')"), 42);
    EXPECT_EQ (q.sqlInsert ("INSERT INTO test_log (id, besedilo) VALUES (41, 'again')"), 0);   // refused
    EXPECT_EQ (q.sqlInsert ("INSERT INTO test_log (besedilo) SELECT besedilo FROM test_log WHERE 0"), 0);   // no row made
    EXPECT_EQ (q.sqlInsert ("INSERT OR IGNORE INTO test_log (id, besedilo) VALUES (42, 'c')"), 0);
    EXPECT_EQ (q.lastInsertedID(), 42);
    EXPECT_EQ (peek ("SELECT group_concat(besedilo) FROM test_log"), "a,b");
}

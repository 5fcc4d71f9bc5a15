#include "db/DbFixture.h"

#include <juce_graphics/juce_graphics.h>

using dbtest::DbFixture;
using juce::String;

namespace
{
juce::XmlElement* rowWithId (SQLtoXml& q, const String& key, int id)
{
    for (auto* row : q.getData()->getChildIterator())
        if (row->getIntAttribute (key) == id)
            return row;
    return nullptr;
}
} // namespace

TEST_F (DbFixture, SoftDeleteSwitchesAllMarkedRowsOffInOneUpdate)
{
    run ("INSERT INTO test_partner (id, ime) VALUES (5, 'a'), (6, 'b'), (7, 'c')");
    vtest::LogCapture log;
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, ime, active FROM test_partner ORDER BY id"), nullptr);
    SQLtoXml::setDeleted (rowWithId (q, "id", 5), true);
    SQLtoXml::setDeleted (rowWithId (q, "id", 7), true);
    SQLtoXml::setDeleted (rowWithId (q, "id", 6), false);

    EXPECT_EQ (q.saveDeleted ("id"), 2);
    EXPECT_TRUE (q.ok);
    EXPECT_EQ (q.getNumRows(), 1);
    EXPECT_EQ (q.getData()->getNumChildElements(), 1);
    EXPECT_TRUE (log.contains ("UPDATE test_partner SET active=0 WHERE id=5 OR id=7 OR  0"));
    EXPECT_EQ (peek ("SELECT group_concat(id || ':' || active, ' ') FROM test_partner"), "5:0 6:1 7:0");

    log.clear();
    EXPECT_EQ (q.saveDeleted ("id"), 0); // nothing marked: no statement
    EXPECT_TRUE (q.ok);
    EXPECT_FALSE (log.contains ("UPDATE"));
}

TEST_F (DbFixture, HardDeleteRunsOneDeleteWithAnIntegerKeyPerRow)
{
    run ("INSERT INTO test_log (id, besedilo) VALUES (5, 'a'), (6, 'b'), (7, 'c')");
    vtest::LogCapture log;
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, besedilo FROM test_log ORDER BY id"), nullptr);
    SQLtoXml::setDeleted (rowWithId (q, "id", 5), true);
    SQLtoXml::setDeleted (rowWithId (q, "id", 7), true);
    auto* unsaved = q.getData()->createNewChildElement ("ITEM");
    unsaved->setAttribute ("besedilo", "never saved");
    SqlitetoXml::setInserted (unsaved);
    SQLtoXml::setDeleted (unsaved, true);

    EXPECT_EQ (q.saveDeleted ("id"), 2);
    EXPECT_EQ (q.getNumRows(), 1);
    EXPECT_EQ (q.getData()->getNumChildElements(), 1);
    EXPECT_TRUE (log.contains ("WARNING: fix table test_log deletion and update to new version deleting"));
    EXPECT_TRUE (log.contains ("DELETE FROM test_log WHERE id=5;"));
    EXPECT_TRUE (log.contains ("DELETE FROM test_log WHERE id=7;"));
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "6");
}

// The key goes into the statement only as a checked integer, and the count is what really changed.
TEST_F (DbFixture, DeleteRowTakesOnlyAnIntegerKeyAndCountsRealDeletions)
{
    run ("INSERT INTO test_log (id, besedilo) VALUES (1, 'a'), (2, 'b'), (3, 'c')");
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, besedilo FROM test_log ORDER BY id"), nullptr);

    for (auto* bad : { "1\" OR \"1\"=\"1", "1 OR 1=1", "abc", "", "2.5", "99999999999999999999" })
    {
        SCOPED_TRACE (bad);
        rowAt (q, 0)->setAttribute ("id", bad);
        EXPECT_EQ (q.deleteRow (rowAt (q, 0), "id"), -1);
        EXPECT_FALSE (q.ok);
        EXPECT_TRUE (q.lastError.contains ("id"));
        EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_log"), "3");
        EXPECT_EQ (q.getData()->getNumChildElements(), 3);
    }

    rowAt (q, 0)->setAttribute ("id", " 2 ");
    EXPECT_EQ (q.deleteRow (rowAt (q, 0), "id"), 1);
    EXPECT_TRUE (q.ok);
    EXPECT_EQ (q.getData()->getNumChildElements(), 2);
    // Row 2 is gone already: its row leaves the tree, but nothing was deleted.
    EXPECT_EQ (q.deleteRow (rowAt (q, 0), "id"), 0);
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "1,3");
}

TEST_F (DbFixture, DeleteFindsTheTableThroughTheKeyAndItsAlias)
{
    run ("INSERT INTO test_log (id, besedilo) VALUES (4, 'a'), (8, 'b')");
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id AS rid, besedilo, length(besedilo) AS n FROM test_log ORDER BY id"), nullptr);
    EXPECT_EQ (q.deleteRow (rowAt (q, 0), "rid"), 1);
    EXPECT_EQ (peek ("SELECT group_concat(id) FROM test_log"), "8");

    // An expression has no table behind it; a table without a column behind the key gives -4.
    EXPECT_EQ (q.deleteRow (rowAt (q, 0), "n"), -3);
    SQLtoXml::setDeleted (rowAt (q, 0), true);
    vtest::LogCapture log;
    EXPECT_EQ (q.saveDeleted ("n"), -3);
    EXPECT_TRUE (log.contains ("ERROR: table not found"));
    q.getColumns()->getChildElement (2)->setAttribute ("org_table", "test_log");
    EXPECT_EQ (q.deleteRow (rowAt (q, 0), "n"), -4);
    EXPECT_EQ (q.saveDeleted ("n"), -4);
    EXPECT_TRUE (log.contains ("ERROR: table identifier n original name not found"));
    EXPECT_FALSE (q.ok);

    ASSERT_NE (q.sqlQuery ("SELECT 1 AS x"), nullptr);
    EXPECT_EQ (q.deleteRow (rowAt (q, 0), "x"), -3);
}

TEST_F (DbFixture, RemoveDeletedTakesRowsOutOfTheTreeOnly)
{
    run ("INSERT INTO test_log (id, besedilo) VALUES (1, 'a'), (2, 'b'), (3, 'c'), (4, 'd')");
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT id, besedilo FROM test_log"), nullptr);
    for (int i = 0; i < 3; ++i)
        SQLtoXml::setDeleted (rowAt (q, i), true);
    EXPECT_EQ (q.removeDeleted(), 3);
    EXPECT_EQ (q.getNumRows(), 1);
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM test_log"), "4");
}

TEST_F (DbFixture, StealingAndCopyingResults)
{
    run ("INSERT INTO test_log (id, besedilo) VALUES (1, 'a'), (2, 'b')");
    vtest::LogCapture log;
    SQLtoXml q;
    SQLtoXml* none = nullptr;
    EXPECT_EQ (q.stealAllData (none), 0);
    EXPECT_TRUE (log.contains ("ERROR: ni pointerja na SQLtoXml"));

    auto* source = new SQLtoXml();
    ASSERT_NE (source->sqlQuery ("SELECT id FROM test_log"), nullptr);
    EXPECT_EQ (q.stealAllData (source), 2);
    EXPECT_EQ (source, nullptr);
    EXPECT_EQ (q.getData()->getNumChildElements(), 2);

    SQLtoXml copy;
    EXPECT_EQ (copy.setResultCopy (nullptr), 0);
    EXPECT_EQ (copy.setResultCopy (q.getResult()), 2);
    EXPECT_NE (copy.getResult(), q.getResult());
    EXPECT_EQ (copy.getResult()->getTagName(), "SQLITE_DATA");
    EXPECT_TRUE (copy.getResult()->isEquivalentTo (q.getResult(), false));
}

TEST (SQLtoXmlFlags, TablesAndRowFlags)
{
    SQLtoXml q;
    q.addTable ("glavna");
    q.addTable ("glavna");
    q.addTable ("Glavna");
    EXPECT_EQ (q.getTables(), juce::StringArray ({ "glavna", "Glavna" }));
    EXPECT_TRUE (q.clearTables());
    EXPECT_TRUE (q.getTables().isEmpty());

    juce::XmlElement row ("ITEM");
    EXPECT_FALSE (SQLtoXml::hasBkgColour (&row));
    EXPECT_EQ (SQLtoXml::getBkgColour (&row), juce::Colours::transparentBlack);
    SQLtoXml::setBkgColour (&row, juce::Colour (0xff00a0ffu));
    EXPECT_EQ (row.getStringAttribute ("bkg_colour"), "ff00a0ff");
    EXPECT_EQ (SQLtoXml::getBkgColour (&row), juce::Colour (0xff00a0ffu));
    SQLtoXml::setBkgColour (&row, juce::Colour (0x0000a0ffu));
    EXPECT_EQ (row.getStringAttribute ("bkg_colour"), "a0ff");

    EXPECT_FALSE (SQLtoXml::isIgnStats (nullptr));
    SQLtoXml::setIgnStats (&row);
    EXPECT_TRUE (SQLtoXml::isIgnStats (&row));
    SQLtoXml::setDeleted (&row, true);
    EXPECT_EQ (row.getStringAttribute ("deleted"), "1");
    SQLtoXml::setDeleted (&row, false);
    EXPECT_FALSE (SQLtoXml::isDeleted (&row));
    SQLtoXml::setDeleted (nullptr, true);
}

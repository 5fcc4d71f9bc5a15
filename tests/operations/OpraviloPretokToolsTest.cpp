// The racking chain over the batch history's own rows: which entries lead into a bottling,
// as one table of small journals; and the database form on real bookings, which follows the
// earliest later entry as the row form does.
#include "cellar/SerijaFixture.h"
#include "operations/OpraviloPretokTools.h"
#include "db/SQLtoXml.h"
#include "support/TestSupport.h"

namespace
{
struct Row
{
    int id;
    const char* datum;
    int in, out, care;
};

std::unique_ptr<juce::XmlElement> rowList (std::initializer_list<Row> rows, std::initializer_list<int> deleted = {})
{
    auto data = std::make_unique<juce::XmlElement> ("DATA");
    for (const auto& r : rows)
    {
        auto* e = data->createNewChildElement ("ITEM");
        e->setAttribute ("id", r.id);
        e->setAttribute ("datum", r.datum);
        e->setAttribute ("pretokinposoda", r.in);
        e->setAttribute ("pretokoutposoda", r.out);
        e->setAttribute ("vinopraviloposoda", r.care);
        for (int d : deleted)
            if (d == r.id)
                e->setAttribute ("deleted", 1);
    }
    return data;
}
} // namespace

TEST (OpraviloPretokTools, ChainsOverTheRowList)
{
    // Entry 1: into vessel 3 on 1 March; 2: out of 3 into 5 on 10 March; 9: bottling out of 5 on 20 March.
    struct Case
    {
        const char* name;
        std::initializer_list<Row> rows;
        std::initializer_list<int> deleted;
        int from, bottling;
        bool linked;
        const char* logged;
    };
    const Case cases[] = {
        { "the bottling itself", { { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, {}, 9, 9, true, "prisli smo do steklenicenja" },
        { "1, 10 and 20 March",
          { { 1, "2017-03-01 10:00:00", 3, 0, 0 }, { 2, "2017-03-10 10:00:00", 5, 3, 0 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, {}, 1, 9, true,
          "nasel nov pretok--->2" },
        { "no 10 March transfer", { { 1, "2017-03-01 10:00:00", 3, 0, 0 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, {}, 1, 9, false,
          "ni vmesnih opravil <---0" },
        { "the 10 March transfer marked deleted",
          { { 1, "2017-03-01 10:00:00", 3, 0, 0 }, { 2, "2017-03-10 10:00:00", 5, 3, 0 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, { 2 }, 1, 9,
          false, "ni vmesnih opravil" },
        // Out of 3 on the 5th into 7 (a dead end) and on the 8th into 5: only the 5th is followed.
        { "earliest of two successors",
          { { 1, "2017-03-01 10:00:00", 3, 0, 0 }, { 4, "2017-03-08 10:00:00", 5, 3, 0 }, { 3, "2017-03-05 10:00:00", 7, 3, 0 },
            { 9, "2017-03-20 10:00:00", 0, 5, 0 } },
          {}, 1, 9, false, "nasel nov pretok--->3" },
        { "same moment is no successor",
          { { 1, "2017-03-01 10:00:00", 3, 0, 0 }, { 2, "2017-03-01 10:00:00", 5, 3, 0 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, {}, 1, 9,
          false, "ni vmesnih opravil" },
        { "dated at the bottling is a successor",
          { { 1, "2017-03-01 10:00:00", 5, 0, 0 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, {}, 1, 9, true, "nasel nov pretok--->9" },
        { "a wine care on the vessel continues there",
          { { 1, "2017-03-01 10:00:00", 0, 0, 5 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, {}, 1, 9, true, "posoda nege vina:5" },
        { "no transfer and no care", { { 1, "2017-03-01 10:00:00", 0, 0, 0 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } }, {}, 1, 9, true,
          "To nima pretoka/nege vina:1" },
        { "bottling not in the list", { { 1, "2017-03-01 10:00:00", 5, 0, 0 } }, {}, 1, 9, false,
          "ERROR: ne mores klicati te funkcije z posodo steklenicenja 0" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto rows = rowList (c.rows, c.deleted);
        vtest::LogCapture log;
        Opravilo::PretokTools tools (c.from, nullptr);
        EXPECT_EQ (tools.greDoSteklenicenja (c.bottling, rows.get()), c.linked);
        EXPECT_TRUE (log.contains (c.logged)) << log.lines().joinIntoString ("\n");
        // The index built once answers as the list does.
        const Opravilo::PretokTools::RowIndex index (rows.get());
        EXPECT_EQ (tools.greDoSteklenicenja (c.bottling, index), c.linked);
    }
}

class PretokToolsDatabase : public celltest::SerijaFixture
{
};

TEST_F (PretokToolsDatabase, TheDatabaseFormFollowsTheEarliestLaterEntry)
{
    const int harvest = bookHarvest (7, 5, 500, 400, "2017-03-01 10:00:00");
    const int first = bookTransfer (7, 5, 6, 100, "2017-03-05 10:00:00");   // a dead end in vessel 6
    bookTransfer (7, 5, 7, 100, "2017-03-08 10:00:00");                     // into 7, bottled from there
    DbTransaction tx;
    const int bottling = post (OperationType::bottling, "2017-03-20 10:00:00");
    WineTransfer engine (bottling, &db);
    ASSERT_TRUE (engine.transfer (Transfer::kOutOf, 7, 50, 7, 0));
    ASSERT_TRUE (tx.commit());

    vtest::LogCapture log;
    Opravilo::PretokTools tools (harvest, &db);
    // The latest outflow of vessel 5 would lead into 7 and reach the bottling; the wine's next
    // move went into 6, where no entry carries it further.
    EXPECT_FALSE (tools.greDoSteklenicenja (bottling, nullptr)) << log.lines().joinIntoString ("\n");
    EXPECT_TRUE (log.contains ("nasel nov pretok--->" + juce::String (first)));
    Opravilo::PretokTools direct (bottling - 1, &db);
    EXPECT_TRUE (direct.greDoSteklenicenja (bottling, nullptr));
    EXPECT_FALSE (Opravilo::PretokTools (harvest, &db).greDoSteklenicenja (harvest + 100, nullptr));
}

TEST (OpraviloPretokTools, ARowMarkedDeletedAfterAWalkChangesTheAnswersOfTheSharedIndex)
{
    // Out of 3 on the 5th into 7 (a dead end), on the 8th into 5, bottled out of 5 on the 20th.
    auto rows = rowList ({ { 1, "2017-03-01 10:00:00", 3, 0, 0 }, { 3, "2017-03-05 10:00:00", 7, 3, 0 },
                           { 4, "2017-03-08 10:00:00", 5, 3, 0 }, { 9, "2017-03-20 10:00:00", 0, 5, 0 } });
    const Opravilo::PretokTools::RowIndex index (rows.get());
    EXPECT_FALSE (Opravilo::PretokTools (1, nullptr).greDoSteklenicenja (9, index));
    EXPECT_FALSE (Opravilo::PretokTools (3, nullptr).greDoSteklenicenja (9, index)) << "remembered from the first walk";
    SQLtoXml::setDeleted (rows->getChildElement (1), true);
    index.rowsChanged();
    EXPECT_TRUE (Opravilo::PretokTools (1, nullptr).greDoSteklenicenja (9, index)) << "the 8th is now the next move";
}

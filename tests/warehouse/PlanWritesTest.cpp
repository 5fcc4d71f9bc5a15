// The plan's writes to a real database file: the position statement as the plan writes it, and
// taking an entry off its warehouse, with its article once no active entry holds it, all of it
// or nothing when a statement fails.
#include "db/SQLtoXml.h"
#include "support/FaultInjection.h"
#include "warehouse/PlanWrites.h"
#include "warehouse/gui/PlanFixture.h"

#include <gtest/gtest.h>

using namespace plantest;

namespace
{
class PlanWritesDb : public PlanDb
{
};

juce::String activeFlags (int hramba, int artikel)
{
    return juce::String (storedInt ("SELECT active FROM hramba WHERE id=" + juce::String (hramba))) + "/"
           + juce::String (storedInt ("SELECT active FROM artikel WHERE id=" + juce::String (artikel)));
}
} // namespace

TEST_F (PlanWritesDb, PositionStatementAndItsEffect)
{
    const int id = addEntry (kGlavno, kKarton, 4, 0, 0);
    EXPECT_EQ (PlanWrites::positionSQL (id, 1110, 257, 3),
               "UPDATE hramba SET pozx = 1110, pozy = 257 , pozz = 3 WHERE id = " + juce::String (id));
    EXPECT_TRUE (PlanWrites::writePosition (id, 1110, 257, 3));
    EXPECT_EQ (storedPosition (id), "1110,257,3");
}

TEST_F (PlanWritesDb, FailedPositionWriteIsReportedAndLogged)
{
    const int id = addEntry (kGlavno, kKarton, 4, 10, 20);
    vtest::FaultInjection faults (database.file(), { "hramba" });
    faults.failWrite (1);
    vtest::LogCapture log;
    EXPECT_FALSE (PlanWrites::writePosition (id, 300, 400, 1));
    EXPECT_TRUE (log.contains ("ERROR: position of hramba " + juce::String (id)));
    EXPECT_EQ (storedPosition (id), "10,20,0");
}

TEST_F (PlanWritesDb, WithdrawingTheLastActiveEntryWithdrawsTheArticle)
{
    const int only = addEntry (kGlavno, kKarton, 0, 0, 0);
    const int first = addEntry (kGlavno, kFrankinja, 0, 110, 0);
    const int second = addEntry (kDrugo, kFrankinja, 0, 0, 0);

    SQLtoXml db;
    EXPECT_TRUE (PlanWrites::withdraw (db, only, kKarton));
    EXPECT_EQ (activeFlags (only, kKarton), "0/0");

    EXPECT_TRUE (PlanWrites::withdraw (db, first, kFrankinja));
    EXPECT_EQ (activeFlags (first, kFrankinja), "0/1");   // still lies in the other warehouse
    EXPECT_TRUE (PlanWrites::withdraw (db, second, kFrankinja));
    EXPECT_EQ (activeFlags (second, kFrankinja), "0/0");
}

TEST_F (PlanWritesDb, AnEntryHoldingStockInTheDatabaseIsNotWithdrawn)
{
    // The plan was drawn with the entry empty; goods arrived since, through another window.
    const int entry = addEntry (kGlavno, kKarton, 0, 0, 0);
    ASSERT_TRUE (vtest::execOn (database.file(), "UPDATE hramba SET stevilo=3 WHERE id=" + juce::String (entry)));
    SQLtoXml db;
    EXPECT_EQ (PlanWrites::withdrawEmpty (db, entry, kKarton), PlanWrites::Withdrawal::notEmpty);
    EXPECT_EQ (activeFlags (entry, kKarton), "1/1");
    EXPECT_FALSE (PlanWrites::withdraw (db, entry, kKarton));

    ASSERT_TRUE (vtest::execOn (database.file(), "UPDATE hramba SET stevilo=0 WHERE id=" + juce::String (entry)));
    EXPECT_EQ (PlanWrites::withdrawEmpty (db, entry, kKarton), PlanWrites::Withdrawal::withdrawn);
    EXPECT_EQ (activeFlags (entry, kKarton), "0/0");
}

TEST_F (PlanWritesDb, AFailedArticleUpdateLeavesTheEntryActiveToo)
{
    const int only = addEntry (kGlavno, kKarton, 0, 0, 0);
    vtest::FaultInjection faults (database.file(), { "artikel" });
    faults.failWrite (1);
    SQLtoXml db;
    EXPECT_FALSE (PlanWrites::withdraw (db, only, kKarton));
    EXPECT_EQ (activeFlags (only, kKarton), "1/1");
}

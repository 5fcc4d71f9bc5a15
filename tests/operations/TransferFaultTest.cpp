// Every write of every engine operation made to fail in turn: the database afterwards equals the
// one before, and the operation says it failed.
#include "db/DbTransaction.h"
#include "operations/ItemTransfer.h"
#include "operations/OperationsFixture.h"
#include "operations/WineTransfer.h"

#include <functional>

using optest::OperationsFixture;

class TransferFaultTest : public OperationsFixture
{
protected:
    /** Fails the 1st, 2nd, ... write of `operation` until it gets through; returns how many failed. */
    int failEveryWrite (const std::function<bool()>& operation, const juce::StringArray& tables = optest::movementTables())
    {
        const auto before = dump();
        vtest::FaultInjection faults (file(), tables);
        for (int n = 1; n < 100; ++n)
        {
            faults.failWrite (n);
            const bool ok = operation();
            faults.failWrite (0);
            if (ok)
                return n - 1;
            EXPECT_EQ (dump(), before) << "write " << n << " failed";
        }
        ADD_FAILURE() << "the operation never got through";
        return -1;
    }
};

TEST_F (TransferFaultTest, WineOperations)
{
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,40),(5,8,10),(6,7,5)"));
    const int entry = post();
    WineTransfer engine (entry, &db);

    struct Case { const char* name; std::function<bool()> operation; int writes; };
    const Case cases[] = {
        { "inflow of a new wine", [&] { return engine.transfer (1, 6, 3.0, 9, 0); }, 2 },
        { "inflow of a present wine", [&] { return engine.transfer (1, 5, 3.0, 7, 0); }, 2 },
        { "outflow of part", [&] { return engine.transfer (2, 5, 3.0, 8, 0); }, 2 },
        { "outflow of all", [&] { return engine.transfer (2, 6, 5.0, 7, 0); }, 2 },
        { "taking back the inflows", [&] { return engine.reverseInTransfer (5); }, 2 },
        { "putting back the outflows", [&] { return engine.reverseOutTransfer (6); }, 2 },
        { "putting back into rows still there", [&] { return engine.reverseOutTransfer (5); }, 2 },
    };
    for (auto& c : cases)
        EXPECT_GE (failEveryWrite (c.operation), c.writes) << c.name;

    EXPECT_EQ (stock(), juce::StringArray ({ "5|7|40.00", "5|8|10.00", "6|7|5.00", "6|9|3.00" }));
}

TEST_F (TransferFaultTest, GoodsOperations)
{
    ASSERT_TRUE (exec ("INSERT INTO hramba(id,skladisce,artikel,stevilo) VALUES (1,1,12,10),(2,1,13,4)"));
    const int entry = post (OperationType::goodsMove);
    ItemTransfer engine (entry, &db);

    struct Case { const char* name; std::function<bool()> operation; int writes; };
    const Case cases[] = {
        { "inflow of an article new to the warehouse", [&] { return engine.transfer (1, 1, 6, 11, 0); }, 3 },
        { "inflow", [&] { return engine.transfer (1, 1, 2, 12, 0); }, 2 },
        { "outflow", [&] { return engine.transfer (2, 1, 4, 13, 0); }, 2 },
        { "taking back the inflow", [&] { return engine.reverseInTransfer (1, 2); }, 2 },
        { "putting back the outflow", [&] { return engine.reverseOutTransfer (2, 4); }, 2 },
        { "a hidden entry for an invoice line", [&] { return engine.getHrambaIDN (2, 12, 0) >= 1; }, 2 },
    };
    for (auto& c : cases)
        EXPECT_GE (failEveryWrite (c.operation), c.writes) << c.name;
}

TEST_F (TransferFaultTest, PostingAndAWholeBooking)
{
    // A workstation that cannot be registered still posts (as the unknown one), so the writes
    // counted here are those that must fail the posting.
    const juce::StringArray mustSucceed { "glavna", "pretok", "zaloga" };
    workstation.id = "a-new-machine";
    EXPECT_GE (failEveryWrite ([&] {
                   Glavna entry;
                   return entry.vknjizi (&db, DateTime(), OperationType::harvest, "") >= 1;
               }, mustSucceed),
               1);
    EXPECT_EQ (value ("SELECT hash FROM host WHERE id=2"), "a-new-machine");

    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,40),(5,8,10)"));
    workstation.id = "another-machine";
    // A transfer-like booking: an entry, and per wine an outflow and an inflow.
    const int failed = failEveryWrite ([&] {
        DbTransaction booking;
        Glavna entry;
        if (entry.vknjizi (&db, DateTime(), OperationType::wineTransfer, "") < 1)
            return false;
        WineTransfer engine (entry.id, &db);
        for (int wine : { 7, 8 })
            if (! engine.transfer (2, 5, 5.0, wine, 0) || ! engine.transfer (1, 6, 5.0, wine, 0))
                return false;
        return booking.commit();
    }, mustSucceed);
    EXPECT_GE (failed, 9);
    EXPECT_EQ (stock(), juce::StringArray ({ "5|7|35.00", "5|8|5.00", "6|7|5.00", "6|8|5.00" }));
}

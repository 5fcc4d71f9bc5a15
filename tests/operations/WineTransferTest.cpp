#include "operations/OperationsFixture.h"
#include "operations/WineTransfer.h"

using optest::OperationsFixture;
using vindoro::Litres;

namespace
{
juce::String n (int v) { return juce::String (v); }
} // namespace

class WineTransferTest : public OperationsFixture
{
protected:
    juce::StringArray movements (int entry) const
    {
        return rows ("SELECT posoda,vino,smer,printf('%.2f',volumen) FROM pretok WHERE glavna=" + n (entry) + " ORDER BY id");
    }
};

TEST_F (WineTransferTest, OneMovementOnTheStock)
{
    struct Case
    {
        const char* name;
        const char* stockBefore;   // SQL values of zaloga(posoda,vino,volumen), or ""
        int smer, posoda;
        double kolicina;
        int vino;
        bool allowZero;
        bool booked;
        juce::StringArray stockAfter;
        juce::StringArray moved;   // this entry's pretok rows
        const char* logged;        // a fragment of the log, or ""
    };
    const Case cases[] = {
        { "inflow into an empty vessel is rounded to hundredths", "", 1, 5, 100.004, 7, true, true,
          { "5|7|100.00" }, { "5|7|1|100.00" }, "WARNING: input quantity:1.000040e+02 rounded to:1.000000e+02" },
        { "inflow adds to the wine's row", "(5,7,20.5)", 1, 5, 0.125, 7, true, true,
          { "5|7|20.63" }, { "5|7|1|0.13" }, "" },
        { "inflow of another wine makes its own row", "(5,7,20)", 1, 5, 3, 8, true, true,
          { "5|7|20.00", "5|8|3.00" }, { "5|8|1|3.00" }, "" },
        { "outflow of all of it removes the row", "(5,7,100)", 2, 5, 100, 7, true, true,
          {}, { "5|7|2|100.00" }, "" },
        { "outflow leaves the remainder", "(5,7,100.02)", 2, 5, 100, 7, true, true,
          { "5|7|0.02" }, { "5|7|2|100.00" }, "" },
        { "a hundredth left is still wine", "(5,7,10.01)", 2, 5, 10, 7, true, true,
          { "5|7|0.01" }, { "5|7|2|10.00" }, "" },
        { "outflow above the stock is refused", "(5,7,10.01)", 2, 5, 10.02, 7, true, false,
          { "5|7|10.01" }, {}, "ERROR: ni vina 7 v posodi 5 ki bi ga rad odtocil" },
        { "outflow of a wine not in the vessel is refused", "(5,7,10)", 2, 5, 3, 9, true, false,
          { "5|7|10.00" }, {}, "ERROR: vina 9 ni v posodi 5 in ga zelimo tocit ven" },
        { "wrong direction", "(5,7,10)", 3, 5, 3, 7, true, false, { "5|7|10.00" }, {}, "ERROR:wrong direction :3" },
        { "negative volume", "(5,7,10)", 1, 5, -1, 7, true, false, { "5|7|10.00" }, {}, "ERROR:quantity is negative" },
        { "a volume that is no number", "", 1, 5, std::nan (""), 7, true, false, {}, {}, "ERROR:quantity is negative" },
        { "zero inflow of a present wine books its row only", "(5,7,10)", 1, 5, 0, 7, true, true,
          { "5|7|10.00" }, { "5|7|1|0.00" }, "" },
        { "zero inflow of a new wine makes no stock row", "", 1, 5, 0.004, 7, true, true,
          {}, { "5|7|1|0.00" }, "" },
        { "zero outflow books its row only", "(5,7,10)", 2, 5, 0, 7, true, true,
          { "5|7|10.00" }, { "5|7|2|0.00" }, "" },
        { "zero refused when zero is not allowed", "(5,7,10)", 2, 5, 0, 7, false, false, { "5|7|10.00" }, {}, "" },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ASSERT_TRUE (exec ("DELETE FROM zaloga; DELETE FROM pretok;"));
        if (juce::String (c.stockBefore).isNotEmpty())
            ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES " + juce::String (c.stockBefore)));
        const int entry = post();
        vtest::LogCapture log;
        WineTransfer engine (entry, &db);
        engine.allowZero = c.allowZero;
        EXPECT_EQ (engine.transfer (c.smer, c.posoda, c.kolicina, c.vino, 0), c.booked);
        EXPECT_EQ (stock(), c.stockAfter);
        EXPECT_EQ (movements (entry), c.moved);
        if (juce::String (c.logged).isNotEmpty())
            EXPECT_TRUE (log.contains (c.logged)) << log.lines().joinIntoString ("\n");
        else if (! c.booked)
            EXPECT_FALSE (log.contains ("<WineTransfer::transfer>"));
    }
}

TEST_F (WineTransferTest, EngineWithoutEntryBooksNothing)
{
    vtest::LogCapture log;
    const auto before = dump();
    WineTransfer engine (0, &db);
    EXPECT_FALSE (engine.transfer (1, 5, 10.0, 7, 0));
    EXPECT_FALSE (engine.reverseInTransfer (5));
    EXPECT_FALSE (engine.reverseOutTransfer (5));
    EXPECT_FALSE (engine.tryReverseOutTransfer (5));
    EXPECT_EQ (dump(), before);
    EXPECT_TRUE (log.contains ("<WineTransfer::transfer> ERROR:glavna id:0"));
    EXPECT_TRUE (log.contains ("<WineTransfer::reverseInTransfer> ERROR:glavna id:0"));
}

TEST_F (WineTransferTest, ExactVolumesBookAsTheyAre)
{
    const int entry = post();
    WineTransfer engine (entry, &db);
    EXPECT_TRUE (engine.transfer (1, 5, Litres::fromHundredths (1001), 7));
    EXPECT_TRUE (engine.transfer (2, 5, Litres::fromHundredths (1000), 7));
    EXPECT_FALSE (engine.transfer (2, 5, Litres::fromHundredths (2), 7));
    EXPECT_EQ (stock(), juce::StringArray ({ "5|7|0.01" }));
}

TEST_F (WineTransferTest, EngineWithoutQueryObjectMakesOneForEachOperation)
{
    const int entry = post();
    WineTransfer engine (entry);
    EXPECT_TRUE (engine.transfer (1, 5, 10.0, 7, 0));
    EXPECT_EQ (engine.db, nullptr);
    EXPECT_FALSE (engine.ownsDb);
    EXPECT_TRUE (engine.transfer (1, 6, 4.0, 7, 0));
    EXPECT_TRUE (engine.tryReverseOutTransfer (5));
    EXPECT_EQ (engine.db, nullptr);
    EXPECT_TRUE (engine.reverseInTransfer (6));
    EXPECT_TRUE (engine.deactivatePosodaArtikel (5));
    EXPECT_EQ (engine.db, nullptr);
    EXPECT_EQ (stock(), juce::StringArray ({ "5|7|10.00" }));

    WineTransfer given (entry, &db);
    EXPECT_TRUE (given.transfer (1, 5, 1.0, 7, 0));
    EXPECT_EQ (given.db, &db);   // a caller's query object stays the caller's
}

TEST_F (WineTransferTest, TakingBackAnInflowTakesAllOfItOrNothing)
{
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,50),(5,9,1)"));
    const int entry = post();
    WineTransfer engine (entry, &db);
    ASSERT_TRUE (engine.transfer (1, 5, 30.0, 7, 0));
    ASSERT_TRUE (engine.transfer (1, 5, 20.0, 8, 0));
    ASSERT_TRUE (engine.transfer (1, 5, 5.0, 8, 0));
    ASSERT_TRUE (engine.transfer (1, 5, 0.0, 10, 0));
    ASSERT_TRUE (engine.transfer (1, 6, 4.0, 7, 0));

    // Wine 8 has since dropped below the 25 l this entry brought in.
    const int later = post();
    WineTransfer other (later, &db);
    ASSERT_TRUE (other.transfer (2, 5, 0.01, 8, 0));
    const auto before = dump();
    {
        vtest::LogCapture log;
        EXPECT_FALSE (engine.reverseInTransfer (5));
        EXPECT_EQ (dump(), before);
        EXPECT_TRUE (log.contains ("ERROR: ni vina 8 v posodi 5 ki bi ga rad odtocil.zaloga:2.499000e+01 quantity:2.500000e+01"));
    }

    ASSERT_TRUE (other.reverseOutTransfer (5));
    EXPECT_TRUE (engine.reverseInTransfer (5));
    EXPECT_EQ (stock(), juce::StringArray ({ "5|7|50.00", "5|9|1.00", "6|7|4.00" }));
    EXPECT_EQ (movements (entry), juce::StringArray ({ "6|7|1|4.00" }));   // the other vessel's inflow stays
}

TEST_F (WineTransferTest, PuttingBackAnOutflowRefillsTheVessel)
{
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,40),(5,8,10.5)"));
    const int entry = post();
    WineTransfer engine (entry, &db);
    ASSERT_TRUE (engine.transfer (2, 5, 15.0, 7, 0));
    ASSERT_TRUE (engine.transfer (2, 5, 25.0, 7, 0));
    ASSERT_TRUE (engine.transfer (2, 5, 10.5, 8, 0));
    EXPECT_EQ (stock(), juce::StringArray());   // the vessel is empty: the rows are gone

    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,8,1)"));   // wine 8 came back meanwhile
    EXPECT_TRUE (engine.reverseOutTransfer (5));
    EXPECT_EQ (stock(), juce::StringArray ({ "5|7|40.00", "5|8|11.50" }));
    EXPECT_TRUE (movements (entry).isEmpty());
    EXPECT_TRUE (engine.reverseOutTransfer (5));   // nothing left to put back
    EXPECT_EQ (stock(), juce::StringArray ({ "5|7|40.00", "5|8|11.50" }));
}

TEST_F (WineTransferTest, OutflowMayBeTakenBackUntilWineIsAddedAtALaterMoment)
{
    struct Case { const char* name; const char* entryDate; const char* inflowDate; bool allowed; };
    const Case cases[] = {
        { "no inflow ever", "2017-03-05", nullptr, true },
        { "inflow at the same moment", "2017-03-05", "2017-03-05 00:00:00", true },
        { "inflow the day before", "2017-03-05 10:00:00", "2017-03-04 23:59:59", true },
        { "inflow earlier the same day, by date alone", "2017-03-05 10:00:00", "2017-03-05", true },
        { "inflow later the same day", "2017-03-05", "2017-03-05 08:00:00", false },
        { "inflow the next day", "2017-03-05 10:00:00", "2017-03-06", false },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ASSERT_TRUE (exec ("DELETE FROM pretok; DELETE FROM zaloga; INSERT INTO zaloga(posoda,vino,volumen) VALUES (6,7,100)"));
        const int entry = post (OperationType::wineTransfer, c.entryDate);
        WineTransfer engine (entry, &db);
        ASSERT_TRUE (engine.transfer (2, 6, 10.0, 7, 0));
        if (c.inflowDate != nullptr)
        {
            WineTransfer filling (post (OperationType::harvest, c.inflowDate), &db);
            ASSERT_TRUE (filling.transfer (1, 6, 5.0, 8, 0));
        }
        vtest::LogCapture log;
        EXPECT_EQ (engine.tryReverseOutTransfer (6), c.allowed);
        if (! c.allowed)
            EXPECT_TRUE (log.contains ("Vino je bilo dotoceno v posodo 6 status:true dotok:1"));
    }
}

TEST_F (WineTransferTest, FailedMovementRowLeavesTheStockAsItWas)
{
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,40)"));
    const int entry = post();
    const auto before = dump();
    vtest::FaultInjection faults (file(), { "pretok" });
    faults.failWrite (1);
    WineTransfer engine (entry, &db);
    EXPECT_FALSE (engine.transfer (2, 5, 15.0, 7, 0));
    EXPECT_FALSE (engine.transfer (1, 5, 15.0, 8, 0));
    EXPECT_EQ (dump(), before);
}

TEST_F (WineTransferTest, BulkWineArticleOfTheVesselIsWithdrawn)
{
    WineTransfer engine (post(), &db);
    EXPECT_TRUE (engine.deactivatePosodaArtikel (5));
    EXPECT_EQ (rows ("SELECT id,active FROM artikel WHERE id IN (14,15) ORDER BY id"), juce::StringArray ({ "14|0", "15|1" }));
}

TEST_F (WineTransferTest, WineTablesAreRegisteredInOrder)
{
    WineTransfer::addTables (&db);
    const juce::StringArray expected { "zaloga", "zaloga AS z1", "zaloga AS z2", "zaloga AS z3", "vino", "vino AS v1", "vino AS v2",
                                       "vino AS v3", "sorta", "sorta AS s1", "sorta AS s2", "pretok", "artikel", "posoda", "glavna",
                                       "tipizacija", "prenosposode", "kvaliteta", "kalo" };
    EXPECT_EQ (db.getTables(), expected);
    WineTransfer engine (1, &db);
    EXPECT_FALSE (engine.reverseInTransfer (1, 1.0));   // the goods forms do not apply to wine
    EXPECT_FALSE (engine.reverseOutTransfer (1, 1.0));
}

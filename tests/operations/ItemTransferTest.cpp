#include "operations/ItemTransfer.h"
#include "operations/OperationsFixture.h"

using optest::OperationsFixture;

namespace
{
juce::String n (int v) { return juce::String (v); }

// Five active entries of warehouse 1 with cell (220, 80) free, and the same with it taken.
const char* const kFiveWithCellFree =
    "INSERT INTO hramba(id,skladisce,artikel,kosovnica,stevilo,pozx,pozy,active) VALUES"
    " (1,1,12,0,3,0,0,1),(2,1,13,0,3,110,0,1),(3,1,13,5,3,220,0,1),(4,1,12,5,3,0,80,1),(5,1,12,6,3,110,80,1),(6,1,12,7,3,220,80,0)";
const char* const kFiveWithCellTaken =
    "INSERT INTO hramba(id,skladisce,artikel,kosovnica,stevilo,pozx,pozy,active) VALUES"
    " (1,1,12,0,3,0,0,1),(2,1,13,0,3,110,0,1),(3,1,13,5,3,330,0,1),(4,1,12,5,3,0,80,1),(5,1,12,6,3,200,40,1)";
} // namespace

class ItemTransferTest : public OperationsFixture
{
protected:
    juce::StringArray entries() const
    {
        return rows ("SELECT id,skladisce,artikel,kosovnica,stevilo,pozx,pozy,pozz,active FROM hramba ORDER BY id");
    }
    juce::StringArray movements (int entry) const
    {
        return rows ("SELECT hramba,smer,kolicina FROM prenos WHERE glavna=" + n (entry) + " ORDER BY id");
    }
};

TEST_F (ItemTransferTest, OneMovementOfGoods)
{
    struct Case
    {
        const char* name;
        const char* before;        // SQL that sets the warehouse up
        bool deliveryArea;
        int smer, kam;
        double kolicina;
        int artikel, kosovnica;
        bool booked;
        juce::StringArray after;   // hramba rows changed or added (id > 5, or the touched one)
        const char* afterQuery;
        juce::StringArray moved;
        const char* logged;
    };
    const Case cases[] = {
        { "first inflow goes to the next free cell of the plan", kFiveWithCellFree, false, 1, 1, 12, 11, 0, true,
          { "7|1|11|0|12.0|220.0|80.0|0|1" }, "WHERE id=7", { "7|1|12.0" }, "poglejmo zadnjega od 5 artiklov v 3 x 2" },
        { "a taken cell sends it to a new column", kFiveWithCellTaken, false, 1, 1, 12, 11, 0, true,
          { "6|1|11|0|12.0|440.0|0.0|0|1" }, "WHERE id=6", { "6|1|12.0" }, "na tem mestu je 1 artiklov" },
        { "with a delivery area every new entry starts there", kFiveWithCellFree, true, 1, 1, 12.9, 11, 0, true,
          { "7|1|11|0|12.0|0.0|0.0|0|1" }, "WHERE id=7", { "7|1|12.0" }, "" },
        { "the first entry of an empty warehouse takes the first cell", "", false, 1, 2, 4, 12, 3, true,
          { "1|2|12|3|4.0|0.0|0.0|0|1" }, "", { "1|1|4.0" }, "" },
        { "inflow is counted whole, once", kFiveWithCellFree, false, 1, 1, 2.7, 12, 0, true,
          { "1|1|12|0|5.0|0.0|0.0|0|1" }, "WHERE id=1", { "1|1|2.0" }, "" },
        { "inflow reopens a hidden entry", kFiveWithCellFree, false, 1, 1, 1, 12, 7, true,
          { "6|1|12|7|4.0|220.0|80.0|0|1" }, "WHERE id=6", { "6|1|1.0" }, "" },
        { "outflow of all of it keeps the entry", kFiveWithCellFree, false, 2, 1, 3, 13, 5, true,
          { "3|1|13|5|0.0|220.0|0.0|0|1" }, "WHERE id=3", { "3|2|3.0" }, "" },
        { "outflow is counted whole, once", "INSERT INTO hramba(id,skladisce,artikel,stevilo) VALUES (1,1,12,5)", false,
          2, 1, 2.7, 12, 0, true, { "1|1|12|0|3.0|0.0|0.0|0|1" }, "", { "1|2|2.0" }, "" },
        { "outflow above the count is refused", kFiveWithCellFree, false, 2, 1, 4, 12, 0, false,
          { "1|1|12|0|3.0|0.0|0.0|0|1" }, "WHERE id=1", {}, "ERROR: ni artikla v skladiscu 1" },
        { "outflow of an article not in the warehouse is refused", kFiveWithCellFree, false, 2, 2, 1, 12, 0, false,
          {}, "WHERE skladisce=2", {}, "ERROR: artikla 12 ni v skladiscu 2 in ga zelimo dat ven" },
        { "a storage entry named by its id", kFiveWithCellFree, false, 1, 4, 2, 0, 0, true,
          { "4|1|12|5|5.0|0.0|80.0|0|1" }, "WHERE id=4", { "4|1|2.0" }, "" },
        { "a storage entry id that does not exist", kFiveWithCellFree, false, 1, 42, 2, 0, 0, false,
          {}, "WHERE id=42", {}, "" },
        { "negative count", kFiveWithCellFree, false, 1, 1, -1, 12, 0, false,
          { "1|1|12|0|3.0|0.0|0.0|0|1" }, "WHERE id=1", {}, "ERROR:quantity is negative" },
        { "wrong direction", kFiveWithCellFree, false, 0, 1, 1, 12, 0, false,
          { "1|1|12|0|3.0|0.0|0.0|0|1" }, "WHERE id=1", {}, "ERROR:wrong direction :0" },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ASSERT_TRUE (exec ("DELETE FROM prenos; DELETE FROM hramba; DELETE FROM sqlite_sequence WHERE name='hramba';"
                           "UPDATE artikel SET active=0 WHERE id=11"));
        if (juce::String (c.before).isNotEmpty())
            ASSERT_TRUE (exec (c.before));
        settings().setValue ("dostavniplac", c.deliveryArea);
        const int entry = post (OperationType::goodsMove);
        vtest::LogCapture log;
        ItemTransfer engine (entry, &db);
        EXPECT_EQ (engine.transfer (c.smer, c.kam, c.kolicina, c.artikel, c.kosovnica), c.booked);
        EXPECT_EQ (rows ("SELECT id,skladisce,artikel,kosovnica,stevilo,pozx,pozy,pozz,active FROM hramba " + juce::String (c.afterQuery)
                         + " ORDER BY id"),
                   c.after);
        EXPECT_EQ (movements (entry), c.moved);
        if (juce::String (c.logged).isNotEmpty())
            EXPECT_TRUE (log.contains (c.logged)) << log.lines().joinIntoString ("\n");
    }
    EXPECT_EQ (value ("SELECT active FROM artikel WHERE id=11"), "0");   // the refusals left the article alone
}

TEST_F (ItemTransferTest, ArticlePutIntoAWarehouseForTheFirstTimeBecomesActive)
{
    ItemTransfer engine (post (OperationType::goodsMove), &db);
    ASSERT_TRUE (engine.transfer (1, 1, 6, 11, 0));
    EXPECT_EQ (value ("SELECT active FROM artikel WHERE id=11"), "1");
}

TEST_F (ItemTransferTest, EntryForAnInvoiceLineIsMadeHiddenOnceAndFoundAgain)
{
    ASSERT_TRUE (exec (kFiveWithCellFree));
    ItemTransfer engine (post (OperationType::invoice), &db);
    const int made = engine.getHrambaIDN (1, 11, 0);
    EXPECT_EQ (made, 7);
    EXPECT_EQ (rows ("SELECT stevilo,active FROM hramba WHERE id=7"), juce::StringArray ({ "0.0|0" }));
    EXPECT_EQ (engine.getHrambaIDN (1, 11, 0), made);
    EXPECT_EQ (engine.getHrambaIDN (1, 12, 0), 1);
    EXPECT_EQ (value ("SELECT COUNT(*) FROM hramba"), "7");

    // A booking into it shows it.
    ASSERT_TRUE (engine.transfer (1, 1, 2, 11, 0));
    EXPECT_EQ (rows ("SELECT stevilo,active FROM hramba WHERE id=7"), juce::StringArray ({ "2.0|1" }));
}

TEST_F (ItemTransferTest, TakingBackGoodsMovesExactlyWhatTheEntryBooked)
{
    ASSERT_TRUE (exec ("INSERT INTO hramba(id,skladisce,artikel,stevilo) VALUES (1,1,12,10),(2,1,13,10)"));
    const int entry = post (OperationType::goodsMove);
    ItemTransfer engine (entry, &db);
    ASSERT_TRUE (engine.transfer (2, 1, 1, 12, 0));
    ASSERT_TRUE (engine.transfer (2, 1, 3, 12, 0));
    ASSERT_TRUE (engine.transfer (1, 1, 3, 13, 0));
    ASSERT_EQ (rows ("SELECT stevilo FROM hramba ORDER BY id"), juce::StringArray ({ "6.0", "13.0" }));

    {
        // The rows hold 4 out: 4 go back.
        EXPECT_TRUE (engine.reverseOutTransfer (1, 4));
        EXPECT_EQ (value ("SELECT stevilo FROM hramba WHERE id=1"), "10.0");
        EXPECT_EQ (movements (entry), juce::StringArray ({ "2|1|3.0" }));
    }
    {
        // The caller expects 5 in, the rows hold 3: exactly 3 come out, and the shortfall is logged.
        vtest::LogCapture log;
        EXPECT_TRUE (engine.reverseInTransfer (2, 5));
        EXPECT_EQ (value ("SELECT stevilo FROM hramba WHERE id=2"), "10.0");
        EXPECT_TRUE (movements (entry).isEmpty());
        EXPECT_TRUE (log.contains ("ERROR: v prenos ni vseh zapisov total:3.000000e+00 kolicina:5.000000e+00 bomo vzeli iz skladisca total"));
    }

    const int second = post (OperationType::goodsMove);
    ItemTransfer out (second, &db);
    ASSERT_TRUE (out.transfer (2, 1, 2, 12, 0));
    vtest::LogCapture log;
    EXPECT_TRUE (out.reverseOutTransfer (1, 7));
    EXPECT_EQ (value ("SELECT stevilo FROM hramba WHERE id=1"), "10.0");
    EXPECT_TRUE (log.contains ("bomo dodali v skladisce total"));
}

TEST_F (ItemTransferTest, TakingBackWhatTheStockCannotCoverChangesNothing)
{
    ASSERT_TRUE (exec ("INSERT INTO hramba(id,skladisce,artikel,stevilo) VALUES (1,1,12,0)"));
    const int entry = post (OperationType::goodsMove);
    ItemTransfer engine (entry, &db);
    ASSERT_TRUE (engine.transfer (1, 1, 5, 12, 0));
    ItemTransfer other (post (OperationType::goodsMove), &db);
    ASSERT_TRUE (other.transfer (2, 1, 2, 12, 0));

    vtest::LogCapture log;
    auto before = dump();
    EXPECT_FALSE (engine.reverseInTransfer (1, 5));   // only 3 are left of the 5 it brought
    EXPECT_EQ (dump(), before);
    EXPECT_TRUE (log.contains ("ERROR: ni artikla v skladiscu 1 ki bi ga rad odvzel.zaloga:3.000000e+00 quantity:5.000000e+00"));
    EXPECT_TRUE (log.contains ("ERROR:Prenos ni uspel. Nismo uspeli nazaj napolniti artikla v skladisce"));

    // Rows of an outflow whose storage entry is gone: nothing to put the goods into.
    ASSERT_TRUE (exec ("INSERT INTO prenos(glavna,hramba,smer,kolicina) VALUES (" + n (entry) + ",99,2,4)"));
    before = dump();
    EXPECT_FALSE (engine.reverseOutTransfer (99, 4));
    EXPECT_EQ (dump(), before);
}

TEST_F (ItemTransferTest, TablesAndTheFormsThatDoNotApply)
{
    ItemTransfer::addTables (&db);
    EXPECT_EQ (db.getTables(), juce::StringArray ({ "hramba", "prenos" }));
    ItemTransfer engine (post(), &db);
    EXPECT_FALSE (engine.reverseInTransfer (5));
    EXPECT_FALSE (engine.reverseOutTransfer (5));
    EXPECT_FALSE (engine.tryReverseOutTransfer (5));
    EXPECT_EQ (engine.findHramba (1, 12, 0), -1);
}

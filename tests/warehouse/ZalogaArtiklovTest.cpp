// The article stock of a past day replayed from the present storage entries on a real database:
// the day's bounds, entries that emptied, withdrew or live in other warehouses, the consignment
// owner's name, bottle litres, the row limit and failing queries; then random bookings checked
// against the stock summed forward from the first movement.
#include "warehouse/StockFixture.h"

#include "db/DbTransaction.h"

#include <map>
#include <optional>

using stocktest::kBox;
using stocktest::kService;
using stocktest::kWine;

namespace
{
struct Booking
{
    const char* when;
    int smer, warehouse, count, article;
};
} // namespace

class ZalogaArtiklovTest : public stocktest::StockFixture
{
protected:
    void clearBookings()
    {
        ASSERT_TRUE (exec ("DELETE FROM prenos; DELETE FROM hramba; DELETE FROM glavna WHERE id>1;"));
    }
};

TEST_F (ZalogaArtiklovTest, StockAtTheEndOfTheChosenDay)
{
    const juce::String wine = "Frankinja|Glavno||2021-A1|Bordo|Kakovostno|";
    struct Case
    {
        const char* name;
        std::vector<Booking> bookings;
        int withdrawn;   // the article whose entry in warehouse 1 is withdrawn after the bookings, or 0
        int warehouse;
        juce::StringArray expected;
        const char* logged;
    };
    const Case cases[] = {
        { "a movement at 23:59:59 of the day counts, one at 00:00:00 of the next is undone",
          { { "2024-03-05 10:00:00", 1, 1, 12, kWine }, { "2024-03-10 23:59:59", 2, 1, 2, kWine }, { "2024-03-11 00:00:00", 2, 1, 3, kWine } },
          0, -1, { wine + "7.50|10" }, "" },
        { "received and partly sold after the day: empty on the day, so left out",
          { { "2024-03-11 08:00:00", 1, 1, 10, kBox }, { "2024-03-12 08:00:00", 2, 1, 3, kBox } },
          0, -1, {}, " je prazen stevilo:0" },
        { "emptied and withdrawn since: back with its present names",
          { { "2024-03-05 10:00:00", 1, 1, 4, kWine }, { "2024-03-11 09:00:00", 2, 1, 4, kWine } },
          kWine, -1, { wine + "3.00|4" }, "" },
        { "other goods carry no batch, bottle, grade or litres",
          { { "2024-03-05 10:00:00", 1, 1, 5, kBox }, { "2024-03-11 09:00:00", 1, 1, 2, kBox } },
          0, -1, { "Karton|Glavno|||||0.00|5" }, "" },
        { "12 bottles of 0.75 l are 9 l",
          { { "2024-03-01 10:00:00", 1, 1, 12, kWine } }, 0, -1, { wine + "9.00|12" }, "" },
        { "a consignment owner's name: line feed a blank, cut to 20 characters",
          { { "2024-03-01 10:00:00", 1, 3, 2, kBox } }, 0, -1, { "Karton|Tuje blago|Vinska klet Konsigna...||||0.00|2" }, "" },
        { "a kind-1 article never shows, whatever moved after the day",
          { { "2024-03-05 10:00:00", 1, 1, 5, kService }, { "2024-03-11 09:00:00", 2, 1, 2, kService } }, 0, -1, {}, "" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        clearBookings();
        for (const auto& b : c.bookings)
            ASSERT_TRUE (book (b.when, b.smer, b.warehouse, b.count, b.article)) << b.when;
        if (c.withdrawn != 0)
            ASSERT_TRUE (withdraw (1, c.withdrawn));
        vtest::LogCapture log;
        ZalogaArtiklov stock (&db);
        ASSERT_TRUE (reloadAt (stock, "2024-03-10", c.warehouse));
        EXPECT_EQ (rowsOf (stock.getStock()), c.expected);
        if (juce::String (c.logged).isNotEmpty())
            EXPECT_TRUE (log.contains (c.logged)) << log.lines().joinIntoString ("\n");
    }
}

TEST_F (ZalogaArtiklovTest, OneWarehouseKeepsOnlyItsRowsIncludingRowsMadeFromMovements)
{
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 1, 6, kWine));
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 2, 3, kWine));
    ASSERT_TRUE (book ("2024-03-11 10:00:00", 2, 2, 3, kWine));
    ASSERT_TRUE (book ("2024-03-11 10:00:00", 2, 1, 6, kWine));
    ASSERT_TRUE (withdraw (1, kWine));   // both emptied and withdrawn, the article too: rows from movements only
    ASSERT_TRUE (withdraw (2, kWine));
    ASSERT_EQ (value ("SELECT active FROM artikel WHERE id=" + juce::String (kWine)), "0");

    ZalogaArtiklov stock (&db);
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", 2));
    EXPECT_EQ (rowsOf (stock.getStock()), juce::StringArray ({ "Frankinja|Trgovina||2021-A1|Bordo|Kakovostno|2.25|3" }));
    EXPECT_TRUE (stock.getNaslov().contains ("\"Trgovina\""));
    EXPECT_TRUE (stock.getNaslov().endsWith ("2024-03-10"));

    ASSERT_TRUE (reloadAt (stock, "2024-03-10", 1));
    EXPECT_EQ (rowsOf (stock.getStock()), juce::StringArray ({ "Frankinja|Glavno||2021-A1|Bordo|Kakovostno|4.50|6" }));

    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1));
    EXPECT_EQ (rowsOf (stock.getStock()).size(), 2);
    EXPECT_EQ (stock.getNaslov(), TRANS ("porocilozalogartiklov_naslov_porocila") + TRANS ("Porocilo_dne") + "2024-03-10");
    EXPECT_DOUBLE_EQ (stock.getTotalVolume(), 6.75);
}

TEST_F (ZalogaArtiklovTest, EntryEmptyOnTheDayIsLoggedByItsId)
{
    ASSERT_TRUE (book ("2024-03-11 08:00:00", 1, 2, 10, kBox));
    ASSERT_TRUE (book ("2024-03-12 08:00:00", 2, 2, 3, kBox));
    ASSERT_EQ (value ("SELECT stevilo FROM hramba WHERE id=" + juce::String (entryOf (2, kBox))).getIntValue(), 7);
    vtest::LogCapture log;
    ZalogaArtiklov stock (&db);
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1));
    EXPECT_EQ (stock.getStock()->getNumRows(), 0);
    EXPECT_TRUE (log.contains ("hid:" + juce::String (entryOf (2, kBox)) + " je prazen stevilo:0"))
        << log.lines().joinIntoString ("\n");
}

TEST_F (ZalogaArtiklovTest, SecondReloadWithoutClearingRepeatsTheConditionsAndTheRows)
{
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 1, 12, kWine));
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 2, 4, kBox));
    ASSERT_TRUE (book ("2024-03-12 10:00:00", 2, 1, 5, kWine));
    ZalogaArtiklov stock (&db);
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1));
    const auto first = rowsOf (stock.getStock());
    EXPECT_EQ (first.size(), 2);

    vtest::LogCapture log;
    ASSERT_TRUE (stock.reloadPregled());
    EXPECT_EQ (rowsOf (stock.getStock()), first);
    EXPECT_TRUE (log.contains ("h.active > 0 AND a.tip IN (2,3) AND h.active > 0 AND a.tip IN (2,3)"));
}

TEST_F (ZalogaArtiklovTest, RowLimitCutsTheRowsShownNotTheReplay)
{
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 1, 12, kWine));
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 1, 5, kBox));
    ASSERT_TRUE (book ("2024-03-11 10:00:00", 2, 1, 2, kWine));
    ASSERT_TRUE (book ("2024-03-12 10:00:00", 2, 1, 3, kWine));
    ASSERT_TRUE (book ("2024-03-12 11:00:00", 1, 2, 8, kBox));   // a row of its own after the day, never shown

    ZalogaArtiklov stock (&db);
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1));
    const auto all = rowsOf (stock.getStock());
    ASSERT_EQ (all.size(), 2);
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1, 1));
    EXPECT_EQ (rowsOf (stock.getStock()), juce::StringArray (all[0]));
    EXPECT_TRUE (all[0].endsWith ("|12"));
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1, 0));
    EXPECT_EQ (rowsOf (stock.getStock()), juce::StringArray());
}

TEST_F (ZalogaArtiklovTest, FailedQueriesKeepNoResult)
{
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 1, 12, kWine));
    ZalogaArtiklov stock (&db);
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1));
    ASSERT_NE (stock.getStock(), nullptr);

    ASSERT_TRUE (exec ("ALTER TABLE prenos RENAME TO prenos_stari"));
    vtest::LogCapture log;
    EXPECT_FALSE (reloadAt (stock, "2024-03-10", -1));
    EXPECT_EQ (stock.getStock(), nullptr);
    EXPECT_TRUE (log.contains (ZalogaArtiklov::kMovementsFailed));
    EXPECT_EQ (stock.getTotalVolume(), 0.0);
    EXPECT_TRUE (log.contains (ZalogaArtiklov::kNoResult));

    // The movements read, the stock not (a condition naming no column): no result either.
    ASSERT_TRUE (exec ("ALTER TABLE prenos_stari RENAME TO prenos"));
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1));
    ASSERT_NE (stock.getStock(), nullptr);
    log.clear();
    stock.clearConditions();
    stock.addCondition ("h.nothing > 0");
    EXPECT_FALSE (stock.reloadPregled());
    EXPECT_EQ (stock.getStock(), nullptr);
    EXPECT_TRUE (log.contains (ZalogaArtiklov::kStockFailed));
    EXPECT_FALSE (log.contains (ZalogaArtiklov::kMovementsFailed));

    ZalogaArtiklov withoutDatabase (nullptr);
    EXPECT_FALSE (reloadAt (withoutDatabase, "2024-03-10", -1));
    EXPECT_TRUE (log.contains (ZalogaArtiklov::kNoDatabase));
}

TEST_F (ZalogaArtiklovTest, DirectUsersAddAndFindEntries)
{
    ASSERT_TRUE (book ("2024-03-05 10:00:00", 1, 1, 12, kWine));
    ZalogaArtiklov stock (&db);
    EXPECT_EQ (stock.addHramba (99, 3), nullptr);   // no result yet
    ASSERT_TRUE (reloadAt (stock, "2024-03-10", -1));
    const int hid = entryOf (1, kWine);
    ASSERT_NE (stock.findHramba (hid), nullptr);
    EXPECT_EQ (stock.findHramba (hid)->getDoubleAttribute ("stevilo"), 12.0);
    auto* added = stock.addHramba (99, 3);
    ASSERT_NE (added, nullptr);
    EXPECT_EQ (stock.getStock()->getNumRows(), 2);
    EXPECT_EQ (stock.findHramba (99), added);
    EXPECT_EQ (stock.findHramba (98), nullptr);
    EXPECT_DOUBLE_EQ (stock.getTotalVolume(), 9.0);
}

TEST_F (ZalogaArtiklovTest, ArticleInactiveUnlessReadAsActive)
{
    ASSERT_TRUE (exec ("UPDATE artikel SET active=0 WHERE id=21"));
    EXPECT_FALSE (isArtikelInactive (kWine, &db));
    EXPECT_FALSE (isArtikelInactive (kWine, nullptr));
    EXPECT_TRUE (isArtikelInactive (kBox, &db));
    EXPECT_TRUE (isArtikelInactive (4711, &db));
    ASSERT_TRUE (exec ("ALTER TABLE artikel RENAME TO artikel_stari"));
    EXPECT_TRUE (isArtikelInactive (kWine, &db));
}

// Random inflows and outflows (never below zero) of several entries in two warehouses, some
// emptied and withdrawn: for every day and warehouse choice the replayed stock is the stock summed
// forward from the first movement to the end of that day.
TEST_F (ZalogaArtiklovTest, ReplayedStockEqualsStockSummedForward)
{
    juce::Random random (20240310);
    const int articles[] = { kWine, kBox, stocktest::kOtherWine };
    vtest::LogCapture quiet;   // thousands of query texts stay out of the test's output
    for (int sequence = 0; sequence < 150; ++sequence)
    {
        quiet.clear();
        // One transaction per sequence: the bookings become savepoints, and the file is written once.
        std::optional<DbTransaction> sequenceBookings (std::in_place);
        ASSERT_TRUE (db.sqlQueryNA ("DELETE FROM prenos")) << db.lastError;
        ASSERT_TRUE (db.sqlQueryNA ("DELETE FROM hramba"));
        ASSERT_TRUE (db.sqlQueryNA ("DELETE FROM glavna WHERE id>1"));
        struct Move { juce::String when; int warehouse, article, delta; };
        std::vector<Move> moves;
        std::map<std::pair<int, int>, int> now;
        // Times first, in order, so that an outflow never takes more than the entry holds then.
        juce::StringArray times;
        for (int i = 4 + random.nextInt (14); --i >= 0;)
            times.add (juce::String::formatted ("2024-01-%02d %02d:%02d:%02d", 1 + random.nextInt (8), random.nextInt (24),
                                                random.nextInt (60), random.nextInt (60)));
        times.sort (false);
        for (const auto& when : times)
        {
            const int warehouse = 1 + random.nextInt (2);
            const int article = articles[random.nextInt (3)];
            auto& held = now[{ warehouse, article }];
            const bool out = held > 0 && random.nextBool();
            const int pieces = out ? 1 + random.nextInt (held) : 1 + random.nextInt (20);
            moves.push_back ({ when, warehouse, article, out ? -pieces : pieces });
            held += out ? -pieces : pieces;
        }
        for (const auto& m : moves)
            ASSERT_TRUE (book (m.when, m.delta > 0 ? 1 : 2, m.warehouse, std::abs (m.delta), m.article));
        for (const auto& [key, held] : now)
            if (held == 0 && random.nextBool())
                ASSERT_TRUE (withdraw (key.first, key.second));
        ASSERT_TRUE (sequenceBookings->commit());
        sequenceBookings.reset();

        std::map<std::pair<int, int>, int> entries;
        for (const auto& [key, held] : now)
            entries[key] = entryOf (key.first, key.second);

        ZalogaArtiklov stock (&db);
        for (int day = 0; day <= 8; ++day)
        {
            const auto date = juce::String::formatted ("2024-01-%02d", day == 0 ? 1 : day);
            const auto end = day == 0 ? juce::String ("2023-12-31") : date;
            for (int warehouse : { -1, 1, 2 })
            {
                std::map<int, int> expected;   // entry -> pieces
                for (const auto& m : moves)
                    if (m.when <= end + " 23:59:59" && (warehouse < 0 || m.warehouse == warehouse))
                        expected[entries[{ m.warehouse, m.article }]] += m.delta;
                std::erase_if (expected, [] (const auto& e) { return e.second == 0; });

                ASSERT_TRUE (reloadAt (stock, end, warehouse));
                std::map<int, int> got;
                for (auto* row : stock.getStock()->getData()->getChildWithTagNameIterator ("ITEM"))
                {
                    const int pieces = (int) row->getDoubleAttribute ("stevilo");
                    got[row->getIntAttribute ("hid")] += pieces;
                    const bool wine = row->getIntAttribute ("aid") != kBox;
                    EXPECT_EQ (row->getStringAttribute ("volumen"),
                               wine ? vindoro::Litres::fromHundredths (pieces * 75).toSql() : juce::String ("0.00"));
                }
                ASSERT_EQ (got, expected) << "sequence " << sequence << " day " << end << " warehouse " << warehouse;
            }
        }
    }
}

// Stock can neither appear nor vanish: random sequences of bookings modelled on the engine's
// callers (each one journal entry in one transaction), reversals of earlier ones, faults injected
// at a random write, and a process killed in the middle of its bookings. After every step the
// stock equals what its movements add up to, in hundredths of a litre and in whole pieces.
#include "cellar/PosodaOps.h"
#include "cellar/SerijaStore.h"
#include "core/Amount.h"
#include "db/DbTransaction.h"
#include "operations/ItemTransfer.h"
#include "operations/OperationsFixture.h"
#include "operations/VinskoOpraviloSave.h"
#include "operations/WineTransfer.h"
#include "warehouse/StekleniceSave.h"

#include <map>
#include <poll.h>
#include <random>
#include <set>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using vindoro::Litres;

namespace
{
const juce::StringArray kTables { "glavna", "host", "pretok", "zaloga", "prenos", "hramba", "artikel", "kalo", "razknjizenjevino", "vinopravilo",
                                  "kompozicija", "serija", "steklenicenje" };

/** The batch of 0.75 l bottles the bottlings fill. */
bool addBatch (const juce::File& database)
{
    return vtest::execOn (database, "INSERT INTO model(id,oznaka,volumen,enota,active) VALUES (2,'Bordo',0.75,7,1);"
                                    "INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo,active) VALUES (2,'A',2016,1,2,2,0,1);");
}

/** What must hold of the file at any moment between bookings; one line per violation. */
juce::StringArray violations (vtest::Reader& f)
{
    const juce::String h = "CAST(ROUND(volumen*100) AS INTEGER)";
    const juce::StringArray checks {
        "SELECT 'wine stock differs from its movements: ' || a.posoda || '/' || a.vino || ' moved ' || a.m || ' held ' || IFNULL(z.m,0)"
        " FROM (SELECT posoda,vino,SUM(CASE smer WHEN 1 THEN " + h + " ELSE -" + h + " END) AS m FROM pretok GROUP BY posoda,vino) AS a"
        " LEFT JOIN (SELECT posoda,vino,SUM(" + h + ") AS m FROM zaloga GROUP BY posoda,vino) AS z ON z.posoda=a.posoda AND z.vino=a.vino"
        " WHERE a.m<>IFNULL(z.m,0)",
        "SELECT 'stock without movements: ' || posoda || '/' || vino FROM zaloga AS z"
        " WHERE NOT EXISTS (SELECT 1 FROM pretok AS p WHERE p.posoda=z.posoda AND p.vino=z.vino)",
        "SELECT 'stock row below a hundredth or not in hundredths: ' || posoda || '/' || vino || ' ' || volumen FROM zaloga"
        " WHERE " + h + "<1 OR ABS(volumen*100-ROUND(volumen*100))>1e-6",
        "SELECT 'more than one stock row: ' || posoda || '/' || vino FROM zaloga GROUP BY posoda,vino HAVING COUNT(*)>1",
        "SELECT 'wine movement not in hundredths: ' || id FROM pretok WHERE volumen<0 OR ABS(volumen*100-ROUND(volumen*100))>1e-6",
        "SELECT 'goods count differs from its movements: ' || id || ' ' || stevilo || ' ' || m FROM (SELECT id,stevilo,"
        " IFNULL((SELECT SUM(CASE smer WHEN 1 THEN kolicina ELSE -kolicina END) FROM prenos WHERE prenos.hramba=hramba.id),0) AS m"
        " FROM hramba) WHERE stevilo<>m",
        "SELECT 'goods count not whole or negative: ' || id FROM hramba WHERE stevilo<0 OR stevilo<>CAST(stevilo AS INTEGER)",
        "SELECT 'goods movement not whole: ' || id FROM prenos WHERE kolicina<0 OR kolicina<>CAST(kolicina AS INTEGER)",
        "SELECT 'goods movement without storage entry: ' || id FROM prenos WHERE hramba NOT IN (SELECT id FROM hramba)",
        "SELECT 'movement without journal entry: ' || id FROM pretok WHERE glavna NOT IN (SELECT id FROM glavna)",
        "SELECT 'goods movement without journal entry: ' || id FROM prenos WHERE glavna NOT IN (SELECT id FROM glavna)",
    };
    return f.rows (checks.joinIntoString (" UNION ALL "));
}

/** Stock as the user sees it: wine per vessel and wine, and the count of every storage entry. */
juce::StringArray stockOf (vtest::Reader& f)
{
    auto rows = f.rows ("SELECT 'wine',posoda,vino,printf('%.2f',volumen) FROM zaloga ORDER BY posoda,vino");
    rows.addArray (f.rows ("SELECT 'goods',id,stevilo FROM hramba WHERE stevilo<>0 ORDER BY id"));
    return rows;
}

/** One booked entry and the places it moved something in or out of. */
struct Booking
{
    int entry = 0;
    std::set<int> wineIn, wineOut;                 // vessels
    std::map<int, juce::int64> goodsIn, goodsOut;  // storage entries and counts
    bool reversed = false;
};

enum class Kind { harvest, transfer, loss, writeOff, goodsIn, goodsOut, wineCare, bottling, reversal };

/** Makes and books random operations on one database, as the booking windows do. */
class Cellar
{
public:
    Cellar (vtest::Reader& r, SQLtoXml& q, unsigned seed, const juce::String& who) : reader (r), db (q), rng (seed), remark (who) {}

    juce::int64 pick (juce::int64 lo, juce::int64 hi) { return std::uniform_int_distribution<juce::int64> (lo, hi) (rng); }
    bool chance (int percent) { return pick (1, 100) <= percent; }

    Kind pickKind()
    {
        const auto r = pick (1, 100);
        if (r <= 22) return Kind::harvest;
        if (r <= 42) return Kind::transfer;
        if (r <= 50) return Kind::loss;
        if (r <= 57) return Kind::writeOff;
        if (r <= 70) return Kind::goodsIn;
        if (r <= 82) return Kind::goodsOut;
        if (r <= 87) return Kind::wineCare;
        if (r <= 93) return Kind::bottling;
        return Kind::reversal;
    }

    /** Runs one booking of that kind; true when it was committed (then kept in `booked`). */
    bool book (Kind kind)
    {
        if (kind == Kind::reversal)
            return reverseOne();
        if (kind == Kind::wineCare)
            return wineCare();
        if (kind == Kind::bottling)
            return bottling();

        Booking b;
        DbTransaction tx;
        if (! tx.isActive())
            return false;
        Glavna entry;
        const int type = kind == Kind::harvest ? OperationType::harvest
                       : kind == Kind::transfer ? OperationType::wineTransfer
                       : kind == Kind::loss ? OperationType::wineCare
                       : kind == Kind::writeOff ? OperationType::wineWriteOff
                       : OperationType::goodsMove;
        if (entry.vknjizi (&db, DateTime(), type, remark) < 1)
            return false;
        b.entry = entry.id;

        bool ok = false;
        switch (kind)
        {
            case Kind::harvest:  ok = harvest (b); break;
            case Kind::transfer: ok = rack (b, true); break;
            case Kind::loss:     ok = rack (b, false); break;
            case Kind::writeOff: ok = writeOff (b); break;
            case Kind::goodsIn:  ok = goods (b, Transfer::kInto); break;
            case Kind::goodsOut: ok = goods (b, Transfer::kOutOf); break;
            case Kind::wineCare:
            case Kind::bottling:
            case Kind::reversal: break;
        }
        // A refusal is no failed statement: the booking must be undone by hand.
        if (! ok)
        {
            tx.rollback();
            return false;
        }
        if (! tx.commit())
            return false;
        booked.push_back (b);
        return true;
    }

    /** Takes one earlier booking back whole, or changes nothing. */
    bool reverseOne()
    {
        std::vector<size_t> open;
        for (size_t i = 0; i < booked.size(); ++i)
            if (! booked[i].reversed)
                open.push_back (i);
        if (open.empty())
            return false;
        auto& b = booked[open[(size_t) pick (0, (juce::int64) open.size() - 1)]];
        if (! reverse (b))
            return false;
        b.reversed = true;
        return true;
    }

    bool reverse (const Booking& b)
    {
        DbTransaction tx;
        if (! tx.isActive())
            return false;
        WineTransfer wine (b.entry, &db);
        ItemTransfer goodsEngine (b.entry, &db);
        bool ok = true;
        for (int vessel : b.wineOut)
            ok = ok && wine.tryReverseOutTransfer (vessel);
        for (int vessel : b.wineIn)
            ok = ok && wine.reverseInTransfer (vessel);
        for (int vessel : b.wineOut)
            ok = ok && wine.reverseOutTransfer (vessel);
        for (auto& [entry, count] : b.goodsIn)
            ok = ok && goodsEngine.reverseInTransfer (entry, (double) count);
        for (auto& [entry, count] : b.goodsOut)
            ok = ok && goodsEngine.reverseOutTransfer (entry, (double) count);
        if (! ok)
        {
            tx.rollback();
            return false;
        }
        return tx.commit();
    }

    std::vector<Booking> booked;
    int bottled = 0;

private:
    struct Held { int wine; juce::int64 hundredths; };

    std::vector<Held> stockIn (int vessel)
    {
        std::vector<Held> held;
        for (auto& row : reader.rows ("SELECT vino,CAST(ROUND(volumen*100) AS INTEGER) FROM zaloga WHERE posoda="
                                                  + juce::String (vessel) + " ORDER BY id"))
            held.push_back ({ row.upToFirstOccurrenceOf ("|", false, false).getIntValue(),
                              row.fromFirstOccurrenceOf ("|", false, false).getLargeIntValue() });
        return held;
    }

    bool harvest (Booking& b)
    {
        const int vessel = (int) pick (5, 8);
        WineTransfer engine (b.entry, &db);
        b.wineIn.insert (vessel);
        // Litres typed with three decimals are rounded by the engine; exact ones go as they are.
        if (chance (30))
            return engine.transfer (Transfer::kInto, vessel, (double) pick (1, 500000) / 1000.0, (int) pick (7, 10), 0);
        return engine.transfer (Transfer::kInto, vessel, Litres::fromHundredths (pick (1, 50000)), (int) pick (7, 10));
    }

    /** The wine-care booking as its window makes it, on a random vessel with a typed loss (now and
        then a hundredth or two above the stock): its outflows and its loss rows both equal the
        loss, every wine loses at most what it holds, and every wine gets its operation row. */
    bool wineCare()
    {
        const int vessel = (int) pick (5, 8);
        const auto held = stockIn (vessel);
        juce::int64 stock = 0;
        for (auto& h : held)
            stock += h.hundredths;
        posoda picked;
        picked.id = vessel;
        if (! PosodaOps::reloadPosoda (picked, &db))
            return false;
        const auto loss = pick (0, stock + 2);
        VinskoOpraviloInput in;
        in.vessel = picked;
        in.kalo = Litres::fromHundredths (loss).toSql();
        in.cena = "1.00";
        in.ddv = 7;
        in.opombe = remark;
        const auto result = VinskoOpraviloSave::save (db, in);
        if (! result.ok)
            return false;
        EXPECT_LE (loss, stock);

        const auto entry = juce::String (result.glavna);
        const juce::String h = "CAST(ROUND(volumen*100) AS INTEGER)";
        EXPECT_EQ (reader.value ("SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=2 AND glavna=" + entry), juce::String (loss));
        EXPECT_EQ (reader.value ("SELECT COUNT(*) FROM pretok WHERE smer=1 AND glavna=" + entry), "0");
        EXPECT_EQ (reader.value ("SELECT IFNULL(SUM(" + h + "),0) FROM kalo WHERE glavna=" + entry), juce::String (loss));
        EXPECT_EQ (reader.rows ("SELECT COUNT(*) || '|' || IFNULL(SUM(" + h + "),0) FROM vinopravilo WHERE glavna=" + entry).joinIntoString ("\n"),
                   juce::String ((int) held.size()) + "|" + juce::String (stock));
        for (auto& w : held)
        {
            const auto lost = reader.value ("SELECT IFNULL(SUM(" + h + "),0) FROM kalo WHERE glavna=" + entry
                                            + " AND vino=" + juce::String (w.wine)).getLargeIntValue();
            EXPECT_GE (lost, 0);
            EXPECT_LE (lost, w.hundredths);
        }

        Booking b;
        b.entry = result.glavna;
        b.wineOut.insert (vessel);
        booked.push_back (b);
        return true;
    }

    /** The bottling as its window books it, from a random vessel into a random warehouse, now and
        then asking for a bottle or a hundredth more than the vessel holds: the outflows add up to
        the bottles' wine and the loss, the loss rows to the loss, the composition to the bottled
        wine, and the warehouse gains the bottles. */
    bool bottling()
    {
        const int vessel = (int) pick (5, 8);
        juce::int64 stock = 0;
        for (auto& h : stockIn (vessel))
            stock += h.hundredths;
        StekleniceInput in;
        in.vessel.id = vessel;
        in.batch.id = 2;
        if (! PosodaOps::reloadPosoda (in.vessel, &db) || ! SerijaStore::reloadSerija (in.batch, &db))
            return false;
        const auto bottles = pick (1, stock / 75 + 1);
        const auto loss = pick (0, juce::jmax<juce::int64> (0, stock - bottles * 75) + 1);
        in.stevilo = juce::String (bottles);
        in.kalo = Litres::fromHundredths (loss).toDouble();
        in.warehouse.id = (int) pick (1, 2);
        in.warehouse.konsig.id = 1;
        in.cena = "5.00";
        in.ddv = 7;
        in.opombe = remark;
        in.addToExistingArticle = [] (const juce::String&) { return true; };
        const auto composedBefore = reader.value ("SELECT IFNULL(CAST(ROUND(SUM(volumen)*100) AS INTEGER),0) FROM kompozicija").getLargeIntValue();
        const auto result = StekleniceSave::save (db, in);
        if (! result.ok)
            return false;
        EXPECT_LE (bottles * 75 + loss, stock);

        const auto entry = juce::String (result.glavna);
        const juce::String h = "CAST(ROUND(volumen*100) AS INTEGER)";
        EXPECT_EQ (reader.value ("SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=2 AND glavna=" + entry), juce::String (bottles * 75 + loss));
        EXPECT_EQ (reader.value ("SELECT IFNULL(SUM(" + h + "),0) FROM kalo WHERE glavna=" + entry), juce::String (loss));
        EXPECT_EQ (reader.value ("SELECT IFNULL(CAST(ROUND(SUM(volumen)*100) AS INTEGER),0) FROM kompozicija").getLargeIntValue() - composedBefore,
                   bottles * 75);
        const auto moved = reader.rows ("SELECT hramba,kolicina FROM prenos WHERE glavna=" + entry);
        EXPECT_EQ (moved.size(), 1);
        if (moved.size() != 1)
            return false;

        Booking b;
        b.entry = result.glavna;
        b.wineOut.insert (vessel);
        b.goodsIn[moved[0].upToFirstOccurrenceOf ("|", false, false).getIntValue()] += bottles;
        ++bottled;
        EXPECT_EQ (moved[0].fromFirstOccurrenceOf ("|", false, false).getLargeIntValue(), bottles);
        booked.push_back (b);
        return true;
    }

    /** A transfer of V into another vessel with a loss K, or a loss alone: the totals spread over
        the source's wines by their stock, each share within its wine. */
    bool rack (Booking& b, bool intoAnother)
    {
        const int source = (int) pick (5, 8);
        const auto held = stockIn (source);
        juce::int64 stock = 0;
        std::vector<std::int64_t> weights;
        for (auto& h : held)
        {
            stock += h.hundredths;
            weights.push_back (h.hundredths);
        }
        if (stock == 0)
            return harvest (b);

        const auto out = pick (intoAnother ? 0 : 1, stock);
        const auto moved = intoAnother ? pick (0, out) : 0;
        const auto outShares = vindoro::splitLargestRemainder (out, weights);
        const auto movedShares = vindoro::splitLargestRemainder (moved, outShares);
        int target = (int) pick (5, 7);
        if (target >= source)
            ++target;

        WineTransfer engine (b.entry, &db);
        b.wineOut.insert (source);
        if (intoAnother)
            b.wineIn.insert (target);
        for (size_t i = 0; i < held.size(); ++i)
        {
            EXPECT_GE (movedShares[i], 0);
            EXPECT_LE (movedShares[i], outShares[i]);
            EXPECT_LE (outShares[i], held[i].hundredths);
            const auto lost = outShares[i] - movedShares[i];
            if (! engine.transfer (Transfer::kOutOf, source, Litres::fromHundredths (outShares[i]), held[i].wine))
                return false;
            if (intoAnother && ! engine.transfer (Transfer::kInto, target, Litres::fromHundredths (movedShares[i]), held[i].wine))
                return false;
            if (lost > 0
                && ! db.sqlQueryNA ("INSERT INTO kalo(glavna,vino,volumen) VALUES(" + juce::String (b.entry) + ","
                                    + juce::String (held[i].wine) + "," + Litres::fromHundredths (lost).toSql() + ")"))
                return false;
        }
        return true;
    }

    bool writeOff (Booking& b)
    {
        const int vessel = (int) pick (5, 8);
        const auto held = stockIn (vessel);
        if (held.empty())
            return harvest (b);
        const auto& h = held[(size_t) pick (0, (juce::int64) held.size() - 1)];
        WineTransfer engine (b.entry, &db);
        b.wineOut.insert (vessel);
        const auto all = Litres::fromHundredths (h.hundredths);
        return engine.transfer (Transfer::kOutOf, vessel, all, h.wine)
               && db.sqlQueryNA ("INSERT INTO razknjizenjevino(glavna,vino,volumen) VALUES(" + juce::String (b.entry) + ","
                                 + juce::String (h.wine) + "," + all.toSql() + ")");
    }

    bool goods (Booking& b, int smer)
    {
        const int warehouse = (int) pick (1, 2);
        const int article = (int) pick (11, 13);
        ItemTransfer engine (b.entry, &db);
        const auto have = reader.value ("SELECT stevilo FROM hramba WHERE skladisce=" + juce::String (warehouse)
                                                    + " AND artikel=" + juce::String (article) + " AND kosovnica=0").getLargeIntValue();
        // Fractions of a piece are typed too; an outflow now and then asks for more than there is.
        const double count = (double) pick (0, smer == Transfer::kInto ? 20 : have + 2) + (double) pick (0, 99) / 100.0;
        if (! engine.transfer (smer, warehouse, count, article, 0))
            return false;
        const int entry = engine.findHramba (warehouse, article, 0);
        auto& moved = smer == Transfer::kInto ? b.goodsIn : b.goodsOut;
        moved[entry] += (juce::int64) count;
        return entry >= 1;
    }

    vtest::Reader& reader;
    SQLtoXml& db;
    std::mt19937 rng;
    juce::String remark;
};

/** Quiet for a child process whose log nobody reads. */
struct SilentLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};
} // namespace

TEST (StockConservation, RandomBookingsReversalsAndFaultsKeepStockEqualToItsMovements)
{
    optest::StandInWorkstation workstation;
    Workstation::set (&workstation);
    SilentLogger quiet;   // thousands of bookings: their log lines are not what is tested here
    auto* previousLogger = juce::Logger::getCurrentLogger();
    juce::Logger::setCurrentLogger (&quiet);

    constexpr int kSequences = 200;
    constexpr int kSteps = 12;
    std::mt19937 seeds (20170305u);
    int committed = 0, undone = 0, reversed = 0, restored = 0, bottlings = 0;

    for (int sequence = 0; sequence < kSequences && ! ::testing::Test::HasFailure(); ++sequence)
    {
        vtest::FreshDatabase database;
        ASSERT_TRUE (optest::addCellar (database.file()));
        ASSERT_TRUE (addBatch (database.file()));
        vtest::FaultInjection faults (database.file(), kTables);
        SQLtoXml db;
        // Durability against a power cut is not what is tested here, and syncing every commit to
        // the disk would make the sequences crawl; the connection stays open for the sequence.
        ASSERT_TRUE (db.sqlQueryNA ("PRAGMA synchronous=OFF"));
        vtest::Reader reader (database.file());
        Cellar cellar (reader, db, seeds(), "seq " + juce::String (sequence));

        for (int step = 0; step < kSteps; ++step)
        {
            SCOPED_TRACE ("sequence " + juce::String (sequence).toStdString() + " step " + juce::String (step).toStdString());
            const auto kind = cellar.pickKind();
            const auto before = reader.dump (kTables);
            const auto stockBefore = stockOf (reader);

            const bool faulty = cellar.chance (20);
            if (faulty)
                faults.failWrite ((int) cellar.pick (1, 10));
            const bool done = cellar.book (kind);
            faults.failWrite (0);

            if (! done)
            {
                // A refused booking, a refused reversal and one hit by a fault change nothing.
                EXPECT_EQ (reader.dump (kTables), before);
                ++undone;
            }
            else if (kind == Kind::reversal)
            {
                ++reversed;
            }
            else
            {
                ++committed;
                // Now and then the booking is taken back at once: the stock is exactly as before it.
                if (! faulty && cellar.chance (15))
                {
                    auto& b = cellar.booked.back();
                    ASSERT_TRUE (cellar.reverse (b));
                    b.reversed = true;
                    EXPECT_EQ (stockOf (reader), stockBefore);
                    ++restored;
                }
            }

            // A booking taken back leaves none of its movement rows.
            juce::StringArray gone;
            for (auto& b : cellar.booked)
                if (b.reversed)
                    gone.add (juce::String (b.entry));
            if (! gone.isEmpty())
                EXPECT_EQ (reader.value ("SELECT (SELECT COUNT(*) FROM pretok WHERE glavna IN (" + gone.joinIntoString (",")
                                                                + ")) + (SELECT COUNT(*) FROM prenos WHERE glavna IN ("
                                                                + gone.joinIntoString (",") + "))"),
                           "0");
            const auto broken = violations (reader);
            EXPECT_TRUE (broken.isEmpty()) << broken.joinIntoString ("\n");
        }
        bottlings += cellar.bottled;
    }
    juce::Logger::setCurrentLogger (previousLogger);
    Workstation::set (nullptr);

    // The sequences really did all of it.
    EXPECT_GT (committed, 1000);
    EXPECT_GT (undone, 100);
    EXPECT_GT (reversed, 50);
    EXPECT_GT (restored, 50);
    EXPECT_GT (bottlings, 30);
}

TEST (StockConservation, ProcessKilledInTheMiddleOfItsBookingsLeavesConsistentStock)
{
    optest::StandInWorkstation workstation;
    Workstation::set (&workstation);
    SilentLogger quiet;
    auto* previousLogger = juce::Logger::getCurrentLogger();
    juce::Logger::setCurrentLogger (&quiet);

    for (unsigned seed : { 11u, 12u, 13u, 14u, 15u, 16u })
    {
        SCOPED_TRACE ("seed " + std::to_string (seed));
        vtest::FreshDatabase database;
        ASSERT_TRUE (optest::addCellar (database.file()));
        ASSERT_TRUE (addBatch (database.file()));
        {
            SQLtoXml db;
            vtest::Reader reader (database.file());
            Cellar start (reader, db, seed, "parent");
            for (int i = 0; i < 10; ++i)
                start.book (i < 4 ? Kind::harvest : start.pickKind());
        }
        SqlitetoXml::disconnect();   // the child must not inherit an open connection

        int ready[2];
        ASSERT_EQ (pipe (ready), 0);
        const pid_t pid = fork();
        ASSERT_GE (pid, 0);
        if (pid == 0)
        {
            close (ready[0]);
            SQLtoXml db;
            vtest::Reader reader (database.file());
            Cellar child (reader, db, seed * 7919u, "child");
            bool told = false;
            for (int i = 0; i < 200000; ++i)
                if (child.book (child.pickKind()) && ! told)
                {
                    told = write (ready[1], "1", 1) == 1;
                }
            _exit (0);
        }

        close (ready[1]);
        pollfd waitFor { ready[0], POLLIN, 0 };
        ASSERT_EQ (poll (&waitFor, 1, 20000), 1) << "the child never booked";
        std::mt19937 when (seed);
        usleep ((useconds_t) std::uniform_int_distribution<int> (0, 40000) (when));
        kill (pid, SIGKILL);
        int status = 0;
        waitpid (pid, &status, 0);
        close (ready[0]);
        ASSERT_TRUE (WIFSIGNALED (status));

        // The next open finds whatever the child had committed, and nothing of what it had not.
        SQLtoXml reopened;
        EXPECT_GE (reopened.sqlQueryInt ("SELECT COUNT(*) FROM glavna WHERE opomba='child'"), 1);
        EXPECT_TRUE (reopened.ok);
        vtest::Reader reader (database.file());
        const auto broken = violations (reader);
        EXPECT_TRUE (broken.isEmpty()) << broken.joinIntoString ("\n");

        // And the file books on.
        Cellar after (reader, reopened, seed + 1, "after");
        for (int i = 0; i < 5; ++i)
            after.book (after.pickKind());
        EXPECT_TRUE (violations (reader).isEmpty());
    }
    juce::Logger::setCurrentLogger (previousLogger);
    Workstation::set (nullptr);
}

// Stock conserved through the harvest, transfer and wine-care saves themselves: random vessels, wines and
// amounts (some beyond what the vessels allow), faults injected at a random write. After every
// step the movements, the loss rows and the stock agree to the hundredth.
#include "core/Amount.h"
#include "operations/PretokSave.h"
#include "operations/TrgatevSave.h"
#include "operations/VinskoOpraviloSave.h"
#include "operations/WineBookingFixture.h"

#include <map>
#include <random>

using vindoro::Litres;

namespace
{
/** Hundredths of a stored litre value. */
const juce::String h = "CAST(ROUND(volumen*100) AS INTEGER)";

juce::StringArray ledgerViolations (vtest::Reader& f)
{
    const juce::StringArray checks {
        "SELECT 'wine stock differs from its movements: ' || a.posoda || '/' || a.vino"
        " FROM (SELECT posoda,vino,SUM(CASE smer WHEN 1 THEN " + h + " ELSE -" + h + " END) AS m FROM pretok GROUP BY posoda,vino) AS a"
        " LEFT JOIN (SELECT posoda,vino,SUM(" + h + ") AS m FROM zaloga GROUP BY posoda,vino) AS z ON z.posoda=a.posoda AND z.vino=a.vino"
        " WHERE a.m<>IFNULL(z.m,0)",
        "SELECT 'vessel above its capacity: ' || p.id FROM posoda AS p WHERE (SELECT IFNULL(SUM(" + h + "),0) FROM zaloga WHERE posoda=p.id)"
        " > CAST(ROUND(p.volumen*100) AS INTEGER)",
        "SELECT 'stock row below a hundredth: ' || posoda || '/' || vino FROM zaloga WHERE " + h + "<1",
        "SELECT 'loss row not above 0: ' || id FROM kalo WHERE " + h + "<1",
    };
    return f.rows (checks.joinIntoString (" UNION ALL "));
}

juce::int64 number (vtest::Reader& f, const juce::String& sql)
{
    return f.value (sql).getLargeIntValue();
}

/** Hundredths held of each wine in a vessel. */
std::map<int, juce::int64> heldIn (vtest::Reader& f, int vessel)
{
    std::map<int, juce::int64> held;
    for (auto& row : f.rows ("SELECT vino," + h + " FROM zaloga WHERE posoda=" + juce::String (vessel)))
        held[row.upToFirstOccurrenceOf ("|", false, false).getIntValue()] = row.fromFirstOccurrenceOf ("|", false, false).getLargeIntValue();
    return held;
}

struct SilentLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};
} // namespace

class WineSaveConservation : public optest::WineBookingFixture
{
};

TEST_F (WineSaveConservation, RandomHarvestsTransfersAndWineCareKeepStockEqualToMustLessLoss)
{
    SilentLogger quiet;
    auto* previousLogger = juce::Logger::getCurrentLogger();
    juce::Logger::setCurrentLogger (&quiet);

    ASSERT_TRUE (exec ("INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) VALUES (3,'Dol',1,'',185,1)"));
    vtest::Reader reader (file());
    vtest::FaultInjection faults (file(), optest::wineBookingTables());
    std::mt19937 rng (20171020u);
    auto pick = [&] (juce::int64 lo, juce::int64 hi) { return std::uniform_int_distribution<juce::int64> (lo, hi) (rng); };

    WineOperationExtras extras;
    juce::int64 harvested = 0;
    int committed = 0, refused = 0, transfers = 0, cares = 0;

    for (int step = 0; step < 300 && ! HasFailure(); ++step)
    {
        SCOPED_TRACE ("step " + std::to_string (step));
        const auto before = reader.dump (optest::wineBookingTables());
        const bool faulty = pick (1, 100) <= 20;
        if (faulty)
            faults.failWrite ((int) pick (1, 20));

        juce::String error;
        int entry = 0;
        bool done = false;
        const auto kind = pick (1, 100);
        const bool isTransfer = kind <= 45;
        const bool isCare = kind > 80;
        juce::int64 volume = 0, loss = 0;
        int source = 0, target = 0;
        std::map<int, juce::int64> sourceHeld;
        if (isTransfer)
        {
            source = (int) pick (5, 8);
            target = (int) pick (5, 7);
            if (target >= source)
                ++target;
            sourceHeld = heldIn (reader, source);
            juce::int64 stock = 0;
            for (auto& [wine, held] : sourceHeld)
                stock += held;
            const auto free = 100000 - number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM zaloga WHERE posoda=" + juce::String (target));
            // Mostly what fits, now and then a little more than the stock or the free space allows.
            volume = pick (1, std::max<juce::int64> (1, std::min (stock, free) + 2));
            loss = pick (0, std::max<juce::int64> (0, stock - volume + 1));
            PretokForm f;
            f.source.id = source;
            f.target.id = target;
            PosodaOps::reloadPosoda (f.source, &db);
            PosodaOps::reloadPosoda (f.target, &db);
            f.volumen = Litres::fromHundredths (volume).toDouble();
            f.kalo = Litres::fromHundredths (loss).toDouble();
            f.declarationOpen = true;
            f.tipSorta.id = 2;
            f.tipLetnik = "2017";
            f.ddv = 7;
            f.cena = "1";
            done = PretokSave::save (db, f, extras, nullptr, error, &entry);
        }
        else if (isCare)
        {
            VinskoOpraviloInput f;
            f.vessel.id = (int) pick (5, 8);
            PosodaOps::reloadPosoda (f.vessel, &db);
            sourceHeld = heldIn (reader, f.vessel.id);
            juce::int64 stock = 0;
            for (auto& [wine, held] : sourceHeld)
                stock += held;
            // Now and then a little more than the vessel holds.
            loss = pick (0, stock + 2);
            f.kalo = Litres::fromHundredths (loss).toSql();
            f.declarationOpen = true;
            f.declaredVariety.id = 2;
            f.declaredVintage = "2017";
            f.ddv = 7;
            f.cena = "1";
            f.extras = &extras;
            const auto result = VinskoOpraviloSave::save (db, f);
            done = result.ok;
            error = result.error;
            entry = result.glavna;
        }
        else
        {
            TrgatevForm f;
            f.vessel.id = (int) pick (5, 8);
            PosodaOps::reloadPosoda (f.vessel, &db);
            f.sorta.id = (int) pick (1, 3);
            f.parcela = (int) pick (2, 3);
            f.letnik = (int) pick (2016, 2017);
            volume = pick (1, 40000);
            f.mosta = Litres::fromHundredths (volume).toSql();
            f.grozdja = "100";
            f.cena = "0.5";
            f.ddv = 7;
            f.declarationOpen = true;
            f.tipSorta.id = 2;
            f.tipLetnik = "2017";
            done = TrgatevSave::save (db, f, extras, nullptr, error, &entry);
        }
        faults.failWrite (0);

        if (! done)
        {
            EXPECT_FALSE (error.isEmpty());
            EXPECT_EQ (reader.dump (optest::wineBookingTables()), before);
            ++refused;
        }
        else
        {
            ++committed;
            const auto e = juce::String (entry);
            const auto in = number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=1 AND glavna=" + e);
            const auto out = number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=2 AND glavna=" + e);
            const auto lost = number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM kalo WHERE glavna=" + e);
            if (isCare)
            {
                ++cares;
                EXPECT_EQ (in, 0);
                EXPECT_EQ (out, loss);
                EXPECT_EQ (lost, loss);
                for (auto& [wine, held] : sourceHeld)
                {
                    const auto w = " AND vino=" + juce::String (wine) + " AND glavna=" + e;
                    const auto wineOut = number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=2" + w);
                    EXPECT_EQ (wineOut, number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM kalo WHERE 1" + w));
                    EXPECT_LE (0, wineOut);
                    EXPECT_LE (wineOut, held);
                }
            }
            else if (isTransfer)
            {
                ++transfers;
                EXPECT_EQ (in, volume);
                EXPECT_EQ (out, in + lost);
                EXPECT_EQ (lost, loss);
                for (auto& [wine, held] : sourceHeld)
                {
                    const auto w = " AND vino=" + juce::String (wine) + " AND glavna=" + e;
                    const auto wineIn = number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=1" + w);
                    const auto wineOut = number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=2" + w);
                    EXPECT_LE (0, wineIn);
                    EXPECT_LE (wineIn, wineOut);
                    EXPECT_LE (wineOut, held);
                }
            }
            else
            {
                EXPECT_EQ (in, volume);
                EXPECT_EQ (out, 0);
                harvested += volume;
            }
        }
        EXPECT_EQ (number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM zaloga"),
                   harvested - number (reader, "SELECT IFNULL(SUM(" + h + "),0) FROM kalo"));
        const auto broken = ledgerViolations (reader);
        EXPECT_TRUE (broken.isEmpty()) << broken.joinIntoString ("\n");
    }
    juce::Logger::setCurrentLogger (previousLogger);

    EXPECT_GT (committed, 100);
    EXPECT_GT (refused, 30);
    EXPECT_GT (transfers, 50);
    EXPECT_GT (cares, 20);
}

// Opening stock and corrections of a wine through the saves the stock windows run, on a real
// database: the cases of each kind of correction, the checks that refuse before anything is
// written, every write made to fail in turn, and stock conserved over many random saves.
#include "core/TextHelpers.h"
#include "operations/UrediZalogSave.h"
#include "operations/VinoRecord.h"
#include "operations/VnosZalogSave.h"
#include "operations/WineBookingFixture.h"

#include <random>

using vindoro::Litres;

namespace
{
juce::StringArray stockTables()
{
    auto tables = optest::wineBookingTables();
    tables.addArray ({ "starovino", "razknjizenjevino" });
    return tables;
}

struct SilentLogger : juce::Logger
{
    void logMessage (const juce::String&) override {}
};
} // namespace

class WineStockSave : public optest::WineBookingFixture
{
protected:
    void SetUp() override
    {
        WineBookingFixture::SetUp();
        // Vessel 8 large enough for the long quantities; every vessel with a VAT rate.
        ASSERT_TRUE (exec ("UPDATE posoda SET volumen=20000 WHERE id=8; UPDATE posoda SET ddv=3, cena=1.5;"));
    }

    VnosZalogForm entryForm (int vessel, int sorta, const juce::String& kolicina, int letnik = 2016)
    {
        VnosZalogForm f;
        f.vessel = this->vessel (vessel);
        f.sorta.id = sorta;
        f.letnik = letnik;
        f.kolicina = kolicina;
        f.parcela = 2;
        f.datum = "2017-10-20 10:00:00";
        return f;
    }

    /** Enters opening stock and returns the wine it went to. */
    int enter (int vessel, int sorta, const juce::String& kolicina, int letnik = 2016)
    {
        juce::String error;
        EXPECT_TRUE (VnosZalogSave::save (db, entryForm (vessel, sorta, kolicina, letnik), nullptr, error, &entry)) << error;
        return value ("SELECT vino FROM starovino WHERE glavna=" + juce::String (entry)).getIntValue();
    }

    /** The wine as the vessel's wine list shows it. */
    VinoRecord listed (int vessel, int vino)
    {
        auto list = db.sqlFetch (vinoListSql (vessel));
        if (list != nullptr)
            if (auto* data = list->getChildByName ("DATA"))
                for (auto* row : data->getChildIterator())
                    if (row->getIntAttribute ("vinoid") == vino)
                        return interpretVinoXml (row);
        return {};
    }

    /** The editor opened on the wine, its quantity shown as the window shows it. */
    UrediZalogForm editForm (int vessel, int vino)
    {
        UrediZalogForm f;
        f.loadedVessel = this->vessel (vessel);
        f.vessel = f.loadedVessel;
        f.loaded = listed (vessel, vino);
        f.wine = f.loaded;
        f.kolicina = formatDecimal2 (f.loaded.volumen);
        f.datum = "2017-11-02 09:00:00";
        return f;
    }

    bool edit (const UrediZalogForm& f, juce::String& error) { return UrediZalogSave::save (db, f, nullptr, error, &entry); }

    juce::String sumOf (const juce::String& table, const juce::String& where = {})
    {
        return value ("SELECT printf('%.2f',IFNULL(SUM(volumen),0)) FROM " + table + " WHERE glavna=" + juce::String (entry) + where);
    }

    juce::StringArray dumpStock() const { return vtest::dumpTables (file(), stockTables()); }

    int entry = 0;
};

TEST_F (WineStockSave, OpeningStockFindsOrMakesTheWineAndRefusesWhatDoesNotFit)
{
    const int wine = enter (5, 3, "600");
    ASSERT_GT (wine, 10);
    EXPECT_EQ (rows ("SELECT parcela,sorta,letnik FROM vino WHERE id=" + juce::String (wine)), juce::StringArray ({ "2|3|2016" }));
    EXPECT_EQ (value ("SELECT opravilo FROM glavna WHERE id=" + juce::String (entry)), "26");
    EXPECT_EQ (sumOf ("pretok", " AND smer=1"), "600.00");
    EXPECT_EQ (sumOf ("starovino"), "600.00");
    EXPECT_EQ (enter (5, 3, formatDecimal2 (0.01)), wine) << "the same identity reuses its row";
    EXPECT_EQ (value ("SELECT COUNT(*) FROM vino WHERE sorta=3"), "1");

    struct Case { const char* name; std::function<void (VnosZalogForm&)> change; const char* key; };
    const Case cases[] = {
        { "nothing typed", [] (VnosZalogForm& f) { f.kolicina = "0"; }, "Volumen pretoka ni dolocen" },
        { "no variety", [] (VnosZalogForm& f) { f.sorta = SortaRecord::empty(); }, "Sorta ni izbrana" },
        { "no vessel", [] (VnosZalogForm& f) { f.vessel = posoda(); }, "Posoda ni izbrana" },
        { "beyond the free space", [] (VnosZalogForm& f) { f.kolicina = "400"; }, "Volumen pretoka je vecji od placa" },
        { "a second variety, undeclared", [] (VnosZalogForm& f) { f.sorta.id = 2; f.kolicina = "10"; }, "Tipizacija ni izbrana" },
        { "vessel changed meanwhile", [] (VnosZalogForm& f) { f.vessel.zaloga -= 1; },
          "Vsebina posode se je med urejanjem spremenila. Preverite kolicine." },
    };
    const auto before = dumpStock();
    for (auto& c : cases)
    {
        auto f = entryForm (5, 3, "300");
        c.change (f);
        juce::String error;
        EXPECT_FALSE (VnosZalogSave::save (db, f, nullptr, error)) << c.name;
        EXPECT_EQ (error, TRANS (c.key)) << c.name;
        EXPECT_EQ (dumpStock(), before) << c.name;
    }
    // What is exactly free still fits, and the vessel handed back carries it.
    auto f = entryForm (5, 3, formatDecimal2 (399.99));
    posoda raised;
    juce::String error;
    ASSERT_TRUE (VnosZalogSave::save (db, f, nullptr, error, &entry, &raised)) << error;
    EXPECT_EQ (Litres::fromStoredDouble (raised.zaloga), Litres::fromHundredths (100000));
    EXPECT_EQ (Litres::fromStoredDouble (vessel (5).zaloga), Litres::fromHundredths (100000));
}

TEST_F (WineStockSave, CorrectionsInTheSameVessel)
{
    struct Case
    {
        const char* name;
        const char* first;       // the wine's litres when the editor opens
        const char* typed;       // "Quantity" as typed
        const char* type;        // the entry booked, "" for none
        const char* writtenOff;  // razknjizenjevino of the entry
        const char* opening;     // starovino of the entry
        juce::StringArray after; // the wine's stock row
    };
    const Case cases[] = {
        { "100 to 60", "100", "60", "31", "40.00", "0.00", { "60.00" } },
        { "60 to 100", "60", "100", "26", "0.00", "40.00", { "100.00" } },
        { "to nothing", "100", "0", "31", "100.00", "0.00", {} },
        { "below nothing", "100", "-5", "31", "100.00", "0.00", {} },
        { "unchanged", "100", nullptr, "", "0.00", "0.00", { "100.00" } },
        { "unchanged, two decimals", "123.45", nullptr, "", "0.00", "0.00", { "123.45" } },
        { "unchanged, long", "12345.67", nullptr, "", "0.00", "0.00", { "12345.67" } },
    };
    for (auto& c : cases)
    {
        ASSERT_TRUE (exec ("DELETE FROM zaloga; DELETE FROM pretok; DELETE FROM starovino; DELETE FROM razknjizenjevino;"));
        const int wine = enter (8, 3, formatDecimal2 (juce::String (c.first).getDoubleValue()));
        const auto journal = value ("SELECT COUNT(*) FROM glavna");
        auto f = editForm (8, wine);
        if (c.typed != nullptr)
            f.kolicina = c.typed;
        const auto before = dumpStock();
        entry = 0;
        juce::String error;
        ASSERT_TRUE (edit (f, error)) << c.name << ": " << error;
        if (juce::String (c.type).isEmpty())
        {
            EXPECT_EQ (entry, -1) << c.name;
            EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna"), journal) << c.name;
            EXPECT_EQ (dumpStock(), before) << c.name << ": an unchanged save books nothing";
        }
        else
            EXPECT_EQ (value ("SELECT opravilo FROM glavna WHERE id=" + juce::String (entry)), c.type) << c.name;
        EXPECT_EQ (sumOf ("razknjizenjevino"), c.writtenOff) << c.name;
        EXPECT_EQ (sumOf ("starovino"), c.opening) << c.name;
        EXPECT_EQ (rows ("SELECT printf('%.2f',volumen) FROM zaloga WHERE vino=" + juce::String (wine)), c.after) << c.name;
    }
}

TEST_F (WineStockSave, ChecksRefuseBeforeAnythingIsWritten)
{
    const int wine = enter (5, 3, "100");
    enter (6, 3, "950", 2015);
    struct Case { const char* name; std::function<void (UrediZalogForm&)> change; const char* key; };
    const Case cases[] = {
        { "beyond the vessel", [] (UrediZalogForm& f) { f.kolicina = formatDecimal2 (1000.01); }, "Volumen pretoka je vecji od placa" },
        { "moved where it does not fit", [this] (UrediZalogForm& f) { f.vessel = vessel (6); }, "Volumen pretoka je vecji od placa" },
        { "moved with another quantity", [this] (UrediZalogForm& f) { f.vessel = vessel (7); f.kolicina = "90"; },
          "UrediZalog premik s kolicino" },
        { "renamed with another quantity", [] (UrediZalogForm& f) { f.wine.letnik = 2014; f.kolicina = "90"; },
          "UrediZalog premik s kolicino" },
        { "no variety", [] (UrediZalogForm& f) { f.wine.sorta = SortaRecord::empty(); }, "Sorta ni izbrana" },
        { "picked vessel changed meanwhile", [] (UrediZalogForm& f) { f.vessel.zaloga = 99; },
          "Vsebina posode se je med urejanjem spremenila. Preverite kolicine." },
        { "left vessel changed meanwhile", [this] (UrediZalogForm& f) { f.loadedVessel.zaloga = 99; f.vessel = vessel (7); },
          "Vsebina posode se je med urejanjem spremenila. Preverite kolicine." },
        { "the wine's litres changed meanwhile", [] (UrediZalogForm& f) { f.loaded.volumen = 99; f.kolicina = "99"; },
          "Vsebina posode se je med urejanjem spremenila. Preverite kolicine." },
    };
    ASSERT_TRUE (exec ("INSERT INTO vino(id,parcela,sorta,letnik) VALUES (20,2,2,2016); INSERT INTO zaloga(posoda,vino,volumen) VALUES (7,20,10)"));
    ASSERT_TRUE (exec ("UPDATE posoda SET volumen=2000 WHERE id=7"));
    const auto before = dumpStock();
    for (auto& c : cases)
    {
        auto f = editForm (5, wine);
        c.change (f);
        juce::String error;
        EXPECT_FALSE (edit (f, error)) << c.name;
        EXPECT_EQ (error, TRANS (c.key)) << c.name;
        EXPECT_EQ (dumpStock(), before) << c.name;
    }
    auto f = editForm (5, wine);
    f.vessel = vessel (7);
    juce::String error;
    EXPECT_FALSE (edit (f, error));
    EXPECT_EQ (error, TRANS ("Tipizacija ni izbrana")) << "a move beside another variety wants a declaration";
    EXPECT_EQ (dumpStock(), before);
}

TEST_F (WineStockSave, AMoveBooksOutWhatItBooksIn)
{
    const int wine = enter (5, 3, "100");
    auto f = editForm (5, wine);
    f.vessel = vessel (7);
    juce::String error;
    ASSERT_TRUE (edit (f, error)) << error;
    EXPECT_EQ (value ("SELECT opravilo FROM glavna WHERE id=" + juce::String (entry)), "6");
    EXPECT_EQ (sumOf ("pretok", " AND smer=1 AND posoda=7"), "100.00");
    EXPECT_EQ (sumOf ("pretok", " AND smer=2 AND posoda=5"), "100.00");
    EXPECT_EQ (stock(), juce::StringArray ({ "7|" + juce::String (wine) + "|100.00" }));
}

TEST_F (WineStockSave, ANewIdentityRewritesTheWineOnlyWhenNothingElseSharesIt)
{
    // Held in vessel 5 alone: the row itself takes the new vintage, nothing is booked.
    const int alone = enter (5, 3, "100");
    auto f = editForm (5, alone);
    f.wine.letnik = 2015;
    juce::String error;
    ASSERT_TRUE (edit (f, error)) << error;
    EXPECT_EQ (entry, -1);
    EXPECT_EQ (rows ("SELECT parcela,sorta,letnik FROM vino WHERE id=" + juce::String (alone)), juce::StringArray ({ "2|3|2015" }));

    // Held in vessels 6 and 7: vessel 6's litres go to a new wine, vessel 7 keeps the old one.
    const int shared = enter (6, 2, "80", 2014);
    ASSERT_EQ (enter (7, 2, "20", 2014), shared);
    f = editForm (6, shared);
    f.wine.letnik = 2013;
    ASSERT_TRUE (edit (f, error)) << error;
    EXPECT_EQ (value ("SELECT opravilo FROM glavna WHERE id=" + juce::String (entry)), "6");
    EXPECT_EQ (rows ("SELECT letnik FROM vino WHERE id=" + juce::String (shared)), juce::StringArray ({ "2014" }));
    const auto fresh = value ("SELECT id FROM vino WHERE sorta=2 AND letnik=2013 AND parcela=2");
    ASSERT_TRUE (fresh.isNotEmpty());
    juce::StringArray expected;
    expected.add ("5|" + juce::String (alone) + "|100.00");
    expected.add ("6|" + fresh + "|80.00");
    expected.add ("7|" + juce::String (shared) + "|20.00");
    EXPECT_EQ (stock(), expected);
    EXPECT_EQ (sumOf ("pretok", " AND smer=1"), sumOf ("pretok", " AND smer=2"));

    // Taking an identity another row has: the litres go to that row, no second row is made.
    f = editForm (5, alone);
    f.wine.sorta.id = 2;
    f.wine.letnik = 2013;
    ASSERT_TRUE (edit (f, error)) << error;
    EXPECT_EQ (value ("SELECT COUNT(*) FROM vino WHERE sorta=2 AND letnik=2013 AND parcela=2"), "1");
    EXPECT_EQ (rows ("SELECT posoda,printf('%.2f',volumen) FROM zaloga WHERE vino=" + fresh + " ORDER BY posoda"),
               juce::StringArray ({ "5|100.00", "6|80.00" }));
    EXPECT_EQ (rows ("SELECT letnik FROM vino WHERE id=" + juce::String (alone)), juce::StringArray ({ "2015" }));
}

TEST_F (WineStockSave, AFailedWriteLeavesNothingOfAnyKindOfSave)
{
    const int wine = enter (5, 3, "100");
    const int shared = enter (6, 2, "50", 2014);
    ASSERT_EQ (enter (7, 2, "20", 2014), shared);
    struct Case { const char* name; std::function<bool (juce::String&)> save; int writes; };
    const Case cases[] = {
        { "opening stock", [this] (juce::String& e) { return VnosZalogSave::save (db, entryForm (5, 3, "10"), nullptr, e); }, 4 },
        { "more", [&] (juce::String& e) { auto f = editForm (5, wine); f.kolicina = "130"; return edit (f, e); }, 4 },
        { "less", [&] (juce::String& e) { auto f = editForm (5, wine); f.kolicina = "30"; return edit (f, e); }, 4 },
        { "another vessel", [&] (juce::String& e) { auto f = editForm (5, wine); f.vessel = vessel (8); return edit (f, e); }, 6 },
        { "identity moved", [&] (juce::String& e) { auto f = editForm (6, shared); f.wine.letnik = 2013; return edit (f, e); }, 6 },
    };
    const auto tables = stockTables();
    for (auto& c : cases)
    {
        const auto before = dumpStock();
        vtest::FaultInjection faults (file(), tables);
        int n = 1;
        for (; n < 100; ++n)
        {
            faults.failWrite (n);
            juce::String error;
            const bool ok = c.save (error);
            faults.failWrite (0);
            if (ok)
                break;
            EXPECT_FALSE (error.isEmpty()) << c.name << " write " << n;
            EXPECT_EQ (dumpStock(), before) << c.name << " write " << n;
        }
        EXPECT_GE (n, c.writes) << c.name << ": every write of the booking was tried";
        EXPECT_NE (dumpStock(), before) << c.name;
    }
}

TEST_F (WineStockSave, RandomEntriesAndCorrectionsConserveStock)
{
    SilentLogger quiet;
    auto* previousLogger = juce::Logger::getCurrentLogger();
    juce::Logger::setCurrentLogger (&quiet);
    const juce::String h = "CAST(ROUND(volumen*100) AS INTEGER)";
    vtest::Reader reader (file());
    vtest::FaultInjection faults (file(), stockTables());
    std::mt19937 rng (20261211u);
    auto pick = [&] (int lo, int hi) { return std::uniform_int_distribution<int> (lo, hi) (rng); };
    auto number = [&] (const juce::String& sql) { return reader.value (sql).getLargeIntValue(); };
    int committed = 0, refused = 0;

    for (int step = 0; step < 200 && ! HasFailure(); ++step)
    {
        SCOPED_TRACE ("step " + std::to_string (step));
        const auto before = reader.dump (stockTables());
        const int v = pick (5, 8);
        const auto wines = reader.rows ("SELECT vino FROM zaloga WHERE posoda=" + juce::String (v));
        const auto typed = formatDecimal2 (pick (0, 60000) / 100.0);
        juce::String error;
        bool done = false;
        int kind = wines.isEmpty() ? 0 : pick (0, 3);
        if (pick (1, 100) <= 20)
            faults.failWrite (pick (1, 8));
        if (kind == 0)
        {
            auto f = entryForm (v, pick (2, 3), typed, pick (2014, 2016));
            f.declarationOpen = true;
            f.tipSorta.id = 2;
            f.tipLetnik = "2016";
            done = VnosZalogSave::save (db, f, nullptr, error, &entry);
        }
        else
        {
            auto f = editForm (v, wines[pick (0, wines.size() - 1)].getIntValue());
            if (kind == 1)
                f.kolicina = typed;
            else if (kind == 2)
                f.vessel = vessel (pick (5, 8));
            else
                f.wine.letnik = pick (2014, 2016);
            f.declarationOpen = true;
            f.tipSorta.id = 2;
            f.tipLetnik = "2016";
            done = edit (f, error);
        }
        faults.failWrite (0);
        if (! done)
        {
            ++refused;
            EXPECT_FALSE (error.isEmpty());
            EXPECT_EQ (reader.dump (stockTables()), before);
        }
        else
        {
            ++committed;
            const auto e = juce::String (entry);
            const auto in = number ("SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=1 AND glavna=" + e);
            const auto out = number ("SELECT IFNULL(SUM(" + h + "),0) FROM pretok WHERE smer=2 AND glavna=" + e);
            const auto type = reader.value ("SELECT opravilo FROM glavna WHERE id=" + e);
            if (type == "26")
            {
                EXPECT_EQ (out, 0);
                EXPECT_EQ (in, number ("SELECT IFNULL(SUM(" + h + "),0) FROM starovino WHERE glavna=" + e));
            }
            else if (type == "31")
            {
                EXPECT_EQ (in, 0);
                EXPECT_EQ (out, number ("SELECT IFNULL(SUM(" + h + "),0) FROM razknjizenjevino WHERE glavna=" + e));
            }
            else if (type == "6")
                EXPECT_EQ (in, out);
        }
        const auto total = number ("SELECT IFNULL(SUM(" + h + "),0) FROM zaloga");
        EXPECT_EQ (total, number ("SELECT IFNULL(SUM(" + h + "),0) FROM starovino")
                              - number ("SELECT IFNULL(SUM(" + h + "),0) FROM razknjizenjevino"));
        const auto broken = reader.rows (
            "SELECT 'stock differs from its movements: ' || a.posoda || '/' || a.vino FROM (SELECT posoda,vino,SUM(CASE smer WHEN 1 THEN "
            + h + " ELSE -" + h + " END) AS m FROM pretok GROUP BY posoda,vino) AS a LEFT JOIN (SELECT posoda,vino,SUM(" + h
            + ") AS m FROM zaloga GROUP BY posoda,vino) AS z ON z.posoda=a.posoda AND z.vino=a.vino WHERE a.m<>IFNULL(z.m,0)"
            " UNION ALL SELECT 'above its capacity: ' || p.id FROM posoda AS p WHERE (SELECT IFNULL(SUM(" + h
            + "),0) FROM zaloga WHERE posoda=p.id) > CAST(ROUND(p.volumen*100) AS INTEGER)"
            " UNION ALL SELECT 'two rows of one identity: ' || sorta || '/' || letnik FROM vino WHERE sorta IS NOT NULL"
            " GROUP BY parcela,sorta,letnik HAVING COUNT(*)>1");
        EXPECT_TRUE (broken.isEmpty()) << broken.joinIntoString ("\n");
    }
    juce::Logger::setCurrentLogger (previousLogger);
    EXPECT_GT (committed, 60);
    EXPECT_GT (refused, 20);
}

TEST (VinoRecord, RowsAndSlots)
{
    juce::XmlElement bare ("ITEM");
    const auto fromBare = interpretVinoXml (&bare);
    EXPECT_EQ (fromBare.id, 0);
    EXPECT_EQ (fromBare.sorta.id, 1);
    EXPECT_EQ (fromBare.parcela.id, 1);
    EXPECT_EQ (interpretVinoXml (nullptr).id, -1);

    VinoListener holder;
    auto wine = fromBare;
    wine.id = 9;
    holder.setIDN (wine, 3);
    EXPECT_EQ (holder.getVino (3).id, -1);
    EXPECT_EQ (holder.getVino (0).id, -1);
    holder.setIDN (wine, 1);
    EXPECT_EQ (holder.getVino (1).id, 9);
    EXPECT_FALSE (holder.takeSorta (wine.sorta, 1)) << "the same variety changes nothing";
    SortaRecord other;
    other.id = 3;
    EXPECT_TRUE (holder.takeSorta (other, 1));
    EXPECT_EQ (holder.getVino (1).sorta.id, 3);
    ParcelaRecord parcel;
    parcel.id = 2;
    EXPECT_TRUE (holder.takeParcela (parcel));
    EXPECT_FALSE (holder.takeParcela (parcel));
    EXPECT_EQ (holder.getVino (1).parcela.id, 2);
}

// Bottlings through the booking the bottling window runs, on a real database: the wine leaving the
// vessel wine by wine to the hundredth, the batch's article found or made, every refusal writing
// nothing, and every write of the booking made to fail in turn.
#include "cellar/SerijaListener.h"
#include "cellar/SerijaStore.h"
#include "core/TextHelpers.h"
#include "operations/WineBookingFixture.h"
#include "warehouse/StekleniceSave.h"

#include <functional>

using vindoro::Litres;

namespace
{
juce::StringArray bottlingTables()
{
    auto tables = optest::wineBookingTables();
    tables.addArray ({ "steklenicenje", "kompozicija", "serija", "hramba", "prenos" });
    return tables;
}

/** A window that only keeps what the booking hands back. */
struct BatchSlot : SerijaListener
{
};

class StekleniceSaveTest : public optest::WineBookingFixture
{
protected:
    void SetUp() override
    {
        WineBookingFixture::SetUp();
        // Batch 2 of 0.75 l bottles; 3 of a model without a volume, 4 of one without a unit row;
        // warehouse 3 holds a consignment party's goods, 4 is marked with the own-stock party 1.
        ASSERT_TRUE (exec ("INSERT INTO model(id,oznaka,volumen,enota,active) VALUES (2,'Bordo',0.75,7,1),(3,'Prazen',0,7,1),(4,'Brez enote',0.75,99,1),"
                           "(5,'Balon',10.01,7,1),(6,'Centiliter',0.01,7,1);"
                           "INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo,datum,active) VALUES "
                           "(2,'A',2017,3,2,2,100,'2017-10-01 10:00:00',1),(3,'B',2017,3,3,2,0,'2017-10-01 10:00:00',1),"
                           "(4,'C',2017,3,4,2,0,'2017-10-01 10:00:00',1),(5,'D',2017,3,5,2,0,'2017-10-01 10:00:00',1),"
                           "(6,'E',2017,3,6,2,0,'2017-10-01 10:00:00',1);"
                           "INSERT INTO skladisce(id,ime,active,konsig) VALUES (3,'Konsignacija',1,2),(4,'Lastno',1,1);"
                           "INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,400),(5,8,200);"));
    }

    SerijaRecord batch (int id)
    {
        SerijaRecord b;
        b.id = id;
        EXPECT_TRUE (SerijaStore::reloadSerija (b, &db));
        return b;
    }

    static SkladisceRecord warehouse (int id, const juce::String& name = "Skladisce", int party = 1)
    {
        SkladisceRecord w;
        w.id = id;
        w.ime = name;
        w.konsig.id = party;
        return w;
    }

    StekleniceInput bottling (const juce::String& bottles, double loss = 0)
    {
        StekleniceInput in;
        in.vessel = vessel (5);
        in.batch = batch (2);
        in.warehouse = warehouse (1);
        in.stevilo = bottles;
        in.kalo = loss;
        in.cena = "6" + decimalSeparator() + "50";
        in.ddv = 7;
        in.datum = "2017-11-20 09:30:00";
        in.opombe = "polnjenje";
        in.analize = &analize;
        in.addToExistingArticle = [this] (const juce::String& question)
        {
            questions.add (question);
            return answerYes;
        };
        return in;
    }

    StekleniceResult save (const StekleniceInput& in)
    {
        auto r = StekleniceSave::save (db, in);
        if (r.ok)
            entry = r.glavna;
        return r;
    }

    juce::String ofEntry (const juce::String& sql) const { return value (sql + juce::String (entry)); }
    juce::StringArray dumpAll() const { return vtest::dumpTables (file(), bottlingTables()); }
    /** The wine rows of the vessel as "vino|volumen" with two decimals, largest first. */
    juce::StringArray vesselStock (int id = 5) const
    {
        return rows ("SELECT vino,printf('%.2f',volumen) FROM zaloga WHERE posoda=" + juce::String (id) + " ORDER BY vino");
    }

    AnalizaValues analize;
    juce::StringArray questions;
    bool answerYes = true;
    int entry = 0;
};
} // namespace

TEST (StekleniceLitres, BottlesAndLitresFollowEachOtherByTheBottle)
{
    SerijaRecord b;
    b.id = 2;
    b.model.volumen = 0.75;
    b.model.enota.SI = 0.001;
    const auto bottle = StekleniceSave::bottleMillionths (b);
    EXPECT_EQ (bottle, 750000);
    EXPECT_EQ (StekleniceSave::volumeOf (13, bottle), Litres::fromHundredths (975));
    EXPECT_EQ (StekleniceSave::bottlesIn (Litres::fromHundredths (1000), bottle), 13);
    EXPECT_EQ (StekleniceSave::bottlesIn (Litres::fromHundredths (975), bottle), 13);
    EXPECT_EQ (StekleniceSave::bottlesIn (Litres::fromHundredths (974), bottle), 12);

    // A third of a litre in millilitres: three bottles are 1.00 l, one is 0.33 l (halves away from zero).
    b.model.volumen = 333.5;
    b.model.enota.SI = 1.0e-06;
    EXPECT_EQ (StekleniceSave::bottleMillionths (b), 333500);
    EXPECT_EQ (StekleniceSave::volumeOf (3, 333500), Litres::fromHundredths (100));
    EXPECT_EQ (StekleniceSave::volumeOf (1, 333500), Litres::fromHundredths (33));
    EXPECT_EQ (StekleniceSave::volumeOf (1, 335000), Litres::fromHundredths (34));

    // No model volume, no unit, no batch: a bottle holds nothing and no division by it happens.
    for (auto [volumen, si, id] : { std::tuple { 0.0, 0.001, 2 }, { 0.75, 0.0, 2 }, { 0.75, 0.001, -1 } })
    {
        b.id = id;
        b.model.volumen = volumen;
        b.model.enota.SI = si;
        EXPECT_EQ (StekleniceSave::bottleMillionths (b), 0);
        EXPECT_EQ (StekleniceSave::bottlesIn (Litres::fromHundredths (1000), 0), 0);
        EXPECT_EQ (StekleniceSave::volumeOf (10, 0), Litres());
    }
}

TEST_F (StekleniceSaveTest, FourHundredBottlesTakeHalfOfEveryWine)
{
    const auto before = rows ("SELECT COUNT(*) FROM glavna");
    analize.alkohol = "12" + decimalSeparator() + "5";
    const auto r = save (bottling ("400"));
    ASSERT_TRUE (r.ok) << r.error;
    EXPECT_EQ (vesselStock(), juce::StringArray ({ "7|200.00", "8|100.00" }));
    EXPECT_EQ (rows ("SELECT vino,smer,posoda,printf('%.2f',volumen) FROM pretok WHERE glavna=" + juce::String (entry) + " ORDER BY vino"),
               juce::StringArray ({ "7|2|5|200.00", "8|2|5|100.00" }));
    EXPECT_EQ (ofEntry ("SELECT COUNT(*) FROM kalo WHERE glavna="), "0");
    EXPECT_EQ (rows ("SELECT vino,posoda,printf('%.2f',volumen) FROM kompozicija WHERE serija=2 ORDER BY vino"),
               juce::StringArray ({ "7|5|200.00", "8|5|100.00" }));
    EXPECT_EQ (value ("SELECT stevilo FROM serija WHERE id=2"), "500");
    EXPECT_EQ (rows ("SELECT ime,link,link2,printf('%.2f',cena),ddv,enota,tip,parent,datumkreiranja,active FROM artikel WHERE id="
                     + juce::String (r.artikel)),
               juce::StringArray ({ "Cabernet 2016|2|0|6.50|7|32|2|1|2017-11-20 09:30:00|1" }));
    EXPECT_EQ (rows ("SELECT h.skladisce,h.artikel,CAST(h.stevilo AS INTEGER),p.smer,CAST(p.kolicina AS INTEGER) FROM hramba h JOIN prenos p ON p.hramba=h.id WHERE p.glavna="
                     + juce::String (entry)),
               juce::StringArray ({ "1|" + juce::String (r.artikel) + "|400|1|400" }));
    EXPECT_EQ (rows ("SELECT glavna,serija,skladisce,stevilo,artikel FROM steklenicenje"),
               juce::StringArray ({ juce::String (entry) + "|2|1|400|" + juce::String (r.artikel) }));
    EXPECT_EQ (rows ("SELECT opravilo,datum,opomba FROM glavna WHERE id=" + juce::String (entry)),
               juce::StringArray ({ "11|2017-11-20 09:30:00|polnjenje" }));
    EXPECT_EQ (rows ("SELECT COUNT(*) FROM glavna"), juce::StringArray ({ juce::String (before[0].getIntValue() + 1) }));
    EXPECT_EQ (ofEntry ("SELECT printf('%.1f',alkohol) FROM analiza WHERE glavna="), "12.5");
    EXPECT_TRUE (questions.isEmpty());
}

TEST_F (StekleniceSaveTest, OutflowsAndLossesAddUpToTheHundredthWithinEveryWine)
{
    struct Case
    {
        const char* name;
        const char* stock;
        const char* bottles;
        double loss;
        juce::StringArray out, lost, left;
    };
    const Case cases[] = {
        { "three wines, 99.75 l and 0.07 l lost", "(5,7,100),(5,8,100),(5,9,100.01)", "133", 0.07,
          { "7|33.27", "8|33.27", "9|33.28" }, { "7|0.02", "8|0.02", "9|0.03" }, { "7|66.73", "8|66.73", "9|66.73" } },
        { "three wines emptied, the loss takes the rest", "(5,7,100),(5,8,100),(5,9,100.01)", "400", 0.01,
          { "7|100.00", "8|100.00", "9|100.01" }, { "9|0.01" }, {} },
        { "one wine takes all of it", "(5,7,10)", "13", 0.25, { "7|10.00" }, { "7|0.25" }, {} },
        { "a hundredth left stays", "(5,7,10)", "13", 0.24, { "7|9.99" }, { "7|0.24" }, { "7|0.01" } },
        { "a loss past 0.245 l rounds to 0.25 l and empties", "(5,7,10)", "13", 0.246, { "7|10.00" }, { "7|0.25" }, {} },
    };
    for (auto& c : cases)
    {
        ASSERT_TRUE (exec (juce::String ("DELETE FROM zaloga; DELETE FROM kalo; DELETE FROM pretok; INSERT INTO zaloga(posoda,vino,volumen) VALUES ")
                           + c.stock));
        const auto r = save (bottling (c.bottles, c.loss));
        ASSERT_TRUE (r.ok) << c.name << ": " << r.error;
        EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM pretok WHERE glavna=" + juce::String (entry) + " ORDER BY vino"), c.out) << c.name;
        EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM kalo WHERE glavna=" + juce::String (entry) + " ORDER BY vino"), c.lost) << c.name;
        EXPECT_EQ (vesselStock(), c.left) << c.name;
    }

    // Many counts and losses over three uneven wines: sums exact, no wine gives more than it has
    // and none loses more than it gives.
    ASSERT_TRUE (exec ("UPDATE serija SET model=6 WHERE id=2"));
    for (int bottles = 1; bottles <= 29000; bottles += 997)
        for (int lossHundredths : { 0, 1, 2, 7, 99 })
        {
            ASSERT_TRUE (exec ("DELETE FROM zaloga; INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,100),(5,8,100),(5,9,100.01)"));
            const auto loss = Litres::fromHundredths (lossHundredths);
            const auto r = save (bottling (juce::String (bottles), loss.toDouble()));
            ASSERT_TRUE (r.ok) << bottles << " " << r.error;
            const auto e = juce::String (entry);
            EXPECT_EQ (value ("SELECT CAST(ROUND(SUM(volumen)*100) AS INTEGER) FROM pretok WHERE glavna=" + e).getIntValue(),
                       bottles + lossHundredths) << bottles;
            EXPECT_EQ (value ("SELECT IFNULL(CAST(ROUND(SUM(volumen)*100) AS INTEGER),0) FROM kalo WHERE glavna=" + e).getIntValue(),
                       lossHundredths) << bottles;
            EXPECT_EQ (value ("SELECT COUNT(*) FROM pretok p WHERE glavna=" + e + " AND (volumen > (CASE vino WHEN 9 THEN 100.01 ELSE 100 END) + 1e-9"
                              " OR (SELECT IFNULL(SUM(k.volumen),0) FROM kalo k WHERE k.glavna=p.glavna AND k.vino=p.vino) > p.volumen + 1e-9)"),
                       "0") << bottles;
        }
}

TEST_F (StekleniceSaveTest, RefusalsWriteNothing)
{
    struct Case { const char* name; std::function<void (StekleniceInput&)> change; juce::String error; };
    const Case cases[] = {
        { "no vessel", [] (StekleniceInput& in) { in.vessel = posoda(); }, TRANS ("Posoda ni izbrana") },
        { "no batch", [] (StekleniceInput& in) { in.batch = SerijaStore::empty(); }, TRANS ("Serija ni izbrana") },
        { "no bottles", [] (StekleniceInput& in) { in.stevilo = "0"; }, TRANS ("Stevilo steklenic ni doloceno") },
        { "bottles not a number", [] (StekleniceInput& in) { in.stevilo = "abc"; }, TRANS ("Stevilo steklenic ni doloceno") },
        { "a model without volume", [this] (StekleniceInput& in) { in.batch = batch (3); }, TRANS ("Volumen pretoka ni dolocen") },
        { "a model without unit", [this] (StekleniceInput& in) { in.batch = batch (4); }, TRANS ("Volumen pretoka ni dolocen") },
        { "loss above the stock", [] (StekleniceInput& in) { in.kalo = 600.01; }, TRANS ("Kalo je vecji od zaloge") },
        { "more than the stock", [] (StekleniceInput& in) { in.stevilo = "801"; }, TRANS ("Volumen pretoka je vecji od zaloge") },
        { "bottles and loss above the stock", [] (StekleniceInput& in) { in.stevilo = "800"; in.kalo = 0.01; },
          TRANS ("Volumen pretoka je vecji od zaloge") },
        { "no warehouse", [] (StekleniceInput& in) { in.warehouse = SkladisceRecord(); in.warehouse.id = -1; }, TRANS ("Skladisce ni podano!") },
        { "a consignment warehouse", [] (StekleniceInput& in) { in.warehouse = warehouse (3, "Konsignacija", 2); },
          TRANS ("Skladisce ne sme bit konsig") },
        { "no price", [] (StekleniceInput& in) { in.cena = "0"; }, TRANS ("Cena artikla ni podana!") },
        { "price not a number", [] (StekleniceInput& in) { in.cena = "x"; }, TRANS ("Cena artikla ni podana!") },
        { "no VAT", [] (StekleniceInput& in) { in.ddv = 0; }, TRANS ("DDV artikla ni podan!") },
        { "vessel changed meanwhile", [] (StekleniceInput& in) { in.vessel.zaloga = 601; },
          TRANS ("Vsebina posode se je med urejanjem spremenila. Preverite kolicine.") },
        { "batch changed meanwhile", [] (StekleniceInput& in) { in.batch.stevilo = 99; }, TRANS ("Serija se je med urejanjem spremenila. Preverite.") },
        { "batch removed meanwhile", [] (StekleniceInput& in) { in.batch.id = 77; }, TRANS ("Serija se je med urejanjem spremenila. Preverite.") },
    };
    const auto before = dumpAll();
    for (auto& c : cases)
    {
        auto in = bottling ("400");
        c.change (in);
        const auto r = save (in);
        EXPECT_FALSE (r.ok) << c.name;
        EXPECT_EQ (r.error, c.error) << c.name;
        EXPECT_EQ (dumpAll(), before) << c.name;
    }
    EXPECT_EQ (value ("SELECT COUNT(*) FROM artikel WHERE tip=2 AND link=2"), "0") << "no article left behind by a change check";

    // Warehouse 4 is marked with the own-stock party 1: accepted.
    auto own = bottling ("10");
    own.warehouse = warehouse (4, "Lastno", 1);
    const auto r = save (own);
    ASSERT_TRUE (r.ok) << r.error;
    EXPECT_EQ (value ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE skladisce=4"), "10");
}

TEST_F (StekleniceSaveTest, ChangeChecksHandTheFreshVesselAndBatchToTheWindow)
{
    struct Window : PosodaListener, SerijaListener
    {
        Window() : PosodaListener (1) {}
    } window;
    auto in = bottling ("10");
    in.vesselWindow = &window;
    in.batchWindow = &window;
    ASSERT_TRUE (exec ("UPDATE zaloga SET volumen=390 WHERE posoda=5 AND vino=7; UPDATE serija SET stevilo=120 WHERE id=2"));
    EXPECT_EQ (save (in).error, TRANS ("Vsebina posode se je med urejanjem spremenila. Preverite kolicine."));
    EXPECT_DOUBLE_EQ (window.getPosoda (1).zaloga, 590);
    in.vessel = window.getPosoda (1);
    EXPECT_EQ (save (in).error, TRANS ("Serija se je med urejanjem spremenila. Preverite."));
    EXPECT_DOUBLE_EQ (window.getSerija().stevilo, 120);
    in.batch = window.getSerija();
    ASSERT_TRUE (save (in).ok);
    EXPECT_EQ (value ("SELECT stevilo FROM serija WHERE id=2"), "130");
}

TEST_F (StekleniceSaveTest, SharesOutOfRangeStopWithTheShare)
{
    // Stock kept with three decimals from an old program: the vessel shows 10.008 l (10.01), its
    // wine rows hold 10.00 l to the hundredth.
    ASSERT_TRUE (exec ("DELETE FROM zaloga; INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,5.004),(5,8,5.004)"));
    const auto before = dumpAll();
    const auto ratio = TRANS ("Error at the calculation of wine ratio:");

    auto bottled = bottling ("1");
    bottled.batch = batch (5);   // one bottle of 10.01 l
    auto r = save (bottled);
    EXPECT_EQ (r.error, ratio + "1.001");
    EXPECT_EQ (dumpAll(), before);

    auto total = bottling ("1", 10.00);
    total.batch = batch (6);     // 0.01 l and a loss of 10.00 l
    r = save (total);
    EXPECT_EQ (r.error, ratio + "1.001");
    EXPECT_EQ (dumpAll(), before);
}

TEST_F (StekleniceSaveTest, TheBatchsArticleIsUsedOnlyAfterYes)
{
    ASSERT_TRUE (exec ("INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,link2,active) VALUES (30,'Cabernet star',2,7.5,3,32,1,2,0,1)"));
    const auto before = dumpAll();
    answerYes = false;
    auto r = save (bottling ("8"));
    EXPECT_FALSE (r.ok);
    EXPECT_EQ (r.error, TRANS ("Podobna serija ") + "L 2017-A" + TRANS (" ze obstaja!\nSpremeni serijo"));
    ASSERT_EQ (questions.size(), 1);
    EXPECT_EQ (questions[0], TRANS ("Podobna serija ") + "L 2017-A" + TRANS (" ze obstaja!\nZelis povecati stevilo serije?"));
    EXPECT_EQ (dumpAll(), before);

    answerYes = true;
    r = save (bottling ("8"));
    ASSERT_TRUE (r.ok) << r.error;
    EXPECT_EQ (r.artikel, 30);
    EXPECT_EQ (rows ("SELECT ime,printf('%.2f',cena),ddv FROM artikel WHERE tip=2 AND link=2"), juce::StringArray ({ "Cabernet star|7.50|3" }));
    EXPECT_EQ (value ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE artikel=30"), "8");

    // The look-up itself failing must not lead to a second article of the batch.
    ASSERT_TRUE (exec ("ALTER TABLE artikel RENAME COLUMN enota TO enota_x"));
    const auto unchanged = dumpAll();
    r = save (bottling ("8"));
    EXPECT_EQ (r.error, TRANS ("Napaka pri kreiranju artikla z imenom ") + "Cabernet 2016");
    EXPECT_EQ (dumpAll(), unchanged);
    ASSERT_TRUE (exec ("ALTER TABLE artikel RENAME COLUMN enota_x TO enota"));
}

TEST_F (StekleniceSaveTest, AFailingWriteLeavesTheDatabaseAsItWas)
{
    ASSERT_TRUE (exec ("DELETE FROM zaloga; INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,300),(5,8,200),(5,9,100)"));
    analize.alkohol = "12";
    const auto in = bottling ("400", 1.5);
    const auto name = StekleniceSave::articleName (in.batch, in.vessel);
    // The message of each step, in the order the booking writes.
    const juce::StringArray steps {
        TRANS ("Napaka pri kreiranju artikla z imenom ") + name,
        TRANS ("belezenje steklenicenja ni uspela"),
        TRANS ("belezenje pretok ni uspela"),
        TRANS ("Pretok ni uspel. Nismo uspeli napolniti serije iz posode. (vnos v tabelo kompozicija)"),
        TRANS ("Pretok ni uspel. Nismo uspeli napolniti serije. (vnos v tabelo serija)"),
        TRANS ("Napaka pri dodajanju artikla z imenom ") + name + TRANS (" v skladisce ") + "Skladisce",
    };
    const auto before = dumpAll();
    vtest::FaultInjection faults (file(), bottlingTables());
    juce::StringArray seen;
    int n = 1;
    for (; n < 200; ++n)
    {
        faults.failWrite (n);
        const auto r = save (in);
        faults.failWrite (0);
        if (r.ok)
            break;
        EXPECT_TRUE (steps.contains (r.error)) << "write " << n << ": " << r.error;
        EXPECT_EQ (dumpAll(), before) << "write " << n;
        if (seen.isEmpty() || seen[seen.size() - 1] != r.error)
            seen.add (r.error);
    }
    EXPECT_GE (n, 15) << "every write of the booking was tried";
    // The steps fail in the order they write, the three wines one after the other; the journal's
    // message comes back at the end for the bottling row and the analysis.
    const juce::StringArray expected { steps[0], steps[1], steps[2], steps[3], steps[2], steps[3], steps[2], steps[3],
                                       steps[4], steps[5], steps[1] };
    EXPECT_EQ (seen, expected);
    EXPECT_EQ (ofEntry ("SELECT COUNT(*) FROM steklenicenje WHERE glavna="), "1");
    EXPECT_EQ (ofEntry ("SELECT COUNT(*) FROM analiza WHERE glavna="), "1");
    EXPECT_EQ (ofEntry ("SELECT printf('%.2f',SUM(volumen)) FROM kalo WHERE glavna="), "1.50");
}

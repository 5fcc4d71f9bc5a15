// A wine-care booking driven without its window: the loss spread over the vessel's wines in
// hundredths, the checks that stop it before anything is written, and every write made to fail
// in turn leaving the database as it was.
#include "cellar/PosodaOps.h"
#include "operations/OperationsFixture.h"
#include "operations/VinskoOpraviloSave.h"
#include "operations/WineTransfer.h"

#include <functional>
#include <memory>

using optest::OperationsFixture;

namespace
{
const juce::StringArray kCareTables { "glavna", "host", "pretok", "zaloga", "kalo", "vinopravilo", "tipizacija",
                                      "posoda", "prenosposode", "filtracija", "sladkanje", "analiza" };
}

class VinskoOpraviloSaveTest : public OperationsFixture
{
protected:
    void SetUp() override
    {
        // Typed as the Slovenian user types: a decimal comma.
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        OperationsFixture::SetUp();
    }
    void TearDown() override
    {
        OperationsFixture::TearDown();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
    }

    /** Fills vessel 5 with the wines through the engine, as a harvest would. */
    void fill (const std::vector<std::pair<int, const char*>>& wines)
    {
        const int entry = post (OperationType::wineTransfer, "2017-03-01 10:00:00");
        WineTransfer engine (entry, &db);
        for (auto& [vino, litres] : wines)
            ASSERT_TRUE (engine.transfer (1, 5, *vindoro::Litres::fromTypedText (litres), vino));
    }
    posoda vessel (int id = 5)
    {
        posoda p;
        p.id = id;
        EXPECT_TRUE (PosodaOps::reloadPosoda (p, &db));
        return p;
    }
    VinskoOpraviloInput input (const juce::String& kalo)
    {
        VinskoOpraviloInput in;
        in.vessel = vessel();
        in.kalo = kalo;
        in.cena = "1,50";
        in.ddv = 7;
        in.datum = "2017-03-05 10:00:00";
        in.opombe = "test";
        return in;
    }
    juce::StringArray careDump() const { return vtest::dumpTables (file(), kCareTables); }
    juce::StringArray losses (int glavna) const
    {
        return rows ("SELECT vino,printf('%.2f',volumen) FROM kalo WHERE glavna=" + juce::String (glavna) + " ORDER BY vino");
    }
    juce::StringArray careRows (int glavna) const
    {
        return rows ("SELECT posoda,vino,printf('%.2f',volumen) FROM vinopravilo WHERE glavna=" + juce::String (glavna) + " ORDER BY vino");
    }
};

TEST_F (VinskoOpraviloSaveTest, LossIsSpreadOverTheWinesInHundredths)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<int, const char*>> wines;
        const char* kalo;
        juce::StringArray losses;   // vino|loss
        juce::StringArray stockAfter;
    };
    const Case cases[] = {
        { "no loss", { { 7, "60" }, { 8, "40" } }, "0", {}, { "5|7|60.00", "5|8|40.00" } },
        { "60 and 40 lose 1", { { 7, "60" }, { 8, "40" } }, "1", { "7|0.60", "8|0.40" }, { "5|7|59.40", "5|8|39.60" } },
        { "three equal lose 0.1", { { 7, "10" }, { 8, "10" }, { 9, "10" } }, "0,1", { "7|0.04", "8|0.03", "9|0.03" },
          { "5|7|9.96", "5|8|9.97", "5|9|9.97" } },
        { "three equal lose 0.01", { { 7, "10" }, { 8, "10" }, { 9, "10" } }, "0.01", { "7|0.01" },
          { "5|7|9.99", "5|8|10.00", "5|9|10.00" } },
        { "loss equal to the stock", { { 7, "60" }, { 8, "40" } }, "100", { "7|60.00", "8|40.00" }, {} },
        { "four wines of 1 l lose 0.02", { { 7, "1" }, { 8, "1" }, { 9, "1" }, { 10, "1" } }, "0,02", { "7|0.01", "8|0.01" },
          { "5|7|0.99", "5|8|0.99", "5|9|1.00", "5|10|1.00" } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ASSERT_TRUE (exec ("DELETE FROM zaloga; DELETE FROM pretok; DELETE FROM kalo; DELETE FROM vinopravilo;"));
        fill (c.wines);
        auto in = input (c.kalo);
        const auto before = in.vessel.zaloga;
        const auto result = VinskoOpraviloSave::save (db, in);
        ASSERT_TRUE (result.ok) << result.error;
        EXPECT_EQ (value ("SELECT opravilo FROM glavna WHERE id=" + juce::String (result.glavna)), "30");
        EXPECT_EQ (losses (result.glavna), c.losses);
        EXPECT_EQ (stock(), c.stockAfter);
        EXPECT_EQ (careRows (result.glavna).size(), (int) c.wines.size());
        EXPECT_EQ (value ("SELECT printf('%.2f',SUM(volumen)) FROM vinopravilo WHERE glavna=" + juce::String (result.glavna)),
                   juce::String (before, 2));
        // the outflows are the loss rows, nothing else leaves the vessel
        EXPECT_EQ (rows ("SELECT vino,printf('%.2f',volumen) FROM pretok WHERE smer=2 AND glavna=" + juce::String (result.glavna)
                         + " ORDER BY vino"), c.losses);
        EXPECT_EQ (rows ("SELECT printf('%.2f',cena) || '|' || ddv FROM posoda WHERE id=5").joinIntoString ("\n"), "1.50|7");
    }
}

TEST_F (VinskoOpraviloSaveTest, ChecksStopTheSaveBeforeAnythingIsWritten)
{
    fill ({ { 7, "60" }, { 8, "40" } });
    ASSERT_TRUE (exec ("INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (9,1,500,'E')"));
    struct Case { const char* name; std::function<void (VinskoOpraviloInput&)> change; const char* error; };
    const Case cases[] = {
        { "no vessel", [] (auto& in) { in.vessel = posoda(); }, "Posoda ni izbrana" },
        { "empty vessel", [this] (auto& in) { in.vessel = vessel (9); }, "Opravilo prazna posoda" },
        { "loss a hundredth above the stock", [] (auto& in) { in.kalo = "100,01"; }, "Kalo je vecji od zaloge" },
        { "negative price", [] (auto& in) { in.cena = "-1"; }, "Cena artikla ni podana!" },
        { "no VAT", [] (auto& in) { in.ddv = 0; }, "DDV artikla ni podan!" },
        { "declaration without variety", [] (auto& in) { in.declarationOpen = true; in.declaredVintage = "2016"; },
          "Tipizacija problem sorta" },
        { "declaration without vintage", [] (auto& in) { in.declarationOpen = true; in.declaredVariety.id = 2; },
          "Tipizacija problem ni letnika" },
        { "vessel changed meanwhile", [this] (auto& in) { exec ("UPDATE zaloga SET volumen=39 WHERE vino=8"); (void) in; },
          "Vsebina posode se je med urejanjem spremenila. Preverite kolicine." },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto in = input ("1");
        c.change (in);
        const auto now = careDump();
        const auto result = VinskoOpraviloSave::save (db, in);
        EXPECT_FALSE (result.ok);
        EXPECT_EQ (result.error, TRANS (c.error));
        EXPECT_EQ (careDump(), now);
    }
}

TEST_F (VinskoOpraviloSaveTest, DeclarationFollowsTheSection)
{
    fill ({ { 7, "60" } });
    auto in = input ("0");
    in.declarationOpen = true;
    in.declaredVariety.id = 2;
    in.declaredVintage = "2016";
    in.declaredGrade = 4;
    auto result = VinskoOpraviloSave::save (db, in);
    ASSERT_TRUE (result.ok) << result.error;
    EXPECT_EQ (rows ("SELECT t.sorta || '|' || t.letnik || '|' || t.kvaliteta || '|' || t.glavna FROM posoda p JOIN tipizacija t ON t.id=p.tipizacija WHERE p.id=5").joinIntoString ("\n"),
               "2|2016|4|" + juce::String (result.glavna));
    const auto declarations = value ("SELECT COUNT(*) FROM tipizacija");

    // the same declaration again writes no new row
    in = input ("0");
    in.declarationOpen = true;
    in.declaredVariety.id = 2;
    in.declaredVintage = "2016";
    in.declaredGrade = 4;
    result = VinskoOpraviloSave::save (db, in);
    ASSERT_TRUE (result.ok) << result.error;
    EXPECT_EQ (value ("SELECT COUNT(*) FROM tipizacija"), declarations);

    // the section closed takes the declaration away
    in = input ("0");
    result = VinskoOpraviloSave::save (db, in);
    ASSERT_TRUE (result.ok) << result.error;
    EXPECT_EQ (rows ("SELECT t.sorta || '|' || t.letnik || '|' || t.kvaliteta FROM posoda p JOIN tipizacija t ON t.id=p.tipizacija WHERE p.id=5").joinIntoString ("\n"),
               "1|0|2");
}

TEST_F (VinskoOpraviloSaveTest, OnlyPickedTreatmentsAreStoredWithTheStockBeforeTheLoss)
{
    ASSERT_TRUE (exec ("INSERT INTO sredstvo(id,oznaka,opis,tip,active) VALUES (1,'Filter','',32,1)"));
    fill ({ { 7, "60" }, { 8, "40" } });
    WineOperationExtras extras;
    extras.filtracija.opis = "ploscni filter";
    extras.sladkanje.kolicina = "3";
    auto in = input ("1");
    in.extras = &extras;
    in.agents[5].id = 1;
    const auto result = VinskoOpraviloSave::save (db, in);
    ASSERT_TRUE (result.ok) << result.error;
    EXPECT_EQ (rows ("SELECT glavna,sredstvo,printf('%.2f',volumen),opis FROM filtracija"),
               juce::StringArray ({ juce::String (result.glavna) + "|1|100.00|ploscni filter" }));
    EXPECT_EQ (value ("SELECT COUNT(*) FROM sladkanje"), "0");
}

TEST_F (VinskoOpraviloSaveTest, EveryFailedWriteLeavesTheDatabaseAsItWas)
{
    ASSERT_TRUE (exec ("INSERT INTO sredstvo(id,oznaka,opis,tip,active) VALUES (1,'Sladkor','',1,1),(2,'Filter','',32,1)"));
    fill ({ { 7, "60" }, { 8, "40" }, { 9, "10" } });
    WineOperationExtras extras;
    extras.sladkanje.kolicina = "2";
    extras.filtracija.opis = "filter";
    extras.analize.alkohol = "12,5";

    auto in = input ("1,5");
    in.declarationOpen = true;
    in.declaredVariety.id = 2;
    in.declaredVintage = "2017";
    in.extras = &extras;
    in.agents[0].id = 1;
    in.agents[5].id = 2;

    const auto before = careDump();
    vtest::FaultInjection faults (file(), kCareTables);
    int failed = 0;
    for (int n = 1; n < 100; ++n)
    {
        faults.failWrite (n);
        const auto result = VinskoOpraviloSave::save (db, in);
        faults.failWrite (0);
        if (result.ok)
            break;
        ++failed;
        EXPECT_FALSE (result.error.isEmpty()) << "write " << n;
        EXPECT_EQ (careDump(), before) << "write " << n << " failed";
    }
    // entry, three outflows with their stock and loss rows, three operation rows, the declaration
    // and the vessel, two treatments and the analysis: every one of them was made to fail
    EXPECT_GE (failed, 17);
    EXPECT_EQ (losses ((int) value ("SELECT MAX(id) FROM glavna").getIntValue()),
               juce::StringArray ({ "7|0.82", "8|0.54", "9|0.14" }));
}

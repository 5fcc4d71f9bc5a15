// Harvest bookings through the save the harvest window runs, on a real database: the checks, the
// declaration rules, the reuse of a wine, and every write made to fail in turn.
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "operations/TrgatevSave.h"
#include "operations/WineBookingFixture.h"

using optest::WineBookingFixture;

class TrgatevSaveTest : public WineBookingFixture
{
protected:
    /** 100 kg of variety 2 from parcel 2, vintage 2017, as 70 l of must into vessel 5. */
    TrgatevForm harvest (int vesselId = 5)
    {
        TrgatevForm f;
        f.vessel = vessel (vesselId);
        f.sorta.id = 2;
        f.parcela = 2;
        f.letnik = 2017;
        f.mosta = "70";
        f.grozdja = "100";
        f.cena = "0.50";
        f.ddv = 7;
        f.datum = "2017-09-20 10:00:00";
        return f;
    }

    bool save (const TrgatevForm& f, juce::String& error)
    {
        return TrgatevSave::save (db, f, extras, nullptr, error, &entry);
    }

    WineOperationExtras extras;
    int entry = 0;
};

TEST_F (TrgatevSaveTest, ChecksRefuseBeforeAnythingIsWritten)
{
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (6,7,50)"));
    struct Case { const char* name; std::function<void (TrgatevForm&)> change; const char* key; };
    const Case cases[] = {
        { "no vessel", [] (TrgatevForm& f) { f.vessel = posoda(); }, "Posoda ni izbrana" },
        { "no variety", [] (TrgatevForm& f) { f.sorta = SortaRecord(); }, "Sorta ni izbrana" },
        { "no parcel", [] (TrgatevForm& f) { f.parcela = -1; }, "Parcela ni izbrana" },
        { "no must", [] (TrgatevForm& f) { f.mosta = "0"; }, "Volumen pretoka ni dolocen" },
        { "no grapes", [] (TrgatevForm& f) { f.grozdja = ""; }, "Masa grozdja ni dolocena" },
        { "negative price", [] (TrgatevForm& f) { f.cena = "-0.01"; }, "Cena artikla ni podana!" },
        { "more than the free space", [] (TrgatevForm& f) { f.mosta = "1000.01"; }, "Volumen pretoka je vecji od placa" },
        { "second variety, no declaration",
          [this] (TrgatevForm& f) { f.vessel = vessel (6); }, "Tipizacija ni izbrana" },
        { "declaration without a variety", [] (TrgatevForm& f) { f.declarationOpen = true; }, "Tipizacija problem sorta" },
        { "declaration without a vintage",
          [] (TrgatevForm& f) { f.declarationOpen = true; f.tipSorta.id = 2; }, "Tipizacija problem ni letnika" },
        { "vessel changed since picked",
          [this] (TrgatevForm& f) { f.vessel.zaloga = 3; }, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine." },
    };
    const auto before = dumpAll();
    for (auto& c : cases)
    {
        auto f = harvest();
        c.change (f);
        juce::String error;
        EXPECT_FALSE (save (f, error)) << c.name;
        EXPECT_EQ (error, TRANS (c.key)) << c.name;
        EXPECT_EQ (dumpAll(), before) << c.name;
    }
}

TEST_F (TrgatevSaveTest, BooksTheMustIntoAnEmptyVessel)
{
    // The empty vessel still carries the declaration of what it held before.
    ASSERT_TRUE (exec ("INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta) VALUES (20,1,3,2015,5,2);"
                       "UPDATE posoda SET tipizacija=20 WHERE id=5"));
    auto f = harvest();
    f.mosta = "1000";   // exactly the free space
    f.grozdja = "1234" + decimalSeparator() + "5";
    juce::String error;
    ASSERT_TRUE (save (f, error)) << error;

    const auto wine = value ("SELECT id FROM vino WHERE parcela=2 AND sorta=2 AND letnik=2017");
    ASSERT_FALSE (wine.isEmpty());
    EXPECT_EQ (stock(), juce::StringArray ({ "5|" + wine + "|1000.00" }));
    EXPECT_EQ (rows ("SELECT glavna,vino,printf('%.2f',volumen),active FROM trgatev"),
               juce::StringArray ({ juce::String (entry) + "|" + wine + "|1234.50|1" }));
    EXPECT_EQ (value ("SELECT opravilo FROM glavna WHERE id=" + juce::String (entry)), "1");
    // No declaration asked for: the vessel gets a "none" declaration row of its own.
    EXPECT_EQ (rows ("SELECT t.sorta,t.letnik,t.kvaliteta,t.glavna FROM posoda p JOIN tipizacija t ON p.tipizacija=t.id WHERE p.id=5"),
               juce::StringArray ({ "1|0|2|" + juce::String (entry) }));
    EXPECT_EQ (rows ("SELECT printf('%.2f',cena),ddv FROM posoda WHERE id=5"), juce::StringArray ({ "0.50|7" }));
}

TEST_F (TrgatevSaveTest, ASecondHarvestReusesTheWineAndTheDeclaration)
{
    auto f = harvest();
    f.declarationOpen = true;
    f.tipSorta.id = 2;
    f.tipLetnik = "2017";
    juce::String error;
    ASSERT_TRUE (save (f, error)) << error;
    const auto declarations = value ("SELECT COUNT(*) FROM tipizacija");

    auto again = harvest();
    again.declarationOpen = true;
    again.tipSorta.id = 2;
    again.tipLetnik = "2017";
    again.mosta = "30";
    ASSERT_TRUE (save (again, error)) << error;

    EXPECT_EQ (value ("SELECT COUNT(*) FROM vino WHERE parcela=2 AND sorta=2 AND letnik=2017"), "1");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM tipizacija"), declarations);
    EXPECT_EQ (value ("SELECT printf('%.2f',SUM(volumen)) FROM zaloga WHERE posoda=5"), "100.00");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM trgatev"), "2");
}

TEST_F (TrgatevSaveTest, APriceOfZeroIsAccepted)
{
    auto f = harvest();
    f.cena = "0";
    juce::String error;
    EXPECT_TRUE (save (f, error)) << error;
}

TEST_F (TrgatevSaveTest, AFailingWriteLeavesTheDatabaseAsItWas)
{
    // A harvest with a treatment and an analysis, into a vessel whose bulk-wine article is withdrawn
    // when a second variety enters under a declaration.
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,100)"));
    extras.sladkanje.kolicina = "2";
    extras.analize.alkohol = "12.5";
    auto f = harvest();
    f.vessel = vessel (5);
    f.declarationOpen = true;
    f.tipSorta.id = 2;
    f.tipLetnik = "2017";
    f.agents[0] = 4;

    const auto before = dumpAll();
    vtest::FaultInjection faults (file(), optest::wineBookingTables());
    int n = 1;
    for (; n < 100; ++n)
    {
        faults.failWrite (n);
        juce::String error;
        const bool ok = save (f, error);
        faults.failWrite (0);
        if (ok)
            break;
        EXPECT_FALSE (error.isEmpty()) << "write " << n;
        EXPECT_EQ (dumpAll(), before) << "write " << n;
    }
    EXPECT_GE (n, 8) << "every write of the booking was tried";
    EXPECT_EQ (value ("SELECT COUNT(*) FROM sladkanje WHERE glavna=" + juce::String (entry)), "1");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM analiza WHERE glavna=" + juce::String (entry)), "1");
    EXPECT_EQ (value ("SELECT active FROM artikel WHERE id=14"), "0");
}

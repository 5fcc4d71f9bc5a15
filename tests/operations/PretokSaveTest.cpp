// Transfers through the save the transfer window runs, on a real database: how the volume and the
// loss split over the source's wines, the checks, the target's declaration, and every write made to
// fail in turn.
#include "core/TextHelpers.h"
#include "operations/PretokSave.h"
#include "operations/TransferShares.h"
#include "operations/WineBookingFixture.h"

using optest::WineBookingFixture;
using vindoro::Litres;

TEST (TransferShares, EveryWineGivesItsShareAndTheSumsHold)
{
    auto l = [] (std::int64_t hundredths) { return Litres::fromHundredths (hundredths); };
    struct Case
    {
        const char* name;
        std::vector<std::int64_t> stocks;
        std::int64_t volume, loss;
        std::vector<std::int64_t> in, out;
    };
    const Case cases[] = {
        { "one wine, all of it", { 10000 }, 10000, 0, { 10000 }, { 10000 } },
        { "60 and 40, V 50, K 1", { 6000, 4000 }, 5000, 100, { 3000, 2000 }, { 3060, 2040 } },
        { "three equal wines, V 10", { 1000, 1000, 1000 }, 1000, 0, { 334, 333, 333 }, { 334, 333, 333 } },
        { "four wines of 1.00, V 0.02", { 100, 100, 100, 100 }, 2, 0, { 1, 1, 0, 0 }, { 1, 1, 0, 0 } },
        { "loss is the whole stock but the volume", { 700, 300 }, 1, 999, { 1, 0 }, { 700, 300 } },
    };
    for (auto& c : cases)
    {
        std::vector<std::pair<int, Litres>> wines;
        for (size_t i = 0; i < c.stocks.size(); ++i)
            wines.emplace_back ((int) i + 1, l (c.stocks[i]));
        const auto shares = shareTransfer (wines, l (c.volume), l (c.loss));
        ASSERT_EQ (shares.size(), c.stocks.size()) << c.name;
        Litres in, out, lost;
        for (size_t i = 0; i < shares.size(); ++i)
        {
            EXPECT_EQ (shares[i].inflow, l (c.in[i])) << c.name << " wine " << i;
            EXPECT_EQ (shares[i].outflow, l (c.out[i])) << c.name << " wine " << i;
            EXPECT_LE (Litres(), shares[i].inflow) << c.name;
            EXPECT_LE (shares[i].inflow, shares[i].outflow) << c.name;
            EXPECT_LE (shares[i].outflow, shares[i].stock) << c.name;
            EXPECT_EQ (shares[i].loss, shares[i].outflow - shares[i].inflow) << c.name;
            in += shares[i].inflow;
            out += shares[i].outflow;
            lost += shares[i].loss;
        }
        EXPECT_EQ (in, l (c.volume)) << c.name;
        EXPECT_EQ (out, l (c.volume + c.loss)) << c.name;
        EXPECT_EQ (lost, l (c.loss)) << c.name;
    }
}

class PretokSaveTest : public WineBookingFixture
{
protected:
    PretokForm transfer (double volumen, double kalo = 0)
    {
        PretokForm f;
        f.source = vessel (5);
        f.target = vessel (6);
        f.volumen = volumen;
        f.kalo = kalo;
        f.ddv = 7;
        f.cena = "1" + decimalSeparator() + "50";
        f.datum = "2017-10-20 10:00:00";
        // Blends of several varieties need a declaration of the target.
        f.declarationOpen = true;
        f.tipSorta.id = 2;
        f.tipLetnik = "2017";
        return f;
    }

    bool save (const PretokForm& f, juce::String& error)
    {
        return PretokSave::save (db, f, extras, nullptr, error, &entry);
    }

    juce::StringArray losses() const
    {
        return rows ("SELECT vino,printf('%.2f',volumen) FROM kalo WHERE glavna=" + juce::String (entry) + " ORDER BY vino");
    }

    WineOperationExtras extras;
    int entry = 0;
};

TEST_F (PretokSaveTest, TheWorkedExamples)
{
    struct Case
    {
        const char* name;
        const char* stock;       // zaloga rows (posoda, vino, volumen)
        double volumen, kalo;
        juce::StringArray after; // the stock afterwards
        juce::StringArray kalo_;
    };
    const Case cases[] = {
        { "all of one wine", "(5,7,100)", 100, 0, { "6|7|100.00" }, {} },
        { "part of one wine", "(5,7,100)", 90, 0, { "5|7|10.00", "6|7|90.00" }, {} },
        { "60 and 40 with a loss", "(5,7,60),(5,8,40)", 50, 1, { "5|7|29.40", "5|8|19.60", "6|7|30.00", "6|8|20.00" },
          { "7|0.60", "8|0.40" } },
        { "three equal wines", "(5,7,10),(5,8,10),(5,9,10)", 10, 0,
          { "5|7|6.66", "5|8|6.67", "5|9|6.67", "6|7|3.34", "6|8|3.33", "6|9|3.33" }, {} },
        { "four wines of a litre", "(5,7,1),(5,8,1),(5,9,1),(5,10,1)", 0.02, 0,
          { "5|7|0.99", "5|8|0.99", "5|9|1.00", "5|10|1.00", "6|7|0.01", "6|8|0.01" }, {} },
        { "the target filled to the brim", "(5,7,1000)", 1000, 0, { "6|7|1000.00" }, {} },
    };
    for (auto& c : cases)
    {
        ASSERT_TRUE (exec (juce::String ("DELETE FROM zaloga; DELETE FROM kalo; INSERT INTO zaloga(posoda,vino,volumen) VALUES ") + c.stock));
        juce::String error;
        ASSERT_TRUE (save (transfer (c.volumen, c.kalo), error)) << c.name << ": " << error;
        EXPECT_EQ (stock(), c.after) << c.name;
        EXPECT_EQ (losses(), c.kalo_) << c.name;
        EXPECT_EQ (value ("SELECT printf('%.2f',SUM(volumen)) FROM pretok WHERE smer=1 AND glavna=" + juce::String (entry)),
                   Litres::fromStoredDouble (c.volumen)->toSql()) << c.name;
    }
    EXPECT_EQ (rows ("SELECT printf('%.2f',cena),ddv FROM posoda WHERE id=6"), juce::StringArray ({ "1.50|7" }));
    EXPECT_EQ (value ("SELECT opravilo FROM glavna WHERE id=" + juce::String (entry)), "6");
}

TEST_F (PretokSaveTest, ChecksRefuseBeforeAnythingIsWritten)
{
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,60),(5,9,40),(6,7,950)"));
    struct Case { const char* name; std::function<void (PretokForm&)> change; const char* key; };
    const Case cases[] = {
        { "no source", [] (PretokForm& f) { f.source = posoda(); }, "Posoda ni izbrana" },
        { "no target", [] (PretokForm& f) { f.target = posoda(); }, "Posoda ni izbrana" },
        { "no volume", [] (PretokForm& f) { f.volumen = 0; }, "Volumen pretoka ni dolocen" },
        { "same vessel twice", [this] (PretokForm& f) { f.target = vessel (5); }, "Izvorna in ciljna posoda sta ista" },
        { "loss above the stock", [] (PretokForm& f) { f.kalo = 100.01; }, "Kalo je vecji od zaloge" },
        { "loss equal to the stock", [] (PretokForm& f) { f.kalo = 100; }, "Volumen pretoka je vecji od zaloge" },
        { "more than the stock", [] (PretokForm& f) { f.volumen = 100.01; }, "Volumen pretoka je vecji od zaloge" },
        { "more than the free space", [] (PretokForm& f) { f.volumen = 50.01; }, "Volumen pretoka je vecji od placa" },
        { "negative price", [] (PretokForm& f) { f.cena = "-1"; }, "Cena artikla ni podana!" },
        { "VAT not selected", [] (PretokForm& f) { f.ddv = 0; }, "DDV artikla ni podan!" },
        { "declaration without a variety",
          [] (PretokForm& f) { f.declarationOpen = true; f.tipSorta = SortaRecord(); }, "Tipizacija problem sorta" },
        { "declaration without a vintage",
          [] (PretokForm& f) { f.declarationOpen = true; f.tipLetnik = " "; }, "Tipizacija problem ni letnika" },
        { "two varieties, no declaration", [this] (PretokForm& f) { f.target = vessel (7); }, "Tipizacija ni izbrana" },
        { "vessel changed since picked",
          [] (PretokForm& f) { f.source.zaloga = 99; }, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine." },
        { "an amount that is no number", [this] (PretokForm& f) { extras.sladkanje.kolicina = "abc"; f.agents[0] = 4; }, "" },
    };
    // Vessel 7 holds another variety than the source.
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (7,10,5)"));
    const auto before = dumpAll();
    for (auto& c : cases)
    {
        auto f = transfer (50);
        f.declarationOpen = false;
        c.change (f);
        juce::String error;
        EXPECT_FALSE (save (f, error)) << c.name;
        if (*c.key != 0)
            EXPECT_EQ (error, TRANS (c.key)) << c.name;
        else
            EXPECT_FALSE (error.isEmpty()) << c.name;
        EXPECT_EQ (dumpAll(), before) << c.name;
        extras.sladkanje.kolicina = "";
    }
    // The price is remembered even when the VAT then stops the save.
    EXPECT_EQ (settings().getValue ("Pretok:cenavina").getDoubleValue(), 1.5);
}

TEST_F (PretokSaveTest, TheTargetsDeclaration)
{
    ASSERT_TRUE (exec ("INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta) VALUES (20,1,3,2016,5,2),(21,1,2,2015,6,4);"
                       "UPDATE posoda SET tipizacija=20 WHERE id=5; UPDATE posoda SET tipizacija=21 WHERE id=6;"
                       "INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,8,100),(6,8,10)"));
    juce::String error;

    // The declared source into a target whose declaration is withdrawn: No keeps everything as it was.
    auto f = transfer (20);
    f.declarationOpen = false;
    bool asked = false;
    f.copySourceDeclaration = [&] { asked = true; return false; };
    const auto before = dumpAll();
    EXPECT_FALSE (save (f, error));
    EXPECT_TRUE (asked);
    EXPECT_EQ (error, TRANS ("Tipizacija ni izbrana"));
    EXPECT_EQ (dumpAll(), before);

    // Yes: the target takes the source's declaration as a row of its own.
    f.copySourceDeclaration = [] { return true; };
    ASSERT_TRUE (save (f, error)) << error;
    EXPECT_EQ (rows ("SELECT t.sorta,t.letnik,t.kvaliteta,t.glavna,t.posoda FROM posoda p JOIN tipizacija t ON p.tipizacija=t.id WHERE p.id=6"),
               juce::StringArray ({ "3|2016|2|" + juce::String (entry) + "|6" }));

    // Its own declaration kept as it is: no new row.
    auto same = transfer (10);
    same.declarationOpen = true;
    same.tipSorta.id = 3;
    same.tipLetnik = "2016";
    same.kvaliteta = 2;
    const auto declarations = value ("SELECT COUNT(*) FROM tipizacija");
    ASSERT_TRUE (save (same, error)) << error;
    EXPECT_EQ (value ("SELECT COUNT(*) FROM tipizacija"), declarations);
}

TEST_F (PretokSaveTest, AFailingWriteLeavesTheDatabaseAsItWas)
{
    // Three wines with a loss, a treatment and an analysis.
    ASSERT_TRUE (exec ("INSERT INTO zaloga(posoda,vino,volumen) VALUES (5,7,30),(5,9,20),(5,8,10),(6,7,5)"));
    extras.sladkanje.kolicina = "2";
    extras.analize.alkohol = "12.5";
    auto f = transfer (40, 3);
    f.agents[0] = 4;

    const auto before = dumpAll();
    vtest::FaultInjection faults (file(), optest::wineBookingTables());
    int n = 1;
    for (; n < 200; ++n)
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
    EXPECT_GE (n, 15) << "every write of the booking was tried";
    EXPECT_EQ (value ("SELECT printf('%.2f',SUM(volumen)) FROM kalo WHERE glavna=" + juce::String (entry)), "3.00");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM sladkanje WHERE glavna=" + juce::String (entry)), "1");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM analiza WHERE glavna=" + juce::String (entry)), "1");
}

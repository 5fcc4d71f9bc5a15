#include "cellar/CellarFixture.h"
#include "cellar/KletListener.h"
#include "db/DbTransaction.h"

using celltest::CellarFixture;

namespace
{
juce::StringArray bookingTables() { return { "glavna", "prenosposode", "tipizacija", "posoda" }; }
} // namespace

TEST_F (CellarFixture, ABookedChangeWritesTheRowsItsKindAsks)
{
    struct Case
    {
        const char* name;
        std::function<void (posoda&)> change;
        int journalType;          // 0: nothing booked
        const char* vesselChange; // expected prenosposode row "klet|smer|oznaka|volumen|cena|tip", or ""
        const char* declaration;  // expected new tipizacija row "sorta|letnik|posoda|kvaliteta", or ""
    };
    const Case cases[] = {
        { "third price decimal", [] (posoda& n) { n.cena += 0.004; }, 0, "", "" },
        { "price +0.01", [] (posoda& n) { n.cena += 0.01; }, 18, "1|0|B|1000.0|0.0|2", "" },
        { "other cellar", [] (posoda& n) { n.klet.id = 2; }, 18, "2|1|B|1000.0|0.0|2", "" },
        { "removed", [] (posoda& n) { n.active = false; }, 18, "1|2|B|1000.0|0.0|2", "" },
        { "label with apostrophe", [] (posoda& n) { n.oznaka = "  Sod 'A' "; }, 18, "1|0|Sod 'A'|1000.0|0.0|2", "" },
        { "declaration alone", [] (posoda& n) { n.tipizacija.id = 0; n.tipizacija.sorta.id = 4; n.tipizacija.letnik = 2020; n.tipizacija.kvaliteta = 1; },
          34, "", "4|2020|6|1" },
        { "declaration withdrawn", [] (posoda& n) { n.tipizacija.id = 1; }, 34, "", "1|0|6|2" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto old = read (6);
        auto neu = old;
        c.change (neu);
        const auto entriesBefore = value ("SELECT COUNT(*) FROM glavna").getIntValue();
        const auto lastDeclaration = value ("SELECT MAX(id) FROM tipizacija").getIntValue();
        vtest::LogCapture log;
        juce::String error;

        EXPECT_TRUE (PosodaOps::prenosPosode (&db, old, neu, "opomba", -1, &error)) << error;

        const auto entries = rows ("SELECT id,opravilo,opomba FROM glavna ORDER BY id DESC LIMIT 1");
        if (c.journalType == 0)
        {
            EXPECT_TRUE (log.contains ("Exiting - no changes observed"));
            EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna").getIntValue(), entriesBefore);
            continue;
        }
        ASSERT_EQ (value ("SELECT COUNT(*) FROM glavna").getIntValue(), entriesBefore + 1);
        const auto entry = juce::StringArray::fromTokens (entries[0], "|", "");
        EXPECT_EQ (entry[1].getIntValue(), c.journalType);
        EXPECT_EQ (entry[2], "opomba");

        const auto changeRows = rows ("SELECT klet,smer,oznaka,volumen,cena,tip FROM prenosposode WHERE glavna=" + entry[0]);
        EXPECT_EQ (changeRows.joinIntoString (";"), c.vesselChange);
        const auto declRows = rows ("SELECT sorta,letnik,posoda,kvaliteta FROM tipizacija WHERE glavna=" + entry[0]);
        EXPECT_EQ (declRows.joinIntoString (";"), c.declaration);
        if (juce::String (c.declaration).isNotEmpty())
        {
            EXPECT_GT (neu.tipizacija.id, lastDeclaration);
            EXPECT_EQ (neu.tipizacija.glavna, entry[0].getIntValue());
            EXPECT_EQ (value ("SELECT tipizacija FROM posoda WHERE id=6"), juce::String (neu.tipizacija.id));
            ASSERT_TRUE (exec ("UPDATE posoda SET tipizacija=20 WHERE id=6"));
        }
    }
}

TEST_F (CellarFixture, ACallersEntryIsUsedAndNoneIsPosted)
{
    const int entry = post (OperationType::wineTransfer);
    const auto old = read (6);
    auto neu = old;
    neu.volumen = 1200;
    neu.tipizacija.id = 0;
    neu.tipizacija.sorta.id = 3;
    const auto before = value ("SELECT COUNT(*) FROM glavna");
    juce::String error;
    ASSERT_TRUE (PosodaOps::prenosPosode (&db, old, neu, "", entry, &error)) << error << entry;
    EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna"), before);
    EXPECT_EQ (value ("SELECT COUNT(*) FROM prenosposode WHERE glavna=" + juce::String (entry)), "1");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM tipizacija WHERE glavna=" + juce::String (entry)), "1");
}

TEST_F (CellarFixture, AFailingStepOfABookingLeavesNothingBehind)
{
    // The fault hits each table the booking writes in turn; any of them undoes the whole booking,
    // also inside a caller's own transaction.
    for (const juce::String table : bookingTables())
    {
        for (bool nested : { false, true })
        {
            SCOPED_TRACE (table + (nested ? " nested" : ""));
            const auto old = read (6);
            auto neu = old;
            neu.oznaka = "Novi";
            neu.tipizacija.id = 0;
            neu.tipizacija.sorta.id = 4;
            const auto before = dump();
            const auto tables = vtest::dumpTables (file(), bookingTables());
            vtest::FaultInjection fault (file(), { table });
            fault.failWrite (1);
            juce::String error;
            bool booked = true;
            if (nested)
            {
                DbTransaction outer;
                booked = PosodaOps::prenosPosode (&db, old, neu, "", -1, &error);
                outer.rollback();
            }
            else
            {
                booked = PosodaOps::prenosPosode (&db, old, neu, "", -1, &error);
            }
            EXPECT_FALSE (booked);
            EXPECT_TRUE (error.isNotEmpty());
            EXPECT_EQ (neu.tipizacija.id, 0);
            EXPECT_EQ (vtest::dumpTables (file(), bookingTables()), tables);
        }
    }
}

TEST_F (CellarFixture, TheDeclarationFailureNamesItsTable)
{
    const auto old = read (6);
    auto neu = old;
    neu.tipizacija.id = 0;
    neu.tipizacija.sorta.id = 4;
    vtest::FaultInjection fault (file(), { "tipizacija" });
    fault.failWrite (1);
    juce::String error;
    EXPECT_FALSE (PosodaOps::prenosPosode (&db, old, neu, "", -1, &error));
    EXPECT_EQ (error, "Tipizacija problem shranjevanje v tipizacija");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna WHERE opravilo=34"), "0");
    EXPECT_EQ (value ("SELECT tipizacija FROM posoda WHERE id=6"), "20");
}

TEST_F (CellarFixture, RemovingAVesselIsOneBookingAndRefusedInViewMode)
{
    auto p = read (5);
    EXPECT_FALSE (PosodaOps::setActive (&db, p, false));
    EXPECT_EQ (value ("SELECT active FROM posoda WHERE id=5"), "1");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM prenosposode"), "0");

    {
        vtest::FaultInjection fault (file(), { "prenosposode" });
        fault.failWrite (1);
        EXPECT_FALSE (PosodaOps::setActive (&db, p, true));
        EXPECT_TRUE (p.active);
        EXPECT_EQ (value ("SELECT active FROM posoda WHERE id=5"), "1");
        // Entry 1 is the shipped placeholder: no entry of this booking is left.
        EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna WHERE id>1"), "0");
    }

    EXPECT_TRUE (PosodaOps::setActive (&db, p, true));
    EXPECT_FALSE (p.active);
    EXPECT_EQ (value ("SELECT active FROM posoda WHERE id=5"), "0");
    EXPECT_EQ (rows ("SELECT g.opravilo,p.smer FROM prenosposode p JOIN glavna g ON g.id=p.glavna WHERE p.posoda=5"),
               juce::StringArray ({ "18|2" }));
}

TEST_F (CellarFixture, ReloadCompareSetStopsABookingOnAChangedOrUnreadableVessel)
{
    PosodaListener window (2);
    const auto seen = read (6);
    window.setPosodaIDN (seen, 2);

    {
        vtest::LogCapture log;
        posoda none;
        none.id = 0;
        EXPECT_FALSE (PosodaOps::reloadCompareSet (none, &db, &window, 2));
        EXPECT_FALSE (log.contains ("SELECT"));
    }
    EXPECT_FALSE (PosodaOps::reloadCompareSet (seen, &db, &window, 2));

    ASSERT_TRUE (exec ("UPDATE posoda SET volumen=900 WHERE id=6"));
    EXPECT_TRUE (PosodaOps::reloadCompareSet (seen, &db, &window, 2));
    EXPECT_EQ (window.getPosoda (2).volumen, 900.0);

    // A vessel that is gone cannot be confirmed: the booking stops and the slot stays.
    auto gone = seen;
    gone.id = 77;
    window.setPosodaIDN (gone, 1);
    EXPECT_TRUE (PosodaOps::reloadCompareSet (gone, &db, &window, 1));
    EXPECT_EQ (window.getPosoda (1).id, 77);

    // Without a query object of the caller's the operation makes its own.
    EXPECT_FALSE (PosodaOps::reloadCompareSet (window.getPosoda (2), nullptr, &window, 2));
}

TEST_F (CellarFixture, APositionThatWasNotWrittenStaysMarked)
{
    auto p = read (5);
    p.pozx = 200;
    p.pozy = 80;
    p.pozz = 3;
    bool moved = true;
    {
        vtest::FaultInjection fault (file(), { "posoda" });
        fault.failWrite (1);
        PosodaOps::writePosition (&db, p, true, moved);
        EXPECT_TRUE (moved);
        EXPECT_EQ (value ("SELECT pozx FROM posoda WHERE id=5"), "0.0");
    }
    PosodaOps::writePosition (&db, p, false, moved);
    EXPECT_TRUE (moved);
    PosodaOps::writePosition (&db, p, true, moved);
    EXPECT_FALSE (moved);
    EXPECT_EQ (rows ("SELECT pozx,pozy,pozz FROM posoda WHERE id=5"), juce::StringArray ({ "200.0|80.0|3" }));
}

TEST_F (CellarFixture, TheStateTextOfAVessel)
{
    struct Case
    {
        int id;
        std::function<void (posoda&)> change;
        const char* text;
    };
    const Case cases[] = {
        { 5, [] (posoda&) {}, "prazna posoda" },
        { 6, [] (posoda&) {}, "Sauvignon(T) 2019 Zaloga v posodi300 L  volumen: 1000 L" },
        { 8, [] (posoda& p) { p.volumen = 1234.56; }, "Belo 2016 Zaloga v posodi1200 L  volumen: 1235 L" },
        { 8, [] (posoda& p) { p.letnik = 98; }, "Belo Zaloga v posodi1200 L  volumen: 1000 L" },
        { 8, [] (posoda& p) { p.zaloga = 0.009; }, "prazna posoda" },
    };
    for (const auto& c : cases)
    {
        auto p = read (c.id);
        c.change (p);
        EXPECT_EQ (PosodaOps::getStanjePosode (p), c.text) << c.id;
    }
}

TEST (VesselFill, TheRatioIsClampedAndZeroWithoutCapacity)
{
    const std::tuple<double, double, double> cases[] = {
        { 500, 1000, 0.5 }, { 1500, 1000, 1.0 }, { 0, 1000, 0.0 }, { 10, 0, 0.0 }, { 10, -5, 0.0 }, { -3, 100, 0.0 },
    };
    for (auto [stock, capacity, ratio] : cases)
    {
        posoda p;
        p.zaloga = stock;
        p.volumen = capacity;
        EXPECT_DOUBLE_EQ (PosodaOps::fillRatio (p), ratio) << stock << "/" << capacity;
    }
}

TEST (VesselSlots, OutOfRangeSlotsGiveTheEmptyRecordAndStoreNothing)
{
    for (int count : { 0, 2 })
    {
        PosodaListener window (count);
        posoda p;
        p.id = 9;
        vtest::LogCapture log;
        for (int slot : { 0, 3, -1 })
        {
            window.setPosodaIDN (p, slot);
            EXPECT_EQ (window.getPosoda (slot).id, -1);
        }
        EXPECT_TRUE (log.contains ("ERROR posoda is wrong"));
    }
    PosodaListener two (2);
    posoda source, target;
    source.id = 5;
    target.id = 6;
    two.setPosodaIDN (source, 1);
    two.setPosodaIDN (target, 2);
    EXPECT_EQ (two.getPosoda (1).id, 5);
    EXPECT_EQ (two.getPosoda (2).id, 6);

    KletListener cellar;
    KletRecord k;
    k.id = 3;
    vtest::LogCapture log;
    cellar.setKletIDN (k, 2);
    EXPECT_TRUE (log.contains ("ERROR klet is wrong"));
    EXPECT_EQ (cellar.getKlet().id, -1);
    cellar.setKletIDN (k, 1);
    EXPECT_EQ (cellar.getKlet().id, 3);
}

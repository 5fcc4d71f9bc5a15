#include "cellar/CellarFixture.h"
#include "cellar/VesselQuery.h"

using celltest::CellarFixture;

namespace
{
struct Shown
{
    int id;
    double zaloga;
    const char* sorta;
    int letnik;
    int barva;
    int declaredSorta;
    const char* grade;
};
} // namespace

TEST_F (CellarFixture, TheSharedQueryShowsDeclarationOrContents)
{
    const Shown cases[] = {
        { 5, 0.0, "", 0, 0, 1, "dezelno vino PGO" },            // empty, undeclared
        { 6, 300.0, "Sauvignon", 2019, 16777011, 3, "kakovostno vino ZGP" }, // declared, holds red
        { 7, 150.5, "Rdeče", 2016, 204, 0, "" },                 // dangling declaration
        { 8, 1200.0, "Belo", 2016, 3407871, 1, "dezelno vino PGO" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.id);
        const auto p = read (c.id);
        EXPECT_EQ (p.id, c.id);
        EXPECT_DOUBLE_EQ (p.zaloga, c.zaloga);
        EXPECT_EQ (p.sorta, juce::String::fromUTF8 (c.sorta));
        EXPECT_EQ (p.letnik, c.letnik);
        EXPECT_EQ (p.barva, c.barva);
        EXPECT_EQ (p.tipizacija.sorta.id, c.declaredSorta);
        EXPECT_EQ (p.tipizacija.kvalitetaOznaka, juce::String::fromUTF8 (c.grade));
        EXPECT_EQ (p.klet.id, 1);
        EXPECT_TRUE (p.active);
    }
    const auto declared = read (6);
    EXPECT_EQ (declared.tipizacija.id, 20);
    EXPECT_EQ (declared.tipizacija.sorta.sorta, "Sauvignon");
    EXPECT_EQ (declared.tipizacija.sorta.barva, 16777011);
    EXPECT_EQ (declared.ddv.id, 7);
    EXPECT_DOUBLE_EQ (declared.cena, 2.5);
    EXPECT_EQ (declared.pozz, 1);
}

TEST_F (CellarFixture, TheCanvasQueryGivesOneRowPerActiveVesselInStackingOrder)
{
    ASSERT_TRUE (exec ("UPDATE posoda SET active=0 WHERE id=8; UPDATE posoda SET pozz=2 WHERE id=5;"));
    auto tree = db.sqlFetch (PosodaOps::cellarVesselsSql (1));
    ASSERT_NE (tree, nullptr);
    juce::StringArray ids;
    for (auto* row : tree->getChildByName ("DATA")->getChildIterator())
        ids.add (row->getStringAttribute ("id") + ":" + row->getStringAttribute ("zaloga"));
    EXPECT_EQ (ids.joinIntoString (" "), "7:150.5 6:300 5:0");
}

TEST (VesselRecord, MissingColumnsAndEmptyRecordTakeTheirDefaults)
{
    juce::XmlElement bare ("ITEM");
    const posoda p (&bare);
    EXPECT_EQ (p.id, -99);
    EXPECT_EQ (p.klet.id, -99);
    EXPECT_EQ (p.volumen, -99.0);
    EXPECT_EQ (p.zaloga, -99.0);
    EXPECT_EQ (p.pozx, -99.0);
    EXPECT_EQ (p.pozy, -99.0);
    EXPECT_EQ (p.pozz, -99);
    EXPECT_EQ (p.cena, -99.0);
    EXPECT_EQ (p.ddv.id, -99);
    EXPECT_EQ (p.tipizacija.id, 1);
    EXPECT_EQ (p.tipizacija.sorta.id, 1);
    EXPECT_EQ (p.tipizacija.kvaliteta, 2);
    EXPECT_EQ (p.tip, 2);
    EXPECT_EQ (p.letnik, 0);
    EXPECT_FALSE (p.active);

    const posoda none (nullptr);
    EXPECT_EQ (none.id, -1);
    EXPECT_EQ (none.tipizacija.id, -1);
    EXPECT_EQ (none.tipizacija.kvaliteta, -1);
    EXPECT_EQ (none.ddv.id, -1);
    EXPECT_EQ (none.tip, 2);

    juce::XmlElement flags ("ITEM");
    for (auto [text, expected] : { std::pair { "1", true }, { "true", true }, { "yes", true }, { "0", false }, { "no", false } })
    {
        flags.setAttribute ("active", text);
        EXPECT_EQ (posoda (&flags).active, expected) << text;
    }
}

TEST (VesselRecord, CompareHonoursTolerancesAndLogsOnlyTheFirstDifference)
{
    posoda a;
    a.id = 6;
    a.oznaka = "Sod";
    a.volumen = 1000;
    a.pozx = 10;
    a.cena = 2.5;

    struct Case
    {
        const char* name;
        std::function<void (posoda&)> change;
        bool equal;
        const char* logged;
    };
    const Case cases[] = {
        { "cellar name", [] (posoda& b) { b.klet.ime = "Druga"; }, true, nullptr },
        { "price 1e-7", [] (posoda& b) { b.cena += 1e-7; }, true, nullptr },
        { "position 0.0005", [] (posoda& b) { b.pozx += 0.0005; }, true, nullptr },
        { "position 0.002", [] (posoda& b) { b.pozx += 0.002; }, false, "id posode:6 pozx does not match a:10 b:10.002" },
        { "label case", [] (posoda& b) { b.oznaka = "sod"; }, false, "oznaka does not match a:Sod b:sod" },
        { "several", [] (posoda& b) { b.tip = 5; b.volumen = 900; b.active = true; }, false, "volumen does not match a:1000 b:900" },
        { "active", [] (posoda& b) { b.active = true; }, false, "active does not match a:0 b:1" },
        { "ddv", [] (posoda& b) { b.ddv.id = 7; }, false, "ddv.id does not match a:-1 b:7" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        vtest::LogCapture log;
        auto b = a;
        c.change (b);
        EXPECT_EQ (posoda::compare (a, b), c.equal);
        int lines = 0;
        for (auto& line : log.lines())
            if (line.contains ("<posoda::compare>"))
                ++lines;
        EXPECT_EQ (lines, c.equal ? 0 : 1);
        if (c.logged != nullptr)
            EXPECT_TRUE (log.contains (c.logged)) << log.lines().joinIntoString ("\n");
    }
}

// Storage entries read from a real database file: which entries the query finds (kinds below 4,
// by warehouse, by id active or not), every column reaching its field, the reload by id and the
// change check that hands a window the fresh entry.
#include "db/SQLtoXml.h"
#include "support/TestSupport.h"
#include "warehouse/GoodsRecords.h"

#include <gtest/gtest.h>

namespace
{
class StorageDb : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SQLtoXml q;
        // The plan positions and the grade table come with the shipped database of other work;
        // a file without them gets them here.
        for (auto* column : { "pozx", "pozy", "pozz" })
            q.sqlQueryNA (juce::String ("ALTER TABLE hramba ADD COLUMN `") + column + "` integer NOT NULL DEFAULT '0'");
        run ("CREATE TABLE IF NOT EXISTS `kvaliteta` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `oznaka` varchar(64))");
        run ("INSERT INTO stranka(id,ime,drzava,active) VALUES (50,'Konsignant d.o.o.',185,1)");
        run ("INSERT INTO skladisce(id,ime,konsig) VALUES (1,'Glavno',1),(3,'Tuje blago',50)");
        run ("INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (10,'Modra frankinja','MF',-3407872,1,0)");
        run ("INSERT INTO model(id,oznaka,volumen,enota) VALUES (5,'Bordo',0.75,7)");
        run ("INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo) VALUES (5,'A1',2021,10,5,3,600)");
        run ("INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) VALUES"
             " (20,'Frankinja 0,75',2,8.5,3,32,1,5,1), (21,'Karton',3,1.2,7,24,1,5,1), (22,'Odprto',4,2,3,7,1,5,1)");
        run ("INSERT INTO hramba(id,skladisce,artikel,stevilo,active,kosovnica,pozx,pozy,pozz) VALUES"
             " (6,1,20,12.5,1,0,110,80,1), (7,3,21,4,0,2,0,0,0), (8,3,20,3,1,0,220,0,2), (9,1,22,1,1,0,0,0,0)");
    }

    static void run (const juce::String& sql)
    {
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA (sql)) << q.lastError << " in " << sql;
    }

    static juce::StringArray idsFound (int skladisce, int hramba)
    {
        SQLtoXml q;
        juce::StringArray ids;
        if (q.sqlQuery (Hramba::getSelectSQL (skladisce, hramba)) != nullptr && q.getData() != nullptr)
            for (auto* row : q.getData()->getChildIterator())
                ids.add (juce::String (Hramba::fromRow (row).id));
        ids.sort (false);
        return ids;
    }

    static Hramba entry (int id)
    {
        Hramba h;
        h.id = id;
        EXPECT_TRUE (h.reload (nullptr)) << id;
        return h;
    }

    vtest::FreshDatabase database;
};

struct Window : Hramba::Listener
{
};
} // namespace

TEST_F (StorageDb, QueryFindsKindsBelowFourByWarehouseAndById)
{
    struct Case { int skladisce, hramba; juce::StringArray ids; };
    const Case cases[] = {
        { -1, -1, { "6", "8" } },   // active entries of every warehouse, never the bulk-wine article 9
        { 3, -1, { "8" } },
        { 1, -1, { "6" } },
        { -1, 7, { "7" } },         // by id also when inactive
        { -1, 9, {} },              // kind 4, even by id
        { 3, 6, {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ (idsFound (c.skladisce, c.hramba), c.ids) << c.skladisce << "," << c.hramba;
}

TEST_F (StorageDb, EveryColumnReachesItsField)
{
    const auto h = entry (6);
    EXPECT_EQ (h.id, 6);
    EXPECT_TRUE (h.active);
    EXPECT_EQ (h.kosovnica, 0);
    EXPECT_EQ (h.stevilo, 12);   // stored 12.5, whole pieces
    EXPECT_EQ (h.pozx, 110);
    EXPECT_EQ (h.pozy, 80);
    EXPECT_EQ (h.pozz, 1);
    EXPECT_EQ (h.artikel.id, 20);
    EXPECT_EQ (h.artikel.ime, "Frankinja 0,75");
    EXPECT_EQ (h.artikel.link, 5);
    EXPECT_EQ (h.artikel.link2, 0);
    EXPECT_DOUBLE_EQ (h.artikel.cena, 8.5);
    EXPECT_EQ (h.artikel.ddv.id, 3);
    EXPECT_DOUBLE_EQ (h.artikel.ddv.stopnja, 9.5);
    EXPECT_EQ (h.artikel.enota.id, 32);
    EXPECT_EQ (h.artikel.enota.oznaka, "steklenica");
    EXPECT_EQ (h.artikel.tip.id, 2);
    EXPECT_EQ (h.artikel.parent, 1);
    EXPECT_EQ (h.serija.id, 5);
    EXPECT_EQ (h.serija.oznaka, "A1");
    EXPECT_EQ (h.serija.letnik, 2021);
    EXPECT_DOUBLE_EQ (h.serija.stevilo, 600.0);
    EXPECT_EQ (h.serija.kvalitetaid, 3);
    EXPECT_EQ (h.serija.model.id, 5);
    EXPECT_EQ (h.serija.model.oznaka, "Bordo");
    EXPECT_DOUBLE_EQ (h.serija.model.volumen, 0.75);
    EXPECT_EQ (h.serija.model.enota.oznaka, "l");
    EXPECT_DOUBLE_EQ (h.serija.model.enota.SI, 0.001);
    EXPECT_EQ (h.serija.sorta.id, 10);
    EXPECT_EQ (h.serija.sorta.sorta, "Modra frankinja");
    EXPECT_EQ (h.serija.sorta.barva, -3407872);
    EXPECT_EQ (h.skladisce.id, 1);
    EXPECT_EQ (h.skladisce.ime, "Glavno");
    EXPECT_EQ (h.skladisce.konsig.id, 1);

    // Other goods get no variety name or colour, whatever their link points at.
    const auto other = entry (7);
    EXPECT_FALSE (other.active);
    EXPECT_EQ (other.kosovnica, 2);
    EXPECT_EQ (other.serija.sorta.sorta, "");
    EXPECT_EQ (other.serija.sorta.barva, 0);
    EXPECT_EQ (other.skladisce.konsig.id, 50);
    EXPECT_EQ (other.skladisce.konsig.ime, "Konsignant d.o.o.");
}

TEST_F (StorageDb, ReloadOfAnEntryTheQueryCannotFindKeepsTheEntry)
{
    for (int id : { 9, 404 })
    {
        Hramba h;
        h.id = id;
        h.stevilo = 77;
        SQLtoXml q;
        EXPECT_FALSE (h.reload (&q)) << id;
        EXPECT_EQ (h.id, id);
        EXPECT_EQ (h.stevilo, 77);
    }
}

TEST_F (StorageDb, ChangeCheckHandsTheWindowTheFreshEntry)
{
    Window window;
    const auto held = entry (6);
    window.setIDN (held, 1);

    {
        SQLtoXml q;
        Hramba neverStored = held;
        neverStored.id = 0;
        EXPECT_FALSE (neverStored.reloadCompareSet (&q, &window));
        EXPECT_EQ (q.getData(), nullptr);   // no query ran
    }
    {
        SQLtoXml q;
        Hramba same = held;
        EXPECT_FALSE (same.reloadCompareSet (&q, &window));
        EXPECT_EQ (window.getHramba().stevilo, 12);
    }

    struct Change { const char* sql; std::function<void (const Hramba&)> check; };
    const Change changes[] = {
        { "UPDATE hramba SET stevilo=20 WHERE id=6", [] (const Hramba& h) { EXPECT_EQ (h.stevilo, 20); } },
        { "UPDATE model SET volumen=1.5 WHERE id=5", [] (const Hramba& h) { EXPECT_DOUBLE_EQ (h.serija.model.volumen, 1.5); } },
        { "UPDATE skladisce SET ime='Klet' WHERE id=1", [] (const Hramba& h) { EXPECT_EQ (h.skladisce.ime, "Klet"); } },
        { "UPDATE hramba SET active=0 WHERE id=6", [] (const Hramba& h) { EXPECT_FALSE (h.active); } },
    };
    for (const auto& c : changes)
    {
        const auto before = window.getHramba();
        run (c.sql);
        vtest::LogCapture log;
        Hramba windowsCopy = before;
        EXPECT_TRUE (windowsCopy.reloadCompareSet (nullptr, &window)) << c.sql;
        c.check (window.getHramba());
        EXPECT_TRUE (log.contains ("<Hramba::reloadCompareSet> gremo ven"));
        EXPECT_TRUE (log.contains ("does not match a:"));
        // The window holds the database state now: the next check finds nothing.
        Hramba again = window.getHramba();
        EXPECT_FALSE (again.reloadCompareSet (nullptr, &window));
    }

    // Without an owner the check still answers.
    Hramba stale = window.getHramba();
    run ("UPDATE hramba SET pozx=5 WHERE id=6");
    EXPECT_TRUE (stale.reloadCompareSet (nullptr, nullptr));

    // An entry deleted from the file cannot be checked.
    run ("DELETE FROM hramba WHERE id=6");
    Hramba gone = window.getHramba();
    EXPECT_FALSE (gone.reloadCompareSet (nullptr, &window));
}

TEST_F (StorageDb, TablesOfTheQueryAreRegisteredInOrder)
{
    SQLtoXml q;
    Hramba::addTables (q);
    EXPECT_EQ (q.getTables(), juce::StringArray ({ "hramba AS h", "artikel AS a", "skladisce AS s", "enota AS e", "stranka AS st",
                                                   "tip", "serija", "sorta", "model AS m", "enota AS me", "ddv" }));
}

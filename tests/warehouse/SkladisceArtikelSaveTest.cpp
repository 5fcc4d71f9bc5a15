// The save of an article in a warehouse on a real database: identities, counts booked as journal
// entries and movements, new versions with their repackaging chain, reuse of inactive articles,
// moves between warehouses, and faults injected mid-save that must leave nothing behind.
#include "StockFixture.h"
#include "warehouse/SkladisceArtikelSave.h"

#include <deque>

using namespace stocktest;

namespace
{
class ArtikelSaveDb : public StockFixture
{
protected:
    /** What the rows of the add dialog give: other goods in pieces at the price, VAT 3. */
    static Hramba typed (const juce::String& name, int count, double price = 2.5, int warehouse = 1)
    {
        Hramba h;
        h.artikel.ime = name;
        h.artikel.tip.id = TipRecord::otherGoods;
        h.artikel.enota.id = 24;
        h.artikel.cena = price;
        h.artikel.ddv.id = 3;
        h.skladisce.id = warehouse;
        h.skladisce.ime = warehouse == 1 ? "Glavno" : "Trgovina";
        h.stevilo = count;
        return h;
    }

    /** Runs a save with scripted answers (1 Yes, 2 No, 0 Cancel); the questions asked are kept. */
    bool run (SkladisceArtikelSave::Mode mode, const Hramba& record, const Hramba& orig, std::deque<int> answers = {})
    {
        SkladisceArtikelSave save (mode, db);
        save.record = record;
        save.orig = orig;
        save.opombe = "test";
        save.ask = [this, &answers] (const juce::String&, const juce::String& message) {
            questions.add (message);
            if (answers.empty())
                return 0;
            const int a = answers.front();
            answers.pop_front();
            return a;
        };
        const bool done = save.save();
        error = save.error;
        saved = save.record;
        return done;
    }

    bool add (const juce::String& name, int count, std::deque<int> answers = {})
    {
        return run (SkladisceArtikelSave::Mode::add, typed (name, count), Hramba(), answers);
    }

    /** The stored entry as the plan gives it to the edit dialog. */
    Hramba entry (int id)
    {
        Hramba h;
        h.id = id;
        EXPECT_TRUE (h.reload (&db));
        return h;
    }

    int articleNamed (const juce::String& name) { return value ("SELECT id FROM artikel WHERE ime='" + name + "' AND parent=1 AND active=1").getIntValue(); }
    juce::String lastOperation() { return value ("SELECT opravilo FROM glavna ORDER BY id DESC LIMIT 1"); }
    juce::StringArray lastMovements()
    {
        return rows ("SELECT smer,CAST(kolicina AS INTEGER) FROM prenos WHERE glavna=(SELECT MAX(id) FROM glavna) ORDER BY id");
    }
    juce::StringArray everything()
    {
        return vtest::dumpTables (file(), { "artikel", "glavna", "prenos", "hramba", "prepakiranje" });
    }

    /** The one row of a query, its columns joined with "|". */
    juce::String one (const juce::String& sql) { return rows (sql).joinIntoString (";"); }

    juce::StringArray questions;
    juce::String error;
    Hramba saved;
};
} // namespace

TEST_F (ArtikelSaveDb, FindsTheCurrentArticleOfAnIdentity)
{
    ASSERT_TRUE (exec ("INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) VALUES"
                       " (40,'O''Hara',3,1,3,24,1,1,1),(41,'Stari',3,1,3,24,1,1,0),(42,'Stari',3,1,3,24,0,1,1);"));
    struct Case { const char* name; int tip; int unit; int expected; };
    const Case cases[] = {
        { "O'Hara", 3, 24, 40 },     // active, a quote in the name
        { "Stari", 3, 24, -41 },     // inactive current row; the archived one (parent 0) never counts
        { "Stari", 3, 32, 0 },       // another unit is another article
        { "Nobeden", 3, 24, 0 },
    };
    for (const auto& c : cases)
    {
        ArtikelRecord a;
        a.ime = c.name;
        a.tip.id = c.tip;
        a.enota.id = c.unit;
        a.link = 1;
        bool failed = true;
        EXPECT_EQ (SkladisceArtikelSave::findArtikelId (a, &db, &failed), c.expected) << c.name;
        EXPECT_FALSE (failed);
        EXPECT_EQ (SkladisceArtikelSave::findArtikelId (a, nullptr), c.expected) << c.name;
    }
}

TEST_F (ArtikelSaveDb, AddingBooksTheCountAndRefusesWhatCannotBeAdded)
{
    EXPECT_FALSE (add ("Zamasek", 0));
    EXPECT_EQ (error, "Kolicina artikla ni podana!");
    EXPECT_FALSE (add ("   ", 3));
    EXPECT_EQ (error, "Vnesite ime artikla!");

    ASSERT_TRUE (add ("  Zamasek ", 7)) << error;
    const int id = articleNamed ("Zamasek");
    ASSERT_GT (id, 0);
    EXPECT_EQ (saved.artikel.id, id);
    EXPECT_EQ (one ("SELECT CAST(stevilo AS INTEGER)||'|'||link FROM hramba JOIN artikel ON artikel.id=hramba.artikel WHERE artikel=" + juce::String (id)), "7|1");
    EXPECT_EQ (lastOperation(), "27");

    EXPECT_FALSE (add ("Zamasek", 2));   // the identity of an active article
    EXPECT_EQ (error, "Artikel z istim imenom 'Zamasek' ze obstaja!\nZelis spremeniti ime artikla?");
    EXPECT_TRUE (questions.isEmpty());
}

TEST_F (ArtikelSaveDb, EditingTheCountOrPriceBooksTheDifference)
{
    struct Case { int from; int to; double price; const char* operation; const char* movement; const char* stock; };
    const Case cases[] = {
        { 5, 3, 2.5, "23", "2|2", "3" },
        { 3, 5, 2.5, "27", "1|2", "5" },
        { 5, 5, 3.1, "29", "2|0", "5" },   // price only: still an entry, with an outflow of nothing
        { 5, 0, 2.5, "23", "2|5", "0" },   // an emptied entry is allowed in edit mode
    };
    int n = 0;
    for (const auto& c : cases)
    {
        const juce::String name = "Pokrov" + juce::String (++n);
        ASSERT_TRUE (add (name, c.from)) << error;
        const int id = articleNamed (name);
        const auto opened = entry (entryOf (1, id));
        auto edited = opened;
        edited.stevilo = c.to;
        edited.artikel.cena = c.price;
        ASSERT_TRUE (run (SkladisceArtikelSave::Mode::edit, edited, opened)) << name << ": " << error;
        EXPECT_EQ (lastOperation(), c.operation) << name;
        EXPECT_EQ (lastMovements(), juce::StringArray (c.movement)) << name;
        EXPECT_EQ (value ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE id=" + juce::String (opened.id)), c.stock) << name;
        EXPECT_EQ (value ("SELECT printf('%.2f',cena) FROM artikel WHERE id=" + juce::String (id)), juce::String (c.price, 2)) << name;
        EXPECT_TRUE (questions.isEmpty());
    }
}

TEST_F (ArtikelSaveDb, EditGuardRefusesAnotherArticleInsteadOfPretendingToSave)
{
    ASSERT_TRUE (add ("Etiketa", 2)) << error;
    const auto opened = entry (entryOf (1, articleNamed ("Etiketa")));
    auto edited = opened;
    edited.artikel.id = kBox;
    const auto before = everything();
    EXPECT_FALSE (run (SkladisceArtikelSave::Mode::edit, edited, opened));
    EXPECT_EQ (error, "Hramba se je med urejanjem spremenila. Preverite.");
    EXPECT_EQ (everything(), before);
}

TEST_F (ArtikelSaveDb, RenamingTwiceKeepsTheIdAndChainsTheArchivedVersions)
{
    ASSERT_TRUE (add ("A", 4)) << error;
    const int a = articleNamed ("A");
    const int place = entryOf (1, a);

    auto opened = entry (place);
    auto edited = opened;
    edited.artikel.ime = "B";
    ASSERT_TRUE (run (SkladisceArtikelSave::Mode::edit, edited, opened, { 1 })) << error;
    EXPECT_EQ (questions, juce::StringArray ("Sledenje sprememb zahteva da ustvarimo nov artikel"));
    EXPECT_EQ (lastOperation(), "20");
    const int a1 = value ("SELECT MAX(id) FROM artikel WHERE ime='A' AND active=0").getIntValue();

    opened = entry (place);
    edited = opened;
    edited.artikel.ime = "C";
    ASSERT_TRUE (run (SkladisceArtikelSave::Mode::edit, edited, opened, { 1 })) << error;
    const int a2 = value ("SELECT MAX(id) FROM artikel WHERE ime='B' AND active=0").getIntValue();

    EXPECT_EQ (one ("SELECT ime||'|'||active FROM artikel WHERE id=" + juce::String (a)), "C|1");
    EXPECT_EQ (one ("SELECT artikel||'|'||CAST(stevilo AS INTEGER) FROM hramba WHERE id=" + juce::String (place)), juce::String (a) + "|4");
    EXPECT_EQ (rows ("SELECT artprej,artpo,sklprej,sklpo,CAST(stprej AS INTEGER),CAST(stpo AS INTEGER) FROM prepakiranje ORDER BY id"),
               juce::StringArray (juce::String (a1) + "|" + juce::String (a2) + "|1|1|4|4",
                                  juce::String (a2) + "|" + juce::String (a) + "|1|1|4|4"));
}

TEST_F (ArtikelSaveDb, InactiveIdentityIsTakenBackOnYesAndInactiveWhenReceived)
{
    ASSERT_TRUE (exec ("INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) VALUES (45,'Zaboj',3,1,2,24,1,1,0);"));
    EXPECT_FALSE (add ("Zaboj", 3, { 2 }));
    EXPECT_EQ (error, "Artikel z istim imenom 'Zaboj' ze obstaja!\nZelis spremeniti ime artikla?");
    ASSERT_TRUE (add ("Zaboj", 3, { 1 })) << error;
    EXPECT_EQ (questions.size(), 2);
    EXPECT_EQ (saved.artikel.id, 45);
    EXPECT_EQ (one ("SELECT printf('%.2f',cena)||'|'||ddv||'|'||active FROM artikel WHERE id=45"), "2.50|3|1");
    EXPECT_EQ (value ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE artikel=45"), "3");

    ASSERT_TRUE (exec ("INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) VALUES (46,'Folija',3,1,2,24,1,1,0);"));
    const auto journal = value ("SELECT COUNT(*) FROM glavna");
    questions.clear();
    auto received = typed ("Folija", 0, 0.0);
    ASSERT_TRUE (run (SkladisceArtikelSave::Mode::received, received, Hramba())) << error;
    EXPECT_TRUE (questions.isEmpty());
    EXPECT_EQ (saved.artikel.id, 46);
    EXPECT_EQ (value ("SELECT active FROM artikel WHERE id=46"), "0");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna"), journal);
}

TEST_F (ArtikelSaveDb, MovingToAnotherWarehouseEmptiesTheOldEntryAndKeepsTheBillOfMaterials)
{
    ASSERT_TRUE (add ("Kozarec", 6)) << error;
    const int id = articleNamed ("Kozarec");
    const int from = entryOf (1, id);
    ASSERT_TRUE (exec ("UPDATE hramba SET kosovnica=7 WHERE id=" + juce::String (from)));
    const auto opened = entry (from);
    auto edited = opened;
    edited.skladisce.id = 2;
    edited.skladisce.ime = "Trgovina";
    ASSERT_TRUE (run (SkladisceArtikelSave::Mode::edit, edited, opened)) << error;
    EXPECT_EQ (value ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE id=" + juce::String (from)), "0");
    EXPECT_EQ (rows ("SELECT CAST(stevilo AS INTEGER),kosovnica FROM hramba WHERE skladisce=2 AND artikel=" + juce::String (id)), juce::StringArray ("6|7"));
}

TEST_F (ArtikelSaveDb, AFaultMidSaveLeavesNothingOfIt)
{
    ASSERT_TRUE (add ("Vrecka", 4)) << error;
    const int place = entryOf (1, articleNamed ("Vrecka"));
    const auto opened = entry (place);

    struct Case { const char* table; juce::String message; };
    const Case cases[] = {
        { "prepakiranje", "Napaka pri dodajanju artikla z imenom Vrecka2 v skladisce Glavno Koda 065" },
        { "prenos", "Napaka pri dodajanju artikla z imenom Vrecka2 v skladisce Glavno" },
    };
    for (const auto& c : cases)
    {
        const auto before = everything();
        vtest::FaultInjection faults (file(), { c.table });
        faults.failWrite (1);
        auto edited = opened;
        edited.artikel.ime = "Vrecka2";
        edited.stevilo = 6;
        EXPECT_FALSE (run (SkladisceArtikelSave::Mode::edit, edited, opened, { 1 })) << c.table;
        EXPECT_EQ (error, c.message);
        EXPECT_EQ (everything(), before) << c.table;
    }
}

TEST_F (ArtikelSaveDb, AFailedIdentityLookupStopsTheSave)
{
    const auto journal = value ("SELECT COUNT(*) FROM glavna");
    ASSERT_TRUE (exec ("ALTER TABLE artikel RENAME TO artikel_stran;"));
    EXPECT_FALSE (add ("Pipa", 2));
    ASSERT_TRUE (exec ("ALTER TABLE artikel_stran RENAME TO artikel;"));
    EXPECT_EQ (error, "Napaka pri kreiranju artikla z imenom Pipa");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM artikel WHERE ime='Pipa'"), "0");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM glavna"), journal);
}

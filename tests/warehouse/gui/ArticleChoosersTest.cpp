// Choosing warehouses, article kinds and articles over a real database: the warehouse chooser's
// lists and what it hands out for unknown ids, the article manager's storage, details and sales
// lists with their amounts, and the article picker driven by clicks under a real X server.
#include "partners/gui/PartnerWindows.h"
#include "support/ScriptedAnswerer.h"
#include "warehouse/ArtikelListener.h"
#include "warehouse/StockFixture.h"
#include "warehouse/gui/ArtikelTablePropertyComponent.h"
#include "warehouse/gui/PregledBazeArtikel.h"
#include "warehouse/gui/SkladisceChoicePropertyComponent.h"
#include "warehouse/gui/TipChoicePropertyComponent.h"
#include "widgets/Statistika.h"

using ptest::pump;

namespace
{
juce::StringArray list (std::initializer_list<juce::String> texts)
{
    juce::StringArray out;
    for (const auto& t : texts)
        out.add (t);
    return out;
}

juce::StringArray choicesOf (juce::ChoicePropertyComponent& c)
{
    return c.getChoices();
}

/** The texts of some columns of every row in the order shown ("" for an empty cell). */
juce::StringArray cellsOf (PregledBaze& b, std::initializer_list<const char*> names)
{
    juce::StringArray out;
    for (int i = 0; auto* row = b.rowAt (i); ++i)
    {
        juce::StringArray cells;
        for (auto* name : names)
        {
            // Numbers as the table shows them, with two decimals.
            const auto text = row->getStringAttribute (name);
            cells.add (text.contains ("\n") ? text.replace ("\n", " ") : text.containsOnly ("0123456789.") && text.isNotEmpty() ? juce::String (text.getDoubleValue(), 2) : text);
        }
        out.add (cells.joinIntoString ("|"));
    }
    return out;
}

class ArticleForm : public juce::Component,
                    public ArtikelListener
{
public:
    void setIDN (ArtikelRecord article, int slot) override
    {
        picks.add (juce::String (slot) + ":" + juce::String (article.id) + ":" + article.ime);
        ArtikelListener::setIDN (article, slot);
    }
    juce::StringArray picks;
};
} // namespace

class ArticleChoosers : public stocktest::StockFixture
{
protected:
    void TearDown() override
    {
        ptest::closeAllWindows();
        stocktest::StockFixture::TearDown();
    }

    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
};

TEST_F (ArticleChoosers, WarehouseChooserHandsOutWarehouseAndParty)
{
    ASSERT_TRUE (exec ("UPDATE skladisce SET active=0 WHERE id=2; INSERT INTO skladisce(id,ime,konsig) VALUES (4,'Komisija',5)"));
    juce::Value chosen (juce::var (0));
    std::unique_ptr<SkladisceChoicePropertyComponent> row (SkladisceChoicePropertyComponent::loadAndCreate (chosen, "Skladisce"));
    ASSERT_NE (row, nullptr);
    EXPECT_EQ (choicesOf (*row), list ({ TRANS ("Not selected"), "Glavno", "Trgovina", "Tuje blago", "Komisija" }));

    struct Case { juce::var bound; int id; juce::String ime; int party; int index; int fatal; };
    const Case cases[] = {
        { 0, 0, TRANS ("Not selected"), 0, 0, 0 },
        { 2, 2, "Trgovina", 1, 2, 0 },             // withdrawn, offered like any other
        { 4, 4, "Komisija", 5, 4, 0 },
        { 77, 77, "", -1, -1, 2 },                 // not in the list: no choice shown
    };
    for (const auto& c : cases)
    {
        log.clear();
        chosen = c.bound;
        const auto w = row->getSkladisce();
        EXPECT_EQ (w.id, c.id);
        EXPECT_EQ (w.ime, c.ime);
        EXPECT_EQ (w.konsig.id, c.party);
        EXPECT_TRUE (w.konsig.ime.isEmpty());
        EXPECT_EQ (row->getIndex(), c.index);
        int fatal = 0;
        for (const auto& line : log.lines())
            fatal += line.contains (SkladisceChoicePropertyComponent::kNoIndex) ? 1 : 0;
        EXPECT_EQ (fatal, c.fatal) << c.id;
    }
    row->setIndex (3);
    EXPECT_EQ ((int) chosen.getValue(), 3);
    juce::Value other (juce::var (1));
    row->setValue (other);
    EXPECT_EQ ((int) chosen.getValue(), 1);
}

TEST_F (ArticleChoosers, WarehouseChooserWithoutItsTableOffersNotSelectedOnly)
{
    ASSERT_TRUE (exec ("ALTER TABLE skladisce RENAME TO skladisce_stari"));
    juce::Value chosen (juce::var (1));
    std::unique_ptr<SkladisceChoicePropertyComponent> row (SkladisceChoicePropertyComponent::loadAndCreate (chosen, "Skladisce"));
    ASSERT_NE (row, nullptr);
    EXPECT_EQ (choicesOf (*row), list ({ TRANS ("Not selected") }));
    EXPECT_TRUE (log.contains ("ERROR: the warehouses could not be read"));
    EXPECT_EQ (row->getIndex(), -1);
    EXPECT_EQ (row->getSkladisce().konsig.id, -1);
}

TEST_F (ArticleChoosers, KindChooserOffersTheWarehouseKindsOnly)
{
    ASSERT_TRUE (exec ("INSERT INTO tip(id,ime,active) VALUES (7,'Sedem',1)"));
    ASSERT_EQ (value ("SELECT count(*) FROM tip WHERE id BETWEEN 101 AND 107"), "7");
    juce::Value kind (juce::var (2));
    std::unique_ptr<TipChoicePropertyComponent> row (TipChoicePropertyComponent::loadAndCreate (kind, "Tip"));
    EXPECT_EQ (choicesOf (*row), list ({ TRANS ("Not selected"), "Storitev", "Vino v steklenicah", "Drugo blago" }));

    ASSERT_TRUE (exec ("ALTER TABLE tip RENAME TO tip_stari"));
    std::unique_ptr<TipChoicePropertyComponent> broken (TipChoicePropertyComponent::loadAndCreate (kind, "Tip"));
    EXPECT_EQ (choicesOf (*broken), list ({ TRANS ("Not selected") }));
}

TEST_F (ArticleChoosers, ArticleManagerLists)
{
    ASSERT_TRUE (book ("2024-03-01 10:00:00", 1, 1, 12, stocktest::kWine));
    ASSERT_TRUE (book ("2024-03-01 10:00:00", 1, 2, 5, stocktest::kWine));
    ASSERT_TRUE (book ("2024-03-01 10:00:00", 1, 3, 7, stocktest::kWine));
    ASSERT_TRUE (exec ("UPDATE hramba SET active=0 WHERE skladisce=3"));
    ASSERT_TRUE (exec (
        "INSERT INTO ddv(id,stopnja,opis,tip,active) VALUES (90,22,'22 %',1,1);"
        "INSERT INTO racun(id,tip,status,oznaka,datum,datumopravila,popust,kupecracun) VALUES"
        " (1,0,40,'R1','2024-03-02','2024-03-01',10,50),(2,1,40,'P1','2024-03-09','2024-03-09',0,50),"
        " (3,0,26,'S1','2024-03-08','2024-03-08',0,50),(4,6,30,'N1','2024-03-05','2024-03-04',0,50),"
        " (5,10,30,'D1','2024-02-01','2024-01-30',0,50);"
        "INSERT INTO postavka(racun,artikel,kolicina,cena,popust,ddv) VALUES"
        " (1,20,3,10,5,90),(2,20,1,10,0,90),(3,20,1,10,0,90),(4,20,2,0,0,90),(5,20,4,5,0,90),(1,21,9,1,0,90);"));

    Hramba entry;
    entry.artikel.id = stocktest::kWine;

    const juce::String kupec = value ("SELECT replace(ime,char(10),' ') FROM stranka WHERE id=50");
    std::unique_ptr<PregledBazeArtikel> sales (createArtikelProdajaBrowser (entry));
    EXPECT_EQ (cellsOf (*sales, { "oznaka", "datum", "cena", "stevilo", "znesek", "ddv", "skupaj", "kupec" }),
               list ({ "N1|2024-03-05||2.00||||" + kupec,
                                    "R1|2024-03-01|8.55|3.00|25.65|5.64|31.29|" + kupec,
                                    "D1|2024-02-01|5.00|4.00|20.00|4.40|24.40|" + kupec }));
    auto& salesHeader = sales->getTable().getHeader();
    EXPECT_FALSE (salesHeader.isColumnVisible (7));
    EXPECT_FALSE (salesHeader.isColumnVisible (8));
    EXPECT_TRUE (salesHeader.isColumnVisible (1));
    for (int id = 1; id <= salesHeader.getNumColumns (false); ++id)   // the article's own columns stay out of sight
        EXPECT_EQ (salesHeader.isColumnVisible (id), id <= 6 || id == 9) << id;

    std::unique_ptr<PregledBazeArtikel> details (createArtikelDetailsBrowser (entry));
    EXPECT_EQ (cellsOf (*details, { "ime", "serijalabel" }), juce::StringArray ({ "Frankinja|Belo, 0.75l, 2021-A1, Kakovostno" }));

    std::unique_ptr<PregledBazeArtikel> storage (createArtikelZalogaBrowser (entry));
    auto stored = cellsOf (*storage, { "skime", "stevilo" });
    stored.sort (false);
    EXPECT_EQ (stored, juce::StringArray ({ "Glavno|12.00", "Trgovina|5.00" }));
    ASSERT_NE (storage->getStatistika(), nullptr);
    storage->updateTableContent();
    EXPECT_EQ (storage->getStatistika()->getStatsRow()->getDoubleAttribute ("stevilo"), 17.0);
    auto& storageHeader = storage->getTable().getHeader();
    EXPECT_FALSE (storageHeader.isColumnVisible (2));
    EXPECT_TRUE (storageHeader.isColumnVisible (4));
}

TEST_F (ArticleChoosers, PickerHandsTheClickedArticleToItsForm)
{
    ArticleForm form;
    form.setSize (600, 300);
    auto picker = std::make_unique<ArtikelTablePropertyComponent> (TRANS ("racunpregled_nidoloceno"), TRANS ("racunpregled_steklenica"), &form);
    form.addAndMakeVisible (*picker);
    picker->setBounds (0, 0, 500, picker->getPreferredHeight());
    EXPECT_EQ (picker->getButtonText(), TRANS ("racunpregled_nidoloceno"));
    EXPECT_EQ (picker->getArtikel().id, -1);

    // Close leaves the button and the record as they were; the next click opens a new list.
    ptest::clickButtonOf (*picker);
    auto* first = ptest::childOf (*picker);
    ASSERT_NE (first, nullptr);
    EXPECT_EQ (first->getTitle(), "artikel");
    EXPECT_EQ (ptest::buttonsOf (first), juce::StringArray ({ "Close" }));
    ptest::press (first, "Close");
    EXPECT_EQ (picker->currentChild.get(), nullptr);
    EXPECT_EQ (picker->getButtonText(), TRANS ("racunpregled_nidoloceno"));
    EXPECT_TRUE (form.picks.isEmpty());

    ptest::clickButtonOf (*picker);
    auto* window = ptest::childOf (*picker);
    ASSERT_NE (window, nullptr);
    window->setSize (800, 400);
    pump (60);
    auto* browser = ptest::contentOf<PregledBazeArtikel> (window);
    ASSERT_NE (browser, nullptr);
    const int row = ptest::columnOf (*browser, "ime").indexOf ("Karton");
    ASSERT_GE (row, 0);
    ptest::clickRow (*browser, row);
    EXPECT_EQ (picker->getButtonText(), "Karton");
    EXPECT_EQ (picker->getArtikel().id, stocktest::kBox);
    EXPECT_EQ (picker->getArtikel().tip.id, 3);
    EXPECT_EQ (form.picks, juce::StringArray ({ "1:21:Karton" }));
    EXPECT_EQ (form.getArtikel().ime, "Karton");
    EXPECT_EQ (picker->currentChild.get(), nullptr);
    pump (100);
    EXPECT_EQ (ptest::openWindows(), 0);
    EXPECT_TRUE (log.contains ("closing window"));
}

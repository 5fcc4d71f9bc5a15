// The bulk-wine editor in a window of its own, as the invoice window will open it: without a
// vessel every button but Close refuses; an intake of 300 l into a vessel holding 600 l of one
// wine, a new wine of 100 l entered through the wine form and then changed to 120 l, a full
// vessel refusing another one, and the save with its composition articles; a sale whose opener
// gets 257 whole litres, and a renamed article beside the old one.
#include "cellar/CellarFixture.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "operations/gui/VnosZalogXml.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"
#include "operations/gui/PregledBazeVino.h"
#include "warehouse/gui/OdprtoEditArtikel.h"
#include "warehouse/gui/OdprtoNamePropertyComponent.h"
#include "warehouse/gui/PregledBazeOEA.h"

using vindoro::Litres;

namespace
{
/** The invoice window's part: opens the editor with its buttons and reads what it hands over. */
struct InvoiceStandIn : public juce::Component, public VindorWindowSetup
{
    OdprtoEditArtikel* open (bool intake, bool plainQuantity)
    {
        clearButtons();
        addButton (TRANS ("Close"), ButtonCode::cancelAsk);
        if (intake)
        {
            addButton (TRANS ("DeleteVino"), ButtonCode::remove);
            addButton (TRANS ("EditVino"), ButtonCode::edit);
            addButton (TRANS ("InsertVino"), ButtonCode::insert);
        }
        addButton (TRANS ("ZakljuciOdprto"), ButtonCode::ok);
        auto* editor = new OdprtoEditArtikel (intake, plainQuantity);
        window = VindorWindow::launchNormal (TRANS (intake ? "DodajVinoNovo" : "DodajVino"), editor, this, this);
        currentChild = window;
        wtest::pump();
        return editor;
    }

    void changeListenerCallback (juce::ChangeBroadcaster* source) override
    {
        auto* child = currentChild.get();
        if (child == nullptr || source != child || child->getExitValue() != ButtonCode::ok)
            return;
        if (auto* editor = dynamic_cast<OdprtoEditArtikel*> (child->getAction()))
        {
            entry = editor->getHramba();
            vessel = editor->getPosoda();
            answered = true;
        }
    }

    void click (const juce::String& key)
    {
        auto* w = dynamic_cast<VindorWindow*> (currentChild.get());
        ASSERT_NE (w, nullptr);
        auto* button = wtest::windowButton (*w, TRANS (key));
        ASSERT_NE (button, nullptr) << key;
        button->triggerClick();
        wtest::pump();
    }

    VindorWindow* window = nullptr;
    Hramba entry;
    posoda vessel;
    bool answered = false;
};

class OdprtoEditArtikelTest : public celltest::CellarFixture
{
protected:
    void SetUp() override
    {
        CellarFixture::SetUp();
        ASSERT_TRUE (exec ("INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta) VALUES (21,0,4,2016,5,2);"
                           "UPDATE posoda SET tipizacija=21, cena=2.5, ddv=3 WHERE id=5;"
                           "INSERT INTO zaloga(vino,posoda,volumen) VALUES (8,5,600)"));
        host.setSize (900, 700);
    }

    void TearDown() override
    {
        wtest::closeOpenWindows();
        CellarFixture::TearDown();
    }

    static Litres at (const juce::XmlElement* row, const char* attribute)
    {
        return OdprtoKompozicija::litresOf (*row, attribute);
    }

    /** The form the list opened, filled and saved with its own button. */
    void saveWineForm (OdprtoEditArtikel::PregledBazeOEA& list, int sorta, const juce::String& litres)
    {
        auto* formWindow = dynamic_cast<VindorWindow*> (list.currentChild.get());
        ASSERT_NE (formWindow, nullptr);
        auto* form = dynamic_cast<VnosZalogXml*> (formWindow->getAction());
        ASSERT_NE (form, nullptr);
        if (sorta > 0)
        {
            SortaRecord s;
            s.id = sorta;
            s.sorta = "Sauvignon";
            form->setSortaIDN (s, 1);
            form->letnik = "2019";
        }
        form->kolicina = litres;
        wtest::pump();
        wtest::windowButton (*formWindow, TRANS ("Save"))->triggerClick();
        wtest::pump (60);
    }

    InvoiceStandIn host;
    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (OdprtoEditArtikelTest, WithoutAVesselEveryButtonButCloseRefuses)
{
    auto* editor = host.open (true, false);
    for (auto* key : { "DeleteVino", "EditVino", "InsertVino", "ZakljuciOdprto" })
    {
        SCOPED_TRACE (key);
        answers.asked.clear();
        host.click (key);
        ASSERT_EQ (answers.asked.size(), 1u);
        EXPECT_TRUE (answers.asked[0].message.contains ("Posoda ni izbrana"));
        EXPECT_EQ (editor->getKompozicija()->currentChild.get(), nullptr);
    }
    EXPECT_FALSE (host.answered);
    EXPECT_EQ (editor->getKompozicija()->getNumRows(), 0);
    EXPECT_EQ (value ("SELECT COUNT(*) FROM artikel WHERE parent=1"), "0");
}

TEST_F (OdprtoEditArtikelTest, AnIntakeWithANewWineIsSplitAndSavedWithItsComposition)
{
    auto* editor = host.open (true, false);
    editor->setPosodaIDN (read (5), 1);
    wtest::pump();
    auto* list = editor->getKompozicija();
    ASSERT_NE (list, nullptr);
    ASSERT_EQ (list->getNumRows(), 1);
    auto* wine = list->rowAt (0);
    EXPECT_EQ (at (wine, "volumen_orig"), Litres::fromHundredths (60000));
    EXPECT_EQ (editor->ime.toString(), value ("SELECT sorta FROM sorta WHERE id=4") + " 2016");

    editor->kolicina = 300.0;
    wtest::pump();
    EXPECT_EQ (at (wine, "dodano"), Litres::fromHundredths (30000));
    EXPECT_EQ (at (wine, "volumen"), Litres::fromHundredths (30000));

    host.click ("InsertVino");
    saveWineForm (*list, 3, "100");
    wtest::pump();
    ASSERT_EQ (list->getNumRows(), 2);
    auto* added = list->rowAt (1);
    EXPECT_EQ (editor->getLitres(), Litres::fromHundredths (40000));
    EXPECT_EQ (at (wine, "dodano"), Litres::fromHundredths (25713));
    EXPECT_EQ (at (added, "dodano"), Litres::fromHundredths (4287));
    EXPECT_EQ (at (added, "volumen"), Litres::fromHundredths (14287));

    // 1000 - 600 - 400: no room for another wine.
    answers.asked.clear();
    host.click ("InsertVino");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].title, TRANS ("Opozorilo"));
    EXPECT_EQ (answers.asked[0].message, TRANS ("ni vec prostora v cisterni"));
    EXPECT_EQ (list->currentChild.get(), nullptr);

    // Only a new wine can be changed.
    list->getTable().selectRow (0);
    answers.asked.clear();
    host.click ("EditVino");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, TRANS ("samo dodane se spreminja"));

    list->getTable().selectRow (1);
    host.click ("EditVino");
    saveWineForm (*list, 0, "120");
    wtest::pump();
    EXPECT_EQ (at (added, "volumen_orig"), Litres::fromHundredths (8399));
    EXPECT_EQ (editor->getLitres(), Litres::fromHundredths (37713));
    EXPECT_EQ (at (wine, "volumen") + at (added, "volumen"), Litres::fromHundredths (37713));

    // The rows go with the editor when it closes.
    const auto wineLitres = at (wine, "volumen").toSql();
    const auto addedLitres = at (added, "volumen").toSql();
    host.click ("ZakljuciOdprto");
    ASSERT_TRUE (host.answered);
    EXPECT_EQ (host.vessel.id, 5);
    EXPECT_EQ (host.entry.stevilo, 377);
    const auto article = juce::String (host.entry.artikel.id);
    const auto sauvignon = value ("SELECT id FROM vino WHERE sorta=3 AND letnik=2019 AND parcela=1");
    EXPECT_EQ (rows ("SELECT link,printf('%.2f',cena) FROM artikel WHERE parent=" + article + " ORDER BY id"),
               juce::StringArray ("8|" + wineLitres, sauvignon + "|" + addedLitres));
}

TEST_F (OdprtoEditArtikelTest, RemovingTheOnlyNewWineKeepsThePartsAddingUp)
{
    auto* editor = host.open (true, false);
    editor->setPosodaIDN (read (5), 1);
    editor->kolicina = 300.0;
    wtest::pump();
    auto* list = editor->getKompozicija();
    host.click ("InsertVino");
    saveWineForm (*list, 3, "100");
    wtest::pump();
    ASSERT_EQ (list->getNumRows(), 2);
    // Less than the new wine's own litres is raised back to them.
    editor->kolicina = 50.0;
    wtest::pump();
    wtest::pump();
    EXPECT_EQ (editor->getLitres(), Litres::fromHundredths (10000));
    editor->kolicina = 400.0;
    wtest::pump();
    list->getTable().selectRow (1);
    answers.then (1);   // yes, remove it
    host.click ("DeleteVino");
    wtest::pump();
    EXPECT_TRUE (list->rowAt (1)->getBoolAttribute ("deleted"));
    EXPECT_EQ (editor->getLitres(), Litres::fromHundredths (25713));
    EXPECT_EQ (at (list->rowAt (0), "dodano"), Litres::fromHundredths (25713));
    EXPECT_EQ (at (list->rowAt (0), "volumen"), editor->getLitres());
}

TEST_F (OdprtoEditArtikelTest, ASaleHandsOverWholeLitresAndARenameKeepsTheOldArticle)
{
    auto* editor = host.open (false, true);
    editor->setPosodaIDN (read (5), 1);
    editor->kolicina = "257.8";
    editor->cenaText = "3.20";
    wtest::pump();
    host.click ("ZakljuciOdprto");
    ASSERT_TRUE (host.answered);
    EXPECT_EQ (host.entry.stevilo, 257);
    const auto first = host.entry.artikel.id;
    EXPECT_EQ (value ("SELECT printf('%.2f',cena) FROM posoda WHERE id=5"), "3.20");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM artikel WHERE parent=" + juce::String (first)), "0");
    wtest::closeOpenWindows();

    host.answered = false;
    editor = host.open (false, true);
    editor->setPosodaIDN (read (5), 1);
    EXPECT_EQ (editor->getOldArticle().id, first);
    editor->ime = "Frankinja iz C";
    editor->kolicina = "10";
    wtest::pump();
    host.click ("ZakljuciOdprto");
    ASSERT_TRUE (host.answered);
    EXPECT_NE (host.entry.artikel.id, first);
    EXPECT_EQ (value ("SELECT active FROM artikel WHERE id=" + juce::String (first)), "1");
    wtest::closeOpenWindows();

    editor = host.open (false, true);
    editor->setPosodaIDN (read (5), 1);
    EXPECT_EQ (editor->ime.toString(), "Frankinja iz C") << "the next pick loads the newer article";
}

TEST_F (OdprtoEditArtikelTest, TheNameIsPickedFromTheVesselsWines)
{
    auto* editor = host.open (false, true);
    editor->setPosodaIDN (read (5), 1);
    auto* nameRow = editor->getNameRow();
    nameRow->getButton().triggerClick();
    wtest::pump();
    auto* browserWindow = nameRow->currentChild.get();
    ASSERT_NE (browserWindow, nullptr);
    auto* wines = dynamic_cast<PregledBazeVino*> (browserWindow->getAction());
    ASSERT_NE (wines, nullptr) << "with a vessel the browser lists its wines";
    // A second click while it is open opens nothing more.
    const auto windows = wtest::openWindowCount();
    nameRow->getButton().triggerClick();
    wtest::pump();
    EXPECT_EQ (nameRow->currentChild.get(), browserWindow);
    EXPECT_EQ (wtest::openWindowCount(), windows);

    wines->getTable().selectRow (0);
    browserWindow->setExitValue (ButtonCode::select);
    browserWindow->notifyListener();
    wtest::pump (60);
    EXPECT_EQ (editor->ime.toString(), value ("SELECT sorta FROM sorta WHERE id=2") + " 2016");
    EXPECT_EQ (nameRow->currentChild.get(), nullptr);
}

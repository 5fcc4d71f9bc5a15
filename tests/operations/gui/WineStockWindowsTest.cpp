// The opening-stock form and the wine editor of a vessel's wine list under a real X server: the
// editor's vessel picked through the cellar viewer with the declaration that comes with it, Edit
// and the journal without a wine, a save that fails in the database keeping its window open, and
// the vintage row of the opening-stock form with the setting it leaves behind.
#include "cellar/gui/CellarTestParts.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "operations/WineBookingFixture.h"
#include "operations/gui/PregledBazeVino.h"
#include "operations/gui/UrediZalog.h"
#include "operations/gui/VnosZalog.h"
#include "support/FaultInjection.h"
#include "widgets/VindorPropertyPanel.h"

using namespace celltest;

namespace
{
juce::StringArray stockTables()
{
    auto tables = optest::wineBookingTables();
    tables.addArray ({ "starovino", "razknjizenjevino" });
    return tables;
}

SortaRecord variety (int id, const juce::String& name)
{
    SortaRecord s;
    s.id = id;
    s.sorta = name;
    s.active = true;
    return s;
}

class WineStockWindows : public CellarWindowFixture
{
public:
    void TearDown() override
    {
        wtest::closeOpenWindows();
        list.reset();
        CellarWindowFixture::TearDown();
    }

    juce::StringArray dumpStock() const { return vtest::dumpTables (file(), stockTables()); }

    /** Opens a window on `content` from the test's opener with Cancel and Save, as the list does. */
    VindorWindow* launch (const juce::String& title, VindorWindowAction* content)
    {
        opener.clearButtons();
        opener.addButton ("Cancel", ButtonCode::cancel);
        opener.addButton ("Save", ButtonCode::ok);
        window = VindorWindow::launchNormal (title, content, &opener, &opener);
        opener.currentChild = window;
        wtest::pump (60);
        return window;
    }

    /** The editor of the wine `wine` as the list of vessel `vessel` shows it. */
    UrediZalog* openEditor (int vessel, int wine)
    {
        list = std::make_unique<PregledBazeVino> (read (vessel));
        for (int i = 0; i < list->getNumRows(); ++i)
            if (PregledBazeVino::interpretXml (list->rowAt (i)).id == wine)
            {
                auto* editor = new UrediZalog (list->rowAt (i), read (vessel));
                launch ("UrediZalog", editor);
                return editor;
            }
        return nullptr;
    }

    VnosZalog* openEntry (int vessel)
    {
        auto* form = new VnosZalog();
        form->setPosodaIDN (read (vessel), 1);
        launch ("VnosZalog", form);
        return form;
    }

    bool windowIsOpen() const { return opener.currentChild != nullptr; }

    void save()
    {
        auto* button = wtest::windowButton (*window, "Save");
        ASSERT_NE (button, nullptr);
        button->triggerClick();
        wtest::pump (100);
    }

    /** The message of the last question asked, or "" when none was. */
    juce::String lastAsked() const { return answers.asked.empty() ? juce::String() : answers.asked.back().message; }

    wtest::RecordingOpener opener;
    vtest::ScriptedAnswerer answers;
    std::unique_ptr<PregledBazeVino> list;
    VindorWindow* window = nullptr;
};
} // namespace

TEST_F (WineStockWindows, TheEditorsVesselPickerBringsTheVesselsDeclarationAndAMoveBooksIt)
{
    ASSERT_TRUE (exec ("UPDATE zaloga SET volumen=600 WHERE posoda=8"));   // room for the move
    auto* editor = openEditor (7, 10);   // 100 l of red wine 10 in C, which has no declaration row
    ASSERT_NE (editor, nullptr);
    auto& panel = editor->getPanel();
    EXPECT_FALSE (panel.isSectionOpen (UrediZalog::declarationSection));

    // D holds white wine and declares nothing: the section stays closed, and the save stops on it.
    celltest::pickVessel (*editor, 8);
    EXPECT_EQ (editor->getPosoda (1).id, 8);
    EXPECT_FALSE (panel.isSectionOpen (UrediZalog::declarationSection));
    EXPECT_EQ (editor->stanje.toString(), PosodaOps::getStanjePosode (read (8)));
    const auto before = dumpStock();
    answers.then (1);
    save();
    EXPECT_TRUE (lastAsked().startsWith ("Error occured: Tipizacija ni izbrana")) << lastAsked();
    EXPECT_TRUE (windowIsOpen());
    EXPECT_EQ (dumpStock(), before);

    // The section opened without a declared variety is refused as well.
    panel.setSectionOpen (UrediZalog::declarationSection, true);
    answers.then (1);
    save();
    EXPECT_TRUE (lastAsked().startsWith ("Error occured: Tipizacija problem sorta")) << lastAsked();
    EXPECT_TRUE (windowIsOpen());
    EXPECT_EQ (dumpStock(), before);

    // B is declared Sauvignon 2019 of grade 3 and holds wine: its declaration comes up, opened,
    // and a move into it keeps that declaration.
    celltest::pickVessel (*editor, 6);
    EXPECT_EQ (editor->getPosoda (1).id, 6);
    EXPECT_TRUE (panel.isSectionOpen (UrediZalog::declarationSection));
    EXPECT_EQ (editor->getSorta (2).id, 3);
    EXPECT_EQ (editor->tipLetnik.toString(), "2019");
    EXPECT_EQ ((int) editor->kvaliteta.getValue(), 3);
    EXPECT_EQ (editor->stanje.toString(), PosodaOps::getStanjePosode (read (6)));
    const auto asked = answers.asked.size();
    save();
    EXPECT_EQ (answers.asked.size(), asked) << lastAsked();
    EXPECT_FALSE (windowIsOpen());
    ASSERT_FALSE (opener.answers.empty());
    EXPECT_EQ (opener.answers.back().exitValue, ButtonCode::ok);
    EXPECT_EQ (value ("SELECT opravilo FROM glavna ORDER BY id DESC LIMIT 1"), "6");
    EXPECT_EQ (rows ("SELECT posoda,printf('%.2f',volumen) FROM zaloga WHERE vino=10 AND volumen>0"),
               juce::StringArray ({ "6|100.00" }));
    EXPECT_EQ (value ("SELECT tipizacija FROM posoda WHERE id=6"), "20");
    EXPECT_EQ (value ("SELECT COUNT(*) FROM tipizacija"), "2") << "the same declaration, no new row";
}

TEST_F (WineStockWindows, EditAndTheJournalWithoutAWineSayNiIzbranegaVina)
{
    struct Case { int vessel; const char* button; };
    for (auto c : { Case { 7, "Edit" }, Case { 5, "ZgodovinaVina" } })
    {
        SCOPED_TRACE (c.button);
        opener.clearButtons();
        opener.addButton ("Close", ButtonCode::cancel);
        opener.addButton ("ZgodovinaVina", ButtonCode::history);
        opener.addButton ("Edit", ButtonCode::edit);
        opener.addButton ("VnosZalog", ButtonCode::insert);
        opener.addButton ("Select", ButtonCode::select, false, true);
        auto* content = new PregledBazeVino (read (c.vessel));
        auto* listWindow = VindorWindow::launchNormal ("Vsebina posode", content, &opener, &opener);
        wtest::pump (60);
        const int windows = wtest::openWindowCount();
        const auto asked = answers.asked.size();

        wtest::windowButton (*listWindow, c.button)->triggerClick();
        wtest::pump (60);
        ASSERT_EQ (answers.asked.size(), asked + 1);
        EXPECT_EQ (answers.asked.back().title, "Edit");
        EXPECT_EQ (answers.asked.back().message, "Ni izbranega vina");
        EXPECT_EQ (content->currentChild.get(), nullptr);
        EXPECT_EQ (wtest::openWindowCount(), windows) << "nothing opened and the list stayed";
        listWindow->closeKW();
        wtest::pump (60);
    }
}

TEST_F (WineStockWindows, AFailedSaveKeepsTheWindowOpenWithItsMessageAndWritesNothing)
{
    struct Case
    {
        const char* name;
        const char* failingTable;
        const char* message;
        std::function<juce::Component* (WineStockWindows&)> open;
    };
    const Case cases[] = {
        { "correction 100 -> 60", "razknjizenjevino", "Urejanja ni uspelo shraniti",
          [] (WineStockWindows& t) -> juce::Component* {
              auto* editor = t.openEditor (7, 10);
              if (editor != nullptr)
                  editor->kolicina = "60";
              return editor;
          } },
        { "opening stock of 40 l", "starovino", "belezenje vnoszalog ni uspela",
          [] (WineStockWindows& t) -> juce::Component* {
              auto* form = t.openEntry (5);
              form->setSortaIDN (variety (2, "Rdece"), 1);
              form->kolicina = "40";
              return form;
          } },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto* content = c.open (*this);
        ASSERT_NE (content, nullptr);
        const auto before = dumpStock();
        {
            vtest::FaultInjection faults (file(), { c.failingTable });
            faults.failWrite (1);
            answers.then (1);   // "Yes": back to the window to fix it
            save();
            ASSERT_FALSE (answers.asked.empty());
            EXPECT_EQ (lastAsked(), juce::String ("Error occured: ") + c.message + ".\nDo you wish to fix this error?");
            EXPECT_TRUE (windowIsOpen());
            EXPECT_EQ (dumpStock(), before);
        }
        // Once the database takes it, the same window saves and closes.
        const auto asked = answers.asked.size();
        save();
        EXPECT_EQ (answers.asked.size(), asked) << lastAsked();
        EXPECT_FALSE (windowIsOpen());
        EXPECT_NE (dumpStock(), before);
    }
    EXPECT_EQ (rows ("SELECT printf('%.2f',volumen) FROM razknjizenjevino"), juce::StringArray ({ "40.00" }));
    EXPECT_EQ (rows ("SELECT printf('%.2f',volumen) FROM starovino"), juce::StringArray ({ "40.00" }));
}

TEST_F (WineStockWindows, TheVintageRowTakesOnlyAYearAndTheSettingOnlyAfterASaveThatPassedItsChecks)
{
    const int thisYear = juce::Time::getCurrentTime().getYear();
    settings().removeValue ("vnoszalog:letnik");
    auto* form = openEntry (5);
    EXPECT_EQ (form->letnik.toString(), juce::String (thisYear)) << "no setting yet: the current year";

    struct Case { const char* typed; const char* shown; };
    const Case cases[] = {
        { "2012", "2012" },
        { "0", "2012" },          // out of range: the stored vintage comes back
        { "2500", "2012" },
        { "leto", "2012" },       // no number at all
        { "-5", "2012" },
        { "1", "1" },
        { "2499", "2499" },
        { "2015 jesen", "2015 jesen" },   // its leading year is taken
        { "3000", "2015" },
    };
    for (auto& c : cases)
    {
        wtest::typeIntoRow (*form, "Letnik", c.typed);
        EXPECT_EQ (form->letnik.toString(), c.shown) << "typed " << c.typed;
    }

    // A refused save (no variety yet) leaves the setting alone.
    answers.then (1);
    save();
    EXPECT_TRUE (lastAsked().startsWith ("Error occured: Sorta ni izbrana")) << lastAsked();
    EXPECT_FALSE (settings().containsKey ("vnoszalog:letnik"));

    form->setSortaIDN (variety (2, "Rdece"), 1);
    form->kolicina = "40";
    save();
    EXPECT_FALSE (windowIsOpen()) << lastAsked();
    EXPECT_EQ (settings().getIntValue ("vnoszalog:letnik"), 2015);
    EXPECT_EQ (rows ("SELECT v.letnik,printf('%.2f',s.volumen) FROM starovino AS s JOIN vino AS v ON v.id=s.vino"),
               juce::StringArray ({ "2015|40.00" }));

    // The next form starts from the stored vintage.
    form = openEntry (5);
    EXPECT_EQ (form->letnik.toString(), "2015");
}

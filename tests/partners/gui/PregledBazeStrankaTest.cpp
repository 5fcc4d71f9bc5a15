// The party register under a real X server: which parties it lists and how, deleting by clicks
// and the delete question (protected parties refused however they are selected, a failing
// statement leaving every row as it was), and the party editor's side of the browser with a
// stand-in editor window.
#include "partners/PartnersDb.h"
#include "partners/StrankaQuery.h"
#include "partners/gui/PartnerWindows.h"
#include "partners/gui/PregledBazeStranka.h"
#include "partners/gui/StrankaEditorContent.h"
#include "support/ScriptedAnswerer.h"
#include "widgets/RowSortComparator.h"

using namespace ptest;

namespace
{
// Stands in for the party editor: Save adds (or renames) a party the way the editor stores it.
class StandInEditor : public juce::Component,
                      public VindorWindowAction,
                      public StrankaEditorContent
{
public:
    StandInEditor (const juce::XmlElement* row, bool adding) : insert (adding)
    {
        if (row != nullptr)
            party = PregledBazeStranka::interpretXml (row);
        setSize (300, 200);
    }

    bool okAction() override
    {
        SQLtoXml q;
        if (insert)
        {
            q.sqlQueryNA ("INSERT INTO stranka(ime,drzava,tipstranke) VALUES('Nova',185,8)");
            party.id = (int) q.lastInsertedID();
        }
        else
            q.sqlQueryNA ("UPDATE stranka SET ime='Preimenovana' WHERE id=" + juce::String (party.id));
        doneFlag = true;
        notifyKWindowListener();
        return true;
    }

    StrankaRecord getStranka() const override { return party; }

    StrankaRecord party;
    bool insert;
};

class PartyRegister : public PartnersDb
{
protected:
    void SetUp() override
    {
        PartnersDb::SetUp();
        PregledBazeStranka::editorMaker = [this] (PregledBazeStranka& browser, const juce::XmlElement* row, bool insert)
        {
            madeFor.add ((insert ? "insert:" : "edit:") + (row != nullptr ? row->getStringAttribute ("ime") : juce::String ("-"))
                         + ":" + juce::String (browser.getMask()));
            return new StandInEditor (row, insert);
        };
    }

    void TearDown() override
    {
        closeAllWindows();
        PregledBazeStranka::editorMaker = nullptr;
        PartnersDb::TearDown();
    }

    /** The register as the main board opens it, in a window of its own. */
    PregledBazeStranka* open (int mask, bool editable)
    {
        opener.clearButtons();
        opener.addButton ("Close", ButtonCode::cancel);
        opener.addButton ("Export", ButtonCode::exportTable);
        opener.addButton ("Edit", ButtonCode::edit);
        opener.addButton ("Delete", ButtonCode::remove);
        opener.addButton ("Insert", ButtonCode::insert);
        opener.setSize (10, 10);
        window = VindorWindow::launchNormal ("PregledStrank", new PregledBazeStranka (mask, editable), nullptr, &opener);
        window->setSize (900, 500);
        pump (100);
        return contentOf<PregledBazeStranka> (window);
    }

    static int rowNamed (PregledBaze& b, const juce::String& name) { return columnOf (b, "ime").indexOf (name); }

    juce::StringArray asked() const
    {
        juce::StringArray texts;
        for (auto& q : answers.asked)
            texts.add (q.message);
        return texts;
    }

    juce::String active (int id) { return value ("SELECT active FROM stranka WHERE id=" + juce::String (id)); }
    juce::String activeCount() { return value ("SELECT count(*) FROM stranka WHERE active=1"); }

    wtest::RecordingOpener opener;
    VindorWindow* window = nullptr;
    vtest::ScriptedAnswerer answers;
    juce::StringArray madeFor;
};

juce::MouseEvent withCtrl (juce::Component& c)
{
    return wtest::mouseAt (c, 10, 5, 1, juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::commandModifier));
}

void ctrlClickRow (PregledBaze& b, int row)
{
    auto* rowComponent = b.getTable().getComponentForRowNumber (row);
    ASSERT_NE (rowComponent, nullptr);
    rowComponent->mouseDown (withCtrl (*rowComponent));
    rowComponent->mouseUp (withCtrl (*rowComponent));
}
} // namespace

TEST_F (PartyRegister, ListsTheActivePartiesOfItsKindsByName)
{
    auto* b = open (4, false);
    ASSERT_NE (b, nullptr);
    EXPECT_EQ (columnOf (*b, "ime"), juce::StringArray ({ "Bakla", "Dobavitelj" }));   // not the switched-off one
    EXPECT_EQ (b->getQuery(), juce::String (strankaSelectSql) + "4");

    auto& header = b->getTable().getHeader();
    juce::StringArray shown;
    for (int id = 1; id <= header.getNumColumns (false); ++id)
        if (header.isColumnVisible (id))
            shown.add (b->getAttributeNameForColumnId (id));
    EXPECT_EQ (shown, juce::StringArray ({ "ime", "naslov", "posta", "davcna" }));
    EXPECT_EQ (header.getSortColumnId(), 2);
    EXPECT_TRUE (header.isSortedForwards());
    EXPECT_TRUE (header.isStretchToFitActive());

    auto* all = new PregledBazeStranka (kStrankaAllKinds, false);
    const auto names = columnOf (*all, "ime");
    EXPECT_EQ (names.size(), 8);
    for (int i = 1; i < names.size(); ++i)
        EXPECT_LE (SortAlphabet::get().compare (names[i - 1], names[i]), 0) << names[i - 1] << " / " << names[i];
    delete all;
}

TEST_F (PartyRegister, TypedLettersFindAPartyByName)
{
    auto* b = open (8, false);
    ASSERT_NE (b, nullptr);
    b->keyPressed (juce::KeyPress ('t', {}, 't'));
    b->keyPressed (juce::KeyPress ('u', {}, 'u'));
    auto* row = b->getSelectedRow();
    ASSERT_NE (row, nullptr);
    EXPECT_EQ (row->getStringAttribute ("ime"), "Tujec");
}

TEST_F (PartyRegister, ConfirmedDeleteSwitchesThePartyOffAndKeepsItsRow)
{
    auto* b = open (8, true);
    ASSERT_NE (b, nullptr);
    const auto rows = value ("SELECT count(*) FROM stranka");
    clickRow (*b, rowNamed (*b, "Zvezda"));
    answers.then (0);
    press (window, "Delete");
    ASSERT_EQ (asked().size(), 1);
    EXPECT_EQ (asked()[0], "Want to delete 'Zvezda' ?");
    EXPECT_EQ (active (kCustomerB), "1");   // declined: nothing changed
    EXPECT_EQ (columnOf (*b, "deleted").joinIntoString (""), "");

    ASSERT_EQ (b->getTable().getSelectedRows().size(), 1);   // still selected: a second press asks again
    answers.then (1);
    press (window, "Delete");
    EXPECT_EQ (asked().size(), 2);
    EXPECT_EQ (active (kCustomerB), "0");
    EXPECT_EQ (value ("SELECT count(*) FROM stranka"), rows);
    EXPECT_EQ (active (kCustomerA), "1");
    EXPECT_EQ (openWindows(), 1);   // the register stays open
    SQLtoXml q;
    EXPECT_EQ (getStrankaDetails (&q, kCustomerB).id, -1);   // and no picker finds it any more
}

TEST_F (PartyRegister, TheUserAndTheCompanyAreNeverDeleted)
{
    struct Case { const char* name; std::vector<const char*> clicks; };
    const Case cases[] = {
        { "the user alone", { "Ana" } },
        { "the company alone", { "Klet d.o.o." } },
        { "a customer, then the company", { "Zvezda", "Klet d.o.o." } },
        { "the company, then a customer", { "Klet d.o.o.", "Zvezda" } },
        { "the user among customers", { "Amfora", "Ana", "Bakla" } },
    };
    auto* b = open (kStrankaAllKinds, true);
    ASSERT_NE (b, nullptr);
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        b->deselectAllRows();
        b->getTable().deselectAllRows();
        const auto before = activeCount();
        clickRow (*b, rowNamed (*b, c.clicks[0]));
        for (size_t i = 1; i < c.clicks.size(); ++i)
            ctrlClickRow (*b, rowNamed (*b, c.clicks[i]));
        ASSERT_EQ (b->getTable().getNumSelectedRows(), (int) c.clicks.size());
        answers.asked.clear();
        answers.then (1);   // "fix it": the register stays as it is
        press (window, "Delete");
        ASSERT_EQ (asked().size(), 1);
        EXPECT_TRUE (asked()[0].contains ("ne mores izbrisat firme")) << asked()[0];
        EXPECT_EQ (activeCount(), before);
        EXPECT_EQ (columnOf (*b, "deleted").joinIntoString (""), "");
    }
}

TEST_F (PartyRegister, AFailedSwitchOffLeavesEveryRowAsItWas)
{
    run ("CREATE TRIGGER zaklep BEFORE UPDATE ON stranka BEGIN SELECT RAISE(ABORT,'stranka zaklenjena'); END");
    auto* b = open (8, true);
    ASSERT_NE (b, nullptr);
    clickRow (*b, rowNamed (*b, "Amfora"));
    ctrlClickRow (*b, rowNamed (*b, "Zvezda"));
    answers.then (1).then (1);   // delete: yes; the error: go back and fix
    press (window, "Delete");
    ASSERT_EQ (asked().size(), 2);
    EXPECT_TRUE (asked()[1].contains ("stranka zaklenjena")) << asked()[1];
    EXPECT_EQ (active (kCustomerA), "1");
    EXPECT_EQ (active (kCustomerB), "1");
    EXPECT_EQ (columnOf (*b, "deleted").joinIntoString (""), "00");
    EXPECT_EQ (columnOf (*b, "ime").size(), 4);
}

TEST_F (PartyRegister, EditAndDeleteWithoutARowSayNoPartyIsSelected)
{
    auto* b = open (8, true);
    ASSERT_NE (b, nullptr);
    for (auto* button : { "Edit", "Delete" })
    {
        answers.asked.clear();
        answers.then (1);
        press (window, button);
        ASSERT_EQ (asked().size(), 1) << button;
        EXPECT_TRUE (asked()[0].contains ("ni izbrane stranke")) << asked()[0];
    }
    EXPECT_TRUE (madeFor.isEmpty());
    EXPECT_EQ (openWindows(), 1);
}

TEST_F (PartyRegister, AnAddedPartyIsSelectedAfterTheReload)
{
    auto* b = open (8, true);
    ASSERT_NE (b, nullptr);
    clickRow (*b, rowNamed (*b, "Amfora"));
    press (window, "Insert");
    auto* editor = b->getInsertWindow();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (b->currentChild.get(), editor);
    EXPECT_EQ (dynamic_cast<VindorWindow*> (editor)->getTitle(), "Dodaj Stranko");
    EXPECT_EQ (buttonsOf (editor), juce::StringArray ({ "Cancel", "Ajpes", "Save" }));
    EXPECT_EQ (madeFor, juce::StringArray ({ "insert:Amfora:8" }));   // prefilled from the selected row

    press (window, "Insert");   // the register refuses its buttons while the editor is open
    EXPECT_EQ (madeFor.size(), 1);

    press (editor, "Save");
    EXPECT_EQ (b->getInsertWindow(), nullptr);
    EXPECT_EQ (b->currentChild.get(), nullptr);
    auto* selected = b->getSelectedRow();
    ASSERT_NE (selected, nullptr);
    EXPECT_EQ (selected->getStringAttribute ("ime"), "Nova");
    EXPECT_EQ (columnOf (*b, "ime").size(), 5);
}

TEST_F (PartyRegister, ACancelledEditorReloadsNothing)
{
    auto* b = open (8, true);
    ASSERT_NE (b, nullptr);
    press (window, "Insert");
    EXPECT_EQ (madeFor, juce::StringArray ({ "insert:-:8" }));
    run ("INSERT INTO stranka(ime,drzava,tipstranke) VALUES('Mimo',185,8)");
    press (b->getInsertWindow(), "Cancel");
    EXPECT_EQ (b->currentChild.get(), nullptr);
    EXPECT_FALSE (columnOf (*b, "ime").contains ("Mimo"));
}

TEST_F (PartyRegister, ADoubleClickEditsTheParty)
{
    auto* b = open (8, true);
    ASSERT_NE (b, nullptr);
    clickRow (*b, rowNamed (*b, "Zvezda"), 2);
    auto* editor = b->getEditWindow();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (dynamic_cast<VindorWindow*> (editor)->getTitle(), "Uredi Stranko");
    EXPECT_EQ (madeFor, juce::StringArray ({ "edit:Zvezda:8" }));
    clickRow (*b, rowNamed (*b, "Amfora"), 2);   // one editor at a time
    EXPECT_EQ (madeFor.size(), 1);

    press (editor, "Save");
    EXPECT_EQ (b->getEditWindow(), nullptr);
    ASSERT_NE (b->getSelectedRow(), nullptr);
    EXPECT_EQ (b->getSelectedRow()->getStringAttribute ("ime"), "Preimenovana");
}

TEST_F (PartyRegister, AChoosingRegisterPicksWithOneClick)
{
    opener.addButton ("Close", ButtonCode::cancel);
    opener.addButton ("Select", ButtonCode::select, false, true);
    window = VindorWindow::launchNormal ("izbira", new PregledBazeStranka (8, false), nullptr, &opener);
    window->setSize (900, 500);
    pump (100);
    auto* b = contentOf<PregledBazeStranka> (window);
    ASSERT_NE (b, nullptr);
    clickRow (*b, rowNamed (*b, "Tujec"));
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers.back().exitValue, ButtonCode::select);
    ASSERT_NE (b->getSelectedRow(), nullptr);
    EXPECT_EQ (b->getSelectedRow()->getStringAttribute ("ime"), "Tujec");
    EXPECT_TRUE (madeFor.isEmpty());
}

// The country picker and register, the country editor, and the post-office choosers under a real
// X server, driven by clicks and keys.
#include "partners/PartnersDb.h"
#include "partners/StrankaQuery.h"
#include "partners/gui/DrzavaEditor.h"
#include "partners/gui/DrzavaTableButtonPropertyComponent.h"
#include "partners/gui/PartnerWindows.h"
#include "partners/gui/PostaValButton.h"
#include "partners/gui/PregledBazeDrzava.h"
#include "partners/gui/PregledBazePosta.h"
#include "support/ModalDialogActor.h"
#include "support/ScriptedAnswerer.h"
#include "widgets/RowSortComparator.h"

using namespace ptest;

namespace
{
class PartnerForms : public PartnersDb
{
protected:
    void SetUp() override
    {
        PartnersDb::SetUp();
        form.setSize (500, 300);
    }

    void TearDown() override
    {
        closeAllWindows();
        PartnersDb::TearDown();
    }

    template <typename Row>
    Row& place (std::unique_ptr<Row>& row)
    {
        form.addAndMakeVisible (*row);
        row->setBounds (0, 0, 500, row->getPreferredHeight());
        return *row;
    }

    /** The browser of the picker's window, given room for its rows. */
    template <typename Browser>
    Browser* browserOf (VindorWindowSetup& picker)
    {
        auto* window = childOf (picker);
        if (window == nullptr)
            return nullptr;
        window->setSize (800, 600);
        pump();
        return contentOf<Browser> (window);
    }

    static void expectOrdered (const juce::StringArray& texts, int direction)
    {
        for (int i = 1; i < texts.size(); ++i)
            EXPECT_LE (SortAlphabet::get().compare (texts[i - 1], texts[i]) * direction, 0) << texts[i - 1] << " / " << texts[i];
    }

    juce::Component form;
    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
};
} // namespace

TEST_F (PartnerForms, TheCountryPickerShowsAndKeepsThePickedCountry)
{
    auto picker = std::make_unique<DrzavaTableButtonPropertyComponent> ("drzava_naslov_okna", "SLOVENIJA", "drzava", &form, 0);
    place (picker);
    EXPECT_EQ (picker->getButtonText(), "SLOVENIJA");
    clickButtonOf (*picker);
    EXPECT_TRUE (log.contains ("<DrzavaTableButtonPropertyComponent::buttonClicked> tukaj"));
    auto* window = childOf (*picker);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "drzava_naslov_okna");
    EXPECT_EQ (buttonsOf (window), juce::StringArray ({ "Close", "Print", "Editing" }));
    auto* browser = browserOf<PregledBazeDrzava> (*picker);
    ASSERT_NE (browser, nullptr);
    EXPECT_FALSE (browser->isEditable());

    const auto names = columnOf (*browser, "ime");
    EXPECT_EQ (names.size(), 30);
    EXPECT_FALSE (names.contains ("STARA DEZELA"));   // switched off
    expectOrdered (names, -1);

    clickRow (*browser, names.indexOf (utf8 ("HRVAŠKA")));
    EXPECT_EQ (childOf (*picker), nullptr);
    EXPECT_EQ (picker->getButtonText(), utf8 ("HRVAŠKA"));
    const auto picked = picker->getDrzava();
    EXPECT_EQ (picked.id, 92);
    EXPECT_EQ (picked.kratica, "HR");
    EXPECT_TRUE (picked.eu);
}

TEST_F (PartnerForms, EditingInTheChoosingCountryRegisterOpensTheEditingOne)
{
    auto picker = std::make_unique<DrzavaTableButtonPropertyComponent> ("drzava_naslov_okna", "", "drzava", &form, 0);
    place (picker);
    clickButtonOf (*picker);
    auto* choosing = childOf (*picker);
    // Return without a row picks nothing: the register stays.
    contentOf<PregledBazeDrzava> (choosing)->returnKeyPressed (-1);   // the list's Return, with no row selected
    EXPECT_EQ (childOf (*picker), choosing);
    EXPECT_TRUE (log.contains ("WARNING: row pointer is empty"));

    press (choosing, "Editing");
    auto* editing = childOf (*picker);
    ASSERT_NE (editing, nullptr);
    EXPECT_NE (editing, choosing);
    EXPECT_TRUE (contentOf<PregledBazeDrzava> (editing)->isEditable());
    EXPECT_EQ (buttonsOf (editing), juce::StringArray ({ "Close", "Edit", "Delete", "Insert" }));
    pump (100);
    EXPECT_EQ (openWindows(), 1);
    EXPECT_EQ (picker->getDrzava().id, -1);
}

TEST_F (PartnerForms, InsertWithARowSelectedStartsFromItAndAddsANewCountry)
{
    auto picker = std::make_unique<DrzavaTableButtonPropertyComponent> ("Edit", "drzava_naslov_okna", "drzava", &form, 1);
    place (picker);
    clickButtonOf (*picker);
    auto* browser = browserOf<PregledBazeDrzava> (*picker);
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    auto* registerWindow = childOf (*picker);
    const auto before = value ("SELECT count(*) FROM drzava");

    clickRow (*browser, columnOf (*browser, "ime").indexOf ("AVSTRIJA"));
    press (registerWindow, "Insert");
    auto* editorWindow = dynamic_cast<VindorWindow*> (browser->currentChild.get());
    ASSERT_NE (editorWindow, nullptr);
    EXPECT_EQ (editorWindow->getTitle(), "drzava_editaction");
    EXPECT_EQ (buttonsOf (editorWindow), juce::StringArray ({ "Cancel", "Save" }));
    auto* editor = contentOf<DrzavaEditor> (editorWindow);
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getImeValue().toString(), "AVSTRIJA");
    EXPECT_EQ (editor->getKraticaValue().toString(), "AT");
    EXPECT_TRUE ((bool) editor->getEuValue().getValue());

    // A name with an apostrophe, first without a code: refused, nothing written, the editor stays.
    editor->getImeValue() = utf8 ("CÔTE D'IVOIRE");
    editor->getKraticaValue() = "";
    editor->getEuValue() = false;
    answers.then (1);
    press (editorWindow, "Save");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_TRUE (answers.asked[0].message.contains ("drzava nima kratice")) << answers.asked[0].message;
    EXPECT_EQ (value ("SELECT count(*) FROM drzava"), before);
    EXPECT_EQ (browser->currentChild.get(), editorWindow);

    editor->getKraticaValue() = "CI";
    press (editorWindow, "Save");
    EXPECT_EQ (browser->currentChild.get(), nullptr);
    EXPECT_EQ (value ("SELECT count(*) FROM drzava"), juce::String (before.getIntValue() + 1));
    EXPECT_EQ (value (utf8 ("SELECT kratica || eu || active FROM drzava WHERE ime='CÔTE D''IVOIRE'")), "CI01");
    EXPECT_EQ (value ("SELECT ime || kratica || eu FROM drzava WHERE id=40"), "AVSTRIJAAT1");   // the selected one as it was
    EXPECT_TRUE (columnOf (*browser, "ime").contains (utf8 ("CÔTE D'IVOIRE")));             // reloaded
}

TEST_F (PartnerForms, ADeletedCountryLeavesTheRegisterButNotItsParties)
{
    auto picker = std::make_unique<DrzavaTableButtonPropertyComponent> ("Edit", "drzava_naslov_okna", "drzava", &form, 1);
    place (picker);
    clickButtonOf (*picker);
    auto* browser = browserOf<PregledBazeDrzava> (*picker);
    ASSERT_NE (browser, nullptr);
    clickRow (*browser, columnOf (*browser, "ime").indexOf (utf8 ("HRVAŠKA")));
    answers.then (1);
    press (childOf (*picker), "Delete");
    EXPECT_EQ (value ("SELECT active FROM drzava WHERE id=92"), "0");
    EXPECT_FALSE (columnOf (*browser, "ime").contains (utf8 ("HRVAŠKA")));
    EXPECT_EQ (value ("SELECT count(*) FROM drzava WHERE id=92"), "1");
    SQLtoXml q;
    EXPECT_EQ (getStrankaDetails (&q, kSupplier).Drzava, "HR");
}

TEST_F (PartnerForms, EitherPostChooserSetsBothValues)
{
    run ("INSERT INTO posta(stevilka,ime,drzava,active) VALUES ('0999','Zaprta',185,0),('HR-10000','Zagreb',92,1)");
    juce::Value code, name;
    auto byCode = std::make_unique<PostaValButton> ("stevilka", code, "stranka_postnast", &form, "ime", name);
    auto byName = std::make_unique<PostaValButton> ("ime", name, "stranka_postaime", &form, "stevilka", code);
    place (byCode);
    EXPECT_EQ (firstButtonIn (*byCode)->getButtonText(), "...");

    clickButtonOf (*byCode);
    auto* window = childOf (*byCode);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "posta");
    EXPECT_EQ (buttonsOf (window), juce::StringArray ({ "Close", "Editing" }));
    auto* codes = browserOf<PregledBazePosta> (*byCode);
    ASSERT_NE (codes, nullptr);
    EXPECT_EQ (codes->getQuery(), "SELECT id,stevilka,ime FROM posta");
    const auto shownCodes = columnOf (*codes, "stevilka");
    expectOrdered (shownCodes, 1);
    EXPECT_TRUE (shownCodes.contains ("0999") && shownCodes.contains ("HR-10000"));   // switched off and foreign ones too

    // Return with nothing selected keeps the window and both values.
    codes->returnKeyPressed (-1);   // the list's Return, with no row selected
    EXPECT_EQ (childOf (*byCode), window);
    EXPECT_EQ (code.toString(), "");

    // Letters typed into the list search the chooser's own column.
    codes->keyPressed (juce::KeyPress ('2', {}, '2'));
    codes->keyPressed (juce::KeyPress ('0', {}, '0'));
    ASSERT_NE (codes->getSelectedRow(), nullptr);
    EXPECT_TRUE (codes->getSelectedRow()->getStringAttribute ("stevilka").startsWith ("20"));
    codes->deselectAllRows();
    codes->getTable().deselectAllRows();

    clickRow (*codes, shownCodes.indexOf ("2000"));
    EXPECT_EQ (code.toString(), "2000");
    EXPECT_EQ (name.toString(), "Maribor - dostava");
    EXPECT_EQ (childOf (*byCode), nullptr);

    place (byName);
    clickButtonOf (*byName);
    auto* names = browserOf<PregledBazePosta> (*byName);
    ASSERT_NE (names, nullptr);
    const auto shownNames = columnOf (*names, "ime");
    expectOrdered (shownNames, 1);
    clickRow (*names, shownNames.indexOf ("Zagreb"));
    EXPECT_EQ (name.toString(), "Zagreb");
    EXPECT_EQ (code.toString(), "HR-10000");
    EXPECT_EQ (childOf (*byName), nullptr);

    // Close leaves both values as they are.
    clickButtonOf (*byName);
    press (childOf (*byName), "Close");
    EXPECT_EQ (childOf (*byName), nullptr);
    EXPECT_EQ (name.toString(), "Zagreb");
}

TEST_F (PartnerForms, APostOfficeAddedInTheEditingWindowIsStoredAndOfferedAtOnce)
{
    juce::Value code, name;
    auto byCode = std::make_unique<PostaValButton> ("stevilka", code, "stranka_postnast", &form, "ime", name);
    place (byCode);
    const auto before = value ("SELECT count(*) FROM posta");
    clickButtonOf (*byCode);
    press (childOf (*byCode), "Editing");
    auto* editing = childOf (*byCode);
    ASSERT_NE (editing, nullptr);
    EXPECT_EQ (buttonsOf (editing), juce::StringArray ({ "Close", "Save", "Edit", "Delete", "Insert" }));
    auto* browser = browserOf<PregledBazePosta> (*byCode);
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    EXPECT_FALSE (browser->getTable().getHeader().isColumnVisible (browser->getColumnIdForAttributeName ("drzava")));

    juce::StringArray fields;
    vtest::ModalDialogActor::whenOpens ([&] (juce::AlertWindow& w)
    {
        for (auto* child : w.getChildren())
            if (auto* editor = dynamic_cast<juce::TextEditor*> (child))
                fields.add (editor->getName());
        w.getTextEditor ("stevilka")->setText ("9998");
        w.getTextEditor ("ime")->setText (utf8 ("Nova pošta"));
        w.exitModalState (1);
    });
    press (editing, "Insert");
    EXPECT_EQ (fields, juce::StringArray ({ "stevilka", "ime" }));   // the country is not asked for
    press (editing, "Save");
    EXPECT_EQ (value ("SELECT count(*) FROM posta"), juce::String (before.getIntValue() + 1));
    EXPECT_EQ (value ("SELECT ime || '|' || drzava || '|' || active FROM posta WHERE stevilka='9998'"), utf8 ("Nova pošta|185|1"));

    auto* choosing = childOf (*byCode);   // Save went back to choosing, on a fresh query
    ASSERT_NE (choosing, nullptr);
    EXPECT_NE (choosing, editing);
    auto* fresh = browserOf<PregledBazePosta> (*byCode);
    ASSERT_NE (fresh, nullptr);
    EXPECT_FALSE (fresh->isEditable());
    clickRow (*fresh, columnOf (*fresh, "stevilka").indexOf ("9998"));
    EXPECT_EQ (code.toString(), "9998");
    EXPECT_EQ (name.toString(), utf8 ("Nova pošta"));
}
